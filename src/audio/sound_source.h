#pragma once

#include <cstdint>

// One OpenAL source with one buffer holding a whole WAV sound. The game keeps a fixed set of named
// instances (audio.h). Without an open audio device, or with a missing file, every operation is a
// silent no-op.
class SoundSource {
 public:
  // Decodes the WAV file (freealut) into a fresh buffer on a fresh source. A missing or unreadable
  // file still creates the source, with an empty buffer, so it plays silence; returns false then.
  // Loading again first deletes what the record held.
  bool Load(const char* gamePath, bool loop);

  void SetPosition(float x, float y, float z, float vx, float vy, float vz);

  // Starts the sound from its beginning (restarts it if it is playing). Does nothing while the
  // sound switch of the Settings is off.
  void Play();
  void Stop();
  bool IsPlaying() const;

  // Deletes the source and then its buffer.
  void Delete();

  std::uint32_t sourceId = 0;  // copy of the source name, written last by Load
  int format = 0;              // OpenAL format of the decoded file
  int frequency = 0;           // Hz
  int size = 0;                // bytes of sample data
  std::uint32_t source = 0;
  std::uint32_t buffer = 0;
};
