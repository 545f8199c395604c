#pragma once

// The TextureBank entries whose numbers the game and the content generator must agree on, and the
// bank's file names. Both the drawing code and tools/ include this, so a picture can never be
// written to one slot and drawn from another.
namespace TextureSlot {

constexpr int kBankSize = 76;
constexpr const char* kBankFileFormat = "tex%02d.bmp";  // in base/textures/, entry 0 to 75

constexpr int FighterSkin(int character) { return 30 + character; }    // characters 0..7
constexpr int WinnerBanner(int character) { return 38 + character; }  // "<NAME> WINS", two players
constexpr int ArenaPicture(int arena) { return 45 + arena; }          // arenas 1..7
constexpr int RoundBanner(int round) { return 55 + round; }           // "ROUND 1" to "ROUND 3"
constexpr int kCountInReady = 60;
constexpr int kCountInSet = 59;
constexpr int kCountInFight = 6;
constexpr int kYouLose = 61;
constexpr int kYouWin = 62;
constexpr int kChampion = 63;  // "CHAMPION OF THE CITY"
constexpr int kRoundMark = 64;

}  // namespace TextureSlot
