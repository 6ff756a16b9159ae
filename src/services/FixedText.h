#pragma once

// Fixed-length ANSI text fields as the radio records, data files and the radio image hold them:
// raw bytes, padded with blanks (or ended early by a NUL), read back with CutFixedText.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace mox {

template <std::size_t N>
using FixedText = std::array<char, N>;

// Trailing blanks are removed first, then the text is cut before its first NUL, so blanks in front
// of a NUL stay.
std::string CutFixedText(std::string_view raw);

template <std::size_t N>
std::string CutFixedText(const FixedText<N>& field) {
    return CutFixedText(std::string_view(field.data(), N));
}

// Stores text left-aligned and pads the rest with `pad` (a blank, as files do, unless a NUL is asked
// for). Longer text is cut to the field's width.
template <std::size_t N>
void SetFixedText(FixedText<N>& field, std::string_view text, char pad = ' ') {
    for (std::size_t i = 0; i < N; ++i)
        field[i] = i < text.size() ? text[i] : pad;
}

// Stores text followed by one NUL (when it is shorter than the field) and blanks after that, the way
// the radio's own stores leave a shorter text.
template <std::size_t N>
void SetFixedTextNul(FixedText<N>& field, std::string_view text) {
    SetFixedText(field, text, ' ');
    if (text.size() < N)
        field[text.size()] = '\0';
}

template <std::size_t N>
FixedText<N> MakeFixedText(std::string_view text, char pad = ' ') {
    FixedText<N> field{};
    SetFixedText(field, text, pad);
    return field;
}

}  // namespace mox
