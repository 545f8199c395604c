#pragma once

#include <istream>
#include <memory>

// An Ogg Vorbis stream decoded to 16-bit signed little-endian PCM, read through a std::istream the
// caller keeps open (the music's file, or bytes in memory for the fuzz target). No OpenAL here.
class VorbisDecoder {
 public:
  enum class ChunkResult { Filled, EndOfFile, Broken };
  // A damaged file can make the decoder report holes forever; after this many failed reads in a
  // row the chunk counts as broken.
  static constexpr int kMaxFailedReads = 32;

  VorbisDecoder();
  ~VorbisDecoder();
  VorbisDecoder(const VorbisDecoder&) = delete;
  VorbisDecoder& operator=(const VorbisDecoder&) = delete;

  // False for input that is not Ogg Vorbis or has other than one or two channels or no rate.
  bool Open(std::istream& input);
  // Decodes up to `bytes` into `into`; bytesRead tells how much was written.
  ChunkResult Decode(char* into, int bytes, int& bytesRead);
  // Back to the first sample.
  void Rewind();
  void Close();

  bool IsOpen() const { return state != nullptr; }
  int Channels() const { return channels; }
  int SampleRate() const { return sampleRate; }

 private:
  struct State;
  std::unique_ptr<State> state;
  int channels = 0;
  int sampleRate = 0;
};
