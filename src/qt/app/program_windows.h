// Every window of the program: the main window, made at start-up, and the dialogs, each made the
// first time the player opens it and kept for the run.
#pragma once

#include "app/deferred_about_box.h"
#include "app/deferred_congratulations.h"
#include "app/deferred_editor.h"
#include "app/deferred_new_game.h"
#include "app/deferred_preferences.h"
#include "app/deferred_solved_list.h"
#include "editor/puzzleinfo.h"
#include "game/fileinfo.h"
#include "game/mainform.h"
#include "help/help_window.h"
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

    // The dialogs belong to the window that opens them and go with the main window; those made
    // later stand in their makers' place, which belong to the same window.
    std::unique_ptr<Tfmainform> Mainform;
    DeferredAboutBox* About = nullptr;
    DeferredPreferences* Preferences = nullptr;
    Tffileinfo* FileInfo = nullptr;
    DeferredNewGame* NewGame = nullptr;
    DeferredEditor* Editor = nullptr;
    // Made with the editor.
    Tfpuzzleinfo* PuzzleInfo = nullptr;
    DeferredCongratulations* Congrats = nullptr;
    DeferredSolvedList* Completed = nullptr;
};
