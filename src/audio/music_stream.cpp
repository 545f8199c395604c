#include "audio/music_stream.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

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

// The decoder reads through the stream's own file.
size_t ReadFile(void* into, size_t size, size_t count, void* stream) {
  auto* file = static_cast<std::ifstream*>(stream);
  if (size == 0) return 0;
  file->read(static_cast<char*>(into), static_cast<std::streamsize>(size * count));
  return static_cast<size_t>(file->gcount()) / size;
}

int SeekFile(void* stream, ogg_int64_t offset, int whence) {
  auto* file = static_cast<std::ifstream*>(stream);
  file->clear();  // a read that hit the end must not make the seek fail
  switch (whence) {
    case SEEK_SET: file->seekg(offset, std::ios::beg); break;
    case SEEK_CUR: file->seekg(offset, std::ios::cur); break;
    case SEEK_END: file->seekg(offset, std::ios::end); break;
    default: return -1;
  }
  return file->good() ? 0 : -1;
}

int CloseFile(void*) { return 0; }  // the stream closes its file itself, in Release

long TellFile(void* stream) {
  auto* file = static_cast<std::ifstream*>(stream);
  file->clear();
  return static_cast<long>(file->tellg());
}

}  // namespace

struct MusicStream::Decoder {
  OggVorbis_File vorbis{};
  std::vector<char> chunk = std::vector<char>(kChunkBytes);  // the next chunk, decoded ahead
  int decoded = 0;        // bytes of it so far
  bool complete = false;  // full, or the file's last and shorter piece
  int failedReads = 0;    // in a row
  int emptyEnds = 0;      // ends of file in a row with nothing decoded between them
};

MusicStream::MusicStream() = default;

MusicStream::~MusicStream() { Release(); }

bool MusicStream::Open(const char* gamePath) {
  Release();
  if (!HaveContext()) return false;
  const std::string path = NativePath(gamePath);
  {
    std::ifstream probe(path, std::ios::binary);
    if (!probe) return false;
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
  auto state = std::make_unique<Decoder>();
  const ov_callbacks callbacks = {ReadFile, SeekFile, CloseFile, TellFile};
  if (!file || ov_open_callbacks(&file, &state->vorbis, nullptr, 0, callbacks) < 0) {
    // vorbisfile has already cleaned up after a failed open
    Release();
    return false;
  }
  decoder = std::move(state);
  opened = true;

  const vorbis_info* info = ov_info(&decoder->vorbis, -1);
  channels = info ? info->channels : 0;
  sampleRate = info ? static_cast<int>(info->rate) : 0;
  if (channels < 1 || channels > 2 || sampleRate <= 0) {
    Release();
    return false;
  }
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
  Decoder& d = *decoder;
  const int goal = std::min(kChunkBytes, d.decoded + budget);
  while (!d.complete && d.decoded < goal) {
    int bitstream = 0;
    const long got = ov_read(&d.vorbis, d.chunk.data() + d.decoded, goal - d.decoded, 0 /* little-endian */,
                             2 /* 16-bit */, 1 /* signed */, &bitstream);
    if (got > 0) {
      d.decoded += static_cast<int>(got);
      d.failedReads = 0;
      d.emptyEnds = 0;
    } else if (got == 0) {
      // The chunk keeps the file's last, shorter piece; the next one starts from the beginning.
      // An end right at a chunk boundary goes on from the start at once rather than replay old audio.
      ov_pcm_seek(&d.vorbis, 0);
      if (d.decoded > 0) {
        d.complete = true;
      } else if (++d.emptyEnds >= 2) {
        return false;  // a track without a single sample
      }
    } else if (++d.failedReads >= kMaxFailedReads) {
      return false;
    }
  }
  if (d.decoded == kChunkBytes) d.complete = true;
  return true;
}

void MusicStream::DropDecodedAhead() {
  decoder->decoded = 0;
  decoder->complete = false;
  decoder->failedReads = 0;
  decoder->emptyEnds = 0;
}

bool MusicStream::Refill(std::uint32_t bufferName) {
  if (!DecodeAhead(kChunkBytes)) {
    GiveUp();
    return false;
  }
  const auto entry = BufferCache.find(bufferName);
  const int alFormat = entry != BufferCache.end() ? entry->second.format : AL_FORMAT_STEREO16;
  const int rate = entry != BufferCache.end() ? entry->second.frequency : sampleRate;
  alBufferData(bufferName, alFormat, decoder->chunk.data(), decoder->decoded, rate);
  DropDecodedAhead();
  if (!CheckAlError()) {
    GiveUp();
    return false;
  }
  return true;
}

void MusicStream::GiveUp() {
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
  ov_pcm_seek(&decoder->vorbis, 0);
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
  if (decoder) ov_clear(&decoder->vorbis);
  decoder.reset();
  file.clear();
  if (file.is_open()) file.close();
  source = 0;
  sourceId = 0;
  channels = 0;
  sampleRate = 0;
  opened = false;
  failed = false;
  playRequested = false;
}
