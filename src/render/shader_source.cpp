#include <cstring>

#include "render/file_bytes.h"
#include "render/shader_lighting.h"

bool IsGeForce(const char* renderer, const char* vendor) {
  auto contains = [](const char* text, const char* word) { return text != nullptr && std::strstr(text, word) != nullptr; };
  return contains(renderer, "GeForce") || contains(renderer, "GEFORCE") || contains(renderer, "geforce") ||
         contains(vendor, "NVIDIA") || contains(vendor, "Nvidia") || contains(vendor, "nvidia");
}

// Lines of any length are taken whole; the text ends at the first NUL, as GL would read it.
std::string ParseShaderSource(const char* data, std::size_t size) {
  const void* nul = std::memchr(data, '\0', size);
  return std::string(data, nul != nullptr ? static_cast<const char*>(nul) - data : size);
}

std::optional<std::string> ReadShaderSource(const char* gamePath) {
  const auto bytes = ReadFileBytes(gamePath);
  if (!bytes) return std::nullopt;
  return ParseShaderSource(reinterpret_cast<const char*>(bytes->data()), bytes->size());
}

const char* LightingUniformName(LightingUniform uniform) {
  static const char* const names[] = {
      "lightPos",   "light2Pos",   "light3Pos",   "lightOri",   "light2Ori",   "light3Ori",   "lightColor",
      "light2Color", "light3Color", "lightFocus", "light2Focus", "light3Focus", "ambientColor", "matAmbient",
      "matDiffuse", "matSpecular", "emissive",    "shininess",  "cameraOri",   "decal",       "cameraPos"};
  static_assert(sizeof names / sizeof names[0] == static_cast<std::size_t>(LightingUniform::Count), "21 uniforms");
  const int i = static_cast<int>(uniform);
  return i >= 0 && i < static_cast<int>(LightingUniform::Count) ? names[i] : "";
}
