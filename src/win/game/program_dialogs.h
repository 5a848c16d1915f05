// The dialogs of the program and the puzzle editor, made after the main window in the program's
// order and shown by it.
#pragma once

#include "game/mainform.h"

#include <memory>

class Clock;
class HelpViewer;
class RegistryStore;

// The platform's services the dialogs share with the main window for the whole run.
struct ProgramServices {
    RegistryStore& Registry;
    Clock& Time;
    HelpViewer& Help;
};

std::unique_ptr<MainformDialogs> MakeProgramDialogs(Tfmainform& owner,
                                                    const ProgramServices& services);
