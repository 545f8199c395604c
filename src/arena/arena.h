#pragma once

// The fight on screen: the arena scene with its lights and lamps, the fight camera with the audio
// listener, the hit particles, and DrawArenaFrame, the fight's scene.

#include "arena/arena_lights.h"   // ArenaLightTable, LampSwing, ranking (GL-free)
#include "arena/camera.h"         // Camera, ListenerPosition, StartFightCamera, ResetCameraSway (GL-free)
#include "arena/hit_particles.h"  // HitParticleSets, DeactivateHitParticles, LaunchHitParticles (GL-free)
#include "arena/impact_flashes.h"  // ImpactFlashes, LaunchImpactFlash, ClearImpactFlashes (GL-free)

class Ms3dModel;

// --- Fight start and end (StartFight and EndFight through the game's FightHooks) ---

// Creates and loads the map and light meshes of ".\base\maps\<arena>\" with their textures and the
// light mesh's triangle records. Missing files leave empty meshes (nothing drawn, no lights).
void LoadArenaMeshes(int arena);
// The light table from the light mesh just loaded.
void BuildArenaLights();
// Destroys both meshes of the fight.
void DestroyArenaMeshes();
// The fight's meshes; null outside a fight.
extern Ms3dModel* ArenaMap;
extern Ms3dModel* ArenaLightMesh;

// --- The fight frame ---

// The fight's scene in its fixed order: lamps, lights, camera, arena, fighters, particles. RunFrame
// calls it between the fight tick and the overlays while the GameState is Fight.
void DrawArenaFrame();

// Ranks and swings the lights and hands the three nearest to the lighting program (in use).
void UpdateArenaLights();

// Multiplies the fight view onto the modelview matrix. Unless `skipAudio`, also places the OpenAL
// listener and the eleven fight sounds 2 units above it. Each call moves the camera once.
void ApplyCamera(bool skipAudio);

// The swinging lamps of arenas 1 and 2, under their own camera application; fixed-function lit.
void DrawSwingingLamps(int arena, float step);

// Both particle sets: recycle, draw facing the viewer at ListenerPosition, move.
void DrawHitParticles();

// The flashes of hits, blocks and the knock-out (launched here when the knock-out begins), added to
// the picture over everything of the scene; then ages them by the frame's step.
void DrawImpactFlashes();

// One camera-facing diamond of half-sizes (sx, sy, sz) at `centre`, seen from `eye`.
void DrawBillboard(const double eye[3], const double centre[3], double sx, double sy, double sz);
