#include "app/training_session.h"

#include "fight/fight.h"

TrainingSession Training;

namespace {

constexpr float kBlockAfterHitSeconds = 1.0f;
constexpr float kRefillPauseSeconds = 1.0f;
constexpr float kFullLife = FighterStatus{}.life;

float Seconds(float step) { return 0.01f * step; }

FighterCommand Holding(FightInput input) {
  FighterCommand c;
  c.Hold(input);
  return c;
}

// Sums of sixtieths do not land exactly on ten seconds, nor a playback's sums on a recording's.
constexpr float kRecordingSlack = 0.001f;
constexpr float kPlaybackSlack = 0.0001f;  // a tenth of a tick at 1000 frames a second

// The recorded command at the fight time played so far, then that time moved on by the tick.
FighterCommand NextRecorded(bool loop, float seconds) {
  TrainingSession& t = Training;
  if (t.recording.empty()) return FighterCommand{};
  if (t.playSeconds >= RecordedSeconds() - kPlaybackSlack) {
    if (!loop) return FighterCommand{};
    t.playSeconds = 0.0f;
    t.playTick = 0;
  }
  while (t.playTick + 1 < t.recording.size() && t.playSeconds >= t.recording[t.playTick].endSeconds) ++t.playTick;
  t.playSeconds += seconds;
  return t.recording[t.playTick].command;
}

// A tick that would carry the recording past its length is not kept, and ends it.
void Record(FighterCommand command, float seconds) {
  TrainingSession& t = Training;
  const float end = RecordedSeconds() + seconds;
  if (end > kRecordingSeconds + kRecordingSlack) return SetDummyMode(DummyMode::Stand);
  t.recording.push_back(RecordedTick{command, end});
  if (end >= kRecordingSeconds - kRecordingSlack) SetDummyMode(DummyMode::Stand);
}

void RefillLife() {
  for (int f = 0; f < 2; ++f) {
    FighterStatus& x = FighterStatuses[f];
    const bool comboOver = !FighterStatuses[1 - f].comboActive;
    const bool paused = Training.refill == LifeRefill::AfterCombo && comboOver &&
                        Training.unhurtSeconds[f] > kRefillPauseSeconds;
    if (x.life < 0.0f || (paused && x.life < kFullLife)) x.life = kFullLife;
  }
}

void ReadBlow(float damage) {
  TrainingReadout& r = Training.readout;
  const FighterStatus& attacker = FighterStatuses[0];
  r.lastStrikeKind = attacker.attackKind;
  r.lastDamage = damage;
  r.lastBlocked = FighterStatuses[1].blocking;
  r.comboHits = attacker.comboActive ? attacker.comboHits : 0;
  r.comboDamage = (attacker.comboActive && attacker.comboHits > 1) ? r.comboDamage + damage : damage;
}

}  // namespace

const char* DummyModeName(DummyMode mode) {
  static constexpr const char* kNames[kDummyModeCount] = {
      "STAND", "BLOCK ALWAYS", "BLOCK AFTER FIRST HIT", "WALK FORWARD", "WALK BACK",
      "COMPUTER", "RECORD", "PLAY ONCE", "PLAY LOOP"};
  const int i = static_cast<int>(mode);
  return (i >= 0 && i < kDummyModeCount) ? kNames[i] : "";
}

void StartTraining(const TrainingSetup& setup) {
  TrainingSession& t = Training;
  const DummyMode dummy = t.dummy;
  const LifeRefill refill = t.refill;
  const int level = t.computerLevel;
  const int temperament = t.computerTemperament;
  t = TrainingSession{};
  t.refill = refill;
  t.computerLevel = level;
  t.computerTemperament = temperament;
  t.active = true;
  KnockoutsSuspended = true;

  MatchState.gameMode = TwoPlayers;
  MatchState.character[0] = setup.characters[0];
  MatchState.character[1] = setup.characters[1];
  MatchState.arena = setup.arena;
  PrepareFightStart();
  StartFight(setup.arena, setup.seed);
  // No round intro: the fighters may act at once.
  MatchState.introActive = false;
  MatchState.RoundClock = 0.0f;
  MatchState.fightLive = true;
  SaveFightState(t.resetPoint);
  SetDummyMode(dummy == DummyMode::Record ? DummyMode::Stand : dummy);
}

float RecordedSeconds() { return Training.recording.empty() ? 0.0f : Training.recording.back().endSeconds; }

FighterCommand DummyCommand(FighterCommand player, float step) {
  TrainingSession& t = Training;
  switch (t.dummy) {
    case DummyMode::Stand:
    case DummyMode::Computer:
      return FighterCommand{};
    case DummyMode::BlockAlways:
      return Holding(FightInput::Block);
    case DummyMode::BlockAfterFirstHit:
      return t.blockSeconds > 0.0f ? Holding(FightInput::Block) : FighterCommand{};
    case DummyMode::WalkForward:
      return Holding(FightInput::Forward);
    case DummyMode::WalkBack:
      return Holding(FightInput::Back);
    case DummyMode::Record:
      return player;
    case DummyMode::PlayOnce:
      return NextRecorded(false, Seconds(step));
    case DummyMode::PlayLoop:
      return NextRecorded(true, Seconds(step));
  }
  return FighterCommand{};
}

void TrainingTick(FighterCommand player, float step, bool simulate) {
  TrainingSession& t = Training;
  const bool recording = t.dummy == DummyMode::Record;
  FighterCommand commands[2];
  commands[0] = recording ? FighterCommand{} : player;
  if (simulate) {
    commands[1] = DummyCommand(player, step);
    if (recording) Record(player, Seconds(step));
  }
  const float lifeBefore[2] = {FighterStatuses[0].life, FighterStatuses[1].life};
  FightTick(commands, step, simulate);

  for (int f = 0; f < 2; ++f) {
    const float damage = lifeBefore[f] - FighterStatuses[f].life;
    if (damage > 0.0f) {
      t.unhurtSeconds[f] = 0.0f;
      if (f == 1) ReadBlow(damage);
    } else {
      t.unhurtSeconds[f] += Seconds(step);
    }
  }
  if (t.unhurtSeconds[1] == 0.0f) {
    t.blockSeconds = kBlockAfterHitSeconds;
  } else if (t.blockSeconds > 0.0f) {
    t.blockSeconds -= Seconds(step);
  }
  RefillLife();
  // The overlays show the refilled life.
  ShownFight.status[0].life = FighterStatuses[0].life;
  ShownFight.status[1].life = FighterStatuses[1].life;
}

void SetDummyMode(DummyMode mode) {
  TrainingSession& t = Training;
  t.dummy = mode;
  t.playSeconds = 0.0f;
  t.playTick = 0;
  t.blockSeconds = 0.0f;
  if (mode == DummyMode::Record) t.recording.clear();
  // The computer plays its career fight at the chosen level and temperament; every other dummy is
  // a second player.
  MatchState.gameMode = mode == DummyMode::Computer ? Career : TwoPlayers;
  if (mode == DummyMode::Computer) MatchState.difficulty = t.computerLevel;
  ChosenComputerTemperament = mode == DummyMode::Computer ? t.computerTemperament : 0;
}

void ResetTraining() {
  TrainingSession& t = Training;
  const GameMode mode = static_cast<GameMode>(MatchState.gameMode);
  const int level = MatchState.difficulty;
  RestoreFightState(t.resetPoint);
  MatchState.gameMode = mode;  // the dummy chosen since the save stays
  MatchState.difficulty = level;
  t.playSeconds = 0.0f;
  t.playTick = 0;
  t.blockSeconds = 0.0f;
  t.unhurtSeconds[0] = t.unhurtSeconds[1] = 0.0f;
  t.readout = TrainingReadout{};
}

void SaveTrainingResetPoint() { SaveFightState(Training.resetPoint); }

void EndTraining(bool toMenus) {
  if (!Training.active) return;
  Training.active = false;
  KnockoutsSuspended = false;
  ChosenComputerTemperament = 0;
  EndFight(toMenus);
}
