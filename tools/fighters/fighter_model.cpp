#include "fighters/fighter_model.h"

#include <algorithm>

#include "fighters/skin_layout.h"

namespace {

// The frame a hanging cloth part takes: at the bone's joint, turned as the pelvis is.
Frame Hanging(const Skeleton& k, Bone bone) { return {k[bone].origin, k[Bone::Pelvis].axes}; }

// How far a vertex of hanging cloth leaves its bone: only on the side away from the bone's swing
// out of the pelvis's vertical (the side the limb does not move into), the more the further it
// swings, and only while the body is upright: a fallen fighter's cloth lies as its limbs do
// instead of hanging into the floor.
double HangingShare(double hang, const Frame& bone, const Frame& hanging, Vec3 restNormal) {
  if (hang <= 0) return 0;
  const Vec3 along = -bone.axes.cz, down = -hanging.axes.cz;
  const Vec3 swing = along - down * Dot(along, down);
  const double amount = std::min(1.0, 2 * Length(swing));
  const double upright = std::clamp(1.5 * hanging.axes.cz.z - 0.25, 0.0, 1.0);
  if (amount * upright < 1e-9) return 0;
  const double facing = Dot(Normalized(hanging.axes * restNormal), Normalized(swing));
  return hang * amount * upright * std::clamp(0.5 * (1 - 1.5 * facing), 0.0, 1.0);
}

}  // namespace

const char* BoneName(Bone bone) {
  static const char* const names[BoneCount] = {
      "pelvis", "chest", "head", "upperarm_l", "forearm_l", "hand_l", "upperarm_r", "forearm_r",
      "hand_r", "thigh_l", "shin_l", "foot_l", "thigh_r", "shin_r", "foot_r"};
  return names[static_cast<int>(bone)];
}

BhmModel BakeFighterModel(const Character& character, const std::vector<Clip>& clips) {
  std::vector<Pose> poses;
  for (const Clip& clip : clips) poses.insert(poses.end(), clip.frames.begin(), clip.frames.end());
  std::vector<Skeleton> skeletons;
  for (const Pose& pose : poses) skeletons.push_back(SolvePose(character.body, pose));

  BhmModel model;
  model.name = character.name;
  model.frameCount = static_cast<int>(poses.size());
  model.tagNames = {"tag_torso"};
  for (const Skeleton& k : skeletons)
    model.tags.push_back({{"tag_torso", k[Bone::Chest].origin, k[Bone::Chest].axes}});

  const std::vector<SkinRect> rects = LayoutSkin(character.parts);
  for (int b = 0; b < BoneCount; ++b) {
    const Bone bone = static_cast<Bone>(b);
    BhmMesh mesh;
    mesh.name = BoneName(bone);
    mesh.skin = "skin";
    std::vector<Vec3> restPositions, restNormals;
    std::vector<double> hang;
    for (std::size_t i = 0; i < character.parts.size(); ++i) {
      if (character.parts[i].bone != bone) continue;
      const PartMesh part = BuildPartMesh(character.parts[i]);
      const int base = static_cast<int>(restPositions.size());
      restPositions.insert(restPositions.end(), part.positions.begin(), part.positions.end());
      restNormals.insert(restNormals.end(), part.normals.begin(), part.normals.end());
      hang.insert(hang.end(), part.hang.begin(), part.hang.end());
      for (const auto& uv : part.uv) mesh.texCoords.push_back(SkinCoordinate(rects[i], uv[0], uv[1]));
      for (const auto& tri : part.triangles)
        mesh.triangles.push_back({tri[0] + base, tri[1] + base, tri[2] + base});
    }
    if (restPositions.empty()) continue;
    for (const Skeleton& k : skeletons) {
      const Frame& frame = k[bone];
      const Frame hanging = Hanging(k, bone);
      std::vector<Vec3> positions, normals;
      for (std::size_t i = 0; i < restPositions.size(); ++i) {
        const double share = HangingShare(hang[i], frame, hanging, restNormals[i]);
        positions.push_back(Lerp(frame.Apply(restPositions[i]), hanging.Apply(restPositions[i]), share));
        normals.push_back(Normalized(Lerp(frame.axes * restNormals[i], hanging.axes * restNormals[i], share)));
      }
      mesh.positions.push_back(std::move(positions));
      mesh.normals.push_back(std::move(normals));
    }
    model.meshes.push_back(std::move(mesh));
  }
  return model;
}

std::vector<AnimationLine> AnimationLinesOf(const std::vector<Clip>& clips) {
  std::vector<AnimationLine> lines;
  int first = 0;
  for (const Clip& clip : clips) {
    const int count = static_cast<int>(clip.frames.size());
    lines.push_back({clip.name, first, count, count, clip.framesPerSecond});
    first += count;
  }
  return lines;
}
