#pragma once

#include <cstddef>
#include <cstdint>

#include "render/model_part.h"

// Reads a fighter model file (.bhm) into the part's meshes and tags. Counts, offsets and indices
// are checked against the data: a damaged file is refused (false) and leaves the part without
// geometry. Vertex records stay packed (DecodePosition, DecodeNormal); identical frames are stored once.
bool ReadBhm(const std::uint8_t* data, std::size_t size, ModelPart& part);

// The position of a vertex record, scaled by 1/960.
Vector3 DecodePosition(const PackedVertex& vertex);
// The normal encoded by the two bytes of a vertex record.
Vector3 DecodeNormal(std::uint8_t a, std::uint8_t b);
