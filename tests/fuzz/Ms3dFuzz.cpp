// MilkShape 3D files as the model loader reads them.
#include "model/Ms3dReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    parseMs3d(std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
