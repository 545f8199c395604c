#include <cstdio>

#include "platform/platform.h"
#include "render/animation_playback.h"
#include "render/animation_table.h"
#include "render/bhm_reader.h"
#include "render/fighter_model.h"
#include "render/file_bytes.h"

bool FighterModel::Load(const char* folder, const char* name, int skin) {
  skinIndex = skin;
  head = upper = lower = ModelPart{};
  char modelPath[512];
  char tablePath[512];
  std::snprintf(modelPath, sizeof modelPath, "%s\\%s_lower.bhm", folder, name);
  std::snprintf(tablePath, sizeof tablePath, "%s\\%s_animation.cfg", folder, name);

  const auto model = ReadFileBytes(modelPath);
  if (!model) {
    char message[600];
    std::snprintf(message, sizeof message, "Unable to find the file: %s!", modelPath);
    ShowMessageBox("Error", message, MessageIcon::Exclamation);
    return false;
  }
  if (!ReadBhm(model->data(), model->size(), lower)) return false;

  const auto table = ReadFileBytes(tablePath);
  if (!table) return false;
  ReadAnimationTable(std::string_view(reinterpret_cast<const char*>(table->data()), table->size()), upper, lower);
  LinkByTagName(lower, upper, "tag_torso");
  LinkByTagName(upper, head, "tag_head");
  return true;
}
