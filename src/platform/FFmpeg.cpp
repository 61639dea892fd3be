// Opens the FFmpeg libraries with dlopen and fills the table of functions once.
// Apart from VideoSource so the libraries are opened at the first video, not linked in.

#include "platform/FFmpeg.h"

#include <dlfcn.h>

namespace {

// The libraries the headers were compiled against, by their sonames.
constexpr const char* libraries[] = {
    "libavutil.so." AV_STRINGIFY(LIBAVUTIL_VERSION_MAJOR),
    "libswscale.so." AV_STRINGIFY(LIBSWSCALE_VERSION_MAJOR),
    "libavcodec.so." AV_STRINGIFY(LIBAVCODEC_VERSION_MAJOR),
    "libavformat.so." AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR),
};

bool open(FFmpeg& f)
{
    for (const char* library : libraries) {
        if (dlopen(library, RTLD_NOW | RTLD_GLOBAL) == nullptr) {
            return false;
        }
    }
    bool complete = true;
#define KORVEL_FFMPEG_RESOLVE(name)                                             \
    f.name = reinterpret_cast<decltype(f.name)>(dlsym(RTLD_DEFAULT, #name)); \
    complete = complete && f.name != nullptr;
    KORVEL_FFMPEG_FUNCTIONS(KORVEL_FFMPEG_RESOLVE)
#undef KORVEL_FFMPEG_RESOLVE
    if (complete) {
        // Damaged or unusual files are reported by the player in one line;
        // the decoder's own chatter would only bury it.
        f.av_log_set_level(AV_LOG_FATAL);
    }
    return complete;
}

} // namespace

const FFmpeg* ffmpeg()
{
    static FFmpeg functions;
    static const bool opened = open(functions);
    return opened ? &functions : nullptr;
}
