#pragma once

#include <string>
#include <string_view>

namespace orvd {

// Case folding of 8-bit Windows-1252 text, as the user's locale compares names ignoring case:
// the ASCII letters, the Latin-1 letters À-Þ/à-þ (without × and ÷) and the pairs Š/š, Œ/œ,
// Ž/ž, Ÿ/ÿ. Every upper-case letter maps to its lower-case partner; other bytes stay.
unsigned char FoldCase(unsigned char c);

// The text with every byte folded.
std::string FoldedText(std::string_view text);

// True when both texts are equal after folding.
bool SameTextIgnoringCase(std::string_view a, std::string_view b);

} // namespace orvd
