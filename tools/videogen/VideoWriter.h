// Writing RGB frames into an AVI file of MPEG-4 video.
// Apart from the pictures so FFmpeg's encoding stays out of the frame painting.

#pragma once

#include <string>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

// Writes an AVI file of MPEG-4 video (the kind Xvid writes), one RGB frame at
// a time. The build makes the game's videos with it. Output is byte-for-byte
// the same for the same frames (single-threaded, fixed quantiser, no version
// tags).
class VideoWriter {
public:
    VideoWriter() = default;
    ~VideoWriter();
    VideoWriter(const VideoWriter&) = delete;
    VideoWriter& operator=(const VideoWriter&) = delete;

    // Width and height must be even.
    bool open(const std::string& file, int width, int height, int framesPerSecond);
    // One frame: `height` rows of `width` RGB pixels, top row first.
    bool write(const unsigned char* rgb);
    // Finishes the file; false if anything went wrong on the way.
    bool close();

private:
    bool sendToEncoder(const AVFrame* frame);
    void release();

    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVStream* stream = nullptr;
    AVFrame* picture = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* converter = nullptr;
    int width = 0;
    int height = 0;
    long long framesWritten = 0;
    bool failed = false;
};
