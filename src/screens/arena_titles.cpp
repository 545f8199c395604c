#include "screens/arena_titles.h"

#include "render/texture_slots.h"

const char* ArenaTitle(int arena) {
  static const char* const kTitles[7] = {
      "FIGHT IN THE PRISON CELL", "FIGHT IN THE PRISON YARD", "FIGHT AT THE GAS STATION", "FIGHT IN THE PARK",
      "FIGHT IN CROSSWALK",       "FIGHT AT THE BUS STOP",    "FIGHT IN THE POOLROOM"};
  if (arena < 1 || arena > 7) return nullptr;
  return kTitles[arena - 1];
}

int ArenaPictureTexture(int arena) { return (arena >= 1 && arena <= 7) ? TextureSlot::ArenaPicture(arena) : -1; }
