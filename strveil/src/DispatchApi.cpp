// The library's one export and its function table.

#include "CipherHandler.h"
#include "HandleOps.h"
#include "HostServices.h"
#include "PointerTableOps.h"

#include <string.h>

#ifdef _WIN32
#define ORVD_EXPORT __declspec(dllexport)
#else
#define ORVD_EXPORT __attribute__((visibility("default")))
#endif

namespace orvd {

namespace {

constexpr uint32_t kFunctionTableVersion = 5000;

const char kDescriptor[] = "?,C";

const FunctionEntry kFunctions[2] = {
    {"ENCRYPT", &CipherHandler, 2, kDescriptor},
    {"DECRYPT", &CipherHandler, 2, kDescriptor},
};

// Writable: what the host does with the link field is its own business.
FunctionTableHeader g_functionTable = {nullptr, 2, kFunctions};

void HandOverFunctionTable(RequestBlock* request) {
    request->wordA = WordOf(&g_functionTable);
    request->wordB = kFunctionTableVersion;
}

void Act(RequestBlock* request) {
    switch (request->requestCode) {
    case 0:
        SetThreadState(request->function, request->wordA, request->wordB);
        HandOverFunctionTable(request);
        break;
    case 14:
        HandOverFunctionTable(request);
        break;
    case 1:
        if (auto function = AddressOf<void>(request->function))
            reinterpret_cast<ParameterFunction>(function)(ParametersOf(request));
        break;
    case 10:
        if (auto function = AddressOf<void>(request->function))
            reinterpret_cast<TwoWordFunction>(function)(request->wordA, request->wordB);
        break;
    case 11:
        if (auto function = AddressOf<void>(request->function))
            request->wordA = reinterpret_cast<WordParameterFunction>(function)(
                request->wordA, ParametersOf(request));
        break;
    case 2:
        request->wordA = AllocateHandle(ThreadHandleTable(), request->wordA,
                                        static_cast<uint16_t>(request->wordB));
        break;
    case 4:
        FreeHandle(ThreadHandleTable(), request->wordA);
        break;
    case 6:
        request->wordA = WordOf(HandleData(ThreadHandleTable(), request->wordA));
        break;
    case 16:
        request->wordA = EnterPointer(ThreadPointerTable(), request->wordA);
        break;
    case 17:
        ClearPointer(ThreadPointerTable(), request->wordA);
        break;
    case 18:
        request->wordA = LookUpPointer(ThreadPointerTable(), request->wordA);
        break;
    default:
        break;
    }
}

} // namespace

} // namespace orvd

extern "C" ORVD_EXPORT int ORVD_FASTCALL DispatchAPI(orvd::RequestBlock* request) {
    // A nested entry (the host calling in while it serves one of our requests) must unwind to
    // itself, and the outer one must find its own point again afterwards.
    jmp_buf saved;
    memcpy(saved, orvd::g_unwindContext, sizeof saved);
    if (setjmp(orvd::g_unwindContext) == 0)
        orvd::Act(request);
    memcpy(orvd::g_unwindContext, saved, sizeof saved);
    return 0;
}

#ifdef _WIN32
extern "C" int __stdcall DllMain(void* /*instance*/, unsigned long reason, void* /*reserved*/) {
    if (reason == 1) // process attach
        orvd::ReserveThreadSlots();
    else if (reason == 0) // process detach
        orvd::ReleaseThreadSlots();
    return 1;
}
#else
__attribute__((constructor)) static void OnLoad() {
    orvd::ReserveThreadSlots();
}
__attribute__((destructor)) static void OnUnload() {
    orvd::ReleaseThreadSlots();
}
#endif
