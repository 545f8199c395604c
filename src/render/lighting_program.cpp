#include <GL/gl.h>
#include <GL/glext.h>

#include <cstring>

#include "platform/platform.h"
#include "render/render.h"

namespace {

struct ShaderEntryPoints {
  PFNGLCREATEPROGRAMOBJECTARBPROC createProgramObject = nullptr;
  PFNGLCREATESHADEROBJECTARBPROC createShaderObject = nullptr;
  PFNGLCOMPILESHADERARBPROC compileShader = nullptr;
  PFNGLLINKPROGRAMARBPROC linkProgram = nullptr;
  PFNGLGETINFOLOGARBPROC getInfoLog = nullptr;
  PFNGLDELETEOBJECTARBPROC deleteObject = nullptr;
  PFNGLUSEPROGRAMOBJECTARBPROC useProgramObject = nullptr;
  PFNGLSHADERSOURCEARBPROC shaderSource = nullptr;
  PFNGLATTACHOBJECTARBPROC attachObject = nullptr;
  PFNGLGETOBJECTPARAMETERIVARBPROC getObjectParameteriv = nullptr;
  PFNGLGETUNIFORMLOCATIONARBPROC getUniformLocation = nullptr;
  PFNGLUNIFORM4FARBPROC uniform4f = nullptr;
  PFNGLUNIFORM3FARBPROC uniform3f = nullptr;
  PFNGLUNIFORM2FARBPROC uniform2f = nullptr;
  PFNGLUNIFORM1FARBPROC uniform1f = nullptr;
  PFNGLUNIFORM1IARBPROC uniform1i = nullptr;
  PFNGLUNIFORMMATRIX4FVARBPROC uniformMatrix4fv = nullptr;
};

ShaderEntryPoints Gl;
GLhandleARB LightingProgram = 0;
GLint Uniforms[static_cast<int>(LightingUniform::Count)];
bool Ready = false;
bool InUse = false;  // uniforms go to the current program only

template <typename T>
bool Fetch(T& entry, const char* name) {
  entry = reinterpret_cast<T>(GlProcAddress(name));
  return entry != nullptr;
}

bool FetchEntryPoints() {
  return Fetch(Gl.createProgramObject, "glCreateProgramObjectARB") &&
         Fetch(Gl.createShaderObject, "glCreateShaderObjectARB") && Fetch(Gl.compileShader, "glCompileShaderARB") &&
         Fetch(Gl.linkProgram, "glLinkProgramARB") && Fetch(Gl.getInfoLog, "glGetInfoLogARB") &&
         Fetch(Gl.deleteObject, "glDeleteObjectARB") && Fetch(Gl.useProgramObject, "glUseProgramObjectARB") &&
         Fetch(Gl.shaderSource, "glShaderSourceARB") && Fetch(Gl.attachObject, "glAttachObjectARB") &&
         Fetch(Gl.getObjectParameteriv, "glGetObjectParameterivARB") &&
         Fetch(Gl.getUniformLocation, "glGetUniformLocationARB") && Fetch(Gl.uniform4f, "glUniform4fARB") &&
         Fetch(Gl.uniform3f, "glUniform3fARB") && Fetch(Gl.uniform2f, "glUniform2fARB") &&
         Fetch(Gl.uniform1f, "glUniform1fARB") && Fetch(Gl.uniform1i, "glUniform1iARB") &&
         Fetch(Gl.uniformMatrix4fv, "glUniformMatrix4fvARB");
}

bool HasShaderExtensions() {
  const char* extensions = reinterpret_cast<const char*>(glGetString(GL_EXTENSIONS));
  return extensions != nullptr && std::strstr(extensions, "GL_ARB_shading_language_100") != nullptr &&
         std::strstr(extensions, "GL_ARB_shader_objects") != nullptr;
}

bool AttachShader(GLenum kind, const char* gamePath) {
  const auto source = ReadShaderSource(gamePath);
  if (!source) return false;
  const GLhandleARB shader = Gl.createShaderObject(kind);
  const GLcharARB* text = source->c_str();
  const GLint length = static_cast<GLint>(source->size());
  Gl.shaderSource(shader, 1, &text, &length);
  Gl.compileShader(shader);
  // A compile error shows up as a link error, with the compiler's messages in the program's log.
  GLint compiled = 0;
  Gl.getObjectParameteriv(shader, GL_OBJECT_COMPILE_STATUS_ARB, &compiled);
  Gl.attachObject(LightingProgram, shader);
  Gl.deleteObject(shader);  // only flagged: it lives while attached
  return true;
}


}  // namespace

bool BuildLightingProgram() {
  const bool geForce = IsGeForce(reinterpret_cast<const char*>(glGetString(GL_RENDERER)),
                                 reinterpret_cast<const char*>(glGetString(GL_VENDOR)));
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  if (!HasShaderExtensions() || !FetchEntryPoints()) return false;

  LightingProgram = Gl.createProgramObject();
  if (!AttachShader(GL_VERTEX_SHADER_ARB, geForce ? ".\\base\\shaders\\GeForceLightingVS.glsl"
                                                  : ".\\base\\shaders\\OtherLightingVS.glsl") ||
      !AttachShader(GL_FRAGMENT_SHADER_ARB, geForce ? ".\\base\\shaders\\GeForceLightingPS.glsl"
                                                    : ".\\base\\shaders\\OtherLightingPS.glsl")) {
    return false;
  }
  Gl.linkProgram(LightingProgram);
  GLint linked = 0;
  Gl.getObjectParameteriv(LightingProgram, GL_OBJECT_LINK_STATUS_ARB, &linked);
  if (!linked) {
    char log[4096] = {};
    GLsizei length = 0;
    Gl.getInfoLog(LightingProgram, sizeof log - 1, &length, log);
    ShowMessageBox("Error linking shaders...", log, MessageIcon::Exclamation);
    return false;
  }
  for (int i = 0; i < static_cast<int>(LightingUniform::Count); ++i) {
    Uniforms[i] = Gl.getUniformLocation(LightingProgram, LightingUniformName(static_cast<LightingUniform>(i)));
  }
  Ready = true;
  return true;
}

void ShutdownRenderer() {
  if (Ready) {
    Gl.useProgramObject(0);
    Gl.deleteObject(LightingProgram);
  }
  Ready = InUse = false;
  LightingProgram = 0;
  DeleteFonts();
}

namespace {
GLint Location(LightingUniform uniform) { return InUse ? UniformLocation(uniform) : -1; }
}  // namespace

int UniformLocation(LightingUniform uniform) {
  const int i = static_cast<int>(uniform);
  return Ready && i >= 0 && i < static_cast<int>(LightingUniform::Count) ? Uniforms[i] : -1;
}

void UseLightingProgram() {
  if (!Ready) return;
  Gl.useProgramObject(LightingProgram);
  InUse = true;
}

void StopLightingProgram() {
  if (Ready) Gl.useProgramObject(0);
  InUse = false;
}

void SetUniform(LightingUniform uniform, float a, float b, float c, float d) {
  if (Location(uniform) >= 0) Gl.uniform4f(Location(uniform), a, b, c, d);
}

void SetUniform(LightingUniform uniform, float a, float b, float c) {
  if (Location(uniform) >= 0) Gl.uniform3f(Location(uniform), a, b, c);
}

void SetUniform(LightingUniform uniform, float a) {
  if (Location(uniform) >= 0) Gl.uniform1f(Location(uniform), a);
}

void SetUniform(LightingUniform uniform, int a) {
  if (Location(uniform) >= 0) Gl.uniform1i(Location(uniform), a);
}

void UploadObjectSpaceLights(const ObjectSpaceLights& lights) {
  static const LightingUniform positions[3] = {LightingUniform::LightPos, LightingUniform::Light2Pos,
                                               LightingUniform::Light3Pos};
  static const LightingUniform directions[3] = {LightingUniform::LightOri, LightingUniform::Light2Ori,
                                                LightingUniform::Light3Ori};
  for (int i = 0; i < 3; ++i) {
    const Vector3& p = lights.positions[i];
    const Vector3& d = lights.directions[i];
    SetUniform(positions[i], p.x, p.y, p.z, 1.0f);
    SetUniform(directions[i], d.x, d.y, d.z);
  }
  SetUniform(LightingUniform::CameraOri, lights.viewDirection.x, lights.viewDirection.y, lights.viewDirection.z);
}

void SetMaterial(const float ambient[4], const float diffuse[4], const float specular[4], const float emissive[4],
                 float shininess) {
  glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
  glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
  glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
  glMaterialfv(GL_FRONT, GL_EMISSION, emissive);
  // Fixed-function shininess stops at 128; the shader takes the material's own value.
  glMaterialf(GL_FRONT, GL_SHININESS, shininess < 0.0f ? 0.0f : shininess > 128.0f ? 128.0f : shininess);
  SetUniform(LightingUniform::MatAmbient, ambient[0], ambient[1], ambient[2], 1.0f);
  SetUniform(LightingUniform::MatDiffuse, diffuse[0], diffuse[1], diffuse[2], 1.0f);
  SetUniform(LightingUniform::MatSpecular, specular[0], specular[1], specular[2], 1.0f);
  SetUniform(LightingUniform::Emissive, emissive[0], emissive[1], emissive[2], 1.0f);
  SetUniform(LightingUniform::Shininess, shininess);
}

void SetFighterMaterial() {
  static const float ambient[4] = {1.2f, 1.2f, 1.2f, 1.0f};
  static const float diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  static const float black[4] = {0.0f, 0.0f, 0.0f, 1.0f};
  SetMaterial(ambient, diffuse, black, black, 1.0f);
}
