// libFuzzer entry point for the saved-game decoder (built only with clang).
#include <cstdlib>

#include "SavedGame.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const wuziqi::DecodedGame decoded = wuziqi::DecodeSavedGame({data, size});
    if (decoded.ok() && wuziqi::EncodeSavedGame(decoded.moves).size() != size) std::abort();
    return 0;
}
