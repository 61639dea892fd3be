// MilkShape 3D files as the model loader reads them.
#include "model/Ms3dReader.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string problem; // the refusal's words are built too
    parseMs3d(std::string_view(reinterpret_cast<const char*>(data), size), &problem);
    return 0;
}
