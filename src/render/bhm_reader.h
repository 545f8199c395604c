#pragma once

#include <cstddef>
#include <cstdint>

#include "render/model_part.h"

// Reads a fighter model file (.bhm) into the part's meshes and tags. Counts, offsets and indices
// are checked against the data: a damaged file is refused (false) and leaves the part without
// geometry. Vertices are scaled by 1/960, normals decoded from their two angle bytes.
bool ReadBhm(const std::uint8_t* data, std::size_t size, ModelPart& part);

// The normal encoded by the two bytes of a vertex record.
Vector3 DecodeNormal(std::uint8_t a, std::uint8_t b);
