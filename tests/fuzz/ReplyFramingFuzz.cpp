// libFuzzer target over the reply framing: make fuzz.
#include "tests/fuzz/FrameOnce.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!tw::fuzz::FrameOnce(data, size))
        std::abort();
    return 0;
}
