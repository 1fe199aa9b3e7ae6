#pragma once
// The host function behind both ENCRYPT and DECRYPT, called through request code 1 with the
// parameter block: parameter 1 the string (by value, or a variable or memo field by reference),
// parameter 2 the key. The result goes to the host through service 11, every failure through
// service 83, after which nothing more happens.

#include "Records.h"

namespace orvd {

// Host error numbers the handler raises.
constexpr uint32_t kErrorNoMemory = 182;
constexpr uint32_t kErrorNotCharacter = 302;

// The memo tag of the blocks the handler allocates.
constexpr uint16_t kResultTag = 16;

void ORVD_FASTCALL CipherHandler(ParameterBlock* params);

} // namespace orvd
