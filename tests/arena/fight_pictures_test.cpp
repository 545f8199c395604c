// The fight's pictures do not change when the way they are handed to GL does: every arena and every
// fighter, drawn by the game, against the same state drawn vertex by vertex in immediate mode (the
// way the game drew them before the fighters' frames were packed), which this file keeps as its
// reference renderer for whatever faster path the game takes next.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

#include "app/fight_wiring.h"
#include "app/frame_clock.h"
#include "app/settings.h"
#include "arena/arena.h"
#include "fight/fight.h"
#include "fight/view/fight_view.h"
#include "platform/platform.h"
#include "render/bhm_reader.h"
#include "render/render.h"
#include "screens/screen_flow.h"

namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kArenaCount = 7;
// Channel difference allowed per pixel, and how many pixels may exceed it (rasterisation may
// differ in the last bit where a list is replayed rather than sent vertex by vertex).
constexpr int kChannelTolerance = 2;
constexpr double kOutlierShare = 0.001;

using Picture = std::vector<unsigned char>;

Picture ReadPicture() {
  Picture rgb(static_cast<std::size_t>(kWidth) * kHeight * 3);
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  return rgb;
}

// Pixels that differ by more than the tolerance in some channel.
int DifferingPixels(const Picture& a, const Picture& b) {
  int differing = 0;
  for (std::size_t i = 0; i < a.size(); i += 3) {
    for (std::size_t c = 0; c < 3; ++c) {
      if (std::abs(a[i + c] - b[i + c]) > kChannelTolerance) {
        ++differing;
        break;
      }
    }
  }
  return differing;
}

// Pixels brighter than near black: a picture of nothing would match its reference trivially.
int LitPixels(const Picture& p) {
  int lit = 0;
  for (std::size_t i = 0; i < p.size(); i += 3) lit += p[i] + p[i + 1] + p[i + 2] > 30;
  return lit;
}

// `minimumLit`: the share of the picture the subject must light at least.
void ExpectSamePicture(const Picture& game, const Picture& reference, double minimumLit, const char* what,
                       int which) {
  const int allowed = static_cast<int>(kOutlierShare * kWidth * kHeight);
  EXPECT_GT(LitPixels(reference), minimumLit * kWidth * kHeight) << what << " " << which << " is nearly black";
  EXPECT_LE(DifferingPixels(game, reference), allowed) << what << " " << which;
}

// ---- The reference renderer: the immediate-mode drawing as it was ----

void ReferenceDrawMesh(const MeshModel& model) {
  const GLboolean wasTextured = glIsEnabled(GL_TEXTURE_2D);
  for (const MeshGroup& mesh : model.meshes) {
    if (mesh.materialIndex < 0) {
      glDisable(GL_TEXTURE_2D);
      glBindTexture(GL_TEXTURE_2D, 0);
    } else {
      const MeshMaterial& m = model.materials[static_cast<std::size_t>(mesh.materialIndex)];
      SetMaterial(m.ambient, m.diffuse, m.specular, m.emissive, m.shininess);
      glBindTexture(GL_TEXTURE_2D, m.texture);
      if (m.texture != 0) {
        glEnable(GL_TEXTURE_2D);
      } else {
        glDisable(GL_TEXTURE_2D);
      }
    }
    if (!IsMeshVisible(model, mesh)) continue;
    glBegin(GL_TRIANGLES);
    for (int index : mesh.triangleIndices) {
      const MeshTriangle& tri = model.triangles[static_cast<std::size_t>(index)];
      for (int k = 0; k < 3; ++k) {
        const Vector3& p = model.vertices[static_cast<std::size_t>(tri.vertexIndices[k])].position;
        glNormal3f(tri.normals[k].x, tri.normals[k].y, tri.normals[k].z);
        glTexCoord2f(tri.s[k], tri.t[k]);
        glVertex3f(p.x, p.y, p.z);
      }
    }
    glEnd();
  }
  if (wasTextured) {
    glEnable(GL_TEXTURE_2D);
  } else {
    glDisable(GL_TEXTURE_2D);
  }
}

// A vertex record decoded the way the reader used to store it: 1/960 units, the angle-byte normal.
Vector3 ReferencePosition(const PackedVertex& v) {
  constexpr float kScale = 1.0f / 960.0f;
  const float x = v.x, y = v.y, z = v.z;
  return {x * kScale, y * kScale, z * kScale};
}

void ReferenceDrawPart(const ModelPart& part, int skinEntry, int& linkCounter) {
  const int frames = PlayableFrameCount(part);
  if (frames == 0) return;
  const int last = frames < 0 ? 0 : frames - 1;
  const int current = std::min(part.currentFrame, last);
  const int next = std::min(part.nextFrame, last);
  for (const ModelMesh& mesh : part.meshes) {
    if (mesh.vertexCount == 0) continue;
    const bool textured = !mesh.texCoords.empty();
    glBegin(GL_TRIANGLES);
    for (const auto& triangle : mesh.triangles) {
      for (int corner = 2; corner >= 0; --corner) {
        const int v = triangle[static_cast<std::size_t>(corner)];
        if (textured) glTexCoord2f(mesh.texCoords[static_cast<std::size_t>(v)].u, mesh.texCoords[static_cast<std::size_t>(v)].v);
        const PackedVertex& from = mesh.vertices[mesh.FrameStart(current) + static_cast<std::size_t>(v)];
        const PackedVertex& to = mesh.vertices[mesh.FrameStart(next) + static_cast<std::size_t>(v)];
        const Vector3 n = Lerp(DecodeNormal(from.a, from.b), DecodeNormal(to.a, to.b), part.t);
        const Vector3 p = Lerp(ReferencePosition(from), ReferencePosition(to), part.t);
        glNormal3f(n.x, n.y, n.z);
        glVertex3f(p.x, p.y, p.z);
      }
    }
    glEnd();
  }
  for (int i = 0; i < part.tagCount; ++i) {
    ModelPart* linked = part.links[static_cast<std::size_t>(i)];
    if (linked == nullptr) continue;
    const ModelTag& from = part.tags[static_cast<std::size_t>(current * part.tagCount + i)];
    const ModelTag& to = part.tags[static_cast<std::size_t>(next * part.tagCount + i)];
    const Vector3 origin = Lerp(from.origin, to.origin, part.t);
    Matrix4 transform =
        MatrixFromQuaternion(Slerp(QuaternionFromRotation3(from.axis), QuaternionFromRotation3(to.axis), part.t));
    transform.m[12] = origin.x, transform.m[13] = origin.y, transform.m[14] = origin.z;
    glPushMatrix();
    glMultMatrixf(transform.m);
    if (linkCounter == 0) BindTexture(skinEntry);
    ++linkCounter;
    ReferenceDrawPart(*linked, skinEntry, linkCounter);
    glPopMatrix();
  }
}

// ---- The scene, drawn with the game's meshes or with the reference ----

// Where a model part stands in its animation.
struct Playback {
  explicit Playback(const ModelPart& part)
      : animation(part.currentAnimation), frame(part.currentFrame), next(part.nextFrame), t(part.t),
        lastUpdate(part.lastUpdate) {}
  void Restore(ModelPart& part) const {
    part.currentAnimation = animation, part.currentFrame = frame, part.nextFrame = next;
    part.t = t, part.lastUpdate = lastUpdate;
  }
  int animation, frame, next;
  float t, lastUpdate;
};

// What drawing a frame moves on (the camera's sway, the lights' ranking, the lamps' swing, the
// fighters' animations), so that both pictures of an arena start from the same state.
struct SceneState {
  CameraState camera = Camera;
  ArenaLightTableState lights = ArenaLightTable;
  float lampSwing = LampSwing;
  std::vector<Playback> lower, upper;
  SceneState() {
    for (const FighterModel& model : FighterModels) {
      lower.emplace_back(model.lower);
      upper.emplace_back(model.upper);
    }
  }
  void Restore() const {
    Camera = camera;
    ArenaLightTable = lights;
    LampSwing = lampSwing;
    for (std::size_t i = 0; i < lower.size(); ++i) {
      lower[i].Restore(FighterModels[i].lower);
      upper[i].Restore(FighterModels[i].upper);
    }
  }
};

constexpr float kLampSwingStep = 0.04f;  // the lamps' swing per frame step, as the arena frame uses

void DrawLamps(bool reference) {
  ApplyCamera(true);
  LampSwing += kLampSwingStep;
  const float angle = LampAngle(LampSwing) * 57.3f;
  const int lamps = MatchState.arena == 1 ? 2 : 1;
  for (int i = 0; i < lamps; ++i) {
    const float* position = ArenaLightTable.lights[i].position;
    const float turn = i == 0 ? angle : -angle;
    glPushMatrix();
    glTranslatef(position[0], position[1], position[2]);
    glRotatef(turn, 1.0f, 0.0f, 0.0f);
    if (reference) {
      ReferenceDrawMesh(*LampModel);
    } else {
      LampModel->Draw();
    }
    glPopMatrix();
  }
  glLoadIdentity();
}

// The arena frame's scene (lamps, lights, camera, map, fighters) without the HUD.
Picture DrawScene(bool reference) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  if (MatchState.arena == 1 || MatchState.arena == 2) DrawLamps(reference);
  UseLightingProgram();
  UpdateArenaLights();
  SetUniform(LightingUniform::AmbientColor, 0.25f, 0.25f, 0.25f, 1.0f);
  ApplyCamera(true);
  UploadObjectSpaceLights(ComputeObjectSpaceLights(Matrix4(), SceneLights, ViewDirection));
  if (reference) {
    ReferenceDrawMesh(*ArenaMap);
  } else {
    ArenaMap->Draw();
  }
  DrawFighters();
  StopLightingProgram();
  return ReadPicture();
}

class FightPictures : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ready = StartWindowSystem() &&
            OpenGameWindow("fight pictures test", kWidth, kHeight, 32, 24, false) == WindowFailure::Created;
    if (!ready) return;
    SetStartupGlState();
    ready = LoadStartupImagesAndFonts() && BuildLightingProgram();
    if (!ready) return;
    Settings.soundOn = false;
    Settings.musicOn = false;
    InstallFightHooks();
    LoadRoster();
    LoadTextureBank();
    LoadTgaTextures();
    LampModel = new Ms3dModel;
    LampModel->Load(".\\base\\maps\\1\\lamp\\lamp.ms3d");
    LampModel->LoadTextures();
  }
  static void TearDownTestSuite() {
    delete LampModel;
    LampModel = nullptr;
    ShutdownRenderer();
    ReleaseGlContext();
    DeleteGlContext();
    DestroyGameWindowHandle();
    StopWindowSystem();
  }
  void SetUp() override {
    if (!ready) GTEST_SKIP() << "no GL window or content (run from the build folder under Xvfb)";
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, static_cast<double>(kWidth) / kHeight, 0.1, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }
  static bool ready;
};

bool FightPictures::ready = false;

TEST_F(FightPictures, EveryArenaLooksAsDrawnVertexByVertex) {
  for (int arena = 1; arena <= kArenaCount; ++arena) {
    ScreenFlow.gameState = GameState::Fight;
    MatchState.gameMode = QuickFight;
    MatchState.character[0] = arena - 1;
    MatchState.character[1] = arena % 8;
    PrepareFightStart();
    StartFight(arena, 1);
    FrameClock.step = 0.0f;
    AnimClock += 500.0f;
    ClearDrawnMarks();
    const SceneState start;
    const Picture game = DrawScene(false);
    start.Restore();
    const Picture reference = DrawScene(true);
    ExpectSamePicture(game, reference, 0.5, "arena", arena);
    EndFight(false);
  }
}

TEST_F(FightPictures, EveryFighterLooksAsDrawnVertexByVertexInEveryPartOfItsAnimations) {
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT1);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_DEPTH_TEST);
  // A white light beside the viewer, so that the normals show in the picture.
  const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
  const float beside[4] = {1.5f, 2.0f, 4.0f, 1.0f};
  glLoadIdentity();
  glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
  glLightfv(GL_LIGHT1, GL_POSITION, beside);
  for (int character = 0; character < 8; ++character) {
    FighterModel& model = FighterModels[character];
    const int frames = PlayableFrameCount(model.lower);
    ASSERT_GT(frames, 1) << character;
    // Frames across the whole table, each on its way to the next (t = 0.4 of a frame).
    for (int frame = 0; frame < frames; frame += frames / 6 + 1) {
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      glLoadIdentity();
      gluLookAt(0.0, 1.0, 3.2, 0.0, 0.9, 0.0, 0.0, 1.0, 0.0);
      glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
      model.lower.currentFrame = frame;
      model.lower.lastUpdate = AnimClock - 0.4f * 1000.0f / 20.0f;
      // The lower part is drawn with whatever texture is bound: the same one for both pictures.
      BindTexture(SkinTextureEntry(model.skinIndex));
      model.Draw();
      const Picture game = ReadPicture();
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      BindTexture(SkinTextureEntry(model.skinIndex));
      int links = 0;
      ReferenceDrawPart(model.lower, SkinTextureEntry(model.skinIndex), links);
      ExpectSamePicture(game, ReadPicture(), 0.01, "fighter", character);
    }
  }
}

}  // namespace
