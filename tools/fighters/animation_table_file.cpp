#include "fighters/animation_table_file.h"

#include <sstream>

std::string FormatAnimationTable(const std::vector<AnimationLine>& lines) {
  std::ostringstream out;
  out << "// first frame, frame count, looping frames, frames per second\n";
  for (const AnimationLine& line : lines)
    out << line.firstFrame << '\t' << line.frameCount << '\t' << line.loopingFrames << '\t'
        << line.framesPerSecond << "\t// " << line.name << '\n';
  return out.str();
}
