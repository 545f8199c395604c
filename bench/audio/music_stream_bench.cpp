// What the music costs the frame loop: MusicStream::Update per frame (mean and worst, the refill
// frames included), and what 1000 fights' worth of opening and releasing the fight music leaves
// behind. Run from the build folder, where base/ lives.
#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>

#include "audio/audio.h"
#include "audio/loopback.h"

namespace {

constexpr int kFrameSamples = LoopbackAudio::kRate / 60;

// CPU time of this thread: on a shared machine the wall clock also counts other programs.
double ThreadSeconds() {
  timespec t{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
  return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

long ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * 4;
}

void BM_MusicUpdatePerFrame(benchmark::State& state) {
  LoopbackAudio audio;
  MusicStream music;
  if (!audio.ok() || !music.Open(".\\base\\music\\1.ogg")) {
    state.SkipWithError("needs base/music/1.ogg and OpenAL Soft's loopback device");
    return;
  }
  music.SetGain(1.0f);
  music.Play();
  double worst = 0.0, worstCpu = 0.0, totalCpu = 0.0;
  long refills = 0;
  for (auto _ : state) {
    audio.Render(kFrameSamples);  // one frame of playback goes by
    const double cpuStart = ThreadSeconds();
    const auto start = std::chrono::steady_clock::now();
    music.Update();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double cpu = ThreadSeconds() - cpuStart;
    state.SetIterationTime(seconds);
    worst = std::max(worst, seconds);
    worstCpu = std::max(worstCpu, cpu);
    totalCpu += cpu;
    refills += cpu > 1e-4;
  }
  state.counters["worst_ms"] = worst * 1e3;
  state.counters["worst_cpu_ms"] = worstCpu * 1e3;
  state.counters["mean_cpu_us"] = totalCpu / double(state.iterations()) * 1e6;
  state.counters["refill_frames"] = double(refills);
}
// 6000 frames: 100 s of play at 60 frames per second, so the track loops at least once.
BENCHMARK(BM_MusicUpdatePerFrame)->UseManualTime()->Iterations(6000)->Unit(benchmark::kMicrosecond);

void BM_FightMusicOpenReleaseCycles(benchmark::State& state) {
  LoopbackAudio audio;
  if (!audio.ok()) {
    state.SkipWithError("needs OpenAL Soft's loopback device");
    return;
  }
  // One cycle first, so the decoder's and the mixer's one-off allocations are not counted.
  FightMusic.Open(".\\base\\music\\1.ogg");
  FightMusic.Release();
  const long before = ResidentKilobytes();
  for (auto _ : state) {
    for (int fight = 0; fight < 1000; ++fight) {
      if (!FightMusic.Open(".\\base\\music\\1.ogg")) {
        state.SkipWithError("needs base/music/1.ogg");
        return;
      }
      FightMusic.Play();
      FightMusic.Rewind();
      FightMusic.Release();
    }
  }
  state.counters["rss_growth_kB"] = double(ResidentKilobytes() - before);
  state.counters["buffer_cache_entries"] = double(BufferCache.size());
}
BENCHMARK(BM_FightMusicOpenReleaseCycles)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
