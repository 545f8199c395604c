#include <cstdio>

#include "app/content_report.h"
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
  if (!ReadBhm(model->data(), model->size(), lower)) {
    ReportContentProblem(modelPath, ContentProblem::Damaged);
    return false;
  }

  const auto table = ReadFileBytes(tablePath);
  if (!table) return false;
  ReadAnimationTable(std::string_view(reinterpret_cast<const char*>(table->data()), table->size()), upper, lower);
  // The model still stands without animations, as the game allows; the table is named.
  if (upper.animations.empty() && lower.animations.empty()) ReportContentProblem(tablePath, ContentProblem::Damaged);
  LinkByTagName(lower, upper, "tag_torso");
  LinkByTagName(upper, head, "tag_head");
  return true;
}
