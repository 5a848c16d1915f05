// The fault watch that every Windows test program and the watched program run under: a fault in a
// window procedure, which the message dispatch swallows, is noted with its code, the instruction in
// this program and the address it touched, and written to the log; the exceptions the system raises
// and handles inside itself, and a breakpoint, are not faults.
#include "platform/fault_log.h"
#include "support/temp_folder.h"

#define WIN32_LEAN_AND_MEAN
#include <cstddef>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <windows.h>

namespace {

// What a window's procedure reaches through before the object exists.
struct Layout {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Width = 0;
};
Layout* volatile MissingLayout = nullptr;

// Writes into a layout that is not there while CreateWindowExW makes the window.
LRESULT CALLBACK LayOutOnCreate(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE)
        MissingLayout->Width = 1;
    return DefWindowProcW(window, message, wParam, lParam);
}

void MakeAndDestroyFaultingWindow() {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = LayOutOnCreate;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"QuorvaneFaultingWindow";
    RegisterClassW(&windowClass);
    const HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                        nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window != nullptr)
        DestroyWindow(window);
}

HMODULE ModuleOf(std::uintptr_t address) {
    HMODULE module = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                           GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(address), &module);
    return module;
}

std::string FileText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Counts the exceptions of one code that reach the end of the vectored handlers, after the fault
// watch, and lets a breakpoint go on past its instruction.
class ExceptionCounter {
public:
    explicit ExceptionCounter(DWORD code) {
        Code = code;
        Count = 0;
        Handler = AddVectoredExceptionHandler(0, Counted);
    }
    ~ExceptionCounter() { RemoveVectoredExceptionHandler(Handler); }
    ExceptionCounter(const ExceptionCounter&) = delete;
    ExceptionCounter& operator=(const ExceptionCounter&) = delete;

    static inline DWORD Code = 0;
    static inline int Count = 0;

private:
    static LONG CALLBACK Counted(EXCEPTION_POINTERS* pointers) {
        if (pointers->ExceptionRecord->ExceptionCode != Code)
            return EXCEPTION_CONTINUE_SEARCH;
        ++Count;
        if (Code != EXCEPTION_BREAKPOINT)
            return EXCEPTION_CONTINUE_SEARCH;
        pointers->ContextRecord->Eip =
            reinterpret_cast<DWORD>(pointers->ExceptionRecord->ExceptionAddress) + 1;
        return EXCEPTION_CONTINUE_EXECUTION;
    }

    PVOID Handler;
};

} // namespace

// The editor's window once reached its frame from a size message sent while it was being made,
// before the frame existed; the dispatch swallowed the fault and the tests went on.
TEST(FaultLog, FaultInAWindowProcedureIsNotedThoughTheDispatchSwallowsIt) {
    const TempFolder folder;
    const std::filesystem::path log = folder / "faults.txt";
    // The deliberate fault goes to a log of its own, never to the one the test run is checked by.
    WatchForFaults(log);
    MakeAndDestroyFaultingWindow();
    WatchForFaults(FaultLogNamedByEnvironment());

    const std::vector<Fault> faults = TakeFaults();
    ASSERT_EQ(faults.size(), 1u);
    const Fault& fault = faults.front();
    EXPECT_EQ(fault.Code, 0xC0000005u);
    EXPECT_EQ(fault.Touched, offsetof(Layout, Width));
    // The faulting instruction lies in the window procedure, a few bytes into it.
    const auto procedure = reinterpret_cast<std::uintptr_t>(&LayOutOnCreate);
    EXPECT_EQ(ModuleOf(fault.Address), GetModuleHandleW(nullptr));
    EXPECT_GE(fault.Address, procedure);
    EXPECT_LT(fault.Address, procedure + 64);

    const std::string line = FileText(log);
    EXPECT_EQ(line, fault.Text + "\r\n");
    EXPECT_NE(line.find("c0000005 access violation"), std::string::npos) << line;
    EXPECT_NE(line.find("win_platform_tests.exe+"), std::string::npos) << line;
    EXPECT_NE(line.find("writing 0x0000000c"), std::string::npos) << line;
}

TEST(FaultLog, ExceptionsTheSystemHandlesAndBreakpointsAreNoFaults) {
    {
        // The system reads the bad address, faults inside its own DLL and handles that itself.
        const ExceptionCounter violations(EXCEPTION_ACCESS_VIOLATION);
        EXPECT_TRUE(IsBadReadPtr(reinterpret_cast<void*>(16), 4));
        EXPECT_TRUE(IsBadWritePtr(reinterpret_cast<void*>(16), 4));
        EXPECT_GE(ExceptionCounter::Count, 1);
    }
    {
        // A breakpoint in this program's own code is a notice for a debugger, not a fault.
        const ExceptionCounter breakpoints(EXCEPTION_BREAKPOINT);
        asm volatile("int3");
        EXPECT_EQ(ExceptionCounter::Count, 1);
    }
    EXPECT_TRUE(TakeFaults().empty());
}
