#pragma once

#include <string>
#include <string_view>

// The game writes its content paths the Windows way (".\base\sound\F1.wav"); files are opened
// through this, which turns every backslash into a slash and resolves the leading "." to the
// content folder (ContentFolder in user_folders.h), whatever the working directory.
std::string NativePath(std::string_view gamePath);
