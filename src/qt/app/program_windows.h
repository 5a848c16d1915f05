// Every window of the program, created once at start-up in a fixed order and kept for the run.
#pragma once

#include "appearance/preferences.h"
#include "editor/feditor.h"
#include "game/fileinfo.h"
#include "editor/puzzleinfo.h"
#include "game/mainform.h"
#include "help/help_window.h"
#include "library/about.h"
#include "library/completed.h"
#include "library/congrats.h"
#include "library/newgame.h"
#include "platform/random_guid_source.h"
#include "platform/user_name.h"

#include <memory>

struct ProgramWindows {
    explicit ProgramWindows(MainformServices services);

    // Services only the puzzle editor uses.
    RandomGuidSource Guids;
    UserName Login;
    // The help window, for the main window and the editor; it belongs to the main window.
    HelpWindow* Help = nullptr;

    // Declared in creation order; the dialogs belong to the window that opens them and go with
    // the main window.
    std::unique_ptr<Tfmainform> Mainform;
    Tfabout* About = nullptr;
    Tfpreferences* Preferences = nullptr;
    Tffileinfo* FileInfo = nullptr;
    Tfnewgame* NewGame = nullptr;
    Tffeditor* Editor = nullptr;
    Tfpuzzleinfo* PuzzleInfo = nullptr;
    Tfcongrats* Congrats = nullptr;
    Tfcompleted* Completed = nullptr;
};
