// Draws each arena with the game's fight-frame pieces (lamps, lighting program, map, fighters)
// from the places the fight camera goes, writes the views to arena_views/ in the build folder
// for people to look at, and checks that the room closes around every one of those places.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/frame_clock.h"
#include "arena/arena.h"
#include "common/canvas.h"
#include "common/image_files.h"
#include "fight/fight.h"
#include "fight/view/fight_view.h"
#include "platform/platform.h"
#include "render/render.h"

namespace {

constexpr int Width = 640;
constexpr int Height = 480;

struct View {
  const char* name;
  float midX;     // the fighters' midpoint
  float look[2];  // the camera's smoothed look direction (x, z)
  float height;   // eye height
};

// The settled side view, the opening diagonal at fight start, and the fighters driven into
// either wall with the sway at its widest.
const View Views[] = {
    {"fight", 0.0f, {0.0f, -1.0f}, 1.75f},
    {"start", 0.0f, {1.0f, -2.0f}, 5.0f},
    {"left_wall", -9.4f, {-0.29f, -0.96f}, 1.75f},
    {"right_wall", 9.4f, {0.29f, -0.96f}, 1.75f},
};

class ArenaViewTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    open = StartWindowSystem() &&
           OpenGameWindow("arena views", Width, Height, 32, 24, false) == WindowFailure::Created;
    if (!open) return;
    SetStartupGlState();
    programBuilt = BuildLightingProgram();
    LampModel = new Ms3dModel;
    LampModel->Load(".\\base\\maps\\1\\lamp\\lamp.ms3d");
    LampModel->LoadTextures();
  }
  void SetUp() override {
    if (!open) GTEST_SKIP() << "no GL window (run under xvfb-run)";
    ASSERT_TRUE(programBuilt) << "the lighting shaders must be in base/shaders";
  }

  // One fight frame's drawing (no simulation) from the given view; returns the frame's pixels,
  // top row first.
  static Canvas DrawFrame(int arena, const View& view) {
    glViewport(0, 0, Width, Height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(Width) / Height, 0.2, 400.0);
    glMatrixMode(GL_MODELVIEW);
    // Magenta shows through any hole in the room.
    glClearColor(1, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
    for (int i = 0; i < 2; ++i)
      Fighters[i].position = FightVector{view.midX + (i == 0 ? -1.6f : 1.6f), -0.15f, 0.0f, 0.0f};
    Camera.look[0] = view.look[0];
    Camera.look[1] = view.look[1];
    Camera.lookTarget[0] = view.look[0];
    Camera.lookTarget[1] = view.look[1];
    Camera.swayDirection[0] = view.look[0];
    Camera.swayDirection[2] = view.look[1];
    Camera.height = Camera.heightTarget = view.height;
    if (arena <= 2) DrawSwingingLamps(arena, 1.0f);
    UseLightingProgram();
    UpdateArenaLights();
    SetUniform(LightingUniform::AmbientColor, 0.25f, 0.25f, 0.25f, 1.0f);
    ApplyCamera(true);
    const Matrix4 identity;
    UploadObjectSpaceLights(ComputeObjectSpaceLights(identity, SceneLights, ViewDirection));
    ArenaMap->Draw();
    DrawFighters();
    StopLightingProgram();

    std::vector<unsigned char> rgb(Width * Height * 3);
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, Width, Height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    Canvas frame(Width, Height);
    for (int y = 0; y < Height; ++y)
      for (int x = 0; x < Width; ++x) {
        const unsigned char* p = &rgb[((Height - 1 - y) * Width + x) * 3];
        frame.Set(x, y, {p[0] / 255.f, p[1] / 255.f, p[2] / 255.f, 1});
      }
    return frame;
  }

  static bool open;
  static bool programBuilt;
};

bool ArenaViewTest::open = false;
bool ArenaViewTest::programBuilt = false;

TEST_F(ArenaViewTest, EveryCameraPlaceSeesAClosedLitRoomWithBothFighters) {
  MatchState.roundOver = true;  // a still camera: no sway
  for (int c = 0; c < 8; ++c) {
    ASSERT_TRUE(FighterModels[c].Load(".\\base\\fighters\\", std::to_string(c + 1).c_str(), 0));
    char path[64];
    std::snprintf(path, sizeof path, ".\\base\\textures\\tex%02d.bmp", 30 + c);
    TextureBank[30 + c] = LoadMaterialTexture(path);
  }
  std::filesystem::create_directories("arena_views");
  for (int arena = 1; arena <= 7; ++arena) {
    MatchState.arena = arena;
    MatchState.character[0] = arena - 1;
    MatchState.character[1] = arena % 8;
    for (int i = 0; i < 2; ++i) Fighters[i].shownAction = -1;
    LoadArenaMeshes(arena);
    ASSERT_NE(ArenaMap, nullptr);
    BuildArenaLights();
    for (const View& view : Views) {
      const Canvas frame = DrawFrame(arena, view);
      WritePng("arena_views/arena_" + std::to_string(arena) + "_" + view.name + ".png", frame);
      int holes = 0;
      double brightness = 0;
      for (const Rgba& p : frame.Pixels()) {
        if (p.r > 0.99f && p.g < 0.01f && p.b > 0.99f) ++holes;
        brightness += (p.r + p.g + p.b) / 3;
      }
      EXPECT_EQ(holes, 0) << "arena " << arena << ", view " << view.name;
      // Night arenas are dark by design; a room whose lights fail is far darker than this.
      EXPECT_GT(brightness / frame.Pixels().size(), 0.08) << "arena " << arena << ", view " << view.name;
    }
    DestroyArenaMeshes();
  }
}

}  // namespace
