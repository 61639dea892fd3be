// Writes mono 16-bit PCM samples as a RIFF/WAVE file, clipped to range.
// Its own file because the file format has nothing to do with how a sound is made.

#include "WavWriter.h"

#include "WholeFile.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>

namespace {

void put16(std::ofstream& out, std::uint16_t value)
{
    const char bytes[2] = {static_cast<char>(value & 0xff), static_cast<char>(value >> 8)};
    out.write(bytes, 2);
}

void put32(std::ofstream& out, std::uint32_t value)
{
    put16(out, static_cast<std::uint16_t>(value & 0xffff));
    put16(out, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

bool writeWav(const std::filesystem::path& file, const std::vector<float>& samples)
{
    return writeWholeFile(file, [&samples](const std::string& temporary) {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        const std::uint32_t dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
        out.write("RIFF", 4);
        put32(out, 36 + dataBytes);
        out.write("WAVE", 4);
        out.write("fmt ", 4);
        put32(out, 16);
        put16(out, 1); // PCM
        put16(out, 1); // mono
        put32(out, sampleRate);
        put32(out, sampleRate * 2);
        put16(out, 2);
        put16(out, 16);
        out.write("data", 4);
        put32(out, dataBytes);
        for (float sample : samples) {
            const float clipped = std::clamp(sample, -1.0f, 1.0f);
            put16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(clipped * 32767.0f))));
        }
        out.close();
        return !out.fail();
    });
}
