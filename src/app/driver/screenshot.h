#pragma once

#include <string>

// Saves the frame in the back buffer (the front buffer of a single-buffered context) as an RGB PNG.
bool SaveBackBufferPng(const std::string& path, std::string& error);
