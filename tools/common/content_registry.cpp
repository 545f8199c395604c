#include "common/content_registry.h"

#include <map>

namespace {
std::map<std::string, ContentWriter>& Registry() {
  static std::map<std::string, ContentWriter> kinds;
  return kinds;
}
}  // namespace

ContentKindRegistration::ContentKindRegistration(const char* name, ContentWriter writer) {
  Registry()[name] = writer;
}

ContentWriter FindContentKind(const std::string& name) {
  auto it = Registry().find(name);
  return it == Registry().end() ? nullptr : it->second;
}
