#include "HostEmulator.h"

#include "Platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace orvd::test {

namespace {

thread_local HostEmulator* g_host = nullptr;

} // namespace

#ifdef STRVEIL_LINKED
// The library's sources are linked into the program (the fuzz target), so the entry is ours.
extern "C" int ORVD_FASTCALL DispatchAPI(RequestBlock* request);

Entry LoadedEntry() {
    return &DispatchAPI;
}
#elif defined(_WIN32)
// As the host finds it: strveil.fll beside the program, its entry by the decorated fastcall name.
Entry LoadedEntry() {
    static Entry entry = [] {
        HMODULE library = LoadLibraryA("strveil.fll");
        FARPROC symbol = library == nullptr ? nullptr : GetProcAddress(library, "@DispatchAPI@4");
        if (symbol == nullptr) {
            std::fprintf(stderr, "cannot load @DispatchAPI@4 from strveil.fll: error %lu\n",
                         GetLastError());
            std::abort();
        }
        return reinterpret_cast<Entry>(reinterpret_cast<void*>(symbol));
    }();
    return entry;
}
#else
Entry LoadedEntry() {
    static Entry entry = [] {
        void* library = dlopen(STRVEIL_SO, RTLD_NOW | RTLD_LOCAL);
        void* symbol = library == nullptr ? nullptr : dlsym(library, "DispatchAPI");
        if (symbol == nullptr) {
            std::fprintf(stderr, "cannot load DispatchAPI from %s: %s\n", STRVEIL_SO, dlerror());
            std::abort();
        }
        return reinterpret_cast<Entry>(symbol);
    }();
    return entry;
}
#endif

HostEmulator::HostEmulator(uint16_t handleCapacity, uint16_t pointerCapacity)
    : capacity_(handleCapacity), handles_(sizeof(HandleTableHeader) + 4u * handleCapacity),
      pointers_(sizeof(PointerTableHeader) + 4u * pointerCapacity) {
    HandleTable()->searchStart = 1;
    HandleTable()->capacity = handleCapacity;
    PointerTable()->searchStart = 1;
    PointerTable()->capacity = pointerCapacity;
}

HostEmulator::~HostEmulator() {
    for (uint32_t i = 0; i < capacity_; ++i)
        BlockFree(HandleSlot(i));
}

int HostEmulator::Call(HostRequest& request) {
    HostEmulator* outer = g_host;
    g_host = this;
    int result = LoadedEntry()(&request.block);
    g_host = outer;
    return result;
}

HostRequest HostEmulator::Request(uint32_t code, uint32_t wordA, uint32_t wordB,
                                  uint32_t function) {
    HostRequest request = {};
    request.block.requestCode = code;
    request.block.wordA = wordA;
    request.block.wordB = wordB;
    request.block.function = function;
    Call(request);
    return request;
}

void HostEmulator::SetUpThread() {
    Request(0, WordOf(HandleTable()), WordOf(PointerTable()),
            WordOf(reinterpret_cast<void*>(&HostEmulator::Callback)));
}

uint32_t HostEmulator::FunctionAddress(const char* name) {
    auto* table = AddressOf<FunctionTableHeader>(Request(14).block.wordA);
    for (uint16_t i = 0; i < table->entryCount; ++i) {
        if (std::strcmp(table->firstEntry[i].name, name) == 0)
            return WordOf(reinterpret_cast<void*>(table->firstEntry[i].function));
    }
    return 0;
}

int HostEmulator::CallFunction(const char* name, const ParameterRecord& first,
                               const ParameterRecord& second) {
    HostRequest request = {};
    request.block.requestCode = 1;
    request.block.function = FunctionAddress(name);
    request.params.count = 2;
    request.params.first = first;
    request.params.second = second;
    return Call(request);
}

uint32_t HostEmulator::HandleSlot(uint32_t index) const {
    uint32_t block;
    std::memcpy(&block, handles_.data() + sizeof(HandleTableHeader) + 4 * index, 4);
    return block;
}

void HostEmulator::SetHandleSlot(uint32_t index, uint32_t block) {
    std::memcpy(handles_.data() + sizeof(HandleTableHeader) + 4 * index, &block, 4);
}

uint32_t HostEmulator::PointerSlot(uint32_t index) const {
    uint32_t pointer;
    std::memcpy(&pointer, pointers_.data() + sizeof(PointerTableHeader) + 4 * index, 4);
    return pointer;
}

uint32_t HostEmulator::NewString(const std::string& bytes) {
    uint32_t index = 1;
    while (index < HandleTable()->capacity && HandleSlot(index) != 0)
        ++index;
    if (index >= HandleTable()->capacity)
        std::abort();
    BlockHandle block = BlockAlloc(static_cast<uint32_t>(bytes.size()) + 2);
    auto* data = static_cast<uint8_t*>(BlockLock(block));
    std::memcpy(data + 2, bytes.data(), bytes.size());
    BlockUnlock(block);
    SetHandleSlot(index, block);
    return index;
}

std::string HostEmulator::StringAt(uint32_t handle, uint32_t length) const {
    if (length == 0)
        return {};
    BlockHandle block = handle != 0 && handle < capacity_ ? HandleSlot(handle) : 0;
    if (block == 0 || length > BlockSize(block) - 2)
        return "<not within a block>";
    auto* data = static_cast<const char*>(BlockLock(block));
    std::string bytes(data + 2, length);
    BlockUnlock(block);
    return bytes;
}

uint16_t HostEmulator::TagOf(uint32_t handle) const {
    BlockHandle block = HandleSlot(handle);
    uint16_t tag;
    std::memcpy(&tag, BlockLock(block), 2);
    BlockUnlock(block);
    return tag;
}

ParameterRecord HostEmulator::CharValue(const std::string& bytes) {
    return Value('C', static_cast<uint32_t>(bytes.size()), NewString(bytes));
}

ParameterRecord HostEmulator::Value(char type, uint32_t length, uint32_t handle) {
    ParameterRecord record;
    std::memset(&record, 0xA5, sizeof record); // host bytes the library must not rely on
    record.value.typeLetter = type;
    record.value.length = length;
    record.value.handle = handle;
    return record;
}

ParameterRecord HostEmulator::Locator(int16_t where) {
    ParameterRecord record;
    std::memset(&record, 0x5A, sizeof record);
    record.locator.typeLetter = 'R';
    record.locator.where = where;
    return record;
}

std::vector<uint32_t> HostEmulator::ServiceNumbers() const {
    std::vector<uint32_t> numbers;
    for (const ServiceCall& call : calls)
        numbers.push_back(call.service);
    return numbers;
}

void ORVD_FASTCALL HostEmulator::Callback(CallbackRecord* record) {
    if (g_host == nullptr)
        std::abort();
    g_host->Serve(*record);
}

void HostEmulator::Serve(CallbackRecord& record) {
    ServiceCall call = {record.serviceNumber, {}};
    std::memcpy(call.arguments, record.arguments, sizeof call.arguments);
    calls.push_back(call);
    if (record.zero != 0)
        errors.push_back(0xDEAD0000 | record.serviceNumber); // the library broke the record
    if (hook) {
        hook(record);
        if (record.serviceNumber != call.service)
            return;
    }
    uint32_t* args = record.arguments;
    switch (record.serviceNumber) {
    case 11: {
        const auto* value = AddressOf<ValueRecord>(args[0]);
        results.push_back({*value, args[0], StringAt(value->handle, value->length)});
        break;
    }
    case 83:
        errors.push_back(args[0]);
        break;
    case 30: {
        if (loadResult < 0) {
            args[0] = static_cast<uint32_t>(loadResult);
            break;
        }
        auto* value = AddressOf<ValueRecord>(args[1]);
        value->typeLetter = variableType;
        value->length = static_cast<uint32_t>(variable.size()) + loadedLengthExtra;
        value->handle = NewString(variable);
        args[0] = 0;
        break;
    }
    case 29: {
        if (storeResult < 0) {
            args[0] = static_cast<uint32_t>(storeResult);
            break;
        }
        const auto* value = AddressOf<ValueRecord>(args[1]);
        variableType = value->typeLetter;
        variable = StringAt(value->handle, value->length);
        args[0] = 0;
        break;
    }
    case 23:
        args[0] = channel;
        break;
    case 25:
        args[0] = static_cast<uint32_t>(memoOffset);
        break;
    case 26:
        args[0] = memoSize;
        break;
    case 34:
        position_ = args[1];
        break;
    case 33: {
        size_t available = position_ < memoFile.size() ? memoFile.size() - position_ : 0;
        size_t count = args[2] < available ? args[2] : available;
        std::memcpy(AddressOf<void>(args[1]), memoFile.data() + position_, count);
        position_ += count;
        args[0] = overrideReadCount ? readCount : static_cast<uint32_t>(count);
        break;
    }
    default:
        errors.push_back(0xBAD00000 | record.serviceNumber);
        break;
    }
}

} // namespace orvd::test
