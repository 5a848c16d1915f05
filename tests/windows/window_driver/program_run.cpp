// One start of the Windows program in a program folder of its own.
#include "window_driver/program_run.h"

#include "window_driver/wine_gui.h"

#include <cstdlib>

namespace fs = std::filesystem;

DriverPaths& Driver() {
    static DriverPaths paths;
    return paths;
}

ProgramRun::ProgramRun(const std::vector<std::string>& arguments, bool alone)
    : Probe_(Driver().Probe, Scratch_.Path()) {
    const fs::path program = Folder() / Driver().Program.filename();
    fs::copy_file(Driver().Program, program);
    if (!alone)
        for (const auto& entry : fs::directory_iterator(Driver().ProgramFolder)) {
            const std::string extension = entry.path().extension().string();
            if (extension == ".dll" || extension == ".fnt")
                fs::copy_file(entry.path(), Folder() / entry.path().filename());
        }
    ::setenv("QUORVANE_PAINT_TIMES", WindowsPath(PaintTimes()).c_str(), 1);
    std::vector<std::string> command{WindowsPath(program)};
    command.insert(command.end(), arguments.begin(), arguments.end());
    Child = StartUnderWine(command);
    ::unsetenv("QUORVANE_PAINT_TIMES");
}

ProgramRun::~ProgramRun() {
    if (Child == NoChild || Exited)
        return;
    // Ended from inside wine, so no save prompt and no wine process is left half gone.
    Probe_.Kill(MainWindowClass);
    if (!WaitWithin(Child, std::chrono::seconds(10))) {
        KillHelper(Child);
        WaitFor(Child);
    }
}

std::optional<ClientArea> ProgramRun::MainWindow(const std::string& caption) {
    return Probe_.Find(MainWindowClass, std::chrono::seconds(30), caption);
}

std::optional<int> ProgramRun::Ended(std::chrono::milliseconds limit) {
    const auto status = WaitWithin(Child, limit);
    Exited = status.has_value();
    return status;
}
