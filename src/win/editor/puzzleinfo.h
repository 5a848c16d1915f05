// The name, creator, comments, level and size of the puzzle in the editor.
#pragma once

#include "editor/arrow_spin_box.h"
#include "editor/limited_memo.h"
#include "ui/modal_window.h"

#include <optional>

struct PuzzleRecord;

// The dialog's controls, by their identifiers.
namespace PuzzleinfoControl {
constexpr int Edit1 = 101;     // name
constexpr int Edit2 = 102;     // creator
constexpr int Edit3 = 103;     // identity, read-only
constexpr int Edit4 = 104;     // creation date, read-only
constexpr int Memo1 = 105;     // comments
constexpr int SpinEdit1 = 106; // width
constexpr int SpinEdit2 = 107; // height
constexpr int TrackBar1 = 108; // level
constexpr int Panel1 = 109;    // the level as a number
constexpr int Button1 = 110;   // Cancel
constexpr int Button2 = 111;   // OK
} // namespace PuzzleinfoControl

class Tfpuzzleinfo : public ModalWindow {
public:
    explicit Tfpuzzleinfo(HWND owner);

    // Every control afresh from the puzzle; the level panel shows the level unclamped.
    void FillPuzzleInfo(const PuzzleRecord& puzzle);
    // Name, creator, level (as the panel shows it), comments and size back into the puzzle.
    void TakePuzzleInfo(PuzzleRecord& puzzle) const;
    // Fills the dialog, shows it modally and on OK takes it back; true for OK. Cancel leaves the
    // puzzle as it was.
    bool EditPuzzleInfo(PuzzleRecord& puzzle);

protected:
    // Neither button is the default or the cancel button: the IDOK and IDCANCEL that Enter and
    // Escape send end nothing.
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // A move of the slider by the user.
    void TrackBar1Change();
    // The slider's highlighted range, from 0 to where it stands.
    void SelectUpToThumb();

    // Made in the tab order.
    HWND Edit1 = nullptr;
    HWND Edit2 = nullptr;
    HWND Edit3 = nullptr;
    HWND Edit4 = nullptr;
    std::optional<LimitedMemo> Memo1;
    std::optional<ArrowSpinBox> SpinEdit1;
    std::optional<ArrowSpinBox> SpinEdit2;
    HWND TrackBar1 = nullptr;
    HWND Panel1 = nullptr;
};
