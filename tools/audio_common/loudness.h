#pragma once

#include <vector>

// EBU R128 measures through libebur128: integrated loudness (LUFS) and true peak (dBTP) of
// interleaved float samples in -1..1.
double IntegratedLoudness(const std::vector<float>& samples, int rate, int channels);
double TruePeakDb(const std::vector<float>& samples, int rate, int channels);
// The loudest 400 ms of a short sound (momentary loudness, LUFS), the measure of effects too short
// for the integrated one; sounds under 400 ms count as if followed by silence.
double MaxMomentaryLoudness(const std::vector<float>& samples, int rate, int channels);

// Turns a sound down, if need be, until its true peak is below `ceilingDbtp`.
void CapTruePeak(std::vector<float>& samples, int rate, int channels, double ceilingDbtp);

// Brings a recording to `targetLufs` with its true peak below `ceilingDbtp`: a gain, then a smooth
// peak limiter where the gain would push peaks over the ceiling, repeated until both hold.
void NormalizeLoudness(std::vector<float>& samples, int rate, int channels, double targetLufs,
                       double ceilingDbtp);
