#include <AL/al.h>
#include <GL/gl.h>
#include <GL/glext.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/frame_clock.h"
#include "arena/arena.h"
#include "audio/audio.h"
#include "fight/fighter.h"
#include "fight/match_state.h"
#include "fight/view/fight_view.h"
#include "platform/platform.h"
#include "render/render.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;

// One window and GL context for every test of this file.
class FightSceneGl : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ASSERT_TRUE(StartWindowSystem());
    ASSERT_EQ(OpenGameWindow("fight scene test", kWidth, kHeight, 32, 24, false), WindowFailure::Created);
    SetStartupGlState();
    programBuilt = BuildLightingProgram();
  }
  static void TearDownTestSuite() {
    ShutdownRenderer();
    ReleaseGlContext();
    DeleteGlContext();
    DestroyGameWindowHandle();
    StopWindowSystem();
  }

  void SetUp() override {
    glViewport(0, 0, kWidth, kHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(60.0, static_cast<double>(kWidth) / kHeight, 0.1, 400.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);

    FrameClock.step = 1.0f;
    MatchState.roundOver = true;  // no sway: a steady view
    Fighters[0].position = FightVector{-1.0f, 1.0f, 0.0f, 0.0f};
    Fighters[1].position = FightVector{1.0f, 1.0f, 0.0f, 0.0f};
    StartFightCamera();
    ResetCameraSway();
    // Settled straight view from the front.
    Camera.look[0] = 0.0f;
    Camera.look[1] = -1.0f;
    Camera.height = 2.9f;
  }

  // Pixels of the back buffer brighter than black, counted in a column range (the whole width by default).
  static int LitPixels(int fromX = 0, int toX = kWidth) {
    std::vector<unsigned char> rgb(kWidth * kHeight * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, kWidth, kHeight, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    int lit = 0;
    for (int y = 0; y < kHeight; ++y) {
      for (int x = fromX; x < toX; ++x) {
        const unsigned char* p = &rgb[(y * kWidth + x) * 3];
        if (p[0] + p[1] + p[2] > 60) ++lit;
      }
    }
    return lit;
  }

  static bool programBuilt;
};

bool FightSceneGl::programBuilt = false;

void LaunchBurst(int victim, float x) {
  float velocities[kHitParticlesPerSet][3];
  const float side = victim == 0 ? 60.0f : -60.0f;
  for (int i = 0; i < kHitParticlesPerSet; ++i) {
    velocities[i][0] = static_cast<float>(i - 50) + side;
    velocities[i][1] = static_cast<float>(i - 50) * 0.01f;
    velocities[i][2] = static_cast<float>(i % 7) * 10.0f - 30.0f;
  }
  const float hit[3] = {x, 1.6f, 0.0f};
  LaunchHitParticles(HitParticleSets[victim], hit, velocities);
}

TEST_F(FightSceneGl, LandedHitShowsParticlesUntilTheyBurnOut) {
  DeactivateHitParticles();
  FighterStatuses[0].attackKind = HandToHead;
  ApplyCamera(true);
  DrawHitParticles();  // the first frame after a fight start only recycles
  EXPECT_EQ(LitPixels(), 0);

  // Struck in the middle of the view: the burst starts as one small spot there.
  LaunchBurst(1, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  DrawHitParticles();
  const int spot = LitPixels();
  EXPECT_GT(spot, 10);
  // Fighter two's sparks fly toward fighter one, into the left half, growing as they go.
  for (int frame = 0; frame < 20; ++frame) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawHitParticles();
  }
  EXPECT_GT(LitPixels(), spot * 5);
  EXPECT_GT(LitPixels(0, kWidth / 2), 3 * LitPixels(kWidth / 2, kWidth));

  // Every particle burns out within 86 step units and then stays dark until the next launch.
  for (int frame = 0; frame < 100; ++frame) DrawHitParticles();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  DrawHitParticles();
  EXPECT_EQ(LitPixels(), 0);
  glLoadIdentity();
}

TEST_F(FightSceneGl, ParticleDrawingRestoresTheStateItChanged) {
  glEnable(GL_LIGHTING);
  ApplyCamera(true);
  DrawHitParticles();
  GLboolean depthWrites = GL_FALSE;
  glGetBooleanv(GL_DEPTH_WRITEMASK, &depthWrites);
  EXPECT_EQ(depthWrites, GL_TRUE);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_LIGHTING));  // the frame turns lighting back on itself
  glLoadIdentity();
}

// A flat square lamp shade of 0.6 × 0.6 below its hook, with an opaque white material.
Ms3dModel* MakeLamp() {
  auto* lamp = new Ms3dModel;
  const float corners[4][2] = {{-0.3f, -0.3f}, {0.3f, -0.3f}, {0.3f, 0.3f}, {-0.3f, 0.3f}};
  for (const auto& c : corners) lamp->vertices.push_back(MeshVertex{-1, Vector3{c[0], c[1] - 0.5f, 0.0f}});
  const int order[2][3] = {{0, 1, 2}, {0, 2, 3}};
  for (const auto& o : order) {
    MeshTriangle t;
    for (int k = 0; k < 3; ++k) {
      t.vertexIndices[k] = o[k];
      t.normals[k] = Vector3{0.0f, 0.0f, 1.0f};
    }
    lamp->triangles.push_back(t);
  }
  MeshMaterial white;
  for (int i = 0; i < 4; ++i) white.ambient[i] = white.diffuse[i] = white.emissive[i] = 1.0f;
  white.transparency = 1.0f;
  lamp->materials.push_back(white);
  lamp->meshes.push_back(MeshGroup{0, {0, 1}});
  return lamp;
}

TEST_F(FightSceneGl, ArenaOneSwingsTwoLampsAndArenaTwoOne) {
  Ms3dModel* const savedLamp = LampModel;
  LampModel = MakeLamp();
  ArenaLightTable.count = 2;
  ArenaLightTable.lights[0] = ArenaLight{{-2.0f, 3.0f, 0.0f}, {0.0f, -1.0f, 0.0f}, 5, 0.0f};
  ArenaLightTable.lights[1] = ArenaLight{{2.0f, 3.0f, 0.0f}, {0.0f, -1.0f, 0.0f}, 5, 0.0f};
  glDisable(GL_LIGHTING);
  glDisable(GL_TEXTURE_2D);

  const float swingBefore = LampSwing;
  DrawSwingingLamps(1, 2.0f);
  EXPECT_FLOAT_EQ(LampSwing, swingBefore + 0.08f);
  EXPECT_GT(LitPixels(0, kWidth / 2), 200);
  EXPECT_GT(LitPixels(kWidth / 2, kWidth), 200);

  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  DrawSwingingLamps(2, 2.0f);
  EXPECT_GT(LitPixels(0, kWidth / 2), 200);
  EXPECT_EQ(LitPixels(kWidth / 2, kWidth), 0);

  GLfloat modelview[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
  EXPECT_FLOAT_EQ(modelview[12], 0.0f);  // the lamps leave the identity behind
  EXPECT_FLOAT_EQ(modelview[0], 1.0f);

  delete LampModel;
  LampModel = savedLamp;
  glEnable(GL_TEXTURE_2D);
}

TEST_F(FightSceneGl, OnlyLightsThatExistReachTheShaderLit) {
  ASSERT_TRUE(programBuilt) << "the lighting shaders must be in base/shaders";
  using GetHandle = GLhandleARB(APIENTRY*)(GLenum);
  using GetUniform = void(APIENTRY*)(GLhandleARB, GLint, GLfloat*);
  auto getHandle = reinterpret_cast<GetHandle>(GlProcAddress("glGetHandleARB"));
  auto getUniform = reinterpret_cast<GetUniform>(GlProcAddress("glGetUniformfvARB"));
  ASSERT_NE(getHandle, nullptr);
  ASSERT_NE(getUniform, nullptr);

  const LightTriangle one{{{-1.0f, 5.0f, 4.0f}, {1.0f, 5.0f, 4.0f}, {0.0f, 5.0f, 5.0f}}};
  BuildArenaLights(ArenaLightTable, &one, 1);
  MatchState.arena = 4;
  UseLightingProgram();
  UpdateArenaLights();
  const GLhandleARB program = getHandle(GL_PROGRAM_OBJECT_ARB);
  GLfloat first[4] = {};
  GLfloat second[4] = {};
  getUniform(program, UniformLocation(LightingUniform::LightColor), first);
  getUniform(program, UniformLocation(LightingUniform::Light2Color), second);
  StopLightingProgram();
  EXPECT_FLOAT_EQ(first[0], 1.0f);
  EXPECT_FLOAT_EQ(first[3], 1.0f);
  EXPECT_FLOAT_EQ(second[0], 0.0f);
  EXPECT_FLOAT_EQ(second[2], 0.0f);
  EXPECT_NEAR(SceneLights[0].position.y, 5.0f, 1e-3f);
}

TEST_F(FightSceneGl, FightersWithoutModelDataStartTheirAnimationsAndLeaveTheIdentity) {
  MatchState.character[0] = 0;
  MatchState.character[1] = 1;
  Fighters[0].shownAction = Stand;
  Fighters[0].action = Block;
  Fighters[1].shownAction = Pain;
  Fighters[1].action = Pain;
  UseLightingProgram();
  ApplyCamera(true);
  DrawFighters();
  StopLightingProgram();
  EXPECT_EQ(Fighters[0].shownAction, Block);
  EXPECT_EQ(Fighters[1].shownAction, Pain);
  EXPECT_TRUE(FighterModels[0].drawn);
  EXPECT_TRUE(FighterModels[1].drawn);
  GLfloat modelview[16];
  glGetFloatv(GL_MODELVIEW_MATRIX, modelview);
  EXPECT_FLOAT_EQ(modelview[14], 0.0f);
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(FightSceneGl, CameraCarriesTheListenerAndTheFightSoundsUnlessSkipped) {
  ASSERT_TRUE(OpenAudio()) << AudioOpenError();  // OpenAL Soft's null device in the tests
  Fighters[0].velocity = FightVector{3.0f, 0.0f, 4.0f, 0.0f};
  ViewDirection = Vector3{1.0f, 0.0f, 0.0f};
  ApplyCamera(false);
  float listener[3] = {};
  alGetListenerfv(AL_POSITION, listener);
  EXPECT_FLOAT_EQ(listener[0], ListenerPosition[0]);
  EXPECT_FLOAT_EQ(listener[1], ListenerPosition[1]);
  EXPECT_FLOAT_EQ(listener[2], ListenerPosition[2]);
  float velocity[3] = {};
  alGetListenerfv(AL_VELOCITY, velocity);
  EXPECT_FLOAT_EQ(velocity[0], 0.6f);  // fighter one's velocity at unit length
  EXPECT_FLOAT_EQ(velocity[2], 0.8f);
  float orientation[6] = {};
  alGetListenerfv(AL_ORIENTATION, orientation);
  EXPECT_FLOAT_EQ(orientation[0], 1.0f);
  EXPECT_FLOAT_EQ(orientation[4], 1.0f);
  for (SoundSource* sound : FightSounds) {
    float at[3] = {};
    alGetSourcefv(sound->source, AL_POSITION, at);
    EXPECT_FLOAT_EQ(at[1], listener[1] + 2.0f);
    EXPECT_FLOAT_EQ(at[2], listener[2]);
  }

  // The lamps' application moves ListenerPosition but leaves OpenAL where it was.
  Fighters[0].position.x += 4.0f;
  Fighters[1].position.x += 4.0f;
  glLoadIdentity();
  ApplyCamera(true);
  EXPECT_FLOAT_EQ(ListenerPosition[0], listener[0] + 4.0f);
  float after[3] = {};
  alGetListenerfv(AL_POSITION, after);
  EXPECT_FLOAT_EQ(after[0], listener[0]);
  glLoadIdentity();
  CloseAudio();
}

}  // namespace
