#pragma once

// The fight's side effects wired to the real subsystems: sounds and music (audio), fighter models
// (render), the arena, camera and particles (arena), the pointer (platform), the story pictures and
// the menus (screens). The app calls InstallFightHooks once at start-up, before the first fight.
void InstallFightHooks();
