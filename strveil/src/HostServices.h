#pragma once
// Per-thread host state, the process-wide unwinding context and the service requests that call
// back into the host.

#include "Records.h"

#include <setjmp.h>

namespace orvd {

// Reserves the three thread-local slots unless they are reserved already (library load).
void ReserveThreadSlots();
// Releases them (library unload).
void ReleaseThreadSlots();

// Request code 0: the callback entry and the thread's two tables.
void SetThreadState(uint32_t callbackEntry, uint32_t handleTable, uint32_t pointerTable);
// nullptr until the thread's request code 0.
HandleTableHeader* ThreadHandleTable();
PointerTableHeader* ThreadPointerTable();

// The point a service request returns to when it does not come back normally. One per process;
// every entry saves it, makes itself the point, and restores it on the way out.
extern jmp_buf g_unwindContext;

// Calls the host's service with up to four arguments and gives its result. Does not come back
// when the thread has no callback entry or the host answers with service number 83 or 84: it
// unwinds to the innermost entry.
uint32_t RequestService(uint32_t service, uint32_t a1 = 0, uint32_t a2 = 0, uint32_t a3 = 0,
                        uint32_t a4 = 0);

// Service 83: raises host error number; never comes back.
[[noreturn]] void RaiseHostError(uint32_t number);

} // namespace orvd
