// The options file as the game reads it at start-up.
#include "FuzzScratch.h"
#include "app/Options.h"

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    return enterScratchDir();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    writeInput("options.txt", data, size);
    options = Options{};
    loadOptions();
    readOption("glutGameModeString");
    return 0;
}
