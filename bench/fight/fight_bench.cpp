// How fast the fight's rules and bodies run without a window: whole matches of the computer
// against a scripted player at 60 frames per second, and single FightUpdate calls.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

#include "app/frame_clock.h"
#include "app/input_state.h"
#include "fight/fight.h"
#include "fight/match_runner.h"

namespace {

void FullMatch(benchmark::State& state) {
  LoadRoster();
  std::srand(42);
  double simulated = 0.0;
  long frames = 0;
  for (auto _ : state) {
    MatchSetup setup;
    setup.characters[0] = 0;
    setup.characters[1] = static_cast<int>(state.range(0));
    setup.step = 1.67f;
    MatchRunner runner(setup);
    runner.Start();
    BrawlerScript brawler;
    const MatchResult result = runner.RunToEnd(std::ref(brawler), 1200.0f);
    simulated += result.seconds;
    frames += result.frames;
    benchmark::DoNotOptimize(result);
  }
  state.counters["fight_s_per_wall_s"] = benchmark::Counter(simulated, benchmark::Counter::kIsRate);
  state.counters["match_fight_s"] = benchmark::Counter(simulated / static_cast<double>(state.iterations()));
  state.counters["frames_per_match"] = benchmark::Counter(static_cast<double>(frames) /
                                                          static_cast<double>(state.iterations()));
}
BENCHMARK(FullMatch)->Arg(1)->Arg(7)->Unit(benchmark::kMillisecond);

void OneFightUpdate(benchmark::State& state) {
  LoadRoster();
  std::srand(42);
  MatchState.gameMode = QuickFight;
  MatchState.character[0] = 0;
  MatchState.character[1] = 3;
  PrepareFightStart();
  StartFight(1);
  MatchState.introActive = false;
  MatchState.fightLive = true;
  FrameClock.step = 1.67f;
  FrameClock.fightTick = true;
  BrawlerScript brawler;
  for (auto _ : state) {
    std::memset(KeyState, 0, sizeof KeyState);
    brawler(0.0f, KeyState);
    FightUpdate();
    ClearReleasedKeyLatches();
    // Keep the round live: nobody is ever knocked out here.
    FighterStatuses[0].life = FighterStatuses[1].life = 100.0f;
  }
  EndFight();
}
BENCHMARK(OneFightUpdate)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
