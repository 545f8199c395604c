#include <string>

#include "app/game_options.h"
#include "fuzz_check.h"

// Whatever options.cfg says, the options read are the ones the game can use, and they write a file
// that reads back as themselves without complaint.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const GameOptions read = GameOptionsFromText(std::string(reinterpret_cast<const char*>(data), size), nullptr);
  for (int GameOptions::*flag : {&GameOptions::vsync, &GameOptions::windowed, &GameOptions::rumble,
                                 &GameOptions::subtitles, &GameOptions::showPingAndRollback,
                                 &GameOptions::frameData, &GameOptions::lifeRefill}) {
    FUZZ_CHECK(read.*flag == 0 || read.*flag == 1);
  }
  FUZZ_CHECK(read.onlineInputDelay >= 0 && read.onlineInputDelay <= kMaxInputDelay);
  std::string problems;
  const GameOptions back = GameOptionsFromText(GameOptionsText(read), &problems);
  FUZZ_CHECK(problems.empty());
  FUZZ_CHECK(GameOptionsText(back) == GameOptionsText(read));
  return 0;
}
