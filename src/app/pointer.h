#pragma once

// The mouse pointer in menu units: 800 × 600 whatever the window's size, x from the left edge
// and y from the TOP edge.

// Reads the cursor into ScreenFlow.PointerX and PointerY; once per menu frame, before the pointer
// is drawn. During a fight the pointer keeps its last menu value.
void ReadPointer();

// ClientToMenuUnits is in app/display_geometry.h.

// Sets ScreenFlow.PointerX and PointerY from a position in the window's client coordinates (a
// click's own place).
void SetPointerFromClient(int clientX, int clientY);
