#pragma once

#include <AL/al.h>
#include <AL/alc.h>

#include <cstdint>
#include <vector>

// An OpenAL Soft loopback device made current for the test's lifetime: no backend, and the mix is
// rendered into memory on request, so a test hears exactly what the game played.
class LoopbackAudio {
 public:
  static constexpr int kRate = 44100;
  LoopbackAudio();
  ~LoopbackAudio();
  LoopbackAudio(const LoopbackAudio&) = delete;
  LoopbackAudio& operator=(const LoopbackAudio&) = delete;

  bool ok() const { return context != nullptr; }
  // Renders the next `frames` stereo frames; returns them interleaved, as -1..1.
  std::vector<float> Render(int frames);

 private:
  ALCdevice* device = nullptr;
  ALCcontext* context = nullptr;
};

// Mix analysis over interleaved stereo.
float Peak(const std::vector<float>& stereo);
float Rms(const std::vector<float>& stereo);
float ChannelRms(const std::vector<float>& stereo, int channel);
