#include "game/fileinfo.h"

#include "base/code_page.h"
#include "model/puzzle_record.h"
#include "platform/date_text.h"
#include "ui/controls.h"
#include "ui/dialog_parts.h"
#include "ui/wide_text.h"

#include <commctrl.h>

namespace {

std::wstring Text(const std::string& cp1252) {
    return Wide(Utf8FromCp1252(cp1252));
}

} // namespace

Tffileinfo::Tffileinfo(HWND owner) {
    Create(L"Tffileinfo", L"File Information", 402, 322, owner);
    AddProgramIcon(Handle(), 10, 12, 47, 51);
    AddLabel(Handle(), L"Puzzle Name", 64, 14);
    AddLabel(Handle(), L"Puzzle ID", 64, 36);
    AddLabel(Handle(), L"Created By ", 64, 58);
    AddLabel(Handle(), L"Date Created", 64, 80);
    AddLabel(Handle(), L"Comments", 64, 110);
    Label2 = AddLabel(Handle(), L"", 142, 14, FileinfoControl::Label2);
    Label4 = AddLabel(Handle(), L"", 142, 36, FileinfoControl::Label4);
    Label9 = AddLabel(Handle(), L"[Unknown]", 142, 58, FileinfoControl::Label9);
    Label6 = AddLabel(Handle(), L"[Unknown]", 142, 80, FileinfoControl::Label6);
    AddBevelLine(Handle(), 62, 94, 329);
    // A static control wraps its text at word boundaries and starts a new line at each line end.
    StaticText1 = AddControl(Handle(), WC_STATICW, L"", SS_LEFT | SS_NOPREFIX, 142, 110, 249, 165,
                             FileinfoControl::StaticText1);
    AddControl(Handle(), WC_BUTTONW, L"Close", BS_DEFPUSHBUTTON | WS_TABSTOP, 314, 292, 75, 25,
               FileinfoControl::Button1);
}

void Tffileinfo::Fill(const PuzzleRecord& puzzle) {
    SetLabelText(Label2, Text(puzzle.Name.Text()));
    SetLabelText(Label9, Text(puzzle.Creator.Text()));
    SetLabelText(Label6, Wide(FormatOleDate(puzzle.DateCreated, "dd/mm/yyyy")));
    SetWindowTextW(StaticText1, Text(puzzle.Comments.Text()).c_str());
    SetLabelText(Label4, Wide(GuidText(puzzle.PuzzleId)));
}
