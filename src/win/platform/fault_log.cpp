// Faults noted by a vectored exception handler, which sees each exception of every thread before
// any frame's handler does, and so before the system's message dispatch can swallow it.
#include "platform/fault_log.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

constexpr long KeptFaults = 64;

// What the handler fills for one fault. It allocates nothing and takes no lock of its own: the
// fault may have struck inside the allocator, or while the lock was held.
struct Slot {
    DWORD Code;
    std::uintptr_t Address;
    std::uintptr_t Touched;
    char Text[640];
    std::atomic<bool> Filled;
};

Slot Slots[KeptFaults];
// Faults noted since the start, those past the kept ones included.
std::atomic<long> Noted{0};
// Faults handed out by TakeFaults, which one thread calls at a time.
long Taken = 0;
long CountedPastKept = 0;
std::atomic<HANDLE> LogFile{INVALID_HANDLE_VALUE};
// The system's folder, "C:\windows": its DLLs raise and handle exceptions of their own.
wchar_t SystemFolder[MAX_PATH];
int SystemFolderLength = 0;

// A line written into a fixed buffer, cut at its end.
class LineWriter {
public:
    LineWriter(char* text, std::size_t size) : Text(text), Size(size) { Text[0] = '\0'; }

    LineWriter& operator<<(const char* words) {
        while (*words != '\0' && Length + 1 < Size)
            Text[Length++] = *words++;
        Text[Length] = '\0';
        return *this;
    }
    LineWriter& Hex(std::uintptr_t value, int digits) {
        char number[2 + 2 * sizeof(value) + 1] = "0x";
        for (int i = 0; i < digits; ++i)
            number[2 + i] = "0123456789abcdef"[value >> 4 * (digits - 1 - i) & 0xF];
        number[2 + digits] = '\0';
        return *this << number;
    }
    LineWriter& Decimal(unsigned long value) {
        char number[12];
        int at = sizeof(number) - 1;
        number[at] = '\0';
        do {
            number[--at] = static_cast<char>('0' + value % 10);
            value /= 10;
        } while (value != 0);
        return *this << number + at;
    }
    LineWriter& Wide(const wchar_t* words) {
        const int written = WideCharToMultiByte(CP_UTF8, 0, words, -1, Text + Length,
                                                static_cast<int>(Size - Length), nullptr, nullptr);
        if (written > 0)
            Length += static_cast<std::size_t>(written) - 1;
        Text[Length] = '\0';
        return *this;
    }
    std::size_t Used() const { return Length; }

private:
    char* Text;
    std::size_t Size;
    std::size_t Length = 0;
};

const char* CodeName(DWORD code) {
    switch (code) {
    case EXCEPTION_ACCESS_VIOLATION:
        return "access violation";
    case EXCEPTION_ILLEGAL_INSTRUCTION:
        return "illegal instruction";
    case EXCEPTION_PRIV_INSTRUCTION:
        return "privileged instruction";
    case EXCEPTION_INT_DIVIDE_BY_ZERO:
        return "integer division by zero";
    case EXCEPTION_INT_OVERFLOW:
        return "integer overflow";
    case EXCEPTION_STACK_OVERFLOW:
        return "stack overflow";
    case EXCEPTION_IN_PAGE_ERROR:
        return "page not read in";
    case EXCEPTION_ARRAY_BOUNDS_EXCEEDED:
        return "array bounds exceeded";
    case EXCEPTION_FLT_DIVIDE_BY_ZERO:
    case EXCEPTION_FLT_INVALID_OPERATION:
    case EXCEPTION_FLT_OVERFLOW:
    case EXCEPTION_FLT_UNDERFLOW:
    case EXCEPTION_FLT_INEXACT_RESULT:
    case EXCEPTION_FLT_DENORMAL_OPERAND:
    case EXCEPTION_FLT_STACK_CHECK:
        return "floating-point fault";
    default:
        return "fault";
    }
}

const char* Operation(ULONG_PTR kind) {
    switch (kind) {
    case 0:
        return "reading";
    case 1:
        return "writing";
    case 8:
        return "executing";
    default:
        return "touching";
    }
}

// The module whose image holds the address, or null where none does: the heap, a stack, address 0.
HMODULE ModuleAt(std::uintptr_t address) {
    MEMORY_BASIC_INFORMATION region{};
    if (VirtualQuery(reinterpret_cast<const void*>(address), &region, sizeof(region)) == 0 ||
        region.Type != MEM_IMAGE)
        return nullptr;
    return static_cast<HMODULE>(region.AllocationBase);
}

bool InSystemFolder(const wchar_t* path, DWORD length) {
    return SystemFolderLength > 0 && static_cast<int>(length) > SystemFolderLength &&
           path[SystemFolderLength] == L'\\' &&
           CompareStringOrdinal(path, SystemFolderLength, SystemFolder, SystemFolderLength, TRUE) ==
               CSTR_EQUAL;
}

void WriteLine(const char* text, std::size_t length) {
    const HANDLE file = LogFile.load();
    if (file == INVALID_HANDLE_VALUE)
        return;
    DWORD written = 0;
    WriteFile(file, text, static_cast<DWORD>(length), &written, nullptr);
}

LONG CALLBACK NoteFault(EXCEPTION_POINTERS* pointers) {
    const EXCEPTION_RECORD& record = *pointers->ExceptionRecord;
    // Warnings, notices (a thread's name, a debug string) and C++ exceptions raised through
    // RaiseException (0xE...) are no faults.
    if ((record.ExceptionCode & 0xF0000000u) != 0xC0000000u)
        return EXCEPTION_CONTINUE_SEARCH;
    const auto address = reinterpret_cast<std::uintptr_t>(record.ExceptionAddress);
    const HMODULE module = ModuleAt(address);
    wchar_t moduleName[MAX_PATH] = L"";
    const DWORD nameLength =
        module == nullptr ? 0 : GetModuleFileNameW(module, moduleName, MAX_PATH);
    if (nameLength > 0 && InSystemFolder(moduleName, nameLength))
        return EXCEPTION_CONTINUE_SEARCH;

    const long index = Noted.fetch_add(1);
    if (index >= KeptFaults) {
        if (index == KeptFaults) {
            const char more[] = "more faults follow, counted but not written\r\n";
            WriteLine(more, sizeof(more) - 1);
        }
        return EXCEPTION_CONTINUE_SEARCH;
    }
    Slot& slot = Slots[index];
    slot.Code = record.ExceptionCode;
    slot.Address = address;
    const bool touching =
        record.ExceptionCode == EXCEPTION_ACCESS_VIOLATION && record.NumberParameters >= 2;
    slot.Touched = touching ? record.ExceptionInformation[1] : 0;
    LineWriter line(slot.Text, sizeof(slot.Text) - 2);
    line.Hex(record.ExceptionCode, 8) << " " << CodeName(record.ExceptionCode) << " in thread ";
    line.Decimal(GetCurrentThreadId()) << " at ";
    line.Hex(address, 2 * sizeof(address));
    if (nameLength > 0) {
        line << " (";
        line.Wide(moduleName) << "+";
        line.Hex(address - reinterpret_cast<std::uintptr_t>(module), 8) << ")";
    } else {
        line << " (in no module)";
    }
    if (touching) {
        line << ", " << Operation(record.ExceptionInformation[0]) << " ";
        line.Hex(slot.Touched, 2 * sizeof(slot.Touched));
    }
    // The file gets the line with its end; the kept text goes without.
    const std::size_t length = line.Used();
    slot.Text[length] = '\r';
    slot.Text[length + 1] = '\n';
    WriteLine(slot.Text, length + 2);
    slot.Text[length] = '\0';
    slot.Filled.store(true);
    return EXCEPTION_CONTINUE_SEARCH;
}

} // namespace

void WatchForFaults(const std::filesystem::path& logFile) {
    static const bool Watching = [] {
        const UINT length = GetWindowsDirectoryW(SystemFolder, MAX_PATH);
        SystemFolderLength = length < MAX_PATH ? static_cast<int>(length) : 0;
        // First in the chain, so no other vectored handler can end the search before it.
        return AddVectoredExceptionHandler(1, NoteFault) != nullptr;
    }();
    (void)Watching;
    HANDLE file = INVALID_HANDLE_VALUE;
    if (!logFile.empty())
        file = CreateFileW(logFile.c_str(), FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // A fault being written on another thread at this moment may miss the file it is swapped for.
    const HANDLE previous = LogFile.exchange(file);
    if (previous != INVALID_HANDLE_VALUE)
        CloseHandle(previous);
}

std::vector<Fault> TakeFaults() {
    std::vector<Fault> faults;
    const long noted = Noted.load();
    for (; Taken < std::min(noted, KeptFaults); ++Taken) {
        const Slot& slot = Slots[Taken];
        // Another thread may be writing it down at this moment.
        while (!slot.Filled.load())
            SwitchToThread();
        faults.push_back({slot.Code, slot.Address, slot.Touched, slot.Text});
    }
    if (noted > KeptFaults + CountedPastKept) {
        faults.push_back({0, 0, 0,
                          std::to_string(noted - KeptFaults - CountedPastKept) +
                              " more faults, counted but not kept"});
        CountedPastKept = noted - KeptFaults;
    }
    return faults;
}

std::filesystem::path FaultLogNamedByEnvironment() {
    const wchar_t* named = _wgetenv(L"QUORVANE_FAULT_LOG");
    return named == nullptr ? std::filesystem::path() : std::filesystem::path(named);
}
