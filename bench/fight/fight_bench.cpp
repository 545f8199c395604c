// How fast the fight's rules and bodies run without a window: whole matches of the computer
// against a scripted player at 60 frames per second, and single FightUpdate calls.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>

#include "app/fight_bindings.h"
#include "app/input_state.h"
#include "fight/fight.h"
#include "fight/fight_snapshot.h"
#include "app/match_runner.h"

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
  StartFight(1, 42);
  MatchState.introActive = false;
  MatchState.fightLive = true;
  BrawlerScript brawler;
  for (auto _ : state) {
    std::uint8_t keys[256] = {};
    brawler(0.0f, keys);
    FighterCommand commands[2];
    BuildFighterCommands(keys, false, DefaultFightBindings(), commands);
    FightTick(commands, 1.67f, true);
    // Keep the round live: nobody is ever knocked out here.
    FighterStatuses[0].life = FighterStatuses[1].life = 100.0f;
  }
  EndFight(false);
}
BENCHMARK(OneFightUpdate)->Unit(benchmark::kMicrosecond);

// A live round a second in, with both bodies moving: the state online play saves every frame.
void StartLiveRound() {
  LoadRoster();
  MatchState.gameMode = QuickFight;
  MatchState.character[0] = 0;
  MatchState.character[1] = 3;
  PrepareFightStart();
  StartFight(1, 42);
  MatchState.introActive = false;
  MatchState.fightLive = true;
  BrawlerScript brawler;
  for (int i = 0; i < 60; ++i) {
    std::uint8_t keys[256] = {};
    brawler(0.0f, keys);
    FighterCommand commands[2];
    BuildFighterCommands(keys, false, DefaultFightBindings(), commands);
    FightTick(commands, 1.67f, true);
  }
}

void SaveAndRestore(benchmark::State& state) {
  StartLiveRound();
  FightSnapshot snapshot;
  for (auto _ : state) {
    SaveFightState(snapshot);
    RestoreFightState(snapshot);
    benchmark::DoNotOptimize(snapshot);
  }
  EndFight(false);
}
BENCHMARK(SaveAndRestore)->Unit(benchmark::kMicrosecond);

void StateHash(benchmark::State& state) {
  StartLiveRound();
  for (auto _ : state) benchmark::DoNotOptimize(FightStateHash());
  EndFight(false);
}
BENCHMARK(StateHash)->Unit(benchmark::kMicrosecond);

// What a rollback of online play costs: back to the state of `depth` frames ago, then those frames
// again with their commands, hashing each.
void Rollback(benchmark::State& state) {
  const int depth = static_cast<int>(state.range(0));
  StartLiveRound();
  FightSnapshot saved;
  SaveFightState(saved);
  const FighterCommand walk[2] = {FighterCommand{1}, FighterCommand{}};
  for (auto _ : state) {
    RestoreFightState(saved);
    for (int i = 0; i < depth; ++i) {
      FightTick(walk, 1.67f, true);
      benchmark::DoNotOptimize(FightStateHash());
    }
  }
  EndFight(false);
}
BENCHMARK(Rollback)->Arg(1)->Arg(8)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
