#pragma once

#include <optional>

namespace orvd {

// Windows-1252, the code page in which the viewer's files are kept. The five unassigned bytes
// (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same number, as Windows does, so
// every byte survives a round trip.
char16_t Cp1252ToUnicode(unsigned char byte);

// The byte of a UTF-16 code unit, or nothing when the code page has no such character.
std::optional<unsigned char> UnicodeToCp1252(char16_t unit);

} // namespace orvd
