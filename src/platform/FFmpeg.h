// The FFmpeg functions video playback calls, as a table of pointers.
// Apart from VideoSource so the libraries are opened at the first video, not linked in.

#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

// The FFmpeg functions that video playback calls.
#define KORVEL_FFMPEG_FUNCTIONS(F)                                                                        \
    F(av_find_best_stream) F(av_find_input_format) F(av_frame_alloc) F(av_frame_free) F(av_guess_frame_rate) F(av_log_set_level) \
    F(av_packet_alloc) F(av_packet_free) F(av_packet_unref) F(av_read_frame) F(av_rescale)                \
    F(av_seek_frame) F(avcodec_alloc_context3) F(avcodec_find_decoder) F(avcodec_flush_buffers)          \
    F(avcodec_free_context) F(avcodec_open2) F(avcodec_parameters_to_context) F(avcodec_receive_frame)   \
    F(avcodec_send_packet) F(avformat_close_input) F(avformat_find_stream_info) F(avformat_open_input)   \
    F(sws_freeContext) F(sws_getCachedContext) F(sws_scale)

// The FFmpeg libraries are large and bring a hundred more libraries with
// them, for videos that most runs never play (they are off by default).
// So the game does not link them: they are opened when the first video is.
struct FFmpeg {
#define KORVEL_FFMPEG_POINTER(name) decltype(&::name) name = nullptr;
    KORVEL_FFMPEG_FUNCTIONS(KORVEL_FFMPEG_POINTER)
#undef KORVEL_FFMPEG_POINTER
};

// The libraries' functions, opened on the first call; nullptr (then and
// later) when a library or a function is missing.
const FFmpeg* ffmpeg();
