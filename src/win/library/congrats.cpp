#include "library/congrats.h"

#include "ui/controls.h"
#include "ui/dialog_parts.h"
#include "ui/wide_text.h"

#include <commctrl.h>

Tfcongrats::Tfcongrats(HWND owner) {
    Create(L"Tfcongrats", L"Puzzle Solved", 370, 107, owner);
    AddProgramIcon(Handle(), 14, 10, 51, 51);
    StaticText1 = AddControl(Handle(), WC_STATICW, L"", SS_LEFT | SS_NOPREFIX, 72, 10, 289, 57,
                             CongratsControl::StaticText1);
    CheckBox1 =
        AddControl(Handle(), WC_BUTTONW, L"Register this puzzle as solved.",
                   BS_AUTOCHECKBOX | WS_TABSTOP, 72, 82, 171, 17, CongratsControl::CheckBox1);
    AddControl(Handle(), WC_BUTTONW, L"Close", BS_DEFPUSHBUTTON | WS_TABSTOP, 286, 78, 75, 25,
               CongratsControl::Button1);
}

bool Tfcongrats::Congratulate(const std::string& text) {
    SetWindowTextW(StaticText1, Wide(text).c_str());
    SendMessageW(CheckBox1, BM_SETCHECK, BST_CHECKED, 0);
    ShowModal();
    return SendMessageW(CheckBox1, BM_GETCHECK, 0, 0) == BST_CHECKED;
}
