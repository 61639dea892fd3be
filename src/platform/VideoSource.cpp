// Opening, decoding, scaling and rewinding a video through FFmpeg.
// Apart from the player, which times and draws them, so decoding can be tested without GL.

#include "platform/VideoSource.h"

#include "platform/DataFile.h"
#include "platform/Language.h"
#include "platform/FFmpeg.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <string>

namespace {

constexpr int rowBytes = VideoSource::imageSize * 3;
// Used when a file states no usable frame rate at all.
constexpr int fallbackMsPerFrame = 40;

} // namespace

VideoSource::VideoSource() = default;

VideoSource::~VideoSource()
{
    close();
}

VideoSource::OpenResult VideoSource::open(const char* file)
{
    close();
    const auto refuse = [this, file](OpenResult result, const std::string& problem) {
        warnAboutFile(file != nullptr ? file : "", problem);
        close();
        return result;
    };
    // Only AVI is read: a file of another kind (a playlist that names other
    // files, say) is refused rather than followed.
    ff = ffmpeg();
    if (ff == nullptr) {
        return refuse(OpenResult::NoDecoder, tr(N_("kann ohne FFmpeg nicht abgespielt werden")));
    }
    const int opened = ff->avformat_open_input(&format, file, ff->av_find_input_format("avi"), nullptr);
    if (opened < 0) {
        format = nullptr;
        return refuse(OpenResult::NoStream,
                      tr(opened == AVERROR(ENOENT) ? N_("kann nicht geoeffnet werden") : N_("ist kein AVI-Video")));
    }
    if (ff->avformat_find_stream_info(format, nullptr) < 0) {
        return refuse(OpenResult::NoStream, tr(N_("ist kein AVI-Video")));
    }
    streamIndex = ff->av_find_best_stream(format, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
    if (streamIndex < 0) {
        return refuse(OpenResult::NoStream, tr(N_("enthaelt keinen Videostrom")));
    }
    packet = ff->av_packet_alloc();
    decodedFrame = ff->av_frame_alloc();
    const AVStream* stream = format->streams[streamIndex];
    // The frames are counted, not taken from the header: a file cut short
    // still announces every frame it once held.
    count = countFrames();
    if (count <= 0) {
        return refuse(OpenResult::NoStream, tr(N_("enthaelt keine Bilder")));
    }
    if (stream->nb_frames > count) {
        // More announced than held: always more than one.
        return refuse(OpenResult::NoStream, trf(N_("kuendigt %lld Bilder an, enthaelt aber nur %d"),
                                                static_cast<long long>(stream->nb_frames), count));
    }

    AVRational rate = ff->av_guess_frame_rate(format, format->streams[streamIndex], nullptr);
    if (rate.num <= 0 || rate.den <= 0) {
        rate = av_inv_q(stream->time_base);
    }
    if (rate.num > 0 && rate.den > 0) {
        const int64_t endMs = ff->av_rescale(count, int64_t(rate.den) * 1000, rate.num);
        frameMs = int(std::clamp<int64_t>(endMs / count, 1, INT_MAX));
    } else {
        frameMs = fallbackMsPerFrame;
    }

    const AVCodec* decoder = ff->avcodec_find_decoder(stream->codecpar->codec_id);
    codec = ff->avcodec_alloc_context3(decoder);
    if (decoder == nullptr || codec == nullptr
        || ff->avcodec_parameters_to_context(codec, stream->codecpar) < 0
        || ff->avcodec_open2(codec, decoder, nullptr) < 0) {
        return refuse(OpenResult::NoDecoder, tr(N_("hat ein Format, das sich hier nicht entschluesseln laesst")));
    }
    image.assign(imageBytes, 0);
    return OpenResult::Opened;
}

void VideoSource::close()
{
    if (ff != nullptr) {
        ff->sws_freeContext(scaler);
        ff->avcodec_free_context(&codec);
        ff->av_frame_free(&decodedFrame);
        ff->av_packet_free(&packet);
        ff->avformat_close_input(&format);
    }
    scaler = nullptr;
    streamIndex = -1;
    count = 0;
    frameMs = 0;
    decoderPosition = -1;
    imagePosition = -1;
    decoded = 0;
    draining = false;
    image.clear();
}

const unsigned char* VideoSource::frame(int index)
{
    if (!isOpen() || index < 0 || index >= count) {
        return nullptr;
    }
    if (index == imagePosition) {
        return image.data();
    }
    if (index < decoderPosition && !rewind()) {
        return nullptr;
    }
    while (decoderPosition < index) {
        if (!decodeNext()) {
            return nullptr;
        }
    }
    if (!scaleDecoded()) {
        return nullptr;
    }
    imagePosition = index;
    return image.data();
}

// Counts the stream's packets once and goes back to the start.
int VideoSource::countFrames()
{
    int64_t packets = 0;
    while (ff->av_read_frame(format, packet) >= 0) {
        if (packet->stream_index == streamIndex) {
            ++packets;
        }
        ff->av_packet_unref(packet);
    }
    if (!rewind()) {
        return 0;
    }
    return int(std::min<int64_t>(packets, INT_MAX));
}

bool VideoSource::rewind()
{
    const AVStream* stream = format->streams[streamIndex];
    const int64_t start = stream->start_time != AV_NOPTS_VALUE ? stream->start_time : 0;
    if (ff->av_seek_frame(format, streamIndex, start, AVSEEK_FLAG_BACKWARD) < 0) {
        return false;
    }
    if (codec != nullptr) {
        ff->avcodec_flush_buffers(codec);
    }
    decoderPosition = -1;
    draining = false;
    return true;
}

// Decodes the frame after decoderPosition into decodedFrame. Frames are
// counted as the decoder delivers them, so reordered codecs count right.
bool VideoSource::decodeNext()
{
    for (;;) {
        const int received = ff->avcodec_receive_frame(codec, decodedFrame);
        if (received == 0) {
            ++decoderPosition;
            ++decoded;
            return true;
        }
        if (received != AVERROR(EAGAIN) || draining) {
            return false;
        }
        if (ff->av_read_frame(format, packet) < 0) {
            // End of file: let the decoder hand out the frames it holds.
            draining = true;
            ff->avcodec_send_packet(codec, nullptr);
            continue;
        }
        if (packet->stream_index == streamIndex) {
            // A damaged packet is skipped; the next one may decode again.
            ff->avcodec_send_packet(codec, packet);
        }
        ff->av_packet_unref(packet);
    }
}

bool VideoSource::scaleDecoded()
{
    scaler = ff->sws_getCachedContext(scaler, decodedFrame->width, decodedFrame->height,
                                  AVPixelFormat(decodedFrame->format), imageSize, imageSize,
                                  AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (scaler == nullptr) {
        return false;
    }
    // Written from the last row up with a negative stride: bottom row first.
    uint8_t* target[4] = {image.data() + (imageSize - 1) * rowBytes, nullptr, nullptr, nullptr};
    const int targetStride[4] = {-rowBytes, 0, 0, 0};
    return ff->sws_scale(scaler, decodedFrame->data, decodedFrame->linesize, 0, decodedFrame->height,
                     target, targetStride) > 0;
}
