// The audio device: opened once at start-up, closed at exit.
#include <AL/al.h>
#include <AL/alc.h>
#include <AL/efx.h>

#include "audio/audio.h"

namespace {
ALCdevice* Device = nullptr;
ALCcontext* Context = nullptr;
std::string OpenError;
}  // namespace

const std::string& AudioOpenError() { return OpenError; }

bool AudioIsOpen() { return Context != nullptr; }

bool OpenAudio() {
  if (Context) return true;
  OpenError.clear();
  // The default output device: the named 3D device of other platforms does not exist here.
  Device = alcOpenDevice(nullptr);
  if (!Device) {
    OpenError = "Unable to open an OpenAL output device (is there a sound card or sound server?)";
    return false;
  }
  // No effect sends: the game uses none, and each of the context's voices would carry their state.
  const ALCint attributes[] = {ALC_MAX_AUXILIARY_SENDS, 0, 0};
  Context = alcCreateContext(Device, attributes);
  if (!Context || !alcMakeContextCurrent(Context)) {
    OpenError = "Unable to create an OpenAL context on the output device";
    if (Context) alcDestroyContext(Context);
    Context = nullptr;
    alcCloseDevice(Device);
    Device = nullptr;
    return false;
  }
  alGetError();

  LoadStartupSounds();
  MenuMusic.Open(".\\base\\music\\menu.ogg");
  alDistanceModel(AL_INVERSE_DISTANCE);
  return true;
}

void CloseAudio() {
  if (!Context) return;
  DeleteStartupSounds();
  StoryMonolog.Delete();
  FightMonolog.Delete();
  MenuMusic.Release();
  FightMusic.Release();
  alcMakeContextCurrent(nullptr);
  alcDestroyContext(Context);
  alcCloseDevice(Device);
  Context = nullptr;
  Device = nullptr;
}
