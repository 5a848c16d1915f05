// The puzzle editor as the main window opens it.
#pragma once

#include "editor/editor_services.h"

class PuzzleEditor {
public:
    virtual ~PuzzleEditor() = default;
    // Opens the editor modally with the main window's settings; a new puzzle is started at once.
    virtual void Edit(const EditorSettings& settings) = 0;
};
