#pragma once

#include <vector>

// The band: every call renders one note or hit as mono floats at kMusicRate.
constexpr int kMusicRate = 44100;

std::vector<float> KickDrum(float punch);
std::vector<float> SnareDrum(float body, unsigned seed);
std::vector<float> HiHat(bool open, unsigned seed);
// A saw or square bass under a plucked filter, `seconds` long with a short release.
std::vector<float> BassNote(double midi, double seconds, bool square, float bite);
// A chord of detuned saws with a slow swell, rendered wide: returns left and right.
void PadChord(const std::vector<double>& midis, double seconds, float brightness,
              std::vector<float>& left, std::vector<float>& right);
// A short chord hit (the offbeat stabs of the faster tracks).
std::vector<float> ChordStab(const std::vector<double>& midis, double seconds);
// The lead voice: pulse or saw with delayed vibrato.
std::vector<float> LeadNote(double midi, double seconds, bool saw, float brightness);
