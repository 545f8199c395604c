#pragma once

#include <string>
#include <vector>

// A track of the game's music, described by its feel; Compose turns it into stereo samples that
// loop without a seam.
struct TrackStyle {
  const char* file;      // "menu.ogg", "1.ogg", ...
  double bpm;
  int bars;              // 4/4; the track is bars × 4 beats long
  int rootMidi;          // key centre
  std::vector<int> scale;        // semitones of the mode above the root
  std::vector<int> progression;  // scale degree (0-based) of each bar's chord, repeated
  // Sixteen steps per bar: 'x' hit, 'o' open hat, 'g' ghost snare, '.' nothing.
  const char* kick;
  const char* snare;
  const char* hats;
  // Sixteen steps: 'r' root, 'o' octave, 'f' fifth, '.' rest (the previous note holds).
  const char* bass;
  bool squareBass;
  bool stabs;            // offbeat chord hits instead of a pad in the full sections
  bool sawLead;
  float brightness;      // 0..1, the filters' openness
  unsigned seed;         // the melody's dice
  // Per 4-bar block, which parts play: 'd' drums, 'b' bass, 'c' chords, 'l' lead, 'h' hats only.
  std::vector<std::string> arrangement;
};

// Vorbis quality of the encoded tracks: about 100 kbit/s, ample for synthesised music.
constexpr float kMusicQuality = 0.3f;

// Every track's integrated loudness, a few LU under the voices; the ceiling leaves room for the
// encoder's overshoot.
constexpr double kMusicLufs = -21.0;
constexpr double kMusicPeakCeilingDbtp = -2.5;

// Interleaved stereo at kMusicRate.
std::vector<float> Compose(const TrackStyle& style);

// The five tracks of the game, in file order.
const std::vector<TrackStyle>& GameTracks();
