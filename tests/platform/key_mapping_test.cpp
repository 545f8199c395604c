#include <gtest/gtest.h>

#include "platform/key_mapping.h"

namespace {

int Vk(SDL_Keycode keycode) { return VirtualKeyFor(keycode, SDL_SCANCODE_UNKNOWN); }

TEST(KeyMappingTest, GameKeysHaveTheirVirtualKeyCodes) {
  // Fighter one Z X C B V Space; fighter two I O P L and the arrows; Escape pauses.
  EXPECT_EQ(Vk(SDLK_z), 0x5A);
  EXPECT_EQ(Vk(SDLK_x), 0x58);
  EXPECT_EQ(Vk(SDLK_c), 0x43);
  EXPECT_EQ(Vk(SDLK_b), 0x42);
  EXPECT_EQ(Vk(SDLK_v), 0x56);
  EXPECT_EQ(Vk(SDLK_i), 0x49);
  EXPECT_EQ(Vk(SDLK_o), 0x4F);
  EXPECT_EQ(Vk(SDLK_p), 0x50);
  EXPECT_EQ(Vk(SDLK_l), 0x4C);
  EXPECT_EQ(Vk(SDLK_SPACE), 0x20);
  EXPECT_EQ(Vk(SDLK_ESCAPE), 0x1B);
  EXPECT_EQ(Vk(SDLK_RETURN), 0x0D);
  EXPECT_EQ(Vk(SDLK_LEFT), 0x25);
  EXPECT_EQ(Vk(SDLK_UP), 0x26);
  EXPECT_EQ(Vk(SDLK_RIGHT), 0x27);
  EXPECT_EQ(Vk(SDLK_DOWN), 0x28);
}

TEST(KeyMappingTest, LettersDigitsAndFunctionKeysRunInOrder) {
  for (int i = 0; i < 26; ++i) EXPECT_EQ(Vk(SDLK_a + i), 'A' + i);
  for (int i = 0; i < 10; ++i) EXPECT_EQ(Vk(SDLK_0 + i), '0' + i);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(Vk(SDLK_F1 + i), 0x70 + i);
  EXPECT_EQ(Vk(SDLK_KP_0), 0x60);
  EXPECT_EQ(Vk(SDLK_KP_1), 0x61);
  EXPECT_EQ(Vk(SDLK_KP_9), 0x69);
  EXPECT_EQ(Vk(SDLK_LSHIFT), 0x10);
  EXPECT_EQ(Vk(SDLK_RCTRL), 0x11);
  EXPECT_EQ(Vk(SDLK_LALT), 0x12);
}

TEST(KeyMappingTest, FollowsTheLayoutAndFallsBackOnThePosition) {
  // On a layout where the key in Q's place types A, the game hears A.
  EXPECT_EQ(VirtualKeyFor(SDLK_a, SDL_SCANCODE_Q), 'A');
  // A Cyrillic letter has no code of its own: the physical key decides.
  EXPECT_EQ(VirtualKeyFor(0x44F, SDL_SCANCODE_Z), 'Z');
  EXPECT_EQ(VirtualKeyFor(0x44F, SDL_SCANCODE_F13), 0);
}

TEST(KeyMappingTest, AltF10AndAltCombinationsAreSystemKeys) {
  EXPECT_TRUE(IsSystemKey(0x12, KMOD_NONE, true));
  EXPECT_TRUE(IsSystemKey(0x12, KMOD_LALT, false));
  EXPECT_TRUE(IsSystemKey(0x79, KMOD_NONE, true));
  EXPECT_TRUE(IsSystemKey(0x79, KMOD_NONE, false));
  EXPECT_TRUE(IsSystemKey('Z', KMOD_LALT, true));
  EXPECT_TRUE(IsSystemKey(0x73, KMOD_RALT, true));  // Alt+F4
  EXPECT_FALSE(IsSystemKey('Z', KMOD_NONE, true));
  EXPECT_FALSE(IsSystemKey('Z', KMOD_LSHIFT, true));
  EXPECT_FALSE(IsSystemKey(0x78, KMOD_NONE, true));  // F9
  // Letting go of a key while Alt is held still releases it.
  EXPECT_FALSE(IsSystemKey('Z', KMOD_LALT, false));
}

}  // namespace
