// Game controllers through SDL's virtual joysticks: hotplug, buttons, axes, rumble and mappings.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/platform.h"

namespace {

// An automated run with no scripted messages: only the virtual pads speak.
class SilentAutomation : public Automation {
 public:
  bool NextMessage(WindowMessage&) override { return false; }
  std::uint64_t Counter() override { return 0; }
  std::uint64_t CounterFrequency() override { return 1000000; }
  void Pointer(int& x, int& y) override { x = y = 0; }
  void PointerWarped(int, int) override {}
  void MessageShown(const char*, const char*) override {}
  bool AnswerYesNo(const char*, const char*) override { return false; }
  bool RefusesDisplayMode(int, int, int) override { return false; }
  void BeforeSwap() override {}
};

class Gamepads : public ::testing::Test {
 protected:
  void SetUp() override {
    UseAutomation(&automation);
    mappingFile = "gamepads_test_" + std::to_string(::getpid()) + ".txt";
  }
  void TearDown() override {
    StopGamepads();
    UseAutomation(nullptr);
    std::remove(mappingFile.c_str());
    ::unsetenv("SDL_GAMECONTROLLERCONFIG");
  }

  // The next pad message (there is nothing else in this run).
  bool Next(WindowMessage& message) { return PeekWindowMessage(message); }

  // Every message up to an empty queue, as the main loop takes them before a frame (SDL makes no
  // more controller events from a virtual pad while its earlier joystick events are queued).
  std::vector<WindowMessage> Take() {
    std::vector<WindowMessage> messages;
    WindowMessage message;
    while (Next(message)) messages.push_back(message);
    return messages;
  }

  // Plugs in the virtual pad of `slot`; its id.
  int Plug(int slot) {
    EXPECT_TRUE(AttachVirtualPad(slot));
    int pad = -1;
    for (const WindowMessage& message : Take()) {
      if (message.kind == MessageKind::PadAdded) pad = message.pad;
    }
    EXPECT_GE(pad, 0);
    return pad;
  }

  // A pad SDL's own database does not know, under the given name.
  static std::string Mapping(const char* name) {
    return std::string(kUnknownGuid) + "," + name +
           ",a:b1,b:b0,x:b2,y:b3,back:b4,start:b6,dpup:h0.1,dpdown:h0.4,dpleft:h0.8,dpright:h0.2,"
           "leftx:a0,lefty:a1,platform:Linux,";
  }

  // The name of the mapping SDL now holds for that pad ("" for none).
  static std::string MappedName() {
    char* mapping = SDL_GameControllerMappingForGUID(SDL_JoystickGetGUIDFromString(kUnknownGuid));
    if (mapping == nullptr) return "";
    const std::string text = mapping;
    SDL_free(mapping);
    const auto first = text.find(',');
    return text.substr(first + 1, text.find(',', first + 1) - first - 1);
  }

  static constexpr const char* kUnknownGuid = "03000000b7e10000a1f1000001000000";

  SilentAutomation automation;
  std::string mappingFile;
};

TEST_F(Gamepads, APadPluggedInPressedPushedRumbledAndPulledOutArrivesAsMessages) {
  ASSERT_TRUE(StartGamepads(mappingFile));  // a missing mapping file is no error
  WindowMessage message;
  EXPECT_FALSE(Next(message));
  const int pad = Plug(1);
  EXPECT_FALSE(AttachVirtualPad(1));  // one pad a slot

  SetVirtualPadButton(1, PadButton::DpadLeft, true);
  std::vector<WindowMessage> got = Take();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].kind, MessageKind::PadButtonDown);
  EXPECT_EQ(got[0].button, PadButton::DpadLeft);
  EXPECT_EQ(got[0].pad, pad);
  SetVirtualPadButton(1, PadButton::DpadLeft, false);
  got = Take();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].kind, MessageKind::PadButtonUp);

  SetVirtualPadButton(1, PadButton::RightTrigger, true);  // a trigger is an axis
  got = Take();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].kind, MessageKind::PadAxisMotion);
  EXPECT_EQ(got[0].axis, PadAxis::RightTrigger);
  EXPECT_EQ(got[0].axisValue, 32767);
  SetVirtualPadAxis(1, PadAxis::LeftY, -20000);
  got = Take();
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].axis, PadAxis::LeftY);
  EXPECT_EQ(got[0].axisValue, -20000);

  EXPECT_EQ(VirtualPadRumble(1), 0.0f);
  EXPECT_TRUE(RumblePad(pad, 0.5f, 100));
  EXPECT_NEAR(VirtualPadRumble(1), 0.5f, 0.01f);
  EXPECT_FALSE(RumblePad(pad + 100, 0.5f, 100));

  ASSERT_TRUE(DetachVirtualPad(1));
  EXPECT_FALSE(DetachVirtualPad(1));
  got = Take();  // the held trigger and stick come back to rest first
  ASSERT_FALSE(got.empty());
  EXPECT_EQ(got.back().kind, MessageKind::PadRemoved);
  EXPECT_EQ(got.back().pad, pad);
  EXPECT_FALSE(RumblePad(pad, 0.5f, 100));
}

// (SDL maps its virtual pads itself, so the mapping files are checked on SDL's table.)
TEST_F(Gamepads, TheUserMappingFileIsHonouredAndTheEnvironmentWinsOverIt) {
  ASSERT_TRUE(StartGamepads(mappingFile));
  EXPECT_EQ(MappedName(), "");
  StopGamepads();

  std::ofstream(mappingFile) << "# the user's own pad\n" << Mapping("Users pad") << "\n";
  ASSERT_TRUE(StartGamepads(mappingFile));
  EXPECT_EQ(MappedName(), "Users pad");
  StopGamepads();

  ::setenv("SDL_GAMECONTROLLERCONFIG", Mapping("Pad of this run").c_str(), 1);
  ASSERT_TRUE(StartGamepads(mappingFile));
  EXPECT_EQ(MappedName(), "Pad of this run");
}

}  // namespace
