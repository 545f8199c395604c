#pragma once

// The fight frame's audio, kept apart from the fight's headers: the fight names its sounds as the
// audio subsystem names its sources, and the two vocabularies do not share a translation unit.

// Services FightMusic and its fade-in for one frame.
void ServiceFightMusic(float step);

// Puts the OpenAL listener at ListenerPosition, moving as fighter one moves and facing
// ViewDirection, with the eleven fight sounds 2 units above it.
void PlaceListenerAtCamera();
