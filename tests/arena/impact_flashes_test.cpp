#include "arena/impact_flashes.h"

#include <gtest/gtest.h>

namespace {

const float kAt[3] = {1.0f, 2.0f, 3.0f};

ImpactFlashLook LookAt(ImpactKind kind, float age) {
  ImpactFlash flash{true, kind, {0, 0, 0}, age};
  return LookOfImpactFlash(flash);
}

TEST(ImpactFlashes, HitBlockAndKnockoutLookApart) {
  const ImpactFlashLook hit = LookAt(ImpactKind::Hit, 0.05f), block = LookAt(ImpactKind::Block, 0.05f),
                        knockout = LookAt(ImpactKind::Knockout, 0.05f);
  // A hit is warm (more red than blue), a block cold (more blue than red), a knock-out near white.
  EXPECT_GT(hit.colour[0] - hit.colour[2], 0.3f);
  EXPECT_GT(block.colour[2] - block.colour[0], 0.3f);
  EXPECT_GT(knockout.colour[2], 0.85f);
  // The knock-out lasts longest and grows largest; a block is the shortest.
  EXPECT_GT(ImpactFlashDuration(ImpactKind::Knockout), 2 * ImpactFlashDuration(ImpactKind::Hit));
  EXPECT_LT(ImpactFlashDuration(ImpactKind::Block), ImpactFlashDuration(ImpactKind::Hit));
  EXPECT_GT(LookAt(ImpactKind::Knockout, 0.5f).halfSize, 2 * LookAt(ImpactKind::Hit, 0.19f).halfSize);
  EXPECT_LT(LookAt(ImpactKind::Block, 0.13f).halfSize, LookAt(ImpactKind::Hit, 0.19f).halfSize);
}

TEST(ImpactFlashes, AFlashStartsBrightFadesAndGoesOut) {
  ClearImpactFlashes();
  LaunchImpactFlash(1, ImpactKind::Hit, kAt);
  EXPECT_FALSE(ImpactFlashes[0].active);
  ASSERT_TRUE(ImpactFlashes[1].active);
  EXPECT_FLOAT_EQ(ImpactFlashes[1].position[2], 3.0f);
  EXPECT_FLOAT_EQ(LookOfImpactFlash(ImpactFlashes[1]).colour[3], 1.0f);
  float previousAlpha = 1.0f, previousSize = 0.0f;
  while (ImpactFlashes[1].active) {
    const ImpactFlashLook look = LookOfImpactFlash(ImpactFlashes[1]);
    EXPECT_LE(look.colour[3], previousAlpha);
    EXPECT_GE(look.halfSize, previousSize);
    previousAlpha = look.colour[3];
    previousSize = look.halfSize;
    AgeImpactFlashes(0.02f);
  }
  EXPECT_NEAR(ImpactFlashes[1].age, ImpactFlashDuration(ImpactKind::Hit), 0.021f);
  EXPECT_EQ(LookOfImpactFlash(ImpactFlashes[1]).colour[3], 0.0f);
}

TEST(ImpactFlashes, ANewFlashReplacesTheOldAndOutOfRangeFightersAreIgnored) {
  ClearImpactFlashes();
  LaunchImpactFlash(0, ImpactKind::Hit, kAt);
  AgeImpactFlashes(0.1f);
  LaunchImpactFlash(0, ImpactKind::Block, kAt);
  EXPECT_EQ(ImpactFlashes[0].kind, ImpactKind::Block);
  EXPECT_EQ(ImpactFlashes[0].age, 0.0f);
  LaunchImpactFlash(2, ImpactKind::Hit, kAt);
  LaunchImpactFlash(-1, ImpactKind::Hit, kAt);
  EXPECT_FALSE(ImpactFlashes[1].active);
}

TEST(ImpactFlashes, TheKnockoutFlashesOncePerKnockout) {
  bool seen = false;
  EXPECT_FALSE(KnockoutBegins(false, seen));
  EXPECT_TRUE(KnockoutBegins(true, seen));
  EXPECT_FALSE(KnockoutBegins(true, seen));
  EXPECT_FALSE(KnockoutBegins(false, seen));
  EXPECT_TRUE(KnockoutBegins(true, seen));
}

}  // namespace
