// Content kind "sounds": base/sound/*.wav, the fourteen start-up sounds of the game.
#include <filesystem>

#include "audio_common/loudness.h"
#include "audio_common/wav_writer.h"
#include "common/content_registry.h"
#include "sounds/sound_effects.h"

namespace {
// True peaks between samples must not clip on the way to the speakers.
constexpr double kEffectPeakCeilingDbtp = -1.5;

void WriteSounds(const std::filesystem::path& baseDir) {
  const std::filesystem::path dir = baseDir / "sound";
  std::filesystem::create_directories(dir);
  const auto write = [&](const char* name, std::vector<float> samples) {
    CapTruePeak(samples, kEffectRate, 1, kEffectPeakCeilingDbtp);
    WriteWav16(dir / name, kEffectRate, 1, samples);
  };
  write("steps.wav", FootstepLoop());
  write("F1.wav", LandedHit());
  write("F2.wav", BlockedHit());
  write("death1.wav", KnockoutCry(false));
  write("death2.wav", KnockoutCry(true));
  write("pain1.wav", PainGrunt(false));
  write("pain2.wav", PainGrunt(true));
  write("combo.wav", ComboJingle(1));
  write("scombo.wav", ComboJingle(2));
  write("ucombo.wav", ComboJingle(3));
  write("menu1.wav", MenuClickSound());
  write("menu2.wav", MenuHoverSound());
  write("menu3.wav", SlideInWhoosh());
}
}  // namespace

REGISTER_CONTENT_KIND(sounds, WriteSounds);
