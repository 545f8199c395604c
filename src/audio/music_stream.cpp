#include "audio/music_stream.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

#include "app/content_report.h"
#include "app/game_path.h"
#include "audio/audio.h"
#include "platform/platform.h"

std::map<std::uint32_t, BufferInfo> BufferCache;
// Defined after the cache in the same file, so they are destroyed before it at exit.
MusicStream MenuMusic;
MusicStream FightMusic;

bool CheckAlError() {
  const ALenum error = alGetError();
  if (error == AL_NO_ERROR) return true;
  const char* text = alGetString(error);
  const std::string message = std::string("OpenAL error: ") + (text ? text : "unknown");
  ShowMessageBox("Error", message.c_str(), MessageIcon::Exclamation);
  return false;
}

namespace {

bool HaveContext() { return alcGetCurrentContext() != nullptr; }

std::string UpperExtension(const std::string& path) {
  const auto dot = path.find_last_of('.');
  std::string ext = dot == std::string::npos ? std::string() : path.substr(dot + 1);
  for (char& c : ext) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return ext;
}

}  // namespace

MusicStream::MusicStream() = default;

MusicStream::~MusicStream() { Release(); }

bool MusicStream::Open(const char* track) {
  Release();
  if (!HaveContext()) return false;
  const std::string path = NativePath(track);
  {
    std::ifstream probe(path, std::ios::binary);
    if (!probe) {
      ReportContentProblem(track, ContentProblem::Missing);
      return false;
    }
  }
  if (UpperExtension(path) != "OGG") return false;  // the game streams nothing else

  alGetError();  // errors left by the sound effects are not ours to report
  alGenSources(1, &source);
  if (!CheckAlError()) {
    source = 0;
    return false;
  }
  alSourcef(source, AL_PITCH, 1.0f);
  alSourcef(source, AL_GAIN, 0.0f);
  alSourcefv(source, AL_POSITION, position);
  alSourcefv(source, AL_VELOCITY, velocity);
  alSourcei(source, AL_LOOPING, AL_FALSE);  // the stream loops itself

  file.open(path, std::ios::binary);
  if (!file || !decoder.Open(file)) {
    ReportContentProblem(track, ContentProblem::Damaged);
    Release();
    return false;
  }
  opened = true;
  gamePath = track;
  chunk.resize(kChunkBytes);
  const int channels = decoder.Channels(), sampleRate = decoder.SampleRate();
  const int alFormat = channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;

  alGenBuffers(kBufferCount, buffers);
  if (!CheckAlError()) {
    buffers[0] = buffers[1] = 0;
    Release();
    return false;
  }
  for (std::uint32_t name : buffers) BufferCache[name] = BufferInfo{name, sampleRate, alFormat};
  for (std::uint32_t name : buffers) {
    if (!Refill(name)) break;
    alSourceQueueBuffers(source, 1, &name);
    if (!CheckAlError()) break;
  }
  sourceId = source;
  return true;
}

bool MusicStream::DecodeAhead(int budget) {
  const int goal = std::min(kChunkBytes, decoded + budget);
  int emptyEnds = 0;  // ends of file with nothing decoded between them
  while (!chunkComplete && decoded < goal) {
    int got = 0;
    const VorbisDecoder::ChunkResult result = decoder.Decode(chunk.data() + decoded, goal - decoded, got);
    decoded += got;
    if (result == VorbisDecoder::ChunkResult::Broken) return false;
    if (result == VorbisDecoder::ChunkResult::EndOfFile) {
      // The chunk keeps the file's last, shorter piece; the next one starts from the beginning.
      // An end right at a chunk boundary goes on from the start at once rather than replay old audio.
      decoder.Rewind();
      if (decoded > 0) chunkComplete = true;
      else if (++emptyEnds >= 2) return false;  // a track without a single sample
    }
  }
  if (decoded == kChunkBytes) chunkComplete = true;
  return true;
}

void MusicStream::DropDecodedAhead() {
  decoded = 0;
  chunkComplete = false;
}

bool MusicStream::Refill(std::uint32_t bufferName) {
  if (!DecodeAhead(kChunkBytes)) {
    GiveUp();
    return false;
  }
  const auto entry = BufferCache.find(bufferName);
  const int alFormat = entry != BufferCache.end() ? entry->second.format : AL_FORMAT_STEREO16;
  const int rate = entry != BufferCache.end() ? entry->second.frequency : decoder.SampleRate();
  alBufferData(bufferName, alFormat, chunk.data(), decoded, rate);
  DropDecodedAhead();
  if (!CheckAlError()) {
    GiveUp();
    return false;
  }
  return true;
}

void MusicStream::GiveUp() {
  ReportContentProblem(gamePath.c_str(), ContentProblem::Damaged);
  alSourceStop(source);
  failed = true;
  playRequested = false;
}

void MusicStream::Update() {
  if (!opened || failed || !HaveContext()) return;
  alGetError();
  ALint processed = 0;
  alGetSourcei(source, AL_BUFFERS_PROCESSED, &processed);
  while (processed-- > 0) {
    ALuint name = 0;
    alSourceUnqueueBuffers(source, 1, &name);
    if (!CheckAlError()) return;
    if (!Refill(name)) return;
    alSourceQueueBuffers(source, 1, &name);
    if (!CheckAlError()) return;
  }
  if (!DecodeAhead(kDecodeStepBytes)) {
    GiveUp();
    return;
  }
  if (playRequested) {
    ALint state = AL_PLAYING;
    alGetSourcei(source, AL_SOURCE_STATE, &state);
    if (state == AL_STOPPED) alSourcePlay(source);
  }
}

void MusicStream::Play() {
  if (!opened || failed || !HaveContext()) return;
  alSourcePlay(source);
  playRequested = true;
}

void MusicStream::Stop() {
  playRequested = false;
  if (!opened || !HaveContext()) return;
  alSourceStop(source);
}

void MusicStream::Rewind() {
  playRequested = false;
  if (!opened || !HaveContext()) return;
  alSourceStop(source);
  if (failed) return;
  // Drop the queued audio as well, so a later Play starts with the first bars and not with
  // whatever was queued when the track was stopped.
  alSourcei(source, AL_BUFFER, 0);
  DropDecodedAhead();
  decoder.Rewind();
  alGetError();
  for (std::uint32_t name : buffers) {
    if (!Refill(name)) return;
    alSourceQueueBuffers(source, 1, &name);
    if (!CheckAlError()) return;
  }
  alSourceRewind(source);
}

void MusicStream::SetGain(float gain) {
  if (!opened || !HaveContext()) return;
  alSourcef(source, AL_GAIN, gain);
}

bool MusicStream::IsPlaying() const {
  if (!opened || !HaveContext()) return false;
  ALint state = AL_STOPPED;
  alGetSourcei(source, AL_SOURCE_STATE, &state);
  return state == AL_PLAYING;
}

void MusicStream::Release() {
  if (HaveContext()) {
    if (source && alIsSource(source)) {
      alSourceStop(source);
      alDeleteSources(1, &source);
    }
    // The game never reads a released stream's buffers again: free them, so that a fight per
    // minute does not grow the cache for as long as the game runs.
    for (std::uint32_t& name : buffers) {
      if (name && alIsBuffer(name)) alDeleteBuffers(1, &name);
    }
  }
  for (std::uint32_t& name : buffers) {
    if (name) BufferCache.erase(name);
    name = 0;
  }
  decoder.Close();
  chunk.clear();
  chunk.shrink_to_fit();
  DropDecodedAhead();
  file.clear();
  if (file.is_open()) file.close();
  source = 0;
  sourceId = 0;
  gamePath.clear();
  opened = false;
  failed = false;
  playRequested = false;
}
