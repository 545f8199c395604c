// The fighter model writers read back through the game's readers, and the skeleton the figures
// are posed with.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "fighters/animation_table_file.h"
#include "fighters/bhm_file.h"
#include "fighters/body_parts.h"
#include "fighters/characters.h"
#include "fighters/fighter_animations.h"
#include "fighters/fighter_model.h"
#include "fighters/skeleton.h"
#include "fighters/skin_layout.h"
#include "render/animation_table.h"
#include "render/bhm_reader.h"

namespace {

BhmMesh OneTriangle(const std::string& name, int frames, Vec3 offset) {
  BhmMesh m;
  m.name = name;
  m.texCoords = {{0.25, 0.75}, {0.5, 0.5}, {0.125, 0.0625}};
  m.triangles = {{0, 1, 2}};
  for (int f = 0; f < frames; ++f) {
    m.positions.push_back({Vec3{1.0, -1.0, 0.5} + offset * f, {0, 0, 0}, {0.5, 0.25, 3.0}});
    m.normals.push_back({{0, 0, 1}, {1, 0, 0}, Normalized({0, -1, -1})});
  }
  return m;
}

BhmModel TwoFrameModel() {
  BhmModel model;
  model.name = "test";
  model.frameCount = 2;
  model.tagNames = {"tag_torso", "tag_weapon"};
  for (int f = 0; f < 2; ++f)
    model.tags.push_back({{"tag_torso", {0, 0, 2.0 + f}, RotZ(90)}, {"tag_weapon", {1, 2, 3}, Mat3{}}});
  model.meshes = {OneTriangle("chest", 2, {0.5, 0, 0}), OneTriangle("head", 2, {0, 0, 1})};
  return model;
}

TEST(BhmWriter, ModelReadsBackThroughTheGamesReader) {
  const std::vector<std::uint8_t> bytes = EncodeBhm(TwoFrameModel());
  ModelPart part;
  ASSERT_TRUE(ReadBhm(bytes.data(), bytes.size(), part));
  ASSERT_EQ(part.frameCount, 2);
  ASSERT_EQ(part.tagCount, 2);
  EXPECT_STREQ(part.tags[1 * 2 + 0].name, "tag_torso");
  EXPECT_FLOAT_EQ(part.tags[1 * 2 + 0].origin.z, 3.0f);
  // Rows of the rotation: a quarter turn about z sends x to y.
  EXPECT_NEAR(part.tags[0].axis[3], 1.0f, 1e-6);
  EXPECT_NEAR(part.tags[0].axis[1], -1.0f, 1e-6);
  ASSERT_EQ(part.meshes.size(), 2u);
  const ModelMesh& head = part.meshes[1];
  EXPECT_EQ(head.name, "head");
  ASSERT_EQ(head.vertexCount, 3);
  // (1, -1, 0.5) is stored as (960, -960, 480).
  EXPECT_FLOAT_EQ(head.Position(0, 0).x, 1.0f);
  EXPECT_FLOAT_EQ(head.Position(0, 0).y, -1.0f);
  EXPECT_FLOAT_EQ(head.Position(0, 0).z, 0.5f);
  EXPECT_FLOAT_EQ(head.Position(1, 0).z, 1.5f);  // frame 1 of the head is one unit higher
  EXPECT_FLOAT_EQ(part.meshes[0].Position(1, 0).x, 1.5f);
  // Texture coordinates come back as (s, -t).
  EXPECT_FLOAT_EQ(head.texCoords[0].u, 0.25f);
  EXPECT_FLOAT_EQ(head.texCoords[0].v, -0.75f);
  EXPECT_EQ(head.triangles[0][2], 2);
}

TEST(BhmWriter, NormalsSurviveTheirTwoByteEncoding) {
  const std::uint8_t up[2] = {EncodeNormal({0, 0, 1})[0], EncodeNormal({0, 0, 1})[1]};
  EXPECT_EQ(up[0], 0);
  for (Vec3 n : {Vec3{1, 0, 0}, Vec3{0, -1, 0}, Vec3{0, 0, -1}, Vec3{-1, 0, 0}, Normalized({1, 2, -3}),
                 Normalized({-0.2, -0.9, 0.1}), Normalized({0.01, -1, 0})}) {
    const auto ab = EncodeNormal(n);
    const Vector3 d = DecodeNormal(ab[0], ab[1]);
    // One step of the encoding is 2π/255, about 1.4°.
    EXPECT_GT(d.x * n.x + d.y * n.y + d.z * n.z, std::cos(Radians(1.5)))
        << n.x << " " << n.y << " " << n.z;
  }
}

TEST(BhmWriter, CoordinatesBeyondTheStoredRangeAreClampedAndBadModelsRefused) {
  EXPECT_EQ(EncodeCoordinate(100.0), 32767);
  EXPECT_EQ(EncodeCoordinate(-100.0), -32768);
  EXPECT_EQ(EncodeCoordinate(0.5), 480);
  BhmModel model = TwoFrameModel();
  model.meshes[0].triangles.push_back({0, 1, 3});
  EXPECT_THROW(EncodeBhm(model), std::invalid_argument);
  model = TwoFrameModel();
  model.meshes[1].positions.pop_back();
  EXPECT_THROW(EncodeBhm(model), std::invalid_argument);
  model = TwoFrameModel();
  model.tags.pop_back();
  EXPECT_THROW(EncodeBhm(model), std::invalid_argument);
}

TEST(AnimationTableWriter, LinesReadBackWithNamesFramesAndSpeeds) {
  const std::string text = FormatAnimationTable(
      {{"LEGS_STAND", 0, 16, 16, 10}, {"LEGS_RUN", 16, 10, 10, 30}, {"LEGS_DEATH", 26, 67, 67, 6}});
  ModelPart upper, lower;
  ReadAnimationTable(text, upper, lower);
  ASSERT_EQ(lower.animations.size(), 3u);
  EXPECT_EQ(lower.animations[1].name, "LEGS_RUN");
  EXPECT_EQ(lower.animations[1].firstFrame, 16);
  EXPECT_EQ(lower.animations[1].endFrame, 26);
  EXPECT_EQ(lower.animations[1].framesPerSecond, 30);
  EXPECT_EQ(lower.animations[2].endFrame, 93);
  EXPECT_TRUE(upper.animations.empty());
}

TEST(Skeleton, LimbsReachTargetsWithinTheirLengthAndStretchTowardOthers) {
  const BodyMeasures body;
  Pose pose;
  pose.pelvisPosition = {0, 0, 1.8};
  for (int s = 0; s < 2; ++s) {
    pose.elbowPole[s] = {-0.3, SideSign(s) * 0.5, -1};
    pose.kneePole[s] = {1, 0, 0};
    pose.ankle[s] = {0.2, SideSign(s) * 0.2, 0.3};
  }
  pose.wrist[0] = {0.5, 0.2, 2.7};
  pose.wrist[1] = {5.0, -0.2, 2.6};  // far beyond reach
  const Skeleton k = SolvePose(body, pose);
  EXPECT_NEAR(Length(k[Bone::HandLeft].origin - pose.wrist[0]), 0, 1e-6);
  EXPECT_NEAR(Length(k[Bone::FootRight].origin - pose.ankle[1]), 0, 1e-6);
  // The knee bends forward, toward its pole.
  EXPECT_GT(k[Bone::ShinLeft].origin.x, k[Bone::ThighLeft].origin.x);
  // Out of reach the arm lies straight toward the target, at full length.
  const Vec3 shoulder = k[Bone::UpperArmRight].origin;
  EXPECT_NEAR(Length(k[Bone::HandRight].origin - shoulder), body.upperArm + body.forearm, 1e-3);
  EXPECT_GT(Dot(Normalized(k[Bone::HandRight].origin - shoulder), Normalized(pose.wrist[1] - shoulder)), 0.9999);
  // Bone frames stay rotations: unit axes at right angles.
  for (const Frame& f : k.bones) {
    EXPECT_NEAR(Length(f.axes.cx), 1, 1e-9);
    EXPECT_NEAR(Dot(f.axes.cx, f.axes.cz), 0, 1e-9);
    EXPECT_NEAR(Dot(Cross(f.axes.cx, f.axes.cy), f.axes.cz), 1, 1e-9);
  }
}

TEST(Skeleton, MirroredPoseSwapsTheSides) {
  Pose p;
  p.wrist[0] = {1, 0.3, 2};
  p.wrist[1] = {0.2, -0.4, 1};
  p.chestTurn = {20, 5, -3};
  const Pose m = Mirrored(p);
  EXPECT_DOUBLE_EQ(m.wrist[1].x, 1);
  EXPECT_DOUBLE_EQ(m.wrist[1].y, -0.3);
  EXPECT_DOUBLE_EQ(m.chestTurn.x, -20);
  EXPECT_DOUBLE_EQ(m.chestTurn.y, 5);
  EXPECT_DOUBLE_EQ(Mirrored(m).wrist[0].y, 0.3);
}

TEST(BodyParts, EveryCharactersPartsFitTheSkinWithoutOverlapping) {
  for (int c = 0; c < CharacterCount; ++c) {
    const Character ch = BuildCharacter(c);
    const std::vector<SkinRect> rects = LayoutSkin(ch.parts);
    for (std::size_t i = 0; i < rects.size(); ++i) {
      EXPECT_GE(rects[i].x, 0);
      EXPECT_LE(rects[i].x + rects[i].w, SkinSize);
      EXPECT_LE(rects[i].y + rects[i].h, SkinSize);
      for (std::size_t j = i + 1; j < rects.size(); ++j) {
        const bool apart = rects[i].x + rects[i].w <= rects[j].x || rects[j].x + rects[j].w <= rects[i].x ||
                           rects[i].y + rects[i].h <= rects[j].y || rects[j].y + rects[j].h <= rects[i].y;
        EXPECT_TRUE(apart) << ch.name << ": " << ch.parts[i].name << " and " << ch.parts[j].name;
      }
    }
  }
}

TEST(BodyParts, SurfaceNormalsPointAwayFromTheMiddleOfAClosedPart) {
  BodyPart ball;
  ball.rings = EllipsoidRings(0.3, 0.2, 0.4, 9);
  const PartMesh mesh = BuildPartMesh(ball);
  for (std::size_t i = 0; i < mesh.positions.size(); ++i)
    EXPECT_GT(Dot(mesh.normals[i], mesh.positions[i]), 0) << i;
  // Written clockwise from outside: reversed, the corners turn toward the outside.
  for (const auto& t : mesh.triangles) {
    const Vec3 a = mesh.positions[t[2]], b = mesh.positions[t[1]], c = mesh.positions[t[0]];
    EXPECT_GT(Dot(Cross(b - a, c - a), a + b + c), 0);
  }
}

double DistanceToSegment(Vec3 p, Vec3 a, Vec3 b, double& along) {
  const Vec3 ab = b - a;
  along = std::clamp(Dot(p - a, ab) / Dot(ab, ab), 0.0, 1.0);
  return Length(p - (a + ab * along));
}

const BodyPart* FindPart(const Character& character, const std::string& name) {
  for (const BodyPart& p : character.parts)
    if (p.name == name) return &p;
  return nullptr;
}

// The skirt's halves and the coat's tails hang from the thighs: in every frame of every animation,
// kicks included, no vertex of them below their top ring (which lies under the band or the belt)
// comes inside either leg, thigh or shin, taken as tapered round limbs a little inside their surface.
TEST(BodyParts, SkirtAndCoatTailsStayOutsideTheLegsInEveryFrame) {
  for (const auto& [index, cloth] : {std::pair{5, "skirt"}, std::pair{6, "coat"}}) {
    const Character character = BuildCharacter(index);
    const std::vector<Clip> clips = BuildClips(character);
    const BhmModel model = BakeFighterModel(character, clips);
    std::vector<Pose> poses;
    for (const Clip& clip : clips) poses.insert(poses.end(), clip.frames.begin(), clip.frames.end());
    // The legs' build: the thigh's ring at the hip joint (after the three rings of its rounded end)
    // against the common 0.15.
    const double bulk = FindPart(character, "thigh_l")->rings[3].rx / 0.15;
    int inside = 0, checked = 0;
    for (int side = 0; side < 2; ++side) {
      const std::string sfx = side == 0 ? "_l" : "_r";
      const BodyPart* thigh = FindPart(character, "thigh" + sfx);
      const BodyPart* tail = FindPart(character, cloth + sfx);
      ASSERT_NE(thigh, nullptr);
      ASSERT_NE(tail, nullptr);
      const std::size_t first = BuildPartMesh(*thigh).positions.size();  // the tail follows the thigh in its mesh
      const PartMesh tailMesh = BuildPartMesh(*tail);
      const BhmMesh* mesh = nullptr;
      for (const BhmMesh& m : model.meshes)
        if (m.name == "thigh" + sfx) mesh = &m;
      ASSERT_NE(mesh, nullptr);
      ASSERT_EQ(mesh->positions[0].size(), first + tailMesh.positions.size());
      for (std::size_t f = 0; f < poses.size(); ++f) {
        const Skeleton k = SolvePose(character.body, poses[f]);
        for (std::size_t v = 0; v < tailMesh.positions.size(); ++v) {
          if (tailMesh.uv[v][1] == 0) continue;
          const Vec3 p = mesh->positions[f][first + v];
          ++checked;
          for (int leg = 0; leg < 2; ++leg) {
            double t = 0;
            const double toThigh = DistanceToSegment(p, k[Thigh(leg)].origin, k[Shin(leg)].origin, t);
            const bool inThigh = toThigh < 0.9 * bulk * (0.15 - 0.05 * t);
            const double toShin = DistanceToSegment(p, k[Shin(leg)].origin, k[Foot(leg)].origin, t);
            const bool inShin = toShin < 0.9 * bulk * (0.105 - 0.04 * t);
            if (inThigh || inShin) ++inside;
          }
        }
      }
    }
    EXPECT_GT(checked, 1000) << cloth;
    EXPECT_EQ(inside, 0) << cloth << ": vertices inside a leg, of " << checked;
  }
}

}  // namespace
