#include "audio/loopback.h"

#include <AL/alext.h>

#include <cmath>

LoopbackAudio::LoopbackAudio() {
  auto openLoopback = reinterpret_cast<LPALCLOOPBACKOPENDEVICESOFT>(
      alcGetProcAddress(nullptr, "alcLoopbackOpenDeviceSOFT"));
  if (!openLoopback) return;
  device = openLoopback(nullptr);
  if (!device) return;
  const ALCint attributes[] = {ALC_FORMAT_CHANNELS_SOFT, ALC_STEREO_SOFT, ALC_FORMAT_TYPE_SOFT,
                               ALC_FLOAT_SOFT, ALC_FREQUENCY, kRate, 0};
  context = alcCreateContext(device, attributes);
  if (!context) return;
  alcMakeContextCurrent(context);
  alDistanceModel(AL_INVERSE_DISTANCE);
  alGetError();
}

LoopbackAudio::~LoopbackAudio() {
  alcMakeContextCurrent(nullptr);
  if (context) alcDestroyContext(context);
  if (device) alcCloseDevice(device);
}

std::vector<float> LoopbackAudio::Render(int frames) {
  std::vector<float> mix(static_cast<size_t>(frames) * 2, 0.0f);
  auto render = reinterpret_cast<LPALCRENDERSAMPLESSOFT>(
      alcGetProcAddress(device, "alcRenderSamplesSOFT"));
  if (render && frames > 0) render(device, mix.data(), frames);
  return mix;
}

float Peak(const std::vector<float>& stereo) {
  float peak = 0.0f;
  for (float s : stereo) peak = std::max(peak, std::fabs(s));
  return peak;
}

float Rms(const std::vector<float>& stereo) {
  double sum = 0.0;
  for (float s : stereo) sum += double(s) * s;
  return stereo.empty() ? 0.0f : float(std::sqrt(sum / stereo.size()));
}

float ChannelRms(const std::vector<float>& stereo, int channel) {
  double sum = 0.0;
  size_t n = 0;
  for (size_t i = size_t(channel); i < stereo.size(); i += 2, ++n) sum += double(stereo[i]) * stereo[i];
  return n ? float(std::sqrt(sum / n)) : 0.0f;
}
