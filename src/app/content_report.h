#pragma once

// Content files (models, animation tables, pictures, maps, sounds, music, shaders) that cannot be
// used are named on standard error, once per file and run, whatever the game does without them:
//   "Missing content file: ./base/sound/F1.wav"
//   "Damaged content file: ./base/fighters/3_lower.bhm"
enum class ContentProblem { Missing, Damaged };

// `gamePath` is written the game's way (".\base\..."); the native path is printed.
void ReportContentProblem(const char* gamePath, ContentProblem problem);
