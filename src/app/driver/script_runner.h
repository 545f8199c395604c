#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "app/driver/driver_script.h"
#include "platform/platform.h"

// Plays a driver script into the game: the script's commands become window messages, frames, clock
// readings, pointer positions and answers, and its expectations are checked between frames.
class ScriptRunner : public Automation {
 public:
  ScriptRunner(std::vector<ScriptCommand> commands, std::string scriptName);

  bool NextMessage(WindowMessage& message) override;
  std::uint64_t Counter() override;
  std::uint64_t CounterFrequency() override { return kCountsPerSecond; }
  // A run starts at the same calendar second every time, so the draws it seeds repeat.
  std::int64_t WallClockSeconds() override {
    return startSecond_ + static_cast<std::int64_t>(now_ / kCountsPerSecond);
  }
  void Pointer(int& windowX, int& windowY) override;
  void PointerWarped(int windowX, int windowY) override;
  void MessageShown(const char* caption, const char* text) override;
  bool AnswerYesNo(const char* caption, const char* text) override;
  bool RefusesDisplayMode(int width, int height, int colourBits) override;
  void BeforeSwap() override;

  bool Failed() const { return failed_; }
  // The line of the first command not yet run, or 0 when the whole script ran.
  int UnfinishedLine() const;

 private:
  static constexpr std::uint64_t kCountsPerSecond = 1000000;

  // Settings at the top of the script apply before the game starts (the window is created then).
  void RunLeadingSettings();
  void Run(const ScriptCommand& command);
  // Repeat and End: where the script goes on.
  void Loop(std::size_t index);
  void StartFrame();
  void Fail(int line, const std::string& why);
  bool Holds(const ScriptCondition& condition) const;
  std::string Describe(const ScriptCondition& condition) const;
  void Send(MessageKind kind, int virtualKey = 0);
  void MovePointer(int menuX, int menuY);
  void Press(MessageKind kind);
  // A virtual pad changed: its messages are polled before anything else the script sends.
  void PadsChanged();

  std::vector<ScriptCommand> commands_;
  std::string scriptName_;
  std::size_t next_ = 0;
  std::vector<int> passesLeft_;  // by the index of each running repeat

  std::deque<WindowMessage> pending_;     // sent before anything else
  int framesToRun_ = 0;
  std::vector<WindowMessage> afterFrames_;  // the second half of a click or key press
  std::vector<ScriptCommand> padReleases_;  // the second half of a pad press
  bool waiting_ = false;                   // an `until` is running
  ScriptCommand until_;
  int untilFramesLeft_ = 0;
  bool closeSent_ = false;

  std::int64_t startSecond_ = 1800000000;  // unless the script says: a Friday in January 2027
  std::uint64_t now_ = 0;                 // the counter; 0 at program start and so at TimerStart
  std::uint64_t stepCounts_ = 20000;      // 20 ms a frame unless the script says otherwise
  std::deque<std::uint64_t> readings_;    // explicit readings for the next frame

  int pointerX_ = 0;  // window client coordinates
  int pointerY_ = 0;
  bool active_ = true;  // the desktop sends no key messages to an inactive window
  bool altHeld_ = false;
  bool answerYes_ = false;
  bool refuseDisplay_ = false;
  std::vector<std::string> messages_;
  std::string screenshotFile_;
  int screenshotLine_ = 0;
  bool failed_ = false;
};
