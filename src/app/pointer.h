#pragma once

// The mouse pointer in menu units: 800 × 600 whatever the window's size, x from the left edge
// and y from the TOP edge.

// Reads the cursor into ScreenFlow.PointerX and PointerY; once per menu frame, before the pointer
// is drawn. During a fight the pointer keeps its last menu value.
void ReadPointer();

// A position in the window's client area (of clientWidth × clientHeight) in menu units, truncated
// toward zero; an empty client area leaves the position as it is.
void ClientToMenuUnits(int clientX, int clientY, int clientWidth, int clientHeight, int& menuX, int& menuY);

// Sets ScreenFlow.PointerX and PointerY from a position in the window's client coordinates (a
// click's own place).
void SetPointerFromClient(int clientX, int clientY);
