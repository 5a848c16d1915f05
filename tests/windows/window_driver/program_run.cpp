// One start of the Windows program in a program folder of its own.
#include "window_driver/program_run.h"

#include "window_driver/driver_checks.h"
#include "window_driver/wine_gui.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

DriverPaths& Driver() {
    static DriverPaths paths;
    return paths;
}

ProgramRun::ProgramRun(const std::vector<std::string>& arguments, bool alone)
    : Probe_(Driver().Probe, Scratch_.Path()), Alone(alone) {
    const fs::path program = Folder() / Driver().Program.filename();
    fs::copy_file(Driver().Program, program);
    if (!alone)
        for (const auto& entry : fs::directory_iterator(Driver().ProgramFolder)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".dll" || extension == ".fnt")
                fs::copy_file(entry.path(), Folder() / entry.path().filename());
        }
    ::setenv("QUORVANE_PAINT_TIMES", WindowsPath(PaintTimes()).c_str(), 1);
    ::setenv("QUORVANE_FAULT_LOG", WindowsPath(FaultLog()).c_str(), 1);
    std::vector<std::string> command{WindowsPath(program)};
    command.insert(command.end(), arguments.begin(), arguments.end());
    Child = StartUnderWine(command);
    ::unsetenv("QUORVANE_PAINT_TIMES");
    ::unsetenv("QUORVANE_FAULT_LOG");
}

ProgramRun::~ProgramRun() {
    if (Child != NoChild && !Exited) {
        // Ended from inside wine, so no save prompt and no wine process is left half gone.
        Probe_.Kill(MainWindowClass);
        if (!WaitWithin(Child, std::chrono::seconds(10))) {
            KillHelper(Child);
            WaitFor(Child);
        }
    }
    // The program makes its log as it starts watching; a run without one was not watched, unless
    // it could not start at all or the test failed before it did.
    if (Child != NoChild && !Alone && !testing::Test::HasFailure() && !fs::exists(FaultLog()))
        ADD_FAILURE() << "the program made no fault log at " << FaultLog()
                      << ": QUORVANE_FAULT_LOG did not reach it";
    CheckFaults();
}

void ProgramRun::CheckFaults() {
    std::error_code missing;
    const auto size = fs::file_size(FaultLog(), missing);
    if (missing || size <= FaultBytesChecked)
        return;
    const std::vector<std::uint8_t> bytes = FileBytes(FaultLog());
    const std::string faults(bytes.begin() + static_cast<std::ptrdiff_t>(FaultBytesChecked),
                             bytes.end());
    FaultBytesChecked = bytes.size();
    ADD_FAILURE() << Driver().Program.filename().string()
                  << " faulted in its own code, though the message dispatch may have swallowed "
                     "it and let the program run on:\n"
                  << faults;
}

std::optional<ClientArea> ProgramRun::MainWindow(const std::string& caption) {
    return Probe_.Find(MainWindowClass, std::chrono::seconds(30), caption);
}

std::optional<int> ProgramRun::Ended(std::chrono::milliseconds limit) {
    const auto status = WaitWithin(Child, limit);
    Exited = status.has_value();
    return status;
}
