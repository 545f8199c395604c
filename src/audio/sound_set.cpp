// The fixed set of named sounds and where they sit relative to the listener.
#include <AL/al.h>

#include "audio/audio.h"

SoundSource FootstepsOne;
SoundSource FootstepsTwo;
SoundSource HitSound;
SoundSource BlockSound;
SoundSource KnockoutVoiceMale;
SoundSource KnockoutVoiceFemale;
SoundSource PainVoiceMale;
SoundSource PainVoiceFemale;
SoundSource ComboSound;
SoundSource SuperComboSound;
SoundSource UltraComboSound;
SoundSource MenuClick;
SoundSource MenuHover;
SoundSource SlideInSound;

SoundSource* const FightSounds[kFightSoundCount] = {
    &FootstepsOne, &FootstepsTwo,        &HitSound,      &BlockSound,
    &KnockoutVoiceMale, &KnockoutVoiceFemale, &PainVoiceMale, &PainVoiceFemale,
    &ComboSound,   &SuperComboSound,     &UltraComboSound};

namespace {
struct StartupSound {
  SoundSource* sound;
  const char* path;
  bool loop;
};
// Start-up order; only the footsteps loop.
const StartupSound kStartupSounds[] = {
    {&FootstepsOne, ".\\base\\sound\\steps.wav", true},
    {&FootstepsTwo, ".\\base\\sound\\steps.wav", true},
    {&HitSound, ".\\base\\sound\\F1.wav", false},
    {&BlockSound, ".\\base\\sound\\F2.wav", false},
    {&KnockoutVoiceMale, ".\\base\\sound\\death1.wav", false},
    {&KnockoutVoiceFemale, ".\\base\\sound\\death2.wav", false},
    {&PainVoiceMale, ".\\base\\sound\\pain1.wav", false},
    {&PainVoiceFemale, ".\\base\\sound\\pain2.wav", false},
    {&ComboSound, ".\\base\\sound\\combo.wav", false},
    {&SuperComboSound, ".\\base\\sound\\scombo.wav", false},
    {&UltraComboSound, ".\\base\\sound\\ucombo.wav", false},
    {&MenuClick, ".\\base\\sound\\menu1.wav", false},
    {&MenuHover, ".\\base\\sound\\menu2.wav", false},
    {&SlideInSound, ".\\base\\sound\\menu3.wav", false},
};
}  // namespace

void LoadStartupSounds() {
  for (const StartupSound& s : kStartupSounds) s.sound->Load(s.path, s.loop);
}

void DeleteStartupSounds() {
  for (const StartupSound& s : kStartupSounds) s.sound->Delete();
}

void PlaceFightListener(const float position[3], const float velocity[3], const float at[3]) {
  const float orientation[6] = {at[0], at[1], at[2], 0.0f, 1.0f, 0.0f};
  alListenerfv(AL_POSITION, position);
  alListenerfv(AL_VELOCITY, velocity);
  alListenerfv(AL_ORIENTATION, orientation);
  // Straight above the listener every fight sound keeps one loudness and balance wherever the
  // fighters stand.
  for (SoundSource* sound : FightSounds) {
    sound->SetPosition(position[0], position[1] + 2.0f, position[2], 0.0f, 0.0f, 0.0f);
  }
}

void PlaceMenuListener() {
  const float origin[3] = {0.0f, 0.0f, 0.0f};
  const float velocity[3] = {1.0f, 0.0f, 0.0f};
  const float orientation[6] = {0.0f, 0.0f, 1.0f, 0.0f, 1.0f, 0.0f};
  alListenerfv(AL_POSITION, origin);
  alListenerfv(AL_VELOCITY, velocity);
  alListenerfv(AL_ORIENTATION, orientation);
  for (SoundSource* sound : {&MenuClick, &MenuHover, &SlideInSound}) {
    sound->SetPosition(0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f);
  }
}

void StopFightSounds() {
  for (SoundSource* sound : FightSounds) sound->Stop();
}
