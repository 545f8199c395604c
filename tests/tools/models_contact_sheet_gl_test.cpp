// Draws every fighter with the game's model code under a GL window: a contact sheet per character
// (key frames of all thirteen animations, an opponent standing 3 units ahead during the strikes)
// written to contact_sheets/ in the build folder for people to look at, and checks that the
// figures show their lit outer side at the expected size.
#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "app/frame_clock.h"
#include "common/canvas.h"
#include "common/image_files.h"
#include "render/fighter_model.h"
#include "render/gl_test_window.h"
#include "render/textures.h"

namespace {

constexpr int CellWidth = 200;
constexpr int CellHeight = 200;
constexpr double ViewHeightUnits = 2 * 8.5 * 0.31530875;  // 2 · distance · tan(17.5°)
const char* const AnimationNames[13] = {
    "LEGS_STAND", "LEGS_RUN", "LEGS_RUNB", "LEGS_LEFTHEAD", "LEGS_RIGHTHEAD",
    "LEGS_LEFTTORS", "LEGS_RIGHTTORS", "LEGS_LEFTBOK", "LEGS_RIGHTBOK", "LEGS_PAIN",
    "LEGS_DEATH", "LEGS_BLOCK", "LEGS_WIN"};

const AnimationInfo* FindAnimation(const FighterModel& model, const std::string& name) {
  for (const AnimationInfo& a : model.lower.animations)
    if (a.name == name) return &a;
  return nullptr;
}

// Shows one frame of an animation: the playback then draws exactly that frame.
void ShowFrame(FighterModel& model, const char* animation, int frameInAnimation) {
  model.SetAnimation(animation);
  model.lower.currentFrame += frameInAnimation;
  model.lower.t = 0;
  model.lower.lastUpdate = AnimClock;
}

void SetUpCell(int column, int row, int rows) {
  glViewport(column * CellWidth, (rows - 1 - row) * CellHeight, CellWidth, CellHeight);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(35.0, static_cast<double>(CellWidth) / CellHeight, 0.5, 50.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const GLfloat headlight[4] = {0, 0, 0, 1};
  glLightfv(GL_LIGHT0, GL_POSITION, headlight);
  gluLookAt(0.9, 1.75, 8.5, 0.9, 1.75, 0, 0, 1, 0);
}

void DrawFigureAt(FighterModel& model, double x, bool turned) {
  glPushMatrix();
  glTranslated(x, 0, 0);
  if (turned) glRotated(180, 0, 1, 0);
  glRotated(-90, 1, 0, 0);
  model.Draw();
  glPopMatrix();
}

void PrepareLighting(bool textured) {
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT0);
  glDisable(GL_COLOR_MATERIAL);
  const GLfloat white[4] = {1, 1, 1, 1}, ambient[4] = {0.35f, 0.35f, 0.35f, 1};
  glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
  glMaterialfv(GL_FRONT, GL_DIFFUSE, white);
  glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
  const GLfloat none[4] = {0, 0, 0, 1};
  glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
  glLightfv(GL_LIGHT0, GL_AMBIENT, white);
  if (textured) glEnable(GL_TEXTURE_2D);
  else glDisable(GL_TEXTURE_2D);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

// Copies a rectangle of the frame into the sheet (the frame is bottom-up, the canvas top-down).
void CopyToSheet(Canvas& sheet, int fromX, int fromY, int w, int h, int toX, int toY) {
  std::vector<unsigned char> rgba(static_cast<std::size_t>(w) * h * 4);
  glFinish();
  glReadPixels(fromX, fromY, w, h, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const unsigned char* p = &rgba[(static_cast<std::size_t>(h - 1 - y) * w + x) * 4];
      sheet.Set(toX + x, toY + y, {p[0] / 255.f, p[1] / 255.f, p[2] / 255.f, 1});
    }
}

class FighterSheetTest : public GlTest {};

TEST_F(FighterSheetTest, ContactSheetsShowEveryAnimation) {
  FighterModel models[8];
  for (int c = 0; c < 8; ++c)
    ASSERT_TRUE(models[c].Load(".\\base\\fighters\\", std::to_string(c + 1).c_str(), 0));
  const int columns = 4, rowsPerPage = 13;
  for (int c = 0; c < 8; ++c) {
    char texturePath[64];
    std::snprintf(texturePath, sizeof texturePath, ".\\base\\textures\\tex%02d.bmp", 30 + c);
    const unsigned int skin = LoadMaterialTexture(texturePath);
    ASSERT_NE(skin, 0u) << texturePath;
    const unsigned int opponentSkin = LoadMaterialTexture(
        (std::string(".\\base\\textures\\tex") + std::to_string(30 + (c + 1) % 8) + ".bmp").c_str());
    Canvas sheet(columns * CellWidth, rowsPerPage * CellHeight, {0.2f, 0.2f, 0.25f, 1});
    for (int a = 0; a < 13; ++a) {
      const AnimationInfo* info = FindAnimation(models[c], AnimationNames[a]);
      ASSERT_NE(info, nullptr) << AnimationNames[a];
      const int count = info->endFrame - info->firstFrame;
      const bool strike = a >= 3 && a <= 8;
      // First frame, the strike's extreme (or a third of the way), two thirds, last; the fall
      // of the death is all in its first frames.
      const bool death = std::string(AnimationNames[a]) == "LEGS_DEATH";
      const int frames[4] = {0, strike ? 5 : death ? 2 : count / 3, death ? 4 : 2 * count / 3, count - 1};
      glViewport(0, 0, 800, 600);
      glClearColor(0.2f, 0.2f, 0.25f, 1);
      glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
      PrepareLighting(true);
      for (int k = 0; k < columns; ++k) {
        SetUpCell(k, 0, 3);
        glBindTexture(GL_TEXTURE_2D, skin);
        ShowFrame(models[c], AnimationNames[a], frames[k]);
        DrawFigureAt(models[c], 0, false);
        if (strike) {
          glBindTexture(GL_TEXTURE_2D, opponentSkin);
          ShowFrame(models[(c + 1) % 8], "LEGS_STAND", 0);
          DrawFigureAt(models[(c + 1) % 8], 3, true);
        }
      }
      CopyToSheet(sheet, 0, 2 * CellHeight, columns * CellWidth, CellHeight, 0, a * CellHeight);
    }
    std::filesystem::create_directories("contact_sheets");
    WritePng("contact_sheets/fighter_" + std::to_string(c + 1) + ".png", sheet);
  }
}

TEST_F(FighterSheetTest, StandingFiguresShowTheirLitOuterSideAtFullHeight) {
  FighterModel models[8];
  for (int c = 0; c < 8; ++c) {
    ASSERT_TRUE(models[c].Load(".\\base\\fighters\\", std::to_string(c + 1).c_str(), 0));
    glViewport(0, 0, 800, 600);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    PrepareLighting(false);
    SetUpCell(0, 0, 3);
    ShowFrame(models[c], "LEGS_STAND", 0);
    DrawFigureAt(models[c], 0, false);
    std::vector<unsigned char> rgba(CellWidth * CellHeight * 4);
    glFinish();
    glReadPixels(0, 2 * CellHeight, CellWidth, CellHeight, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    int covered = 0, top = -1, bottom = CellHeight;
    double brightness = 0;
    for (int y = 0; y < CellHeight; ++y)
      for (int x = 0; x < CellWidth; ++x) {
        const unsigned char* p = &rgba[(y * CellWidth + x) * 4];
        const int sum = p[0] + p[1] + p[2];
        if (sum == 0) continue;
        ++covered;
        brightness += sum / 3.0;
        top = std::max(top, y);
        bottom = std::min(bottom, y);
      }
    ASSERT_GT(covered, 1000) << "character " << c + 1;
    // Faces turned the wrong way would show the unlit inner side.
    EXPECT_GT(brightness / covered, 150.0) << "character " << c + 1;
    const double heightUnits = (top - bottom + 1) * ViewHeightUnits / CellHeight;
    EXPECT_GT(heightUnits, 2.9) << "character " << c + 1;
    EXPECT_LT(heightUnits, 3.8) << "character " << c + 1;
  }
}

TEST_F(FighterSheetTest, PortraitsShowEightDifferentlyDressedCharacters) {
  constexpr int PortraitWidth = 100, PortraitHeight = 200;
  FighterModel models[8];
  Canvas sheet(8 * PortraitWidth, PortraitHeight);
  Rgba average[8];
  for (int c = 0; c < 8; ++c) {
    ASSERT_TRUE(models[c].Load(".\\base\\fighters\\", std::to_string(c + 1).c_str(), 0));
    char path[64];
    std::snprintf(path, sizeof path, ".\\base\\textures\\tex%02d.bmp", 30 + c);
    const unsigned int skin = LoadMaterialTexture(path);
    glViewport(0, 0, 800, 600);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    PrepareLighting(true);
    glViewport(0, 0, PortraitWidth, PortraitHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(40.0, static_cast<double>(PortraitWidth) / PortraitHeight, 0.5, 50.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    const GLfloat headlight[4] = {0, 0, 0, 1};
    glLightfv(GL_LIGHT0, GL_POSITION, headlight);
    // Three-quarter view from the front.
    gluLookAt(3.2, 2.2, 4.4, 0.1, 1.75, 0, 0, 1, 0);
    glBindTexture(GL_TEXTURE_2D, skin);
    ShowFrame(models[c], "LEGS_STAND", 0);
    DrawFigureAt(models[c], 0, false);
    CopyToSheet(sheet, 0, 0, PortraitWidth, PortraitHeight, c * PortraitWidth, 0);
    // The figure's average colour (background pixels are black and left out).
    double sum[3] = {};
    int n = 0;
    for (int y = 0; y < PortraitHeight; ++y)
      for (int x = c * PortraitWidth; x < (c + 1) * PortraitWidth; ++x) {
        const Rgba p = sheet.Get(x, y);
        if (p.r + p.g + p.b < 0.02f) continue;
        sum[0] += p.r, sum[1] += p.g, sum[2] += p.b, ++n;
      }
    ASSERT_GT(n, 500);
    average[c] = {static_cast<float>(sum[0] / n), static_cast<float>(sum[1] / n), static_cast<float>(sum[2] / n), 1};
  }
  std::filesystem::create_directories("contact_sheets");
  WritePng("contact_sheets/portraits.png", sheet);
  // Told apart by their clothes: no two characters share an overall colour.
  for (int a = 0; a < 8; ++a)
    for (int b = a + 1; b < 8; ++b) {
      const float d = std::abs(average[a].r - average[b].r) + std::abs(average[a].g - average[b].g) +
                      std::abs(average[a].b - average[b].b);
      EXPECT_GT(d, 0.04f) << "characters " << a + 1 << " and " << b + 1;
    }
}

}  // namespace
