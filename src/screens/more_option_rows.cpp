#include "screens/more_option_rows.h"

#include <iterator>

#include "app/game_options.h"

namespace {

const char* YesNo(int value) { return value ? "YES" : "NO"; }

const char* InputDelayText() {
  static const char* const kTexts[kMaxInputDelay + 1] = {"0", "1", "2", "3", "4"};
  return kTexts[UserOptions.onlineInputDelay];
}

const MoreOptionRow kRows[] = {
    {"Vertical sync", [] { return YesNo(UserOptions.vsync); }, [] { UserOptions.vsync = !UserOptions.vsync; }},
    {"Rumble", [] { return YesNo(UserOptions.rumble); }, [] { UserOptions.rumble = !UserOptions.rumble; }},
    {"Subtitles", [] { return YesNo(UserOptions.subtitles); }, [] { UserOptions.subtitles = !UserOptions.subtitles; }},
    {"Full screen", [] { return YesNo(!UserOptions.windowed); }, [] { UserOptions.windowed = !UserOptions.windowed; }},
    {"Frame data", [] { return YesNo(UserOptions.frameData); }, [] { UserOptions.frameData = !UserOptions.frameData; }},
    {"Life refill", [] { return UserOptions.lifeRefill ? "AFTER COMBO" : "BELOW 0"; },
     [] { UserOptions.lifeRefill = !UserOptions.lifeRefill; }},
    {"Online input delay", InputDelayText,
     [] { UserOptions.onlineInputDelay = (UserOptions.onlineInputDelay + 1) % (kMaxInputDelay + 1); }},
    {"Show ping and rollback", [] { return YesNo(UserOptions.showPingAndRollback); },
     [] { UserOptions.showPingAndRollback = !UserOptions.showPingAndRollback; }},
};

constexpr float kFirstRowY = 450;
constexpr float kRowSpacing = 35;

}  // namespace

int MoreOptionRowCount() { return static_cast<int>(std::size(kRows)); }

const MoreOptionRow& MoreOptionAt(int index) { return kRows[index]; }

float MoreOptionRowY(int index) { return kFirstRowY - kRowSpacing * static_cast<float>(index); }

PointerRect MoreOptionValueRect(int index) {
  // The same box around a value as the Options screen's: from 20 units above the baseline to 5 below.
  const int baselineFromTop = 600 - static_cast<int>(MoreOptionRowY(index));
  const int left = static_cast<int>(kMoreOptionValueX) - 10;
  return PointerRect{left, left + 100, baselineFromTop - 20, baselineFromTop + 5};
}

int MoreOptionIndexUnderPointer(int x, int y) {
  for (int i = 0; i < MoreOptionRowCount(); ++i) {
    if (PointerInside(MoreOptionValueRect(i), x, y)) return i;
  }
  return -1;
}
