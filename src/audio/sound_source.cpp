#include "audio/sound_source.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <AL/alut.h>

#include <cstdlib>
#include <fstream>
#include <string>

#include "app/content_report.h"
#include "app/game_path.h"
#include "app/settings.h"

namespace {
bool HaveContext() { return alcGetCurrentContext() != nullptr; }

// The WAV loader needs the toolkit started; it holds nothing without a context of its own, so it
// stays started until exit.
bool StartWavLoader() {
  static const bool started = alutInitWithoutContext(nullptr, nullptr) == AL_TRUE;
  return started;
}
}  // namespace

bool SoundSource::Load(const char* gamePath, bool loop) {
  Delete();
  if (!HaveContext() || !StartWavLoader()) return false;

  const std::string path = NativePath(gamePath);
  ALenum fileFormat = AL_FORMAT_MONO16;
  ALsizei fileSize = 0;
  ALfloat fileFrequency = 22050.0f;
  // The loop flag a WAV file may carry is ignored: the caller decides.
  void* data = alutLoadMemoryFromFile(path.c_str(), &fileFormat, &fileSize, &fileFrequency);
  if (!data) {
    ReportContentProblem(gamePath, std::ifstream(path) ? ContentProblem::Damaged : ContentProblem::Missing);
    fileFormat = AL_FORMAT_MONO16;
    fileSize = 0;
    fileFrequency = 22050.0f;
  }
  format = fileFormat;
  size = fileSize;
  frequency = static_cast<int>(fileFrequency);

  alGenSources(1, &source);
  alGenBuffers(1, &buffer);
  if (data) {
    alBufferData(buffer, format, data, size, frequency);
    std::free(data);
  }
  alSourcei(source, AL_BUFFER, static_cast<ALint>(buffer));

  alSourcef(source, AL_PITCH, 1.0f);
  alSourcei(source, AL_LOOPING, loop ? AL_TRUE : AL_FALSE);
  // Every sound sits 2 units from the listener, where the inverse-distance law with reference
  // distance 10 would ask for gain 5: the cap makes them all play at 0.8.
  alSourcef(source, AL_MAX_GAIN, 0.8f);
  alSourcef(source, AL_MAX_DISTANCE, 8.0f);
  alSourcef(source, AL_REFERENCE_DISTANCE, 10.0f);
  sourceId = source;
  return data != nullptr;
}

void SoundSource::SetPosition(float x, float y, float z, float vx, float vy, float vz) {
  if (!source) return;
  alSource3f(source, AL_POSITION, x, y, z);
  alSource3f(source, AL_VELOCITY, vx, vy, vz);
}

void SoundSource::Play() {
  if (!source || !Settings.soundOn) return;
  alSourcePlay(source);
}

void SoundSource::Stop() {
  if (!source) return;
  alSourceStop(source);
}

bool SoundSource::IsPlaying() const {
  if (!sourceId) return false;
  ALint state = AL_STOPPED;
  alGetSourcei(sourceId, AL_SOURCE_STATE, &state);
  return state == AL_PLAYING;
}

void SoundSource::Delete() {
  // Records are reset even when the device went away first, so nothing is deleted twice.
  if (source && HaveContext()) {
    alDeleteSources(1, &source);
    alDeleteBuffers(1, &buffer);
  }
  sourceId = 0;
  source = 0;
  buffer = 0;
  format = 0;
  frequency = 0;
  size = 0;
}
