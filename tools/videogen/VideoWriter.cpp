// The MPEG-4 encoder set up for byte-identical output, frames sent in and the file closed.
// Apart from the pictures so FFmpeg's encoding stays out of the frame painting.

#include "VideoWriter.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

// Quantiser 2 of 31: sharp text at a few kilobytes per frame.
constexpr int quantiser = 2;

} // namespace

VideoWriter::~VideoWriter()
{
    release();
}

bool VideoWriter::open(const std::string& file, int frameWidth, int frameHeight,
                       int framesPerSecond)
{
    release();
    failed = false;
    framesWritten = 0;
    width = frameWidth;
    height = frameHeight;
    if (width <= 0 || height <= 0 || width % 2 != 0 || height % 2 != 0 || framesPerSecond <= 0) {
        return false;
    }
    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_MPEG4);
    if (encoder == nullptr
        || avformat_alloc_output_context2(&format, nullptr, "avi", file.c_str()) < 0) {
        release();
        return false;
    }
    format->flags |= AVFMT_FLAG_BITEXACT;
    stream = avformat_new_stream(format, nullptr);
    codec = avcodec_alloc_context3(encoder);
    picture = av_frame_alloc();
    packet = av_packet_alloc();
    if (stream == nullptr || codec == nullptr || picture == nullptr || packet == nullptr) {
        release();
        return false;
    }
    codec->width = width;
    codec->height = height;
    codec->pix_fmt = AV_PIX_FMT_YUV420P;
    codec->time_base = AVRational{1, framesPerSecond};
    codec->framerate = AVRational{framesPerSecond, 1};
    codec->gop_size = framesPerSecond;
    codec->max_b_frames = 0;
    codec->thread_count = 1;
    codec->flags |= AV_CODEC_FLAG_QSCALE | AV_CODEC_FLAG_BITEXACT;
    codec->global_quality = FF_QP2LAMBDA * quantiser;
    if ((format->oformat->flags & AVFMT_GLOBALHEADER) != 0) {
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    }
    stream->time_base = codec->time_base;

    picture->format = codec->pix_fmt;
    picture->width = width;
    picture->height = height;
    converter = sws_getContext(width, height, AV_PIX_FMT_RGB24, width, height,
                               AV_PIX_FMT_YUV420P, SWS_BICUBIC | SWS_ACCURATE_RND | SWS_BITEXACT,
                               nullptr, nullptr, nullptr);
    if (converter == nullptr || avcodec_open2(codec, encoder, nullptr) < 0
        || avcodec_parameters_from_context(stream->codecpar, codec) < 0
        || av_frame_get_buffer(picture, 0) < 0
        || avio_open(&format->pb, file.c_str(), AVIO_FLAG_WRITE) < 0) {
        release();
        return false;
    }
    if (avformat_write_header(format, nullptr) < 0) {
        release();
        return false;
    }
    return true;
}

bool VideoWriter::write(const unsigned char* rgb)
{
    if (format == nullptr || failed || av_frame_make_writable(picture) < 0) {
        failed = true;
        return false;
    }
    const uint8_t* source[4] = {rgb, nullptr, nullptr, nullptr};
    const int sourceStride[4] = {width * 3, 0, 0, 0};
    sws_scale(converter, source, sourceStride, 0, height, picture->data, picture->linesize);
    picture->pts = framesWritten++;
    return sendToEncoder(picture);
}

bool VideoWriter::close()
{
    if (format == nullptr) {
        return false;
    }
    sendToEncoder(nullptr);
    // Closing flushes the last bytes: a full disk may show only then.
    const bool ok = av_write_trailer(format) == 0 && !failed && avio_closep(&format->pb) == 0;
    release();
    return ok;
}

// Hands one frame (nullptr: end of stream) to the encoder and writes every
// packet it has ready.
bool VideoWriter::sendToEncoder(const AVFrame* frame)
{
    if (avcodec_send_frame(codec, frame) < 0) {
        failed = true;
        return false;
    }
    for (;;) {
        const int received = avcodec_receive_packet(codec, packet);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) {
            return !failed;
        }
        if (received < 0) {
            failed = true;
            return false;
        }
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        if (av_interleaved_write_frame(format, packet) < 0) {
            failed = true;
        }
    }
}

void VideoWriter::release()
{
    sws_freeContext(converter);
    converter = nullptr;
    av_packet_free(&packet);
    av_frame_free(&picture);
    avcodec_free_context(&codec);
    if (format != nullptr) {
        avio_closep(&format->pb);
        avformat_free_context(format);
        format = nullptr;
    }
    stream = nullptr;
}
