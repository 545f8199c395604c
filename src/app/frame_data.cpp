#include "app/frame_data.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

#include "app/training_session.h"
#include "fight/fight.h"

namespace {

constexpr float kFramesPerSecond = 60.0f;

int Frames(float seconds) { return static_cast<int>(std::lround(seconds * kFramesPerSecond)); }
float Milliseconds(int frames) { return 1000.0f * static_cast<float>(frames) / kFramesPerSecond; }

const char* StrikeName(int kind) {
  switch (kind) {
    case HandToHead: return "HEAD";
    case HandToBody: return "BODY";
    case LegToBody: return "KICK";
    default: return "-";
  }
}

__attribute__((format(printf, 1, 2))) std::string Line(const char* format, ...) {
  char text[128];
  va_list args;
  va_start(args, format);
  std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  return text;
}

}  // namespace

StrikeFrameData FrameDataOf(int character, int kind) {
  const StrikeTiming timing = StrikeTimingOf(character, kind);
  if (timing.seconds <= 0.0f) return StrikeFrameData{};
  StrikeFrameData d;
  d.startupFrames = Frames(timing.hitAtSeconds);
  d.activeFrames = 1;
  d.recoveryFrames = Frames(timing.seconds) - d.startupFrames - d.activeFrames;
  d.startupMs = Milliseconds(d.startupFrames);
  d.activeMs = Milliseconds(d.activeFrames);
  d.recoveryMs = Milliseconds(d.recoveryFrames);
  d.nearest = timing.nearest;
  d.reach = timing.reach;
  return d;
}

std::vector<std::string> FrameDataLines(int character) {
  std::vector<std::string> lines;
  lines.push_back("STRIKE  START-UP      ACTIVE     RECOVERY      REACH");
  const float distance = MatchState.distance;
  for (int kind = HandToHead; kind <= LegToBody; ++kind) {
    const StrikeFrameData d = FrameDataOf(character, kind);
    const bool inReach = distance > d.nearest && distance < d.reach;
    lines.push_back(Line("%s    %2d F %4.0f MS  %d F %2.0f MS  %2d F %4.0f MS  %.0f %s", StrikeName(kind),
                         d.startupFrames, d.startupMs, d.activeFrames, d.activeMs, d.recoveryFrames,
                         d.recoveryMs, d.reach, inReach ? "IN REACH" : "OUT"));
  }
  const TrainingReadout& r = Training.readout;
  if (r.lastStrikeKind == 0) {
    lines.push_back("LAST BLOW  -");
  } else {
    lines.push_back(Line("LAST BLOW  %s  DAMAGE %.1f  %s", StrikeName(r.lastStrikeKind), r.lastDamage,
                         r.lastBlocked ? "BLOCKED" : "HIT"));
  }
  lines.push_back(Line("COMBO  %d HITS  DAMAGE %.1f", r.comboHits, r.comboDamage));
  lines.push_back(Line("TIREDNESS  ONE %.0f  TWO %.0f      DISTANCE %.2f", FighterStatuses[0].tiredness,
                       FighterStatuses[1].tiredness, distance));
  return lines;
}
