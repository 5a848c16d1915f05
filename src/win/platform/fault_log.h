// Faults raised in the program's own code, noted the moment the processor raises them. A fault in
// a window procedure is otherwise lost: the system's message dispatch swallows it, and the program
// runs on with a half-made window as if nothing had happened.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// One fault as it was raised.
struct Fault {
    // The exception code: 0xC0000005 for an access violation, 0xC000001D for an illegal
    // instruction, and so on.
    std::uint32_t Code = 0;
    // The faulting instruction.
    std::uintptr_t Address = 0;
    // For an access violation, the address read, written or executed.
    std::uintptr_t Touched = 0;
    // One line for a person: the code and its name, the thread, the module with the instruction's
    // offset in it, and what was touched.
    std::string Text;
};

// Starts noting faults for the whole process; a second call changes only the file. A fault counts
// when its code is of error severity (0xCxxxxxxx: an access violation, a division by zero, a stack
// overflow...) and its instruction lies outside the system's own DLLs, so the exceptions the
// system raises and handles inside itself are left alone; C++ exceptions do not pass here at all.
// Each fault is kept until TakeFaults and, when `logFile` names a file, appended to it as one line
// at once, so a process that dies of it leaves the line behind. An empty path writes no file.
void WatchForFaults(const std::filesystem::path& logFile = {});

// The faults noted since the last call, oldest first. The first 64 of the process are kept whole;
// after them, a last entry says how many more there were.
std::vector<Fault> TakeFaults();

// The file named by QUORVANE_FAULT_LOG, or an empty path when it is not set.
std::filesystem::path FaultLogNamedByEnvironment();
