#pragma once

#include "render/model_part.h"

// An animated fighter model: a lower part read from file and two empty parts (upper, head) that
// only serve as targets of the lower part's tag links.
class FighterModel {
 public:
  // Reads "<folder>\<name>_lower.bhm" and "<folder>\<name>_animation.cfg" (game paths) and links
  // the tags. A missing model file shows "Unable to find the file: %s!". False when either file
  // is missing or damaged.
  bool Load(const char* folder, const char* name, int skinIndex);

  // Plays the lower part's animation of this name (any case) from its first frame; unknown names
  // change nothing.
  void SetAnimation(const char* name);

  // Draws at the current modelview matrix with the bound texture; sets the drawn mark and leaves
  // back-face culling on.
  void Draw();

  // Called by the frame loop after drawing when the drawn mark is clear: keeps the frame, drops
  // the time that passed, so the model resumes where it stood.
  void Hold();

  // Advances the lower then the upper part to AnimClock (the first step of Draw).
  void Advance();

  ModelPart head, upper, lower;
  int skinIndex = 0;  // 0..4, chooses the TextureBank entry bound at the first tag link
  bool drawn = false;  // set by Draw, cleared by ClearDrawnMarks at the start of each frame
};

// The eight character models, loaded once in the loading phase; they live for the whole run.
extern FighterModel FighterModels[8];

// The frame loop's bracket around a frame's drawing.
void ClearDrawnMarks();
void HoldUndrawnModels();

// TextureBank entry bound at a fighter's first tag link, by skin index (0..4; others clamp).
int SkinTextureEntry(int skinIndex);
