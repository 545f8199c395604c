#include <GL/gl.h>

#include <algorithm>
#include <iterator>
#include <string>
#include <vector>

#include "app/frame_clock.h"
#include "render/gl_test_window.h"
#include "render/render.h"
#include "render/sample_files.h"

namespace {

std::string TempPath(const std::string& name) { return ::testing::TempDir() + name; }

// A font image whose only opaque cell is 33 ('A' in the first glyph set): white, the rest clear.
Bytes FontWithOnlyCellA() {
  Bytes pixels(256 * 256 * 4, 0);
  const int column = 33 % 16, rowFromTop = 33 / 16;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const int fileRow = 255 - (rowFromTop * 16 + y);  // stored bottom row first
      const std::size_t i = static_cast<std::size_t>((fileRow * 256 + column * 16 + x) * 4);
      pixels[i] = pixels[i + 1] = pixels[i + 2] = pixels[i + 3] = 255;
    }
  }
  return WriteTga(256, 256, 32, pixels);
}

class RendererGl : public GlTest {
 protected:
  static void SetUpTestSuite() {
    GlTest::SetUpTestSuite();
    if (!windowOpen) return;
    SetStartupGlState();
    const std::string font = TempPath("render_test_font.tga");
    WriteFile(font, FontWithOnlyCellA());
    fontLoaded = FontImage.Load(font.c_str());
    BuildFonts();
    programBuilt = BuildLightingProgram();
  }

  void SetUp() override {
    GlTest::SetUp();
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -10, 10);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
  }

  static bool fontLoaded;
  static bool programBuilt;
};

bool RendererGl::fontLoaded = false;
bool RendererGl::programBuilt = false;

void DrawFacingQuad() {
  glBegin(GL_QUADS);
  glNormal3f(0, 0, 1);
  glTexCoord2f(0, 0), glVertex3f(-0.5f, -0.5f, 0);
  glTexCoord2f(1, 0), glVertex3f(0.5f, -0.5f, 0);
  glTexCoord2f(1, 1), glVertex3f(0.5f, 0.5f, 0);
  glTexCoord2f(0, 1), glVertex3f(-0.5f, 0.5f, 0);
  glEnd();
}

// Lights the centre of a red-textured quad with light 1 only; returns the centre's colour.
GlTest::Pixel LitRedQuad(const Vector3& lightPosition, const Vector3& lightDirection) {
  TgaTexture red;
  EXPECT_TRUE(red.Load([] {
    const std::string path = TempPath("render_test_red.tga");
    WriteFile(path, WriteTga(2, 2, 24, {0, 0, 255, 0, 0, 255, 0, 0, 255, 0, 0, 255}));
    return path;
  }().c_str()));
  UseLightingProgram();
  SceneLights[0] = {lightPosition, lightDirection, {1, 1, 1}, 5};
  // The other two lamps are far away and point away.
  SceneLights[1] = SceneLights[2] = {{0, 0, -500}, {0, 0, -1}, {1, 1, 1}, 5};
  ViewDirection = {0, 0, -1};
  UploadObjectSpaceLights(ComputeObjectSpaceLights(Matrix4{}, SceneLights, ViewDirection));
  SetUniform(LightingUniform::Decal, 0);
  for (LightingUniform colour : {LightingUniform::LightColor, LightingUniform::Light2Color, LightingUniform::Light3Color}) {
    SetUniform(colour, 1.0f, 1.0f, 1.0f, 1.0f);
  }
  SetUniform(LightingUniform::LightFocus, 5);
  SetUniform(LightingUniform::Light2Focus, 5);
  SetUniform(LightingUniform::Light3Focus, 5);
  SetUniform(LightingUniform::AmbientColor, 0.25f, 0.25f, 0.25f, 1.0f);
  SetFighterMaterial();
  glBindTexture(GL_TEXTURE_2D, red.texture);
  DrawFacingQuad();
  StopLightingProgram();
  const GlTest::Pixel centre = GlTest::ReadPixel(400, 300);
  red.Release();
  return centre;
}

}  // namespace

TEST_F(RendererGl, LightingProgramBuildsOnThisDriverAndFindsAll21Uniforms) {
  ASSERT_TRUE(programBuilt);
  for (int i = 0; i < static_cast<int>(LightingUniform::Count); ++i) {
    EXPECT_GE(UniformLocation(static_cast<LightingUniform>(i)), 0) << LightingUniformName(static_cast<LightingUniform>(i));
  }
  GLint alignment = 0, mode = 0;
  glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
  glGetTexEnviv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, &mode);
  EXPECT_EQ(alignment, 1);
  EXPECT_EQ(mode, GL_MODULATE);
}

TEST_F(RendererGl, TexturedQuadIsLitByALampAboveItAndOnlyAmbientlyWhenItPointsAway) {
  ASSERT_TRUE(programBuilt);
  const Pixel lit = LitRedQuad({0, 0, 3}, {0, 0, -1});
  EXPECT_GT(lit.r, 230);
  EXPECT_LT(lit.g, 20);
  EXPECT_LT(lit.b, 20);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const Pixel dark = LitRedQuad({0, 0, 3}, {0, 0, 1});
  // Ambient 0.25 × material ambient 1.2 (77 of 255) and the little light a lamp spills around it.
  EXPECT_GE(dark.r, 72);
  EXPECT_LE(dark.r, 120);
  EXPECT_GT(lit.r, dark.r + 100);
  EXPECT_LT(dark.g, 20);
}

TEST_F(RendererGl, LightFromTheSideLightsLessThanFromAbove) {
  ASSERT_TRUE(programBuilt);
  const Pixel above = LitRedQuad({0, 0, 4}, {0, 0, -1});
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  const Pixel slanted = LitRedQuad({3, 0, 1.5f}, Normalize({-3, 0, -1.5f}));
  EXPECT_GT(above.r, slanted.r + 20);
  EXPECT_GT(slanted.r, 120);
}

TEST_F(RendererGl, SmallPrinterDrawsTheGlyphAtItsPlaceWithTextAlpha) {
  ASSERT_TRUE(fontLoaded);
  PrintSmall(100, 100, 0, "%s", "A");
  const Pixel inside = ReadPixel(110, 108);
  EXPECT_GT(inside.r, 240);
  EXPECT_GT(inside.g, 240);
  EXPECT_EQ(ReadPixel(135, 108).r, 0);  // past the glyph's 21 units
  EXPECT_EQ(ReadPixel(110, 125).r, 0);

  glClear(GL_COLOR_BUFFER_BIT);
  TextAlpha = 0.5f;
  PrintSmall(100, 100, 0, "A");
  TextAlpha = 1.0f;
  EXPECT_NEAR(ReadPixel(110, 108).r, 128, 6);
}

TEST_F(RendererGl, LargePrinterAdvancesEighteenUnitsPerCharacter) {
  ASSERT_TRUE(fontLoaded);
  PrintLarge(100, 200, 0, "%c%c", 'B', 'A');  // B has an empty cell: A starts 18 units on
  EXPECT_EQ(ReadPixel(110, 210).r, 0);
  EXPECT_GT(ReadPixel(128, 210).r, 240);
  EXPECT_GT(ReadPixel(150, 222).r, 240);  // the large quad is 34 × 24
}

TEST_F(RendererGl, PrintersLeaveBlendOneOneOpaqueWhiteAndDepthTestOn) {
  ASSERT_TRUE(fontLoaded);
  for (int printer = 0; printer < 2; ++printer) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    glColor4f(0.2f, 0.3f, 0.4f, 0.1f);
    glDisable(GL_DEPTH_TEST);
    if (printer == 0) {
      PrintSmall(10, 10, 1, "score %d", 42);
    } else {
      PrintLarge(10, 10, 0, "round %d", 2);
    }
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(source, GL_ONE) << printer;
    EXPECT_EQ(destination, GL_ONE) << printer;
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << printer;
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST)) << printer;
    for (float c : colour) EXPECT_FLOAT_EQ(c, 1.0f) << printer;
  }
}

TEST_F(RendererGl, FighterModelDrawsItsInterpolatedMeshAndMarksItselfDrawn) {
  const std::string folder = ::testing::TempDir() + "render_fighter";
  ASSERT_EQ(std::system(("mkdir -p " + folder).c_str()), 0);
  SampleBhm model = StripModel(4, 2);
  WriteFile(folder + "/7_lower.bhm", WriteBhm(model));
  WriteFile(folder + "/7_animation.cfg", Bytes{'0', ' ', '4', ' ', '0', ' ', '1', '0', ' ', '/', '/', ' ', 'L', 'E',
                                               'G', 'S', '_', 'S', 'T', 'A', 'N', 'D', '\n'});
  FighterModel fighter;
  ASSERT_TRUE(fighter.Load(folder.c_str(), "7", 2));
  EXPECT_EQ(fighter.lower.links[0], &fighter.upper);
  AnimClock = 0.0f;
  fighter.SetAnimation("LEGS_STAND");
  glDisable(GL_CULL_FACE);
  glDisable(GL_LIGHTING);
  glColor3f(1, 1, 1);
  glBindTexture(GL_TEXTURE_2D, 0);  // the default texture is plain white
  // The strip spans x 0..0.2, y 0..1 in model units; the file's winding faces away from +z.
  glRotatef(180, 0, 1, 0);
  fighter.Draw();
  EXPECT_TRUE(fighter.drawn);
  EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
  GLint cull = 0;
  glGetIntegerv(GL_CULL_FACE_MODE, &cull);
  EXPECT_EQ(cull, GL_BACK);
  EXPECT_EQ(ReadPixel(400 - 10, 300 + 100).r, 255);  // inside the strip (mirrored by the turn)
  EXPECT_EQ(ReadPixel(400 + 10, 300 + 100).r, 0);
}

TEST_F(RendererGl, MeshModelRestoresTexturingAfterAnUntexturedMesh) {
  SampleMs3d sample = GridMs3d(2);
  sample.groups[0].material = -1;
  const std::string path = TempPath("render_test.ms3d");
  WriteFile(path, WriteMs3d(sample));
  Ms3dModel model;
  ASSERT_TRUE(model.Load(path.c_str()));
  model.LoadTextures();
  for (bool enabled : {true, false}) {
    if (enabled) {
      glEnable(GL_TEXTURE_2D);
    } else {
      glDisable(GL_TEXTURE_2D);
    }
    model.Draw();
    EXPECT_EQ(static_cast<bool>(glIsEnabled(GL_TEXTURE_2D)), enabled);
  }
  EXPECT_FALSE(Ms3dModel().Load(".\\no\\such\\map.ms3d"));
}

TEST_F(RendererGl, MaterialsNamingOneFileShareItsTextureAndItIsDeletedOnce) {
  const std::string picture = TempPath("render_test_shared.bmp");
  WriteFile(picture, WriteBmp24(2, 2, Bytes(12, 90)));
  SampleMs3d sample = GridMs3d(1);
  sample.materials = {{1.0f, picture}, {1.0f, TempPath("render_test_missing.bmp")}, {1.0f, picture}};
  const std::string path = TempPath("render_test_shared.ms3d");
  WriteFile(path, WriteMs3d(sample));
  GLuint first = 0;
  {
    Ms3dModel model;
    ASSERT_TRUE(model.Load(path.c_str()));
    model.LoadTextures();
    first = model.materials[0].texture;
    EXPECT_NE(first, 0u);
    EXPECT_EQ(model.materials[1].texture, 0u);
    EXPECT_EQ(model.materials[2].texture, first);
    model.LoadTextures();  // loading again replaces the shared texture, not just one user of it
    EXPECT_FALSE(glIsTexture(first));
    first = model.materials[0].texture;
    EXPECT_EQ(model.materials[2].texture, first);
    EXPECT_TRUE(glIsTexture(first));
  }
  EXPECT_FALSE(glIsTexture(first));
  EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(RendererGl, TextureBankIsAllOrNothingAndTakesTheLoadingImages) {
  // The build folder's base/ may or may not hold the content yet: either every entry has a
  // texture or none has.
  const bool images = LoadLoadingImages();
  const bool loaded = LoadTextureBank();
  int named = 0;
  for (unsigned int name : TextureBank) named += name != 0;
  EXPECT_EQ(named, loaded ? TextureBankSize : 0);
  if (!loaded || !images) return;
  // The bank's entries of the loading images are those textures, filtered as the rest of the bank.
  const int slots[4] = {16, 55, 0, 40};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(TextureBank[slots[i]], LoadingImages[i]) << slots[i];
    BindTexture(slots[i]);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR) << slots[i];
  }
  std::vector<unsigned int> names(std::begin(TextureBank), std::end(TextureBank));
  std::sort(names.begin(), names.end());
  EXPECT_EQ(std::adjacent_find(names.begin(), names.end()), names.end());
}

namespace {

// A texture of one colour, 2 × 2.
GLuint PlainTexture(unsigned char r, unsigned char g, unsigned char b) {
  const unsigned char pixels[12] = {r, g, b, r, g, b, r, g, b, r, g, b};
  GLuint name = 0;
  glGenTextures(1, &name);
  glBindTexture(GL_TEXTURE_2D, name);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 2, 2, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels);
  return name;
}

int DrawCalls = 0;  // the draws that could reach a pixel
int DrawsElsewhere = 0;  // the draws into any framebuffer but the frame's

// The left half of the viewport; leaves a line width of 3 as a mark of its state changes.
void DrawLeftHalf() {
  GLint box[4], framebuffer = 0;
  glGetIntegerv(GL_SCISSOR_BOX, box);
  glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &framebuffer);
  DrawCalls += !glIsEnabled(GL_SCISSOR_TEST) || box[2] * box[3] > 0;
  DrawsElsewhere += framebuffer != 0;
  glLineWidth(3);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0), glVertex2f(-1, -1);
  glTexCoord2f(1, 0), glVertex2f(0, -1);
  glTexCoord2f(1, 1), glVertex2f(0, 1);
  glTexCoord2f(0, 1), glVertex2f(-1, 1);
  glEnd();
}

}  // namespace

// A kept picture is drawn, then drawn and copied out when the next frame asks for it alike, then
// copied in, GL left as the drawing leaves it; a change of texture, viewport, colour or look draws
// it again, so the copy never shows an earlier frame. It is always drawn into the frame itself: a
// framebuffer of its own would make the rasteriser compile its shaders a second time.
TEST_F(RendererGl, KeptPictureIsCopiedUntilWhatShapesItChanges) {
  const GLuint red = PlainTexture(255, 0, 0), blue = PlainTexture(0, 0, 255);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glDisable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  glDisable(GL_LIGHTING);
  glEnable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  auto frame = [](GLuint texture, int look = 0) {
    glClear(GL_COLOR_BUFFER_BIT);
    glBindTexture(GL_TEXTURE_2D, texture);
    glLineWidth(1);
    DrawKeptPicture(DrawLeftHalf, &look, sizeof look);
  };

  DrawCalls = 0;
  DrawsElsewhere = 0;
  for (int i = 0; i < 3; ++i) frame(red);
  EXPECT_EQ(DrawCalls, 2);  // drawn, then drawn to be kept, then copied
  EXPECT_EQ(ReadPixel(100, 300).r, 255);
  EXPECT_EQ(ReadPixel(700, 300).r, 0);  // the right half keeps the clear
  GLfloat lineWidth = 0;
  glGetFloatv(GL_LINE_WIDTH, &lineWidth);
  EXPECT_EQ(lineWidth, 3.0f);
  EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));

  for (int i = 0; i < 3; ++i) frame(blue);
  EXPECT_EQ(DrawCalls, 4);
  EXPECT_EQ(ReadPixel(100, 300).b, 255);
  EXPECT_EQ(ReadPixel(100, 300).r, 0);

  glViewport(400, 0, 400, 600);  // the left half of the viewport is now the window's right quarter…
  frame(blue);
  EXPECT_EQ(DrawCalls, 5);
  EXPECT_EQ(ReadPixel(100, 300).b, 0);
  EXPECT_EQ(ReadPixel(500, 300).b, 255);
  glViewport(0, 0, 800, 600);

  glColor4f(0, 1, 1, 1);  // …and a colour tints the texture
  frame(blue);
  EXPECT_EQ(DrawCalls, 6);
  glColor4f(1, 1, 1, 1);
  for (int look : {1, 2, 1, 2}) frame(blue, look);  // what the drawing reads besides GL, changing
  EXPECT_EQ(DrawCalls, 10);

  glEnable(GL_BLEND);  // blended pictures depend on the frame under them: always drawn
  for (int i = 0; i < 3; ++i) frame(red);
  EXPECT_EQ(DrawCalls, 13);
  glDisable(GL_BLEND);

  ReleaseKeptPicture();
  frame(red);
  EXPECT_EQ(DrawCalls, 14);
  EXPECT_EQ(ReadPixel(100, 300).r, 255);
  EXPECT_EQ(DrawsElsewhere, 0);
  glDeleteTextures(1, &red);
  glDeleteTextures(1, &blue);
  glEnable(GL_DEPTH_TEST);
}
