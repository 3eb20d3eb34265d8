#pragma once

#include <charconv>
#include <string_view>
#include <vector>

namespace wuziqi::engine {

// A whole decimal integer within lo..hi (an optional minus sign, digits, nothing else).
inline bool ParseInt(std::string_view text, int lo, int hi, int& value) {
    if (text.empty()) return false;
    int parsed = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc{} || end != text.data() + text.size()) return false;
    if (parsed < lo || parsed > hi) return false;
    value = parsed;
    return true;
}

// The parts of text between the separators; empty parts are kept.
inline std::vector<std::string_view> Split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        parts.push_back(
            text.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) return parts;
        start = at + 1;
    }
}

}  // namespace wuziqi::engine
