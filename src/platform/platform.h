#pragma once

#include <cstdint>

// The services of the desktop that the game uses, in the shape the game expects of them.
// Everything behind this header is SDL; nothing of SDL is visible in front of it.

enum class MessageIcon { Exclamation, Stop, Information };

// A modal message box. Where none can be shown (no display, or an automated run) the caption and
// text go to standard error instead.
void ShowMessageBox(const char* caption, const char* text, MessageIcon icon);

// A Yes/No question; true for Yes. Where no box can be shown it is answered No.
bool AskYesNo(const char* caption, const char* text, MessageIcon icon);

// Entry point of the current GL context by name (for the ARB shader-object functions); null if missing.
void* GlProcAddress(const char* name);

// The high-resolution counter behind the frame timer; a frequency of 0 means there is none.
std::uint64_t PerformanceCounter();
std::uint64_t PerformanceFrequency();

// The mouse cursor.
void ShowPointer(bool visible);
void WarpPointer(int windowX, int windowY);
