// Writes small valid files of every kind the fuzz targets read, one folder per target:
//   fuzz_seeds <folder>
#include <stdlib.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>

#include "audio_common/ogg_writer.h"
#include "audio_common/wav_writer.h"
#include "app/game_options.h"
#include "app/match_runner.h"
#include "app/replay_recorder.h"
#include "app/replay_store.h"
#include "fight/fight.h"
#include "fight/headless_hooks.h"
#include "fight/roster.h"
#include "net/net_messages.h"
#include "render/sample_files.h"

namespace {

void Seed(const std::string& root, const std::string& target, const std::string& name, const Bytes& bytes) {
  const std::string folder = root + "/" + target;
  mkdir(root.c_str(), 0755);
  mkdir(folder.c_str(), 0755);
  WriteFile(folder + "/" + name, bytes);
}

// A short tone, for the sound and music seeds.
std::vector<float> Tone(int frames, int channels) {
  std::vector<float> samples;
  for (int i = 0; i < frames * channels; ++i) samples.push_back(0.5f * std::sin(0.07f * static_cast<float>(i / channels)));
  return samples;
}

Bytes TextBytes(const std::string& text) { return Bytes(text.begin(), text.end()); }

Bytes Paletted8BitBmp() {
  ByteWriter w;
  w.Text("BM", 2);
  w.U32(0), w.U32(0), w.U32(14 + 40 + 16);
  w.U32(40), w.I32(3), w.I32(2), w.U16(1), w.U16(8), w.U32(1);  // RLE8
  w.U32(0), w.U32(0), w.U32(0), w.U32(4), w.U32(0);
  for (unsigned i = 0; i < 4; ++i) w.U8(i * 60), w.U8(i * 40), w.U8(i * 20), w.U8(0);
  for (unsigned b : {3u, 1u, 0u, 0u, 0u, 3u, 1u, 2u, 3u, 0u, 0u, 1u}) w.U8(b);
  return w.bytes;
}

// The start of a real match, recorded and stored as the game does when a match is finished: a few
// hundred frames of random commands (fighter two is the computer's unless two players fight).
void SeedReplay(const std::string& root, const std::string& name, const MatchSetup& setup, int frames) {
  namespace fs = std::filesystem;
  const std::string dataHome = root + "/replay-store";
  ::setenv("XDG_DATA_HOME", dataHome.c_str(), 1);
  MatchRunner runner(setup);
  runner.Start();
  BeginReplayRecording();
  std::mt19937 random(setup.seed);
  FighterCommand commands[2];
  for (int frame = 0; frame < frames; ++frame) {
    if (frame % 7 == 0) {
      commands[0].held = static_cast<std::uint8_t>(random() % 64);
      commands[1].held = static_cast<std::uint8_t>(random() % 64);
    }
    RecordReplayFrame(setup.step, true, commands);
    if (!runner.RunFrame(commands)) break;
  }
  StoreFinishedReplay();
  EndFight(false);
  const std::string stored = NewestReplayPath();
  const std::string folder = root + "/fuzz_replay";
  fs::create_directories(folder);
  fs::rename(stored, folder + "/" + name);
  fs::remove_all(dataHome);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string root = argv[1];
  Bytes rgb;
  for (int i = 0; i < 5 * 3 * 3; ++i) rgb.push_back(static_cast<std::uint8_t>(i * 7));
  Seed(root, "fuzz_bmp", "rgb24.bmp", WriteBmp24(5, 3, rgb));
  Seed(root, "fuzz_bmp", "rle8.bmp", Paletted8BitBmp());
  Seed(root, "fuzz_tga", "rgb.tga", WriteTga(2, 2, 24, Bytes(12, 90)));
  Seed(root, "fuzz_tga", "rgba.tga", WriteTga(2, 1, 32, Bytes(8, 200)));
  Seed(root, "fuzz_bhm", "strip.bhm", WriteBhm(StripModel(3, 2)));
  SampleBhm skins = StripModel(2, 1);
  skins.meshes[0].skins = 1;
  skins.meshes.push_back(skins.meshes[0]);
  Seed(root, "fuzz_bhm", "two_meshes.bhm", WriteBhm(skins));
  Seed(root, "fuzz_animation_table", "animation.cfg", TextBytes(SampleAnimationTable()));
  Seed(root, "fuzz_animation_table", "both.cfg", TextBytes("0 5 0 20 // BOTH_DEATH\n5 5 5 15 // TORSO_ATTACK\n"));
  SampleMs3d grid = GridMs3d(1);
  grid.materials[0].texture = ".\\base\\maps\\1\\t.bmp";
  Seed(root, "fuzz_ms3d", "grid.ms3d", WriteMs3d(grid));
  Seed(root, "fuzz_shader_source", "shader.glsl",
       TextBytes("#version 110\nuniform vec4 lightPos;\nvoid main() { gl_FragColor = lightPos; }\n"));
  Seed(root, "fuzz_settings", "menu.inf", {1, 0, 0, 0, 32, 3, 0, 0, 88, 2, 0, 0, 32, 0, 0, 0, 24, 0, 0, 0, 1, 0, 0, 0});
  Seed(root, "fuzz_bindings", "controls.cfg",
       TextBytes("# Brelloch controls\none.forward.key=B\none.forward.pad=DpadRight\none.block.key=Space\n"
                 "one.head.pad=X\ntwo.back.key=Right\ntwo.leg.pad=LeftTrigger\nsingle-pad=fighter-one\n"));
  GameOptions options;
  Seed(root, "fuzz_options", "default.cfg", TextBytes(GameOptionsText(options)));
  options.windowed = 1;
  options.onlineInputDelay = 0;
  Seed(root, "fuzz_options", "windowed.cfg", TextBytes("# by hand\r\n" + GameOptionsText(options) + "vsync = 0\n"));
  Seed(root, "fuzz_career", "fight.inf", {3, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0});
  const std::string wav = root + "/fuzz_wav", ogg = root + "/fuzz_ogg";
  mkdir(wav.c_str(), 0755);
  mkdir(ogg.c_str(), 0755);
  WriteWav16(wav + "/mono.wav", 22050, 1, Tone(300, 1));
  WriteWav16(wav + "/stereo.wav", 44100, 2, Tone(200, 2));
  WriteOggVorbis(ogg + "/mono.ogg", 22050, 1, Tone(4000, 1));
  WriteOggVorbis(ogg + "/stereo.ogg", 44100, 2, Tone(3000, 2));
  InputsMessage inputs;
  inputs.firstTick = 30;
  inputs.commands = {0, 1, 3, 17};
  Seed(root, "fuzz_net_message", "inputs", EncodeInputs(inputs));
  Seed(root, "fuzz_net_message", "hello", EncodeHello({kNetProtocolVersion, "1.0.0", 99}));
  Seed(root, "fuzz_net_message", "hash", EncodeStateHash({60, 12345}));
  HeadlessFightHooks quietHooks;
  SetFightHooks(&quietHooks);
  LoadRoster();
  MatchSetup quick;
  quick.seed = 7;
  SeedReplay(root, "quick.replay", quick, 400);
  MatchSetup twoPlayers;
  twoPlayers.gameMode = 2;
  twoPlayers.arena = 5;
  twoPlayers.characters[0] = 6;
  twoPlayers.characters[1] = 3;
  twoPlayers.step = 2.5f;
  twoPlayers.seed = 31337;
  SeedReplay(root, "two_players.replay", twoPlayers, 250);
  SetFightHooks(nullptr);
  return 0;
}
