// The fighters' faces seen as the fight camera sees them: from the side at fight distance, a head
// is some forty pixels tall at 1024 × 768. Each character's head is drawn twice from the same place,
// once with its skin and lighting and once unlit with its face features in flat code colours
// (face_feature_skin.h); the second tells which pixels of the first are eyes, brows and mouth, and
// those must stand out from the bare skin around them.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "app/frame_clock.h"
#include "common/image_files.h"
#include "face_feature_skin.h"
#include "fighters/model_math.h"
#include "render/fighter_model.h"
#include "render/gl_test_window.h"
#include "render/textures.h"

namespace {

constexpr int View = 128;  // pixels of the picture around the head
// The game's projection (60° high) at 768 rows, over a picture of View rows.
const double kFovY = 2 * std::atan(std::tan(Radians(30.0)) * View / 768) * 180 / Pi;
constexpr double kDistance = 7.0;  // from the camera to a fighter at the fight's start
constexpr int kNeighbourhood = 3;  // pixels around a feature that count as the skin beside it
enum Code { NotHead, Bare, Eye, Brow, Mouth, Mask, CodeCount };
const char* const kCodeNames[CodeCount] = {"-", "bare", "eye", "brow", "mouth", "mask"};

struct Picture {
  std::vector<unsigned char> rgb = std::vector<unsigned char>(View * View * 3);
  const unsigned char* At(int x, int y) const { return &rgb[(y * View + x) * 3]; }
  double Luminance(int x, int y) const {
    const unsigned char* p = At(x, y);
    return (0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2]) / 255;
  }
};

// How one feature shows: its pixels, and how many of them differ from the skin beside it by at
// least a third of the skin's brightness, and their mean difference relative to the skin.
struct FeatureShow {
  int pixels = 0;
  int reading = 0;
  double contrast = 0;
};

void ShowStanding(FighterModel& model) {
  model.SetAnimation("LEGS_STAND");
  model.lower.t = 0;
  model.lower.lastUpdate = AnimClock;
}

// The head's centre where the figure is drawn (model z up turned to GL y up).
std::array<double, 3> HeadCentre(const FighterModel& model) {
  for (const ModelMesh& m : model.lower.meshes) {
    if (m.name != "head") continue;
    double sum[3] = {};
    for (int v = 0; v < m.vertexCount; ++v) {
      const Vector3 p = m.Position(model.lower.currentFrame, v);
      sum[0] += p.x, sum[1] += p.z, sum[2] -= p.y;
    }
    return {sum[0] / m.vertexCount, sum[1] / m.vertexCount, sum[2] / m.vertexCount};
  }
  return {0, 0, 0};
}

// Draws the figure seen from `degrees` round from its front toward its left side, a little from
// above as the fight camera looks, and reads the picture back.
Picture Draw(FighterModel& model, unsigned int texture, bool lit, double degrees, double zoom = 1) {
  glViewport(0, 0, View, View);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  glDisable(GL_COLOR_MATERIAL);
  if (lit) {
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    const GLfloat white[4] = {1, 1, 1, 1}, ambient[4] = {0.35f, 0.35f, 0.35f, 1}, none[4] = {0, 0, 0, 1};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT0, GL_AMBIENT, white);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, white);
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  } else {
    glDisable(GL_LIGHTING);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
  }
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(kFovY / zoom, 1.0, 0.5, 50.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  // A lamp above and in front of the camera.
  const GLfloat lamp[4] = {0, 3, 2, 1};
  glLightfv(GL_LIGHT0, GL_POSITION, lamp);
  const std::array<double, 3> head = HeadCentre(model);
  const double a = Radians(degrees);
  gluLookAt(head[0] + kDistance * std::cos(a), head[1] + 0.6, head[2] - kDistance * std::sin(a), head[0], head[1],
            head[2], 0, 1, 0);
  glRotated(-90, 1, 0, 0);
  model.Draw();
  Picture picture;
  glFinish();
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, View, View, GL_RGB, GL_UNSIGNED_BYTE, picture.rgb.data());
  glViewport(0, 0, 800, 600);
  return picture;
}

std::array<FeatureShow, CodeCount> Measure(const Picture& codes, const Picture& shown) {
  std::array<FeatureShow, CodeCount> result{};
  for (int code = Eye; code < CodeCount; ++code) {
    std::vector<bool> near(View * View, false);
    std::vector<std::array<int, 2>> pixels;
    for (int y = 0; y < View; ++y)
      for (int x = 0; x < View; ++x) {
        const unsigned char* c = codes.At(x, y);
        if (FaceFeatureCode(c[0], c[1], c[2]) != code) continue;
        pixels.push_back({x, y});
        for (int dy = -kNeighbourhood; dy <= kNeighbourhood; ++dy)
          for (int dx = -kNeighbourhood; dx <= kNeighbourhood; ++dx) {
            const int nx = x + dx, ny = y + dy;
            if (nx >= 0 && ny >= 0 && nx < View && ny < View) near[ny * View + nx] = true;
          }
      }
    double skin = 0;
    int skinPixels = 0;
    for (int y = 0; y < View; ++y)
      for (int x = 0; x < View; ++x) {
        const unsigned char* c = codes.At(x, y);
        if (!near[y * View + x] || FaceFeatureCode(c[0], c[1], c[2]) != Bare) continue;
        skin += shown.Luminance(x, y);
        ++skinPixels;
      }
    FeatureShow& f = result[code];
    f.pixels = static_cast<int>(pixels.size());
    if (f.pixels == 0 || skinPixels == 0) continue;
    skin /= skinPixels;
    for (const auto& p : pixels) {
      const double d = std::abs(shown.Luminance(p[0], p[1]) - skin) / std::max(skin, 0.05);
      f.contrast += d;
      if (d >= 1.0 / 3) ++f.reading;
    }
    f.contrast /= f.pixels;
  }
  return result;
}

// Copies a picture into a sheet (the picture is bottom-up, the canvas top-down).
void Place(Canvas& sheet, const Picture& picture, int column, int row) {
  for (int y = 0; y < View; ++y)
    for (int x = 0; x < View; ++x) {
      const unsigned char* p = picture.At(x, View - 1 - y);
      sheet.Set(column * View + x, row * View + y, {p[0] / 255.f, p[1] / 255.f, p[2] / 255.f, 1});
    }
}

class FighterFacesTest : public GlTest {};

// From three quarters to the full profile, the range over which the fight camera sees a fighter,
// every face shows its eyes and mouth (the bandit his mask and the eyes in it) and, where no
// brim or mask covers them, its brows, each some pixels that stand out from the skin.
TEST_F(FighterFacesTest, FeaturesStandOutFromTheSkinAtFightDistance) {
  std::filesystem::create_directories("face_pictures");
  // For people to look at: the heads at fight distance, and close up from the front round to the side.
  Canvas fightDistance(2 * View, 8 * View), closeUp(4 * View, 8 * View);
  const bool browsUnderBrim[8] = {false, false, true, true, false, false, true, true};
  for (int c = 0; c < 8; ++c) {
    FighterModel model;
    ASSERT_TRUE(model.Load(".\\base\\fighters\\", std::to_string(c + 1).c_str(), 0));
    char path[64];
    std::snprintf(path, sizeof path, ".\\base\\textures\\tex%02d.bmp", 30 + c);
    const unsigned int skin = LoadMaterialTexture(path);
    ASSERT_NE(skin, 0u) << path;
    const std::string codePath = "face_pictures/codes" + std::to_string(c + 1) + ".bmp";
    WriteBmp24(codePath, FaceFeatureSkin(c));
    const unsigned int codes = LoadMaterialTexture(codePath.c_str());
    ASSERT_NE(codes, 0u);
    glBindTexture(GL_TEXTURE_2D, codes);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    ShowStanding(model);
    const double closeViews[4] = {0, 35, 65, 90};
    for (int k = 0; k < 4; ++k) Place(closeUp, Draw(model, skin, true, closeViews[k], 3), k, c);
    for (int k = 0; k < 2; ++k) {
      const double degrees = k == 0 ? 60 : 90;
      const Picture coded = Draw(model, codes, false, degrees);
      const Picture shown = Draw(model, skin, true, degrees);
      Place(fightDistance, shown, k, c);
      const auto show = Measure(coded, shown);
      for (int code = Eye; code < CodeCount; ++code)
        std::printf("character %d at %3.0f°: %-5s %3d pixels, %3d reading, contrast %.2f\n", c + 1, degrees,
                    kCodeNames[code], show[code].pixels, show[code].reading, show[code].contrast);
      const std::string where =
          "character " + std::to_string(c + 1) + " at " + std::to_string(static_cast<int>(degrees)) + "°";
      // At 1024 × 768: an eye some 5 × 5 pixels, dark iris and lid beside the white; the mouth a
      // dark line from the front of the face round the cheek.
      EXPECT_GE(show[Eye].reading, 10) << where;
      EXPECT_GE(show[Eye].contrast, 0.38) << where;
      if (c == 7) {
        EXPECT_GE(show[Mask].reading, 200) << where;
      } else {
        EXPECT_GE(show[Mouth].reading, 5) << where;
        EXPECT_GE(show[Mouth].contrast, 0.4) << where;
      }
      if (!browsUnderBrim[c]) {
        EXPECT_GE(show[Brow].reading, 10) << where;
        EXPECT_GE(show[Brow].contrast, 0.4) << where;
      }
    }
    glDeleteTextures(1, &skin);
    glDeleteTextures(1, &codes);
  }
  WritePng("face_pictures/fight_distance.png", fightDistance);
  WritePng("face_pictures/close_up.png", closeUp);
}

}  // namespace
