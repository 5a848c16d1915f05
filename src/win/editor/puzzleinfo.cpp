#include "editor/puzzleinfo.h"

#include "base/code_page.h"
#include "editor/puzzle_info_fields.h"
#include "model/puzzle_record.h"
#include "platform/date_text.h"
#include "ui/controls.h"
#include "ui/dialog_parts.h"
#include "ui/wide_text.h"

#include <charconv>
// commctrl.h needs the types of windows.h.
#include <commctrl.h>

namespace {

std::wstring Text(const std::string& cp1252) {
    return Wide(Utf8FromCp1252(cp1252));
}

std::string Stored(HWND edit) {
    return Cp1252FromUtf8(Utf8(WindowText(edit)));
}

HWND AddEdit(HWND parent, int id, int y, DWORD style = 0) {
    return AddControl(parent, WC_EDITW, L"", ES_LEFT | ES_AUTOHSCROLL | WS_TABSTOP | style, 118, y,
                      259, 22, id, WS_EX_CLIENTEDGE);
}

HWND AddButton(HWND parent, int id, const wchar_t* caption, int x) {
    return AddControl(parent, WC_BUTTONW, caption, BS_PUSHBUTTON | WS_TABSTOP, x, 348, 75, 25, id);
}

// The panel's caption as a decimal number; 0 when it is none.
int PanelNumber(HWND panel) {
    const std::string text = Utf8(WindowText(panel));
    int number = 0;
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

} // namespace

Tfpuzzleinfo::Tfpuzzleinfo(HWND owner) {
    INITCOMMONCONTROLSEX classes{sizeof(classes), ICC_UPDOWN_CLASS | ICC_BAR_CLASSES};
    InitCommonControlsEx(&classes);
    Create(L"Tfpuzzleinfo", L"Puzzle Information", 395, 381, owner);
    const HWND self = Handle();
    AddLabel(self, L"Name", 26, 18);
    AddLabel(self, L"Puzzle Id", 26, 46);
    AddLabel(self, L"Creator", 26, 74);
    AddLabel(self, L"Creation Date", 26, 104);
    AddLabel(self, L"Puzzle Width", 26, 130);
    AddLabel(self, L"Puzzle Height", 216, 130);
    AddLabel(self, L"Level", 26, 168);
    AddLabel(self, L"Comments", 26, 204);

    // The controls are made in their tab order: a window's children are tabbed through in the
    // order they were made.
    Edit1 = AddEdit(self, PuzzleinfoControl::Edit1, 14);
    SendMessageW(Edit1, EM_SETLIMITTEXT, PuzzleInfoField::MaxNameLength, 0);
    Edit2 = AddEdit(self, PuzzleinfoControl::Edit2, 70);
    SendMessageW(Edit2, EM_SETLIMITTEXT, PuzzleInfoField::MaxNameLength, 0);
    AddButton(self, PuzzleinfoControl::Button1, L"Cancel", 302);
    AddButton(self, PuzzleinfoControl::Button2, L"OK", 220);
    Edit3 = AddEdit(self, PuzzleinfoControl::Edit3, 42, ES_READONLY);
    Edit4 = AddEdit(self, PuzzleinfoControl::Edit4, 98, ES_READONLY);
    Memo1.emplace(self, PuzzleinfoControl::Memo1, 118, 200, 259, 135,
                  PuzzleInfoField::MaxTypedComments);
    SpinEdit1.emplace(self, PuzzleinfoControl::SpinEdit1, 118, 126, 69, 23,
                      PuzzleInfoField::MinSide, PuzzleInfoField::MaxSide);
    SpinEdit2.emplace(self, PuzzleinfoControl::SpinEdit2, 308, 126, 69, 23,
                      PuzzleInfoField::MinSide, PuzzleInfoField::MaxSide);
    TrackBar1 = AddControl(self, TRACKBAR_CLASSW, L"",
                           TBS_HORZ | TBS_NOTICKS | TBS_ENABLESELRANGE | WS_TABSTOP, 112, 162, 215,
                           23, PuzzleinfoControl::TrackBar1);
    SendMessageW(TrackBar1, TBM_SETRANGE, FALSE, MAKELPARAM(0, PuzzleInfoField::MaxLevel));
    SendMessageW(TrackBar1, TBM_SETLINESIZE, 0, 1);
    SendMessageW(TrackBar1, TBM_SETPAGESIZE, 0, 2);
    Panel1 = AddControl(self, WC_STATICW, L"0", SS_CENTER | SS_CENTERIMAGE | SS_NOPREFIX, 334, 162,
                        43, 23, PuzzleinfoControl::Panel1, WS_EX_CLIENTEDGE);
}

void Tfpuzzleinfo::FillPuzzleInfo(const PuzzleRecord& puzzle) {
    SetWindowTextW(Edit1, Text(puzzle.Name.Text()).c_str());
    SetWindowTextW(Edit2, Text(puzzle.Creator.Text()).c_str());
    SetWindowTextW(Edit3, Wide(GuidText(puzzle.PuzzleId)).c_str());
    Memo1->SetStoredText(Utf8FromCp1252(puzzle.Comments.Text()));
    SetWindowTextW(Panel1, std::to_wstring(puzzle.Level).c_str());
    SpinEdit1->SetValue(ShownSide(puzzle.Width));
    SpinEdit2->SetValue(ShownSide(puzzle.Height));
    SetWindowTextW(Edit4,
                   Wide(FormatOleDate(puzzle.DateCreated, PuzzleInfoField::DatePattern)).c_str());
    // Set from here, the slider's position is no user's move and leaves the panel alone.
    SendMessageW(TrackBar1, TBM_SETPOS, TRUE, ShownLevel(puzzle.Level));
    SelectUpToThumb();
}

void Tfpuzzleinfo::TakePuzzleInfo(PuzzleRecord& puzzle) const {
    puzzle.Name.Assign(Stored(Edit1));
    puzzle.Creator.Assign(Stored(Edit2));
    // The panel, not the slider: a level above the slider's range stays until the user moves it.
    puzzle.Level = PanelNumber(Panel1);
    puzzle.Comments.Assign(Cp1252FromUtf8(Memo1->StoredText()));
    puzzle.Width = SpinEdit1->Value();
    puzzle.Height = SpinEdit2->Value();
}

bool Tfpuzzleinfo::EditPuzzleInfo(PuzzleRecord& puzzle) {
    FillPuzzleInfo(puzzle);
    if (ShowModal() != IDOK)
        return false;
    TakePuzzleInfo(puzzle);
    return true;
}

LRESULT Tfpuzzleinfo::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case PuzzleinfoControl::Button2:
            EndModal(IDOK);
            return 0;
        case PuzzleinfoControl::Button1:
            EndModal(IDCANCEL);
            return 0;
        case IDOK:
        case IDCANCEL:
            return 0;
        default:
            break;
        }
        break;
    case WM_HSCROLL:
        // Every step the user makes; the end of a drag or a key moves nothing more.
        if (reinterpret_cast<HWND>(lParam) == TrackBar1 && LOWORD(wParam) != TB_ENDTRACK) {
            TrackBar1Change();
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC: {
        // The read-only boxes keep the window's ground with the system's grey text.
        const auto control = reinterpret_cast<HWND>(lParam);
        if (control == Edit3 || control == Edit4) {
            const auto context = reinterpret_cast<HDC>(wParam);
            SetTextColor(context, GetSysColor(COLOR_GRAYTEXT));
            SetBkColor(context, GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        break;
    }
    default:
        break;
    }
    return ModalWindow::Message(message, wParam, lParam);
}

void Tfpuzzleinfo::TrackBar1Change() {
    const auto position = static_cast<int>(SendMessageW(TrackBar1, TBM_GETPOS, 0, 0));
    SetWindowTextW(Panel1, std::to_wstring(position).c_str());
    SelectUpToThumb();
}

void Tfpuzzleinfo::SelectUpToThumb() {
    const auto position = SendMessageW(TrackBar1, TBM_GETPOS, 0, 0);
    SendMessageW(TrackBar1, TBM_SETSEL, TRUE, MAKELPARAM(0, position));
}
