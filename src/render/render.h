#pragma once

// What the frame loop, the screens, the arena and the fight may call of the renderer.

#include "render/fighter_model.h"    // FighterModel, FighterModels[8], ClearDrawnMarks, HoldUndrawnModels
#include "render/kept_picture.h"     // DrawKeptPicture, ReleaseKeptPicture
#include "render/math3d.h"           // Vector2, Vector3, Quaternion, Matrix4 and their operations
#include "render/mesh_model.h"       // MeshModel, Ms3dModel, LampModel, TriangleRecord
#include "render/scene_target.h"     // BeginSceneFrame, PresentSceneFrame, LoadMenuProjection
#include "render/shader_lighting.h"  // SceneLights, ViewDirection, uniforms, object-space lights
#include "render/text_printer.h"     // PrintSmall, PrintLarge, TextAlpha
#include "render/textures.h"         // TextureBank, BindTexture, LoadingImages, TgaTexture

// Renderer start-up, called in this order once the GL context exists (the random seed and the
// frame timer come first, the first screen between the second and the third call):

// The fixed GL state the whole game relies on, up to and including fog.
void SetStartupGlState();
// LoadingImages and "text.tga", then both fonts. False when an image could not be loaded.
bool LoadStartupImagesAndFonts();
// Vendor test, unpack alignment 1 and modulate, the shader extensions and entry points, the
// lighting program and its 21 uniforms. False stops the game; a link failure shows its log first.
bool BuildLightingProgram();
// Deletes the lighting program and the fonts (program end, before the context goes).
void ShutdownRenderer();
