// The window driver's entry: the paths it is given, one wine prefix for every test, and wine
// ended afterwards whatever happened.
#include "window_driver/program_run.h"
#include "window_driver/wine_gui.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc != 5 || !std::getenv("DISPLAY")) {
        std::cerr << "usage, on an X display: " << argv[0]
                  << " Quorvane.exe window_probe.exe program-folder wine-prefix\n";
        return 2;
    }
    namespace fs = std::filesystem;
    // Wine wants its prefix absolute, and programs are given paths on drive Z:.
    Driver() = {fs::absolute(argv[1]), fs::absolute(argv[2]), fs::absolute(argv[3]),
                fs::absolute(argv[4])};
    UseWinePrefix(Driver().Prefix);
    const int result = RUN_ALL_TESTS();
    EndWine();
    return result;
}
