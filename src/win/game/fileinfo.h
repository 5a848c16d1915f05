// The information of the loaded puzzle: name, identity, creator, date and comments.
#pragma once

#include "ui/modal_window.h"

struct PuzzleRecord;

// The dialog's value fields, by their identifiers.
namespace FileinfoControl {
constexpr int Label2 = 101;      // name
constexpr int Label4 = 102;      // identity
constexpr int Label9 = 103;      // creator
constexpr int Label6 = 104;      // date created
constexpr int StaticText1 = 105; // comments
constexpr int Button1 = IDOK;    // Close
} // namespace FileinfoControl

class Tffileinfo : public ModalWindow {
public:
    explicit Tffileinfo(HWND owner);

    // Takes the fields of a puzzle that has just loaded; the dialog shows them until the next.
    void Fill(const PuzzleRecord& puzzle);
    void ShowInfo() { ShowModal(); }

private:
    HWND Label2 = nullptr;
    HWND Label4 = nullptr;
    HWND Label9 = nullptr;
    HWND Label6 = nullptr;
    HWND StaticText1 = nullptr;
};
