#include "windows/dialogs/dialog_steps.h"

#include <commctrl.h>
#include <deque>

namespace {

std::deque<std::function<void()>> Pending;

void CALLBACK RunNextStep(HWND, UINT, UINT_PTR timer, DWORD) {
    KillTimer(nullptr, timer);
    if (Pending.empty())
        return;
    const std::function<void()> step = std::move(Pending.front());
    Pending.pop_front();
    step();
    // A timer fires only once no posted message waits, so what the step posted comes first.
    if (!Pending.empty())
        SetTimer(nullptr, 0, 0, RunNextStep);
}

} // namespace

void WhileShown(std::initializer_list<std::function<void()>> steps) {
    Pending.assign(steps.begin(), steps.end());
    SetTimer(nullptr, 0, 0, RunNextStep);
}

void PostClick(HWND dialog, int buttonId) {
    PostMessageW(GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
}

void PostHeaderClick(HWND list, int column) {
    const auto header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
    RECT item{};
    SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(column),
                 reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
    PostMessageW(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(header, WM_LBUTTONUP, 0, at);
}

void PostClose(HWND dialog) {
    PostMessageW(dialog, WM_CLOSE, 0, 0);
}

std::wstring ControlText(HWND dialog, int id) {
    wchar_t text[1024] = {};
    GetDlgItemTextW(dialog, id, text, static_cast<int>(std::size(text)));
    return text;
}

bool IsTicked(HWND dialog, int checkBoxId) {
    return IsDlgButtonChecked(dialog, checkBoxId) == BST_CHECKED;
}

std::vector<std::wstring> ListColumn(HWND list, int column) {
    std::vector<std::wstring> cells;
    const auto rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        wchar_t text[512] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = static_cast<int>(std::size(text));
        SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
        cells.emplace_back(text);
    }
    return cells;
}

std::vector<int> ListIcons(HWND list) {
    std::vector<int> icons;
    const auto rows = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < rows; ++row) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        icons.push_back(item.iImage);
    }
    return icons;
}

void SelectRow(HWND list, int row) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = state.stateMask;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&state));
}
