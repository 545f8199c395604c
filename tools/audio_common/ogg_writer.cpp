#include "audio_common/ogg_writer.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>

namespace {
void WritePage(std::ofstream& out, const ogg_page& page) {
  out.write(reinterpret_cast<const char*>(page.header), page.header_len);
  out.write(reinterpret_cast<const char*>(page.body), page.body_len);
}
}  // namespace

void WriteOggVorbis(const std::filesystem::path& path, int sampleRate, int channels,
                    const std::vector<float>& samples, float quality) {
  std::ofstream out(path, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + path.string());

  vorbis_info info;
  vorbis_info_init(&info);
  if (vorbis_encode_init_vbr(&info, channels, sampleRate, quality) != 0) {
    vorbis_info_clear(&info);
    throw std::runtime_error("vorbis encoder refused the format for " + path.string());
  }
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  vorbis_comment_add_tag(&comment, "ENCODER", "brelloch-content");
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 0x42524c43);

  ogg_packet header, headerComment, headerCode;
  vorbis_analysis_headerout(&dsp, &comment, &header, &headerComment, &headerCode);
  ogg_stream_packetin(&stream, &header);
  ogg_stream_packetin(&stream, &headerComment);
  ogg_stream_packetin(&stream, &headerCode);
  ogg_page page;
  while (ogg_stream_flush(&stream, &page) != 0) WritePage(out, page);

  const long frames = static_cast<long>(samples.size() / static_cast<size_t>(channels));
  constexpr long kBlockFrames = 4096;
  long written = 0;
  bool endOfStream = false;
  bool endSent = false;
  while (!endOfStream && !endSent) {
    const long count = std::min(kBlockFrames, frames - written);
    endSent = count <= 0;
    if (count > 0) {
      float** buffer = vorbis_analysis_buffer(&dsp, static_cast<int>(count));
      for (long i = 0; i < count; ++i) {
        for (int c = 0; c < channels; ++c) {
          buffer[c][i] = samples[static_cast<size_t>((written + i) * channels + c)];
        }
      }
      written += count;
    }
    // A write of zero frames marks the end of the stream.
    vorbis_analysis_wrote(&dsp, static_cast<int>(count > 0 ? count : 0));
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
        ogg_stream_packetin(&stream, &packet);
        while (!endOfStream && ogg_stream_pageout(&stream, &page) != 0) {
          WritePage(out, page);
          if (ogg_page_eos(&page)) endOfStream = true;
        }
      }
    }
  }

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_comment_clear(&comment);
  vorbis_info_clear(&info);
  if (!out) throw std::runtime_error("short write to " + path.string());
}
