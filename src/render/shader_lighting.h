#pragma once

#include <optional>
#include <string>

#include "render/math3d.h"

// The three lights the shader sees, chosen every fight frame by the arena scene (world space).
struct SceneLight {
  Vector3 position;
  Vector3 direction{0.0f, -1.0f, 0.0f};
  Vector3 color{1.0f, 1.0f, 1.0f};
  int focus = 0;
};
extern SceneLight SceneLights[3];

// The view direction shared by the camera, the listener and the lighting (world space).
extern Vector3 ViewDirection;

// Lights and view direction in the space of one object, for the shader uniforms.
struct ObjectSpaceLights {
  Vector3 positions[3];
  Vector3 directions[3];
  Vector3 viewDirection;
};
ObjectSpaceLights ComputeObjectSpaceLights(const Matrix4& modelMatrix, const SceneLight lights[3],
                                           const Vector3& viewDirection);

// The 21 uniforms of the lighting program, in lookup order.
enum class LightingUniform {
  LightPos, Light2Pos, Light3Pos,
  LightOri, Light2Ori, Light3Ori,
  LightColor, Light2Color, Light3Color,
  LightFocus, Light2Focus, Light3Focus,
  AmbientColor,
  MatAmbient, MatDiffuse, MatSpecular, Emissive, Shininess,
  CameraOri, Decal, CameraPos,
  Count
};
const char* LightingUniformName(LightingUniform uniform);

// True for NVIDIA hardware, which gets the GeForce shader pair.
bool IsGeForce(const char* renderer, const char* vendor);

// The text of a shader file (game path); nothing when it cannot be read.
std::optional<std::string> ReadShaderSource(const char* gamePath);
std::string ParseShaderSource(const char* data, std::size_t size);

// --- GL side (valid after BuildLightingProgram) ---
int UniformLocation(LightingUniform uniform);  // -1 when the shaders do not use it
void UseLightingProgram();
void StopLightingProgram();  // back to fixed-function drawing
void SetUniform(LightingUniform uniform, float a, float b, float c, float d);
void SetUniform(LightingUniform uniform, float a, float b, float c);
void SetUniform(LightingUniform uniform, float a);
void SetUniform(LightingUniform uniform, int a);

// Uploads "lightPos".."light3Pos" (w = 1), "lightOri".."light3Ori" and "cameraOri".
void UploadObjectSpaceLights(const ObjectSpaceLights& lights);

// Material colours as GL front material and as the shader's material uniforms (alpha sent as 1).
void SetMaterial(const float ambient[4], const float diffuse[4], const float specular[4],
                 const float emissive[4], float shininess);
// The fighters' material.
void SetFighterMaterial();
