#include "music/composer.h"

#include <algorithm>
#include <cmath>

#include "audio_common/dsp.h"
#include "audio_common/loudness.h"
#include "music/instruments.h"
#include "music/loop_mix.h"

namespace {

const std::vector<int> kMinor = {0, 2, 3, 5, 7, 8, 10};
const std::vector<int> kDorian = {0, 2, 3, 5, 7, 9, 10};
const std::vector<int> kPhrygian = {0, 1, 3, 5, 7, 8, 10};

// Semitone of scale degree `d` (any integer; degrees past the scale climb octaves).
int Degree(const std::vector<int>& scale, int d) {
  const int n = int(scale.size());
  const int octave = (d >= 0 ? d / n : -((-d + n - 1) / n));
  return scale[size_t(d - octave * n)] + 12 * octave;
}

std::vector<double> ChordNotes(const TrackStyle& s, int degree, int baseMidi, int count) {
  std::vector<double> notes;
  for (int k = 0; k < count; ++k) notes.push_back(baseMidi + Degree(s.scale, degree + 2 * k));
  return notes;
}

// The lead's rhythms over two bars (32 sixteenths): onset steps.
const std::vector<std::vector<int>> kRhythms = {
    {0, 3, 6, 8, 12, 14, 16, 19, 22, 24},
    {0, 4, 6, 10, 12, 16, 20, 22, 26, 28},
    {0, 2, 4, 8, 11, 14, 16, 18, 24},
    {0, 6, 8, 12, 16, 22, 24, 26, 28},
};

struct Note {
  int step;    // sixteenth within the phrase
  int length;  // sixteenths
  int degree;  // scale degree above the lead's base
};

// A two-bar motif: the rhythm from the dice, pitches that walk by small steps and land on chord
// tones on the strong beats.
std::vector<Note> Motif(Noise& dice, const std::vector<int>& chordDegrees) {
  const std::vector<int>& rhythm = kRhythms[size_t(dice.Unit() * 3.999)];
  std::vector<Note> notes;
  int degree = 2 + int(dice.Unit() * 4.0);
  for (size_t k = 0; k < rhythm.size(); ++k) {
    const int step = rhythm[k];
    const int next = k + 1 < rhythm.size() ? rhythm[k + 1] : 32;
    const int move = int(std::lround(dice.Next() * 2.2));
    degree = std::clamp(degree + move, 0, 9);
    if (step % 8 == 0) {
      // Strong beat: the nearest tone of the bar's chord.
      const int chord = chordDegrees[size_t(step / 16)];
      int best = degree, bestDistance = 99;
      for (int c = chord - 7; c <= chord + 14; c += 2) {
        if ((c - chord) % 7 == 0 || (c - chord) % 7 == 2 || (c - chord) % 7 == 4) {
          if (std::abs(c - degree) < bestDistance && c >= 0 && c <= 10) {
            best = c;
            bestDistance = std::abs(c - degree);
          }
        }
      }
      degree = best;
    }
    notes.push_back({step, std::min(next - step, 6), degree});
  }
  return notes;
}

// The same motif with its tail sung anew: the answer to a phrase.
std::vector<Note> Vary(std::vector<Note> motif, Noise& dice) {
  for (size_t k = motif.size() > 3 ? motif.size() - 3 : 0; k < motif.size(); ++k) {
    motif[k].degree = std::clamp(motif[k].degree + int(std::lround(dice.Next() * 2.5)), 0, 10);
  }
  motif.back().length = std::max(motif.back().length, 4);
  return motif;
}

bool Has(const std::string& parts, char part) { return parts.find(part) != std::string::npos; }

}  // namespace

std::vector<float> Compose(const TrackStyle& s) {
  const double stepSeconds = 60.0 / s.bpm / 4.0;
  const auto frameOf = [&](int step) { return size_t(std::llround(step * stepSeconds * kMusicRate)); };
  const int totalSteps = s.bars * 16;
  LoopMix mix(frameOf(totalSteps));
  Noise dice(s.seed);

  const std::vector<float> kick = KickDrum(0.8f);
  const std::vector<float> snare = SnareDrum(0.6f, s.seed + 1);
  const std::vector<float> ghost = SnareDrum(0.2f, s.seed + 2);
  const std::vector<float> closedHat = HiHat(false, s.seed + 3);
  const std::vector<float> openHat = HiHat(true, s.seed + 4);

  // The melody: two eight-bar tunes (a verse and a chorus), each planned A A' B A'' in two-bar
  // phrases, taking turns every eight bars wherever the arrangement has a lead.
  std::vector<std::vector<Note>> phrases;
  for (int tune = 0; tune < 2; ++tune) {
    std::vector<int> chords;
    for (int bar = 0; bar < 8; ++bar) chords.push_back(s.progression[size_t(bar) % s.progression.size()]);
    const std::vector<Note> a = Motif(dice, {chords[0], chords[1]});
    const std::vector<Note> b = Motif(dice, {chords[4], chords[5]});
    for (const std::vector<Note>& phrase : {a, Vary(a, dice), b, Vary(a, dice)}) phrases.push_back(phrase);
  }
  const int leadBase = s.rootMidi + 12;

  for (int bar = 0; bar < s.bars; ++bar) {
    const std::string& parts = s.arrangement[size_t(bar / 4) % s.arrangement.size()];
    const int chordDegree = s.progression[size_t(bar) % s.progression.size()];
    const int barStep = bar * 16;
    const bool fillBar = bar % 8 == 7;  // a drum fill closes every eight bars, the last one too

    for (int step = 0; step < 16; ++step) {
      const size_t at = frameOf(barStep + step);
      if (Has(parts, 'd')) {
        if (s.kick[step] == 'x') mix.Add(at, kick, 0.9f, 0.0f);
        const char sn = fillBar && step >= 12 ? 'x' : s.snare[step];
        if (sn == 'x') mix.Add(at, snare, fillBar && step >= 12 ? 0.45f + 0.05f * float(step - 12) : 0.6f, 0.05f);
        if (sn == 'g') mix.Add(at, ghost, 0.2f, 0.05f);
      }
      if (Has(parts, 'd') || Has(parts, 'h')) {
        if (s.hats[step] == 'x') mix.Add(at, closedHat, step % 4 == 0 ? 0.15f : 0.09f, 0.35f);
        if (s.hats[step] == 'o') mix.Add(at, openHat, 0.11f, 0.35f);
      }
      if (Has(parts, 'b') && s.bass[step] != '.') {
        int hold = 1;
        while (step + hold < 16 && s.bass[step + hold] == '.' && hold < 4) ++hold;
        const int root = s.rootMidi - 24 + Degree(s.scale, chordDegree);
        const double note = s.bass[step] == 'o' ? root + 12 : s.bass[step] == 'f' ? root + 7 : root;
        mix.Add(at, BassNote(note, hold * stepSeconds * 0.9, s.squareBass, 0.4f + 0.6f * s.brightness), 0.55f, 0.0f);
      }
      if (Has(parts, 'c') && s.stabs && step % 4 == 2) {
        mix.Add(at, ChordStab(ChordNotes(s, chordDegree, s.rootMidi, 3), stepSeconds * 1.5), 0.35f, step % 8 == 2 ? -0.3f : 0.3f);
      }
    }
    if (Has(parts, 'c') && (!s.stabs || !Has(parts, 'd'))) {
      std::vector<float> l, r;
      PadChord(ChordNotes(s, chordDegree, s.rootMidi, 4), 16 * stepSeconds, s.brightness, l, r);
      mix.AddStereo(frameOf(barStep), l, r, 0.5f);
    }
    if (Has(parts, 'l') && bar % 2 == 0) {
      const std::vector<Note>& phrase = phrases[size_t(bar / 2) % phrases.size()];  // 16 bars round
      for (const Note& note : phrase) {
        const double midi = leadBase + Degree(s.scale, note.degree);
        mix.Add(frameOf(barStep + note.step), LeadNote(midi, note.length * stepSeconds * 0.92, s.sawLead, s.brightness),
                0.3f, -0.15f);
      }
    }
  }
  mix.PingPongEcho(frameOf(3), 0.35f, 0.18f);  // a dotted eighth
  // The file starts a moment before the first downbeat, inside the tail of the last bar, so the
  // loop point falls where the sound runs on smoothly rather than on a drum hit.
  mix.Rotate(size_t(0.02 * kMusicRate));
  // Under the effects and the voices, and every track as loud as the others (EBU R128).
  std::vector<float> track = mix.Master(0.08f, 0.6f);
  NormalizeLoudness(track, kMusicRate, 2, kMusicLufs, kMusicPeakCeilingDbtp);
  return track;
}

const std::vector<TrackStyle>& GameTracks() {
  static const std::vector<TrackStyle> kTracks = {
      // The menus: slow and moody, the city at night.
      {"menu.ogg", 92, 32, 57, kMinor, {0, 5, 2, 6}, "x.....x...x.....", "....x.......x...",
       "x.x.x.x.x.x.x.xo", "r.....r...f.o...", false, false, false, 0.35f, 101,
       {"dbc", "dbcl", "dbcl", "hc", "dbcl", "dbc", "dbcl", "dbcl"}},
      // Fight 1: four on the floor, urgent.
      {"1.ogg", 128, 40, 52, kMinor, {0, 0, 5, 6}, "x...x...x...x...", "....x.......x...",
       "xxoxxxoxxxoxxxox", "r.o.r.o.r.o.f.o.", false, true, false, 0.7f, 202,
       {"db", "dbc", "dbcl", "dbcl", "hbc", "dbcl", "dbcl", "dbc", "dbcl", "dbcl"}},
      // Fight 2: a street-corner funk.
      {"2.ogg", 108, 32, 50, kDorian, {0, 3}, "x..x..x...x..x..", "....x..g.g..x..g",
       "x.xxx.xxx.xox.xx", "r..r..o.r..f.o..", true, false, false, 0.55f, 303,
       {"db", "dbc", "dbcl", "dbcl", "hbc", "dbcl", "dbcl", "dbc"}},
      // Fight 3: fast and dark.
      {"3.ogg", 145, 48, 54, kPhrygian, {0, 1, 0, 6}, "x...x...x...x.x.", "....x.......x...",
       "x.x.x.x.x.x.x.xo", "r.rrr.rrr.rrf.o.", false, true, true, 0.8f, 404,
       {"db", "dbc", "dbcl", "dbcl", "dbcl", "hbc", "dbcl", "dbcl", "dbc", "dbcl", "dbcl", "dbc"}},
      // Fight 4: heavy half-time.
      {"4.ogg", 96, 28, 48, kMinor, {0, 6, 5, 4}, "x.......x.x.....", "........x.......",
       "x.x.x.x.x.x.x.x.", "r.......r.f.....", true, false, true, 0.5f, 505,
       {"dbc", "dbcl", "dbcl", "hc", "dbcl", "dbcl", "dbc"}},
  };
  return kTracks;
}
