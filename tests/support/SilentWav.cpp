#include "support/SilentWav.h"

#include <cstdint>

std::string silentWav(int milliseconds)
{
    const std::uint32_t rate = 22050, bytes = rate * static_cast<std::uint32_t>(milliseconds) / 1000 * 2;
    // Whole 16-bit samples above: a data chunk that ends inside one is a truncated file.
    const auto le = [](std::uint32_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                           static_cast<char>(v >> 24)};
    };
    // Mono 16-bit PCM: format 1 and one channel share a field, as do block align 2 and 16 bits.
    return "RIFF" + le(36 + bytes) + "WAVEfmt " + le(16) + le(1 | 1 << 16) + le(rate) + le(rate * 2) +
           le(2 | 16 << 16) + "data" + le(bytes) + std::string(bytes, '\0');
}
