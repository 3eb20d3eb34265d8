// libFuzzer entry point for the .psq reader (built only with clang).
#include <cstdlib>

#include "PsqFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const wuziqi::TextGameFile read =
        wuziqi::DecodePsq({reinterpret_cast<const char*>(data), size});
    if (read.ok() && wuziqi::DecodePsq(wuziqi::EncodePsq(read.moves)).moves != read.moves)
        std::abort();
    if (!read.ok() && !read.moves.empty()) std::abort();
    return 0;
}
