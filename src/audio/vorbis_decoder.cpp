#include "audio/vorbis_decoder.h"

#include <vorbis/vorbisfile.h>

#include <cstdio>

namespace {

size_t ReadStream(void* into, size_t size, size_t count, void* stream) {
  auto* input = static_cast<std::istream*>(stream);
  if (size == 0) return 0;
  input->read(static_cast<char*>(into), static_cast<std::streamsize>(size * count));
  return static_cast<size_t>(input->gcount()) / size;
}

int SeekStream(void* stream, ogg_int64_t offset, int whence) {
  auto* input = static_cast<std::istream*>(stream);
  input->clear();  // a read that hit the end must not make the seek fail
  switch (whence) {
    case SEEK_SET: input->seekg(offset, std::ios::beg); break;
    case SEEK_CUR: input->seekg(offset, std::ios::cur); break;
    case SEEK_END: input->seekg(offset, std::ios::end); break;
    default: return -1;
  }
  return input->good() ? 0 : -1;
}

int CloseStream(void*) { return 0; }  // the caller owns the stream

long TellStream(void* stream) {
  auto* input = static_cast<std::istream*>(stream);
  input->clear();
  return static_cast<long>(input->tellg());
}

}  // namespace

struct VorbisDecoder::State {
  OggVorbis_File vorbis{};
};

VorbisDecoder::VorbisDecoder() = default;

VorbisDecoder::~VorbisDecoder() { Close(); }

bool VorbisDecoder::Open(std::istream& input) {
  Close();
  auto opened = std::make_unique<State>();
  const ov_callbacks callbacks = {ReadStream, SeekStream, CloseStream, TellStream};
  // vorbisfile cleans up after itself when the open fails
  if (ov_open_callbacks(&input, &opened->vorbis, nullptr, 0, callbacks) < 0) return false;
  state = std::move(opened);
  const vorbis_info* info = ov_info(&state->vorbis, -1);
  channels = info ? info->channels : 0;
  sampleRate = info ? static_cast<int>(info->rate) : 0;
  if (channels < 1 || channels > 2 || sampleRate <= 0) {
    Close();
    return false;
  }
  return true;
}

VorbisDecoder::ChunkResult VorbisDecoder::Decode(char* into, int bytes, int& bytesRead) {
  bytesRead = 0;
  if (!state) return ChunkResult::Broken;
  int failedReads = 0;
  while (bytesRead < bytes) {
    int bitstream = 0;
    const long got = ov_read(&state->vorbis, into + bytesRead, bytes - bytesRead, 0 /* little-endian */,
                             2 /* 16-bit */, 1 /* signed */, &bitstream);
    if (got > 0) {
      bytesRead += static_cast<int>(got);
      failedReads = 0;
    } else if (got == 0) {
      return ChunkResult::EndOfFile;
    } else if (++failedReads >= kMaxFailedReads) {
      return ChunkResult::Broken;
    }
  }
  return ChunkResult::Filled;
}

void VorbisDecoder::Rewind() {
  if (state) ov_pcm_seek(&state->vorbis, 0);
}

void VorbisDecoder::Close() {
  if (state) ov_clear(&state->vorbis);
  state.reset();
  channels = 0;
  sampleRate = 0;
}
