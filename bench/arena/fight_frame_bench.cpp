// Frames per second of the fight frame under the real renderer, beside a plain reference scene of
// 20,000 lit, textured immediate-mode triangles drawn in the same window. Run under Xvfb from the
// build folder (base/ must be generated):
//   xvfb-run -a -s "-screen 0 1920x1080x24" bench/fight_frame_bench
// (the screen must hold the widest size measured). On a busy machine give each case longer
// (--benchmark_min_time=3) and compare ratios to the reference, not frame rates. The median and
// 99th percentile frame times (p50, p99, wall and process CPU) need a thousand frames or more to
// mean anything: BM_LiveFightSteadiness runs a fixed minute of play with music and sounds on.
#include <GL/gl.h>
#include <GL/glu.h>
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cmath>
#include <cstdio>
#include <vector>

#include "app/audio_steps.h"
#include "app/fight_wiring.h"
#include "app/frame_clock.h"
#include "app/settings.h"
#include "arena/arena_audio.h"
#include "arena/arena.h"
#include "fight/fight.h"
#include "fight/view/fight_view.h"
#include "platform/platform.h"
#include "render/render.h"
#include "screens/screen_flow.h"
#include "screens/screens.h"

namespace {

using Clock = std::chrono::steady_clock;

bool AudioOpened = false;

constexpr float kStep = 1.67f;  // a 60 fps frame

double Milliseconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// CPU time of the whole process, the rasteriser's threads included: on a shared machine the frame
// rate measures the other programs as well, the work a frame costs much less so.
double ProcessCpuMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

// Frames per second and the process CPU milliseconds per frame, from the state's loop.
void SetFrameCounters(benchmark::State& state, int frames, double cpuStart) {
  state.counters["fps"] = benchmark::Counter(frames, benchmark::Counter::kIsRate);
  state.counters["cpu_ms"] = frames > 0 ? (ProcessCpuMilliseconds() - cpuStart) / frames : 0.0;
}

double Percentile(std::vector<double> times, double share) {
  if (times.empty()) return 0;
  const auto at = times.begin() + static_cast<std::ptrdiff_t>(share * double(times.size() - 1));
  std::nth_element(times.begin(), at, times.end());
  return *at;
}

// Each frame's wall and process CPU time, for the median and the 99th percentile: a steady
// frame rate has the two close together, a hitch (a music refill, a burst of particles) shows
// in the percentile long before it moves the mean.
class FrameTimes {
 public:
  void Start() {
    wallStart = Clock::now();
    cpuStart = ProcessCpuMilliseconds();
  }
  void Stop() {
    wall.push_back(Milliseconds(wallStart, Clock::now()));
    cpu.push_back(ProcessCpuMilliseconds() - cpuStart);
  }
  void SetCounters(benchmark::State& state) const {
    if (wall.empty()) return;
    state.counters["p50_ms"] = Percentile(wall, 0.50);
    state.counters["p99_ms"] = Percentile(wall, 0.99);
    state.counters["p99/p50"] = Percentile(wall, 0.99) / Percentile(wall, 0.50);
    state.counters["cpu_p50_ms"] = Percentile(cpu, 0.50);
    state.counters["cpu_p99_ms"] = Percentile(cpu, 0.99);
    state.counters["cpu_p99/p50"] = Percentile(cpu, 0.99) / std::max(Percentile(cpu, 0.50), 1e-6);
  }

 private:
  Clock::time_point wallStart;
  double cpuStart = 0;
  std::vector<double> wall, cpu;
};

void UseResolution(int width, int height) {
  SizeWindow(width, height);
  int w = 0, h = 0;
  DrawableSize(w, h);
  glViewport(0, 0, w, h);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(60.0, static_cast<double>(w) / (h > 0 ? h : 1), 0.1, 400.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

// A live round: the intro is skipped so the computer walks in and fights.
void StartLiveFight(int arena) {
  ScreenFlow.gameState = GameState::Fight;
  MatchState.gameMode = QuickFight;
  MatchState.character[0] = 0;
  MatchState.character[1] = 3;
  PrepareFightStart();
  StartFight(arena, 1);
  MatchState.introActive = false;
  MatchState.fightLive = true;
  MatchState.RoundClock = 11.0f;
}

// One fight frame, timed in three parts: the simulation, the scene submission (DrawArenaFrame
// without its simulation step) and the rest (waiting for the rasteriser and the buffer swap).
struct FrameSplit {
  double simulation = 0, submission = 0, rest = 0;
  // The main thread's CPU time for the music's service and for the fight tick, which other
  // programs on the machine do not stretch.
  double musicCpu = 0, tickCpu = 0;
};

double ThreadCpuMilliseconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

// The share of the frame's pixels something was drawn on (the depth buffer below its clear).
double CoveredShare() {
  int w = 0, h = 0;
  DrawableSize(w, h);
  std::vector<float> depth(static_cast<std::size_t>(w) * static_cast<std::size_t>(h));
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadPixels(0, 0, w, h, GL_DEPTH_COMPONENT, GL_FLOAT, depth.data());
  const auto covered = std::count_if(depth.begin(), depth.end(), [](float d) { return d < 1.0f; });
  return depth.empty() ? 0.0 : double(covered) / double(depth.size());
}

FrameSplit RunFightFrame() {
  FrameSplit split;
  FrameClock.step = kStep;
  AnimClock += 10.0f * kStep;
  ClearDrawnMarks();
  const auto t0 = Clock::now();
  const double c0 = ThreadCpuMilliseconds();
  ServiceFightMusic(kStep);
  const double c1 = ThreadCpuMilliseconds();
  const FighterCommand idle[2] = {};
  FightTick(idle, kStep, true);
  const double c2 = ThreadCpuMilliseconds();
  const auto t1 = Clock::now();
  DrawArenaFrame();
  DrawFightOverlays();
  const auto t2 = Clock::now();
  HoldUndrawnModels();
  SwapWindowBuffers();
  glFinish();
  const auto t3 = Clock::now();
  split.simulation = Milliseconds(t0, t1);
  split.submission = Milliseconds(t1, t2);
  split.rest = Milliseconds(t2, t3);
  split.musicCpu = c1 - c0;
  split.tickCpu = c2 - c1;
  return split;
}

void BM_FightFrame(benchmark::State& state) {
  const int arena = static_cast<int>(state.range(0));
  UseResolution(static_cast<int>(state.range(1)), static_cast<int>(state.range(2)));
  StartLiveFight(arena);
  DrawArenaFrame();
  state.counters["covered"] = CoveredShare();
  FrameSplit total;
  std::vector<double> simulation, submission, rest, musicCpu, tickCpu;  // per frame, for the 99th percentiles
  FrameTimes times;
  int frames = 0;
  const double cpuStart = ProcessCpuMilliseconds();
  for (auto _ : state) {
    times.Start();
    const FrameSplit split = RunFightFrame();
    times.Stop();
    total.simulation += split.simulation;
    total.submission += split.submission;
    total.rest += split.rest;
    simulation.push_back(split.simulation);
    submission.push_back(split.submission);
    rest.push_back(split.rest);
    musicCpu.push_back(split.musicCpu);
    tickCpu.push_back(split.tickCpu);
    ++frames;
    if (ScreenFlow.gameState != GameState::Fight || MatchState.knockoutActive) {
      state.PauseTiming();
      EndFight(false);
      StartLiveFight(arena);
      state.ResumeTiming();
    }
  }
  SetFrameCounters(state, frames, cpuStart);
  times.SetCounters(state);
  EndFight(false);
  state.counters["sim_ms"] = total.simulation / frames;
  state.counters["submit_ms"] = total.submission / frames;
  state.counters["rest_ms"] = total.rest / frames;
  state.counters["sim_p99_ms"] = Percentile(simulation, 0.99);
  state.counters["submit_p99_ms"] = Percentile(submission, 0.99);
  state.counters["rest_p99_ms"] = Percentile(rest, 0.99);
  state.counters["music_cpu_p99_ms"] = Percentile(musicCpu, 0.99);
  state.counters["music_cpu_max_ms"] = Percentile(musicCpu, 1.0);
  state.counters["tick_cpu_p99_ms"] = Percentile(tickCpu, 0.99);
  state.counters["tick_cpu_max_ms"] = Percentile(tickCpu, 1.0);
}

// A minute of a live fight as the player hears it: the fight music streaming (its refills
// included), the hit sounds, the particles and the HUD's titles, for the frame times' spread.
void BM_LiveFightSteadiness(benchmark::State& state) {
  if (!AudioOpened) state.counters["silent"] = 1;
  Settings.soundOn = AudioOpened;
  Settings.musicOn = AudioOpened;
  BM_FightFrame(state);
  Settings.soundOn = false;
  Settings.musicOn = false;
}

// Where the frame's time goes: the same fight frame drawn in two halves, each on its own. The
// scene is everything DrawArenaFrame draws before the overlays (lamps, map and fighters under the
// lighting program, the hit particles); the overlays are the HUD. A frame that only clears gives
// what every frame pays for the clear, the buffer swap and the simulation.
enum class FramePart { Scene, Overlays, ClearOnly };

void DrawFramePart(FramePart part) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  if (part == FramePart::ClearOnly) return;
  if (part == FramePart::Overlays) {
    DrawHud();
    return;
  }
  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  if (MatchState.arena == 1 || MatchState.arena == 2) DrawSwingingLamps(MatchState.arena, kStep);
  UseLightingProgram();
  UpdateArenaLights();
  SetUniform(LightingUniform::AmbientColor, 0.25f, 0.25f, 0.25f, 1.0f);
  ApplyCamera(false);
  UploadObjectSpaceLights(ComputeObjectSpaceLights(Matrix4(), SceneLights, ViewDirection));
  ArenaMap->Draw();
  DrawFighters();
  StopLightingProgram();
  glEnable(GL_LIGHTING);
  glLoadIdentity();
  ApplyCamera(false);
  DrawHitParticles();
}

void BM_FightFramePart(benchmark::State& state) {
  const auto part = static_cast<FramePart>(state.range(0));
  const int arena = static_cast<int>(state.range(1));
  UseResolution(static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
  StartLiveFight(arena);
  int frames = 0;
  const double cpuStart = ProcessCpuMilliseconds();
  for (auto _ : state) {
    FrameClock.step = kStep;
    AnimClock += 10.0f * kStep;
    ClearDrawnMarks();
    const FighterCommand idle[2] = {};
    FightTick(idle, kStep, true);
    DrawFramePart(part);
    HoldUndrawnModels();
    SwapWindowBuffers();
    glFinish();
    ++frames;
    if (ScreenFlow.gameState != GameState::Fight || MatchState.knockoutActive) {
      state.PauseTiming();
      EndFight(false);
      StartLiveFight(arena);
      state.ResumeTiming();
    }
  }
  SetFrameCounters(state, frames, cpuStart);
  EndFight(false);
}

// The main menu uncapped, drawn as RunFrame draws it outside a fight; with a third argument of 1
// the FIGHT button is hovered, so it pulses and the menu changes every frame.
void BM_MenuFrame(benchmark::State& state) {
  UseResolution(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  ScreenFlow.gameState = GameState::MainMenu;
  ScreenFlow.hover[1] = state.range(2) != 0;
  FrameTimes times;
  int frames = 0;
  const double cpuStart = ProcessCpuMilliseconds();
  for (auto _ : state) {
    times.Start();
    FrameClock.step = kStep;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    ClearDrawnMarks();
    DrawMenus(true);
    HoldUndrawnModels();
    glEnable(GL_LIGHTING);
    SwapWindowBuffers();
    glFinish();
    times.Stop();
    ++frames;
  }
  SetFrameCounters(state, frames, cpuStart);
  times.SetCounters(state);
  ScreenFlow.hover[1] = false;
}

// The versus screen's NEXT to the first fight frame on screen: the fight start (arena meshes and
// their textures, lights, physics world, music) and one whole frame with its swap.
void BM_FightStartToFirstFrame(benchmark::State& state) {
  const int arena = static_cast<int>(state.range(0));
  UseResolution(800, 600);
  for (auto _ : state) {
    StartLiveFight(arena);
    RunFightFrame();
    state.PauseTiming();
    EndFight(false);
    state.ResumeTiming();
  }
}

// The reference: a 100 × 100 grid of a rippled, lit, textured sheet, 20,000 triangles a frame. It
// covers about a third of the frame, a fight's arena all of it ("covered" in both).
void DrawReferenceScene(float phase) {
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  gluLookAt(0.0, 6.0, 9.0, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
  glEnable(GL_LIGHTING);
  glEnable(GL_LIGHT1);
  glEnable(GL_TEXTURE_2D);
  BindTexture(10);
  constexpr int kCells = 100;
  constexpr float kSize = 10.0f;
  auto height = [phase](float x, float z) { return 0.3f * std::sin(x * 1.7f + phase) * std::cos(z * 1.3f); };
  glBegin(GL_TRIANGLES);
  for (int i = 0; i < kCells; ++i) {
    for (int j = 0; j < kCells; ++j) {
      const float x0 = (i / float(kCells) - 0.5f) * kSize, x1 = ((i + 1) / float(kCells) - 0.5f) * kSize;
      const float z0 = (j / float(kCells) - 0.5f) * kSize, z1 = ((j + 1) / float(kCells) - 0.5f) * kSize;
      const float corners[6][2] = {{x0, z0}, {x0, z1}, {x1, z1}, {x0, z0}, {x1, z1}, {x1, z0}};
      for (const auto& c : corners) {
        glNormal3f(-0.5f * std::cos(c[0] * 1.7f + phase), 1.0f, 0.4f * std::sin(c[1] * 1.3f));
        glTexCoord2f(c[0] / kSize, c[1] / kSize);
        glVertex3f(c[0], height(c[0], c[1]), c[1]);
      }
    }
  }
  glEnd();
}

void BM_ReferenceScene(benchmark::State& state) {
  UseResolution(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  DrawReferenceScene(0.0f);
  state.counters["covered"] = CoveredShare();
  float phase = 0.0f;
  int frames = 0;
  const double cpuStart = ProcessCpuMilliseconds();
  for (auto _ : state) {
    DrawReferenceScene(phase);
    SwapWindowBuffers();
    glFinish();
    phase += 0.05f;
    ++frames;
  }
  SetFrameCounters(state, frames, cpuStart);
}

// The three classic sizes, then the widescreen desktop sizes full screen takes.
constexpr int kResolutions[5][2] = {{640, 480}, {800, 600}, {1024, 768}, {1280, 720}, {1920, 1080}};
constexpr int kArenaCount = 7;

void FightFrameArguments(benchmark::internal::Benchmark* b) {
  for (int arena = 1; arena <= kArenaCount; ++arena) {
    for (const auto& r : kResolutions) b->Args({arena, r[0], r[1]});
  }
}

// Scene (0), overlays (1) and the bare frame (2) in arena 1 at each size.
void FramePartArguments(benchmark::internal::Benchmark* b) {
  for (int part : {0, 1, 2}) {
    for (int r = 0; r < 3; ++r) b->Args({part, 1, kResolutions[r][0], kResolutions[r][1]});
  }
}

// Arenas 1, 4 and 7 (a lamp-lit hall, an open yard, a small room) at 800 × 600.
void SteadinessArguments(benchmark::internal::Benchmark* b) {
  for (int arena : {1, 4, 7}) b->Args({arena, 800, 600});
}

void ArenaArguments(benchmark::internal::Benchmark* b) {
  for (int arena = 1; arena <= kArenaCount; ++arena) b->Args({arena});
}

void ReferenceArguments(benchmark::internal::Benchmark* b) {
  for (const auto& r : kResolutions) b->Args({r[0], r[1]});
}

// Every size at rest, then 800 × 600 with a button hovered.
void MenuArguments(benchmark::internal::Benchmark* b) {
  for (const auto& r : kResolutions) b->Args({r[0], r[1], 0});
  b->Args({800, 600, 1});
}

BENCHMARK(BM_ReferenceScene)->Apply(ReferenceArguments)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FightFrame)->Apply(FightFrameArguments)->Unit(benchmark::kMillisecond)->UseRealTime();
// 3600 frames: a minute of play at 60 frames per second.
BENCHMARK(BM_LiveFightSteadiness)->Apply(SteadinessArguments)->Iterations(3600)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FightFramePart)->Apply(FramePartArguments)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MenuFrame)->Apply(MenuArguments)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_FightStartToFirstFrame)->Apply(ArenaArguments)->Unit(benchmark::kMillisecond)->UseRealTime();

// What the game's loading phase makes before the first fight.
bool OpenGame() {
  if (!StartWindowSystem()) return false;
  if (OpenGameWindow("fight frame bench", 1024, 768, 32, 24, false) != WindowFailure::Created) return false;
  ShowGameWindow();
  SetStartupGlState();
  if (!LoadStartupImagesAndFonts() || !BuildLightingProgram()) return false;
  // A silent device that plays in real time, so the music's buffers finish and refill as in the
  // game; without it the steadiness case runs without sound.
  setenv("ALSOFT_DRIVERS", "null", 0);
  AudioOpened = OpenAudioOrSayWhy();
  Settings.soundOn = false;
  Settings.musicOn = false;
  InstallFightHooks();
  LoadRoster();
  LoadTextureBank();
  LoadTgaTextures();
  LampModel = new Ms3dModel;
  LampModel->Load(".\\base\\maps\\1\\lamp\\lamp.ms3d");
  LampModel->LoadTextures();
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (!OpenGame()) {
    std::fprintf(stderr, "fight frame bench: no window, GL context or content (run from the build folder under Xvfb)\n");
    return 1;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  CloseAudioAtExit();
  return 0;
}
