// The generated fighters read through the game's own readers: every file loads, the thirteen
// animations are there with frames inside the model, and the figures stand, face, strike, walk
// and fall the way the fight needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "fight/roster.h"
#include "render/animation_table.h"
#include "render/bhm_reader.h"
#include "render/bmp_decoder.h"
#include "render/file_bytes.h"
#include "render/model_part.h"

namespace {

const char* const Animations[13] = {
    "LEGS_STAND", "LEGS_RUN", "LEGS_RUNB", "LEGS_LEFTHEAD", "LEGS_RIGHTHEAD",
    "LEGS_LEFTTORS", "LEGS_RIGHTTORS", "LEGS_LEFTBOK", "LEGS_RIGHTBOK", "LEGS_PAIN",
    "LEGS_DEATH", "LEGS_BLOCK", "LEGS_WIN"};

// The physics world runs 2.8 times faster than the clock.
constexpr double PhysicsPerSecond = 2.8;

struct Box {
  Vector3 lo{1e9f, 1e9f, 1e9f}, hi{-1e9f, -1e9f, -1e9f};
  void Add(const Vector3& p) {
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
  }
};

class FighterFiles : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    LoadRoster();
    const std::string number = std::to_string(GetParam() + 1);
    const auto model = ReadFileBytes((".\\base\\fighters\\" + number + "_lower.bhm").c_str());
    ASSERT_TRUE(model) << "model file of character " << number;
    ASSERT_TRUE(ReadBhm(model->data(), model->size(), lower));
    const auto table = ReadFileBytes((".\\base\\fighters\\" + number + "_animation.cfg").c_str());
    ASSERT_TRUE(table);
    ReadAnimationTable(std::string_view(reinterpret_cast<const char*>(table->data()), table->size()),
                       upper, lower);
    for (const AnimationInfo& a : lower.animations) animations[a.name] = a;
  }

  const ModelMesh& Mesh(const std::string& name) const {
    for (const ModelMesh& m : lower.meshes)
      if (m.name == name) return m;
    ADD_FAILURE() << "no mesh " << name;
    return lower.meshes.front();
  }
  Box MeshBox(const ModelMesh& m, int frame) const {
    Box b;
    for (int v = 0; v < m.vertexCount; ++v) b.Add(m.Position(frame, v));
    return b;
  }
  Box FrameBox(int frame) const {
    Box b;
    for (const ModelMesh& m : lower.meshes) {
      const Box mb = MeshBox(m, frame);
      b.Add(mb.lo);
      b.Add(mb.hi);
    }
    return b;
  }
  Vector3 Centre(const ModelMesh& m, int frame) const {
    Vector3 c;
    for (int v = 0; v < m.vertexCount; ++v) {
      const Vector3& p = m.Position(frame, v);
      c = {c.x + p.x, c.y + p.y, c.z + p.z};
    }
    const float n = static_cast<float>(m.vertexCount);
    return {c.x / n, c.y / n, c.z / n};
  }
  float StrikeTime() const { return Roster[GetParam()].strikeTime; }

  ModelPart upper, lower;
  std::map<std::string, AnimationInfo> animations;
};

TEST_P(FighterFiles, HaveAllThirteenAnimationsInsideTheModelAndATorsoTag) {
  EXPECT_LE(lower.animations.size(), 13u);
  const int playable = PlayableFrameCount(lower);
  for (const char* name : Animations) {
    ASSERT_TRUE(animations.count(name)) << name;
    const AnimationInfo& a = animations[name];
    EXPECT_GE(a.firstFrame, 0) << name;
    EXPECT_GT(a.endFrame, a.firstFrame) << name;
    EXPECT_LE(a.endFrame, playable) << name;
    EXPECT_GT(a.framesPerSecond, 0) << name;
  }
  ASSERT_EQ(lower.tagCount, 1);
  EXPECT_STREQ(lower.tags[0].name, "tag_torso");
  EXPECT_TRUE(upper.animations.empty());
}

TEST_P(FighterFiles, StandOnTheFloorFacingPlusXAboutAsTallAsTheBodySphere) {
  const int stand = animations["LEGS_STAND"].firstFrame;
  const Box all = FrameBox(stand);
  EXPECT_NEAR(all.lo.z, 0.1, 0.04);  // feet on the floor
  EXPECT_GT(all.hi.z, 3.05);
  EXPECT_LT(all.hi.z, 3.75);
  // Toes ahead of the heels: each foot reaches further forward of its ankle than behind it.
  for (const char* side : {"_l", "_r"}) {
    const ModelMesh& shin = Mesh(std::string("shin") + side);
    const Box shinBox = MeshBox(shin, stand);
    double ankleX = 0;
    int n = 0;
    for (int v = 0; v < shin.vertexCount; ++v) {
      const Vector3& p = shin.Position(stand, v);
      if (p.z < shinBox.lo.z + 0.05f) ankleX += p.x, ++n;
    }
    ankleX /= n;
    const Box foot = MeshBox(Mesh(std::string("foot") + side), stand);
    EXPECT_GT(foot.hi.x - ankleX, 1.5 * (ankleX - foot.lo.x)) << side;
  }
  // The face (nose) is the foremost point of the head.
  const Box head = MeshBox(Mesh("head"), stand);
  EXPECT_GT(head.hi.x, Centre(Mesh("head"), stand).x + 0.15);
}

TEST_P(FighterFiles, StrikesLastTheirAttackTimeAndPeakAtHalfTheStrikeTime) {
  const struct {
    const char* name;
    double factor;
    const char* limb;
    float zLow, zHigh;
  } strikes[] = {
      {"LEGS_LEFTHEAD", 1.0, "hand_l", 2.45f, 3.4f}, {"LEGS_RIGHTHEAD", 1.0, "hand_r", 2.45f, 3.4f},
      {"LEGS_LEFTTORS", 1.3, "hand_l", 1.5f, 2.45f}, {"LEGS_RIGHTTORS", 1.3, "hand_r", 1.5f, 2.45f},
      {"LEGS_LEFTBOK", 1.9, "foot_l", 1.2f, 2.5f},   {"LEGS_RIGHTBOK", 1.9, "foot_r", 1.2f, 2.5f},
  };
  for (const auto& s : strikes) {
    const AnimationInfo& a = animations[s.name];
    const double fps = a.framesPerSecond;
    const int count = a.endFrame - a.firstFrame;
    EXPECT_NEAR(count / fps, StrikeTime() * s.factor, 1.0 / fps) << s.name;
    const ModelMesh& limb = Mesh(s.limb);
    // The frame whose limb reaches furthest is the one shown at half the strike time.
    int extreme = 0;
    for (int f = 0; f < count; ++f)
      if (MeshBox(limb, a.firstFrame + f).hi.x > MeshBox(limb, a.firstFrame + extreme).hi.x) extreme = f;
    EXPECT_NEAR(extreme / fps, 0.5 * StrikeTime(), 0.5 / fps) << s.name;
    // There it touches an opponent whose body centre is 3 units ahead, at the aimed height.
    const Box reach = MeshBox(limb, a.firstFrame + extreme);
    EXPECT_GT(reach.hi.x, 2.5f) << s.name;
    EXPECT_LT(reach.hi.x, 3.0f) << s.name;
    const float z = Centre(limb, a.firstFrame + extreme).z;
    EXPECT_GT(z, s.zLow) << s.name;
    EXPECT_LT(z, s.zHigh) << s.name;
    // A strike starts and ends in the guard of the stand, so switching between them is smooth.
    const Box start = FrameBox(a.firstFrame), guard = FrameBox(animations["LEGS_STAND"].firstFrame);
    EXPECT_NEAR(start.hi.x, guard.hi.x, 0.02f) << s.name;
  }
  // Left strikes use the left limb, right strikes the right one.
  const AnimationInfo& left = animations["LEGS_LEFTHEAD"];
  EXPECT_LT(MeshBox(Mesh("hand_r"), left.firstFrame + 5).hi.x, 1.8f);
}

TEST_P(FighterFiles, WalkAtTheFightsWalkingSpeedAndLoopSmoothly) {
  for (const char* name : {"LEGS_RUN", "LEGS_RUNB"}) {
    const AnimationInfo& a = animations[name];
    const int count = a.endFrame - a.firstFrame;
    double travel = 0;
    int steps = 0;
    for (int f = 0; f < count; ++f) {
      const int f0 = a.firstFrame + f, f1 = a.firstFrame + (f + 1) % count;
      for (const char* foot : {"foot_l", "foot_r"}) {
        const ModelMesh& m = Mesh(foot);
        // A foot on the floor in both frames carries the body.
        if (MeshBox(m, f0).lo.z < 0.13f && MeshBox(m, f1).lo.z < 0.13f) {
          travel += Centre(m, f1).x - Centre(m, f0).x;
          ++steps;
        }
      }
    }
    ASSERT_GT(steps, 0) << name;
    const double speed = travel / steps * a.framesPerSecond / PhysicsPerSecond;
    // Feet move backward under a body walking forward, and forward when it walks back.
    const double forward = std::string(name) == "LEGS_RUN" ? -speed : speed;
    EXPECT_GT(forward, 1.5) << name;
    EXPECT_LT(forward, 3.0) << name;
  }
  // Loops join: the last frame of the stand and of the walk lead back to their first.
  for (const char* name : {"LEGS_STAND", "LEGS_RUN", "LEGS_BLOCK", "LEGS_WIN"}) {
    const AnimationInfo& a = animations[name];
    const ModelMesh& hand = Mesh("hand_r");
    const Vector3 first = Centre(hand, a.firstFrame), last = Centre(hand, a.endFrame - 1);
    EXPECT_LT(std::hypot(first.x - last.x, first.z - last.z), 0.45f) << name;
  }
}

TEST_P(FighterFiles, PainIsShortAndDeathLiesStillLongerThanTheKnockOut) {
  const AnimationInfo& pain = animations["LEGS_PAIN"];
  EXPECT_NEAR((pain.endFrame - pain.firstFrame) / static_cast<double>(pain.framesPerSecond), 0.5, 0.1);

  const AnimationInfo& death = animations["LEGS_DEATH"];
  const Box lying = FrameBox(death.endFrame - 1);
  EXPECT_LT(lying.hi.z, 1.0f);
  EXPECT_GT(lying.lo.z, 0.05f);  // resting on the floor (z = 0.1), not sunk into it
  // Count the frames at the end that show exactly the final pose.
  int still = 0;
  const ModelMesh& head = Mesh("head");
  for (int f = death.endFrame - 1; f >= death.firstFrame; --f, ++still) {
    const Vector3 c = Centre(head, f), end = Centre(head, death.endFrame - 1);
    if (std::hypot(c.x - end.x, c.z - end.z) > 1e-4f) break;
  }
  EXPECT_GE(still / static_cast<double>(death.framesPerSecond), 10.0);
}

TEST_P(FighterFiles, TrianglesFaceOutwardAndSkinCoordinatesStayOnTheSkin) {
  const int stand = animations["LEGS_STAND"].firstFrame;
  for (const ModelMesh& m : lower.meshes) {
    int outward = 0, total = 0;
    for (const auto& tri : m.triangles) {
      const Vector3 &a = m.Position(stand, tri[0]), &b = m.Position(stand, tri[1]),
                    &c = m.Position(stand, tri[2]);
      // The game sends the corners third, second, first: that order must turn toward the normals.
      const Vector3 e1{b.x - c.x, b.y - c.y, b.z - c.z}, e2{a.x - c.x, a.y - c.y, a.z - c.z};
      const Vector3 n{e1.y * e2.z - e1.z * e2.y, e1.z * e2.x - e1.x * e2.z, e1.x * e2.y - e1.y * e2.x};
      Vector3 normals{};
      for (int k : tri) {
        const Vector3& v = m.Normal(stand, k);
        normals = {normals.x + v.x, normals.y + v.y, normals.z + v.z};
      }
      if (std::hypot(n.x, n.y, n.z) < 1e-7f) continue;
      ++total;
      if (n.x * normals.x + n.y * normals.y + n.z * normals.z > 0) ++outward;
    }
    EXPECT_GE(outward, total * 98 / 100) << m.name;
    for (const Vector2& st : m.texCoords) {
      // Read as (s, -t): -t in (-1, 0) lands on the picture with repeating textures.
      EXPECT_GT(st.u, 0.0f);
      EXPECT_LT(st.u, 1.0f);
      EXPECT_LT(st.v, 0.0f);
      EXPECT_GT(st.v, -1.0f);
    }
  }
  char path[64];
  std::snprintf(path, sizeof path, ".\\base\\textures\\tex%02d.bmp", 30 + GetParam());
  const auto skin = DecodeBmpFile(path);
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->width, 256);
  EXPECT_EQ(skin->height, 256);
}

INSTANTIATE_TEST_SUITE_P(EveryCharacter, FighterFiles, ::testing::Range(0, 8));

}  // namespace
