#include "app/content_report.h"

#include <cstdio>
#include <set>
#include <string>

#include "app/game_path.h"

void ReportContentProblem(const char* gamePath, ContentProblem problem) {
  // A file the game reads again (a texture per fight, a voice per story) is named only once.
  static std::set<std::string> reported;
  std::string path = NativePath(gamePath ? gamePath : "");
  // Some paths are joined with a separator too many (".\base\fighters\\1_lower.bhm").
  for (std::size_t twice; (twice = path.find("//")) != std::string::npos;) path.erase(twice, 1);
  if (!reported.insert(path).second) return;
  std::fprintf(stderr, "%s content file: %s\n", problem == ContentProblem::Missing ? "Missing" : "Damaged",
               path.c_str());
}
