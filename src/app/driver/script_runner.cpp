#include "app/driver/script_runner.h"

#include <cmath>
#include <cstdio>
#include <fstream>

#include "app/app.h"
#include "app/display_geometry.h"
#include "app/driver/resource_count.h"
#include "app/driver/screenshot.h"
#include "app/game_window.h"
#include "fight/match_state.h"
#include "screens/online_screen_rules.h"

ScriptRunner::ScriptRunner(std::vector<ScriptCommand> commands, std::string scriptName)
    : commands_(std::move(commands)), scriptName_(std::move(scriptName)), passesLeft_(commands_.size(), 0) {
  RunLeadingSettings();
}

void ScriptRunner::RunLeadingSettings() {
  while (next_ < commands_.size()) {
    const ScriptOp op = commands_[next_].op;
    if (op != ScriptOp::Step && op != ScriptOp::TimerReadings && op != ScriptOp::RefuseDisplay &&
        op != ScriptOp::Answer && op != ScriptOp::Clock) {
      return;
    }
    Run(commands_[next_++]);
  }
}

int ScriptRunner::UnfinishedLine() const { return next_ < commands_.size() ? commands_[next_].line : 0; }

// The order of a round: messages already sent, the frames asked for, the rest of a click or key
// press, a running `until`, then the next command. The end of the script closes the window.
bool ScriptRunner::NextMessage(WindowMessage& message) {
  for (;;) {
    if (!pending_.empty()) {
      message = pending_.front();
      pending_.pop_front();
      return true;
    }
    if (framesToRun_ > 0) {
      --framesToRun_;
      StartFrame();
      return false;
    }
    if (!afterFrames_.empty() || !padReleases_.empty()) {
      pending_.insert(pending_.end(), afterFrames_.begin(), afterFrames_.end());
      afterFrames_.clear();
      for (const ScriptCommand& release : padReleases_) Run(release);
      padReleases_.clear();
      continue;
    }
    if (waiting_) {
      if (Holds(until_.condition)) {
        waiting_ = false;
      } else if (untilFramesLeft_-- > 0) {
        StartFrame();
        return false;
      } else {
        Fail(until_.line, Describe(until_.condition) + " within " + std::to_string(until_.count) + " frames");
      }
      continue;
    }
    if (next_ < commands_.size()) {
      const ScriptOp op = commands_[next_].op;
      if (op == ScriptOp::Repeat || op == ScriptOp::End) {
        Loop(next_);
      } else {
        Run(commands_[next_++]);
      }
      continue;
    }
    if (!closeSent_) {
      closeSent_ = true;
      Send(MessageKind::Close);
      continue;
    }
    StartFrame();
    return false;
  }
}

void ScriptRunner::Loop(std::size_t index) {
  const ScriptCommand& command = commands_[index];
  const std::size_t repeat = command.op == ScriptOp::Repeat ? index : command.jump;
  if (command.op == ScriptOp::Repeat) passesLeft_[repeat] = command.count;
  const ScriptCommand& loop = commands_[repeat];
  if (passesLeft_[repeat] == 0 || (loop.conditional && Holds(loop.condition))) {
    next_ = loop.jump;  // past the end
    return;
  }
  --passesLeft_[repeat];
  next_ = repeat + 1;
}

void ScriptRunner::StartFrame() {
  if (readings_.empty()) now_ += stepCounts_;
}

std::uint64_t ScriptRunner::Counter() {
  if (!readings_.empty()) {
    now_ = readings_.front();
    readings_.pop_front();
  }
  return now_;
}

void ScriptRunner::Pointer(int& windowX, int& windowY) {
  windowX = pointerX_;
  windowY = pointerY_;
}

void ScriptRunner::PointerWarped(int windowX, int windowY) {
  pointerX_ = windowX;
  pointerY_ = windowY;
}

void ScriptRunner::MessageShown(const char* caption, const char* text) {
  messages_.push_back(std::string(caption) + ": " + text);
}

bool ScriptRunner::AnswerYesNo(const char*, const char*) { return answerYes_; }

bool ScriptRunner::RefusesDisplayMode(int, int, int) { return refuseDisplay_; }

void ScriptRunner::BeforeSwap() {
  if (screenshotFile_.empty()) return;
  std::string error;
  if (!SaveBackBufferPng(screenshotFile_, error)) Fail(screenshotLine_, "screenshot: " + error);
  screenshotFile_.clear();
}

void ScriptRunner::Fail(int line, const std::string& why) {
  std::fprintf(stderr, "driver: %s:%d: %s\n", scriptName_.c_str(), line, why.c_str());
  failed_ = true;
  // The rest of the script is skipped; the window is closed so the game ends the ordinary way.
  next_ = commands_.size();
  framesToRun_ = 0;
  afterFrames_.clear();
  padReleases_.clear();
  waiting_ = false;
}

void ScriptRunner::Send(MessageKind kind, int virtualKey) {
  WindowMessage message;
  message.kind = kind;
  message.virtualKey = virtualKey;
  pending_.push_back(message);
}

// Menu units to the first client pixel that reads back as them (exact for windows of 800 wide or more).
void ScriptRunner::MovePointer(int menuX, int menuY) {
  int width = 0;
  int height = 0;
  WindowClientSize(width, height);
  MenuUnitsToClient(menuX, menuY, width, height, pointerX_, pointerY_);
  Send(MessageKind::PointerMove);
}

void ScriptRunner::Press(MessageKind kind) {
  WindowMessage button;
  button.kind = kind;
  button.x = pointerX_;
  button.y = pointerY_;
  pending_.push_back(button);
}

void ScriptRunner::PadsChanged() { Send(MessageKind::DevicesChanged); }

void ScriptRunner::Run(const ScriptCommand& command) {
  switch (command.op) {
    case ScriptOp::Step:
      stepCounts_ = static_cast<std::uint64_t>(std::llround(command.number[0] * kCountsPerSecond / 1000.0));
      return;
    case ScriptOp::TimerReadings:
      readings_.clear();
      for (double ms : command.number) {
        readings_.push_back(static_cast<std::uint64_t>(std::llround(ms * kCountsPerSecond / 1000.0)));
      }
      return;
    case ScriptOp::RefuseDisplay:
      refuseDisplay_ = true;
      return;
    case ScriptOp::Clock:
      startSecond_ = static_cast<std::int64_t>(command.number[0]);
      return;
    case ScriptOp::Answer:
      answerYes_ = command.yes;
      return;
    case ScriptOp::Frames:
      framesToRun_ = command.count;
      return;
    case ScriptOp::Wait:
      framesToRun_ = static_cast<int>(std::ceil(command.number[0] * kCountsPerSecond / static_cast<double>(stepCounts_)));
      return;
    case ScriptOp::Until:
      waiting_ = true;
      until_ = command;
      untilFramesLeft_ = command.count;
      return;
    case ScriptOp::Expect:
      if (!Holds(command.condition)) Fail(command.line, Describe(command.condition));
      return;
    case ScriptOp::KeyDown: {
      if (!active_) return;
      // Alt and F10, and every key pressed while Alt is held, arrive as system keys.
      const bool system = command.virtualKey == VirtualKey::Menu || command.virtualKey == VirtualKey::F10 || altHeld_;
      if (command.virtualKey == VirtualKey::Menu) altHeld_ = true;
      Send(system ? MessageKind::SystemKeyDown : MessageKind::KeyDown, command.virtualKey);
      return;
    }
    case ScriptOp::KeyUp: {
      if (!active_) return;
      const bool system = command.virtualKey == VirtualKey::Menu || command.virtualKey == VirtualKey::F10;
      if (command.virtualKey == VirtualKey::Menu) altHeld_ = false;
      Send(system ? MessageKind::SystemKeyUp : MessageKind::KeyUp, command.virtualKey);
      return;
    }
    case ScriptOp::KeyPress: {
      if (!active_) return;
      ScriptCommand down = command;
      down.op = ScriptOp::KeyDown;
      Run(down);
      framesToRun_ = 1;
      afterFrames_.push_back(pending_.back());
      afterFrames_.back().kind =
          pending_.back().kind == MessageKind::KeyDown ? MessageKind::KeyUp : MessageKind::SystemKeyUp;
      return;
    }
    case ScriptOp::Move:
      MovePointer(command.x, command.y);
      return;
    case ScriptOp::Click:
    case ScriptOp::RightClick: {
      // A frame between the move and the press, as a hand on a mouse gives; the pointer drawn there.
      MovePointer(command.x, command.y);
      framesToRun_ = 1;
      const bool left = command.op == ScriptOp::Click;
      WindowMessage button;
      button.kind = left ? MessageKind::LeftButtonDown : MessageKind::RightButtonDown;
      button.x = pointerX_;
      button.y = pointerY_;
      afterFrames_.push_back(button);
      button.kind = left ? MessageKind::LeftButtonUp : MessageKind::RightButtonUp;
      afterFrames_.push_back(button);
      return;
    }
    case ScriptOp::Tap:
      // A touchscreen or a pen: the pointer jumps and presses with no frame between.
      MovePointer(command.x, command.y);
      Press(MessageKind::LeftButtonDown);
      Press(MessageKind::LeftButtonUp);
      return;
    case ScriptOp::PadAttach:
      if (!AttachVirtualPad(command.pad)) Fail(command.line, "pad " + std::to_string(command.pad + 1) + " cannot be attached");
      return PadsChanged();
    case ScriptOp::PadDetach:
      if (!DetachVirtualPad(command.pad)) Fail(command.line, "pad " + std::to_string(command.pad + 1) + " is not attached");
      return PadsChanged();
    case ScriptOp::PadDown:
    case ScriptOp::PadUp:
      SetVirtualPadButton(command.pad, command.button, command.op == ScriptOp::PadDown);
      return PadsChanged();
    case ScriptOp::PadPress: {
      SetVirtualPadButton(command.pad, command.button, true);
      PadsChanged();
      framesToRun_ = 1;
      ScriptCommand release = command;
      release.op = ScriptOp::PadUp;
      padReleases_.push_back(release);
      return;
    }
    case ScriptOp::PadAxisValue:
      SetVirtualPadAxis(command.pad, command.axis, command.x);
      return PadsChanged();
    case ScriptOp::Activate:
    case ScriptOp::Deactivate:
    case ScriptOp::Minimise: {
      WindowMessage activation;
      activation.kind = MessageKind::Activate;
      activation.active = command.op == ScriptOp::Activate;
      activation.minimised = command.op == ScriptOp::Minimise;
      active_ = activation.active;
      pending_.push_back(activation);
      return;
    }
    case ScriptOp::Close:
      Send(MessageKind::Close);
      return;
    case ScriptOp::Screenshot:
      // The next frame is saved from the back buffer before it is shown.
      screenshotFile_ = command.text;
      screenshotLine_ = command.line;
      framesToRun_ = 1;
      return;
    case ScriptOp::Resources: {
      std::ofstream out(command.text, std::ios::app);
      out << "line=" << command.line << ' ' << DescribeResources(CountResources()) << '\n';
      if (!out) Fail(command.line, "resources: cannot write " + command.text);
      return;
    }
    case ScriptOp::Repeat:
    case ScriptOp::End:
      return;  // they choose the next command: Loop()
  }
}

namespace {
constexpr float kDistanceTolerance = 0.05f;  // the frame data prints the distance to two decimals
}  // namespace

bool ScriptRunner::Holds(const ScriptCondition& condition) const {
  using Kind = ScriptCondition::Kind;
  switch (condition.kind) {
    case Kind::State:
      return ScreenFlow.gameState == condition.state;
    case Kind::Loading:
      return LoadState.loadPending;
    case Kind::Loaded:
      return !LoadState.loadPending;
    case Kind::KeyDown:
      return KeyState[condition.virtualKey] != 0;
    case Kind::KeyUp:
      return KeyState[condition.virtualKey] == 0;
    case Kind::Active:
      return WindowActive;
    case Kind::Inactive:
      return !WindowActive;
    case Kind::Fullscreen:
      return Fullscreen;
    case Kind::Windowed:
      return !Fullscreen;
    case Kind::Message:
      for (const std::string& shown : messages_) {
        if (shown.find(condition.text) != std::string::npos) return true;
      }
      return false;
    case Kind::Pointer:
      return ScreenFlow.PointerX == condition.x && ScreenFlow.PointerY == condition.y;
    case Kind::Step:
      return std::fabs(FrameClock.step - condition.step) < 0.005;
    case Kind::Rumble:
      return VirtualPadRumble(condition.pad) > 0.0f;
    case Kind::Winner:
      return MatchState.winnerCharacter == MatchState.character[condition.pad];
    case Kind::Distance:
      return std::fabs(MatchState.distance - condition.distance) < kDistanceTolerance;
    case Kind::OnlineText:
      return (OnlineScreen.message + "\n" + OnlineScreen.detail).find(condition.text) != std::string::npos;
  }
  return false;
}

std::string ScriptRunner::Describe(const ScriptCondition& condition) const {
  using Kind = ScriptCondition::Kind;
  switch (condition.kind) {
    case Kind::State:
      return std::string("expected state ") + GameStateName(condition.state) + ", found " +
             GameStateName(ScreenFlow.gameState);
    case Kind::Loading:
      return "expected the loading phase, it is over";
    case Kind::Loaded:
      return "expected the content loaded, still loading";
    case Kind::KeyDown:
    case Kind::KeyUp:
      return "expected key " + std::to_string(condition.virtualKey) +
             (condition.kind == Kind::KeyDown ? " down" : " up") + ", KeyState is " +
             std::to_string(KeyState[condition.virtualKey]);
    case Kind::Active:
      return "expected the window active";
    case Kind::Inactive:
      return "expected the window inactive";
    case Kind::Fullscreen:
      return "expected full screen";
    case Kind::Windowed:
      return "expected a window";
    case Kind::Message:
      return "expected a message box containing \"" + condition.text + "\"";
    case Kind::Pointer:
      return "expected pointer " + std::to_string(condition.x) + " " + std::to_string(condition.y) + ", found " +
             std::to_string(ScreenFlow.PointerX) + " " + std::to_string(ScreenFlow.PointerY);
    case Kind::Step:
      return "expected step " + std::to_string(condition.step) + ", found " + std::to_string(FrameClock.step);
    case Kind::Rumble:
      return "expected pad " + std::to_string(condition.pad + 1) + " to have rumbled";
    case Kind::Winner:
      return std::string("expected fighter ") + (condition.pad == 0 ? "one" : "two") + " to have won the last round";
    case Kind::Distance:
      return "expected the fighters " + std::to_string(condition.distance) + " apart, found " +
             std::to_string(MatchState.distance);
    case Kind::OnlineText:
      return "expected the online screen to say \"" + condition.text + "\", it says \"" + OnlineScreen.message +
             "\" / \"" + OnlineScreen.detail + "\"";
  }
  return "";
}
