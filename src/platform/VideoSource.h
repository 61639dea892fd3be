// Decoding one video file into 256 x 256 RGB frames.
// Apart from the player, which times and draws them, so decoding can be tested without GL.

#pragma once

#include <vector>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;
struct FFmpeg;

// The frames of one video file, each scaled to a 256 x 256 RGB image
// whatever the video's own size and aspect, ready for a texture.
// Playing forward decodes each frame once; going back rewinds to the start.
class VideoSource {
public:
    static constexpr int imageSize = 256;
    static constexpr int imageBytes = imageSize * imageSize * 3;

    enum class OpenResult { Opened, NoStream, NoDecoder };

    VideoSource();
    ~VideoSource();
    VideoSource(const VideoSource&) = delete;
    VideoSource& operator=(const VideoSource&) = delete;

    // NoStream: missing file, no AVI video, a video without frames or one
    // that announces more frames than it holds. NoDecoder: the video's codec
    // (or FFmpeg itself) is missing here. A refused file is named once on the console.
    OpenResult open(const char* file);
    void close();
    bool isOpen() const { return format != nullptr; }

    int frameCount() const { return count; }
    // The start time of the position after the last frame divided by the
    // frame count, in whole milliseconds; at least 1.
    int msPerFrame() const { return frameMs; }

    // Frame `index` as 256 rows of 256 RGB pixels, bottom row first (as
    // OpenGL takes texture rows). nullptr when it cannot be decoded.
    // The image stays valid until the next call.
    const unsigned char* frame(int index);

    // Frames decoded since the file was opened: what playback has cost.
    int framesDecoded() const { return decoded; }

private:
    int countFrames();
    bool rewind();
    bool decodeNext();
    bool scaleDecoded();

    const FFmpeg* ff = nullptr; // the libraries, once a video was opened
    AVFormatContext* format = nullptr;
    AVCodecContext* codec = nullptr;
    AVFrame* decodedFrame = nullptr;
    AVPacket* packet = nullptr;
    SwsContext* scaler = nullptr;
    int streamIndex = -1;
    int count = 0;
    int frameMs = 0;
    int decoderPosition = -1; // index of the frame in decodedFrame
    int imagePosition = -1;   // index of the frame in image
    int decoded = 0;
    bool draining = false;
    std::vector<unsigned char> image;
};
