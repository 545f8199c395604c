#pragma once

// The flat 800 × 600 space over the fight, in proportion on any window: projection pushed, lighting and depth test off.
void BeginFightOverlay();
// Projection popped; lighting and the depth test back on for the 3D scene.
void EndFightOverlay();
