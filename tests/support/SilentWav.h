#pragma once

#include <cstdint>
#include <string>

// The bytes of a silent 16-bit mono 22050 Hz PCM WAV file of the given length.
inline std::string silentWav(int milliseconds)
{
    // Whole 16-bit samples: a data chunk that ends inside one is a truncated file.
    const std::uint32_t rate = 22050, bytes = rate * static_cast<std::uint32_t>(milliseconds) / 1000 * 2;
    const auto le = [](std::uint32_t v) {
        return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)};
    };
    // Format 1 and one channel share a field, as do block align 2 and 16 bits.
    return "RIFF" + le(36 + bytes) + "WAVEfmt " + le(16) + le(1 | 1 << 16) + le(rate) + le(rate * 2) +
           le(2 | 16 << 16) + "data" + le(bytes) + std::string(bytes, '\0');
}
