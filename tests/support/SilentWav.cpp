#include "support/SilentWav.h"

#include <cstdint>

namespace {

void put16(std::string& out, std::uint16_t v)
{
    out += static_cast<char>(v & 0xff);
    out += static_cast<char>(v >> 8);
}

void put32(std::string& out, std::uint32_t v)
{
    put16(out, static_cast<std::uint16_t>(v & 0xffff));
    put16(out, static_cast<std::uint16_t>(v >> 16));
}

} // namespace

std::string silentWav(int milliseconds)
{
    const std::uint32_t rate = 22050;
    // Whole 16-bit samples: a data chunk that ends inside one is a truncated file.
    const std::uint32_t bytes = rate * static_cast<std::uint32_t>(milliseconds) / 1000 * 2;
    std::string out = "RIFF";
    put32(out, 36 + bytes);
    out += "WAVEfmt ";
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out += "data";
    put32(out, bytes);
    out.append(bytes, '\0');
    return out;
}
