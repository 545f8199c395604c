#pragma once

// The renderer start-up, run once the GL context is current: the random seed, the frame timer,
// the fixed GL state, the loading images and fonts, the first screen and the lighting program.
// False when the lighting program cannot be built (the game does not start then).
bool InitializeRenderer();
