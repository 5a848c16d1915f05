// What the main window is given from outside: the platform's services and the program's setting.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

class Clock;
class FileDialogs;
class FontLibrary;
class MessageDialogs;
class RegistryStore;
class Waiter;

// Shows and hides the splash window of the start-up.
class SplashControl {
public:
    virtual ~SplashControl() = default;
    virtual void Hide() = 0;
};

struct MainformServices {
    RegistryStore& Registry;
    FontLibrary& Fonts;
    Waiter& Waits;
    SplashControl& Splash;
    MessageDialogs& Messages;
    Clock& Time;
    FileDialogs& Files;
    std::filesystem::path ProgramFolder;
    std::vector<std::string> Arguments; // the command line, without the program's own name
    // Where saved games go when the program's folder is read-only; empty for none.
    std::filesystem::path UserDataFolder = {};
};
