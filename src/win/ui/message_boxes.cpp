#include "ui/message_boxes.h"

#include "ui/wide_text.h"

namespace {

int Ask(HWND owner, std::string_view text, UINT kind) {
    return MessageBoxW(owner, Wide(text).c_str(), L"Quorvane", kind);
}

} // namespace

void ShowError(HWND owner, std::string_view text) {
    Ask(owner, text, MB_OK | MB_ICONERROR);
}

void Inform(HWND owner, std::string_view text) {
    Ask(owner, text, MB_OK | MB_ICONINFORMATION);
}

bool AskYesNo(HWND owner, std::string_view text) {
    return Ask(owner, text, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

bool ConfirmOkCancel(HWND owner, std::string_view text) {
    return Ask(owner, text, MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}
