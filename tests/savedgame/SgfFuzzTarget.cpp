// libFuzzer entry point for the .sgf reader (built only with clang).
#include <cstdlib>

#include "SgfFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const wuziqi::TextGameFile read =
        wuziqi::DecodeSgf({reinterpret_cast<const char*>(data), size});
    if (read.ok() && wuziqi::DecodeSgf(wuziqi::EncodeSgf(read.moves)).moves != read.moves)
        std::abort();
    if (!read.ok() && !read.moves.empty()) std::abort();
    return 0;
}
