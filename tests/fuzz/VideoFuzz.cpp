// A video file from opening it up to its first decoded frame.
#include "FuzzScratch.h"
#include "platform/VideoSource.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return enterScratchDir();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeInput("video.avi", data, size);
    VideoSource source;
    if (source.open("video.avi") == VideoSource::OpenResult::Opened) source.frame(0);
    return 0;
}
