#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace {

// Records what the platform asks of an automated run.
class RecordingAutomation : public Automation {
 public:
  bool NextMessage(WindowMessage& message) override {
    if (messages.empty()) return false;
    message = messages.front();
    messages.pop_front();
    return true;
  }
  std::uint64_t Counter() override { return counter; }
  std::uint64_t CounterFrequency() override { return 1000000; }
  void Pointer(int& x, int& y) override {
    x = pointerX;
    y = pointerY;
  }
  void PointerWarped(int x, int y) override {
    pointerX = x;
    pointerY = y;
  }
  void MessageShown(const char* caption, const char* text) override {
    shown.push_back(std::string(caption) + "|" + text);
  }
  bool AnswerYesNo(const char*, const char*) override { return answer; }
  bool RefusesDisplayMode(int width, int, int) override { return width > 800; }
  void BeforeSwap() override { ++swaps; }

  std::deque<WindowMessage> messages;
  std::uint64_t counter = 0;
  int pointerX = 0;
  int pointerY = 0;
  std::vector<std::string> shown;
  bool answer = false;
  int swaps = 0;
};

class AutomationTest : public ::testing::Test {
 protected:
  void SetUp() override { UseAutomation(&automation); }
  void TearDown() override { UseAutomation(nullptr); }
  RecordingAutomation automation;
};

TEST_F(AutomationTest, MessagesComeFromTheScriptAndQuitComesFirst) {
  WindowMessage key;
  key.kind = MessageKind::KeyDown;
  key.virtualKey = 'Z';
  automation.messages.push_back(key);
  automation.messages.push_back(key);

  WindowMessage message;
  ASSERT_TRUE(PeekWindowMessage(message));
  EXPECT_EQ(message.kind, MessageKind::KeyDown);
  EXPECT_EQ(message.virtualKey, 'Z');

  PostQuitMessage(7);
  ASSERT_TRUE(PeekWindowMessage(message));
  EXPECT_EQ(message.kind, MessageKind::Quit);
  EXPECT_EQ(message.exitCode, 7);

  ASSERT_TRUE(PeekWindowMessage(message));
  EXPECT_EQ(message.kind, MessageKind::KeyDown);
  EXPECT_FALSE(PeekWindowMessage(message));
}

TEST_F(AutomationTest, CounterPointerAndRefusedDisplayModesAreTheScripts) {
  automation.counter = 123456;
  EXPECT_EQ(PerformanceCounter(), 123456u);
  EXPECT_EQ(PerformanceFrequency(), 1000000u);

  WarpPointer(320, 240);
  int x = 0;
  int y = 0;
  ReadPointerPosition(x, y);
  EXPECT_EQ(x, 320);
  EXPECT_EQ(y, 240);

  EXPECT_FALSE(DisplayModeAvailable(1024, 768, 32));
}

TEST_F(AutomationTest, MessageBoxesNeverOpenAndQuestionsTakeTheScriptedAnswer) {
  ShowMessageBox("ERROR", "Window Creation Error.", MessageIcon::Exclamation);
  EXPECT_FALSE(AskYesNo("Q", "Windowed?", MessageIcon::Exclamation));
  automation.answer = true;
  EXPECT_TRUE(AskYesNo("Q", "Windowed?", MessageIcon::Exclamation));
  ASSERT_EQ(automation.shown.size(), 3u);
  EXPECT_EQ(automation.shown[0], "ERROR|Window Creation Error.");
}

TEST_F(AutomationTest, SwapLetsTheScriptSeeTheFinishedFrame) {
  SwapWindowBuffers();
  EXPECT_EQ(automation.swaps, 1);
}

}  // namespace
