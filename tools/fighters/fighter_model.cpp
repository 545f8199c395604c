#include "fighters/fighter_model.h"

#include "fighters/skin_layout.h"

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
    for (std::size_t i = 0; i < character.parts.size(); ++i) {
      if (character.parts[i].bone != bone) continue;
      const PartMesh part = BuildPartMesh(character.parts[i]);
      const int base = static_cast<int>(restPositions.size());
      restPositions.insert(restPositions.end(), part.positions.begin(), part.positions.end());
      restNormals.insert(restNormals.end(), part.normals.begin(), part.normals.end());
      for (const auto& uv : part.uv) mesh.texCoords.push_back(SkinCoordinate(rects[i], uv[0], uv[1]));
      for (const auto& tri : part.triangles)
        mesh.triangles.push_back({tri[0] + base, tri[1] + base, tri[2] + base});
    }
    if (restPositions.empty()) continue;
    for (const Skeleton& k : skeletons) {
      const Frame& frame = k[bone];
      std::vector<Vec3> positions, normals;
      for (const Vec3& p : restPositions) positions.push_back(frame.Apply(p));
      for (const Vec3& n : restNormals) normals.push_back(frame.axes * n);
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
