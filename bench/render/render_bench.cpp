// Uses the build folder's base/ content when it is there; otherwise writes stand-in files of the
// same kind and comparable size (eight 1600-triangle, 120-frame fighters; 76 256 × 256 bitmaps)
// into a temporary folder and measures those.
#include <benchmark/benchmark.h>

#include <GL/gl.h>
#include <GL/glu.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

#include "app/frame_clock.h"
#include "platform/platform.h"
#include "render/render.h"
#include "render/sample_files.h"

namespace {

bool Exists(const std::string& path) {
  struct stat info;
  return stat(path.c_str(), &info) == 0;
}

// Makes a working folder whose base/ holds what is measured; returns the fighters' folder.
const char* PrepareContent() {
  static std::string fighters;
  if (!fighters.empty()) return fighters.c_str();
  if (Exists("base/fighters/1_lower.bhm") && Exists("base/textures/tex75.bmp")) {
    std::printf("measuring the content in base/\n");
    fighters = ".\\base\\fighters\\";
    return fighters.c_str();
  }
  std::printf("no content in base/: measuring generated stand-in files\n");
  char folder[] = "/tmp/brelloch_render_bench_XXXXXX";
  if (mkdtemp(folder) == nullptr || chdir(folder) != 0) std::abort();
  mkdir("base", 0755);
  mkdir("base/fighters", 0755);
  mkdir("base/textures", 0755);
  const Bytes model = WriteBhm(StripModel(120, 1600));
  Bytes rgb(256 * 256 * 3);
  for (std::size_t i = 0; i < rgb.size(); ++i) rgb[i] = static_cast<std::uint8_t>(i * 31 / 7);
  const Bytes bitmap = WriteBmp24(256, 256, rgb);
  for (int k = 1; k <= 8; ++k) {
    WriteFile("base/fighters/" + std::to_string(k) + "_lower.bhm", model);
    WriteFile("base/fighters/" + std::to_string(k) + "_animation.cfg", Bytes(SampleAnimationTable().begin(), SampleAnimationTable().end()));
  }
  for (int n = 0; n < TextureBankSize; ++n) {
    char name[40];
    std::snprintf(name, sizeof name, "base/textures/tex%02d.bmp", n);
    WriteFile(name, bitmap);
  }
  fighters = ".\\base\\fighters\\";
  return fighters.c_str();
}

bool OpenWindow() {
  static const bool open = StartWindowSystem() &&
                           OpenGameWindow("render bench", 800, 600, 32, 24, false) == WindowFailure::Created;
  return open;
}

void LoadEightFighterModels(benchmark::State& state) {
  const char* folder = PrepareContent();
  for (auto _ : state) {
    for (int k = 0; k < 8; ++k) {
      const std::string name = std::to_string(k + 1);
      benchmark::DoNotOptimize(FighterModels[k].Load(folder, name.c_str(), 0));
    }
  }
}
BENCHMARK(LoadEightFighterModels)->Unit(benchmark::kMillisecond);

void LoadTextureBankWithMipmaps(benchmark::State& state) {
  PrepareContent();
  if (!OpenWindow()) {
    state.SkipWithError("no GL window");
    return;
  }
  for (auto _ : state) {
    if (!LoadTextureBank()) state.SkipWithError("TextureBank did not load");
    glFinish();
    state.PauseTiming();
    glDeleteTextures(TextureBankSize, TextureBank);
    state.ResumeTiming();
  }
}
BENCHMARK(LoadTextureBankWithMipmaps)->Unit(benchmark::kMillisecond);

// One fighter drawn as in a fight frame (lighting program, object-space lights, fighter material),
// finished on the GL side so the figure includes llvmpipe's rasterising. Argument 0 draws with the
// fixed-function lighting instead, to show what the per-pixel lighting costs.
void DrawOneFighterModel(benchmark::State& state) {
  const char* folder = PrepareContent();
  if (!OpenWindow()) {
    state.SkipWithError("no GL window");
    return;
  }
  SetStartupGlState();
  if (!BuildLightingProgram()) {
    state.SkipWithError("lighting program (base/shaders) missing");
    return;
  }
  FighterModel& model = FighterModels[0];
  model.Load(folder, "1", 0);
  model.SetAnimation("LEGS_RUN");
  glViewport(0, 0, 800, 600);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(45.0, 800.0 / 600.0, 0.1, 100.0);
  glMatrixMode(GL_MODELVIEW);
  int triangles = 0;
  for (const ModelMesh& mesh : model.lower.meshes) triangles += mesh.triangleCount;
  for (auto _ : state) {
    AnimClock += 16.7f;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    glTranslatef(0.0f, -1.0f, -4.0f);
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    if (state.range(0) == 1) UseLightingProgram();
    Matrix4 placement;
    glGetFloatv(GL_MODELVIEW_MATRIX, placement.m);
    UploadObjectSpaceLights(ComputeObjectSpaceLights(placement, SceneLights, ViewDirection));
    SetFighterMaterial();
    model.Draw();
    StopLightingProgram();
    glFinish();
  }
  state.counters["triangles"] = triangles;
}
BENCHMARK(DrawOneFighterModel)->Arg(1)->Arg(0)->Unit(benchmark::kMicrosecond);

// What a frame costs without the fighter (clear and finish), to read the figure above against.
void ClearAndFinishOnly(benchmark::State& state) {
  if (!OpenWindow()) {
    state.SkipWithError("no GL window");
    return;
  }
  for (auto _ : state) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFinish();
  }
}
BENCHMARK(ClearAndFinishOnly)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
