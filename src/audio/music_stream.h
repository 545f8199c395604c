#pragma once

#include <cstdint>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "audio/vorbis_decoder.h"

// An Ogg Vorbis track streamed into one OpenAL source through two queued buffers that are refilled
// as they finish; at the end of the file the decoder seeks back to the start, so the track loops.
class MusicStream {
 public:
  static constexpr int kBufferCount = 2;
  static constexpr int kChunkBytes = 262144;  // one refill: about 1.5 s of 44.1 kHz stereo
  // The next chunk is decoded ahead, this much per Update (a sixteenth: done within 16 frames, long
  // before the 1.5 s a buffer plays), so that no frame pays for a whole chunk (about 3 ms).
  static constexpr int kDecodeStepBytes = kChunkBytes / 16;

  MusicStream();
  virtual ~MusicStream();
  MusicStream(const MusicStream&) = delete;
  MusicStream& operator=(const MusicStream&) = delete;

  // Creates the source and the decoder and queues the first two chunks; the source stays stopped
  // at gain 0. False for a missing file, a file that is not Ogg Vorbis, or no audio device.
  bool Open(const char* track);
  // Refills and requeues the finished buffers, then decodes a step of the next chunk; once per
  // frame for the music of the current screen.
  void Update();
  void Play();
  void Stop();
  // Stops and goes back to the start of the track.
  void Rewind();
  void SetGain(float gain);
  bool IsPlaying() const;
  // Stops, deletes the source and its buffers and closes the file; the stream can be opened again.
  void Release();

  bool IsOpen() const { return opened; }
  int Channels() const { return decoder.Channels(); }
  int SampleRate() const { return decoder.SampleRate(); }

  std::uint32_t sourceId = 0;  // copy of the source name, written last by a successful Open

 private:
  // Decodes up to `budget` more bytes of the next chunk, seeking back to the start at the end of
  // the file (a chunk ends early there); false for a damaged or empty file.
  bool DecodeAhead(int budget);
  // The next chunk, completed if need be, into the buffer; false when the stream gave up (a
  // damaged or empty file) and stopped.
  bool Refill(std::uint32_t bufferName);
  // Forgets the part of the next chunk decoded so far (before the decoder seeks).
  void DropDecodedAhead();
  void GiveUp();

  float velocity[3] = {0, 0, 0};
  float position[3] = {0, 0, 0};
  std::uint32_t source = 0;
  std::uint32_t buffers[kBufferCount] = {0, 0};
  VorbisDecoder decoder;
  std::vector<char> chunk;     // the next chunk, decoded ahead
  int decoded = 0;             // bytes of it so far
  bool chunkComplete = false;  // full, or the file's last and shorter piece
  std::ifstream file;
  std::string gamePath;  // of the open track, named if it turns out damaged
  bool opened = false;
  bool failed = false;  // the decoder gave up: the stream stays silent until released
  // Play was asked for and neither Stop nor Rewind followed: a source that ran dry during a long
  // frame is started again by the next Update instead of staying silent for good.
  bool playRequested = false;
};

// Format and rate of every buffer a MusicStream created; a released stream removes its own.
struct BufferInfo {
  std::uint32_t buffer = 0;
  int frequency = 0;
  int format = 0;
};
extern std::map<std::uint32_t, BufferInfo> BufferCache;

// Reads the OpenAL error state; on an error shows "OpenAL error: <text>" (caption "Error") and
// returns false.
bool CheckAlError();
