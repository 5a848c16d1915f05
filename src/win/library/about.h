// The about box: the banner, the version, the read-me text and where to send comments.
#pragma once

#include "ui/modal_window.h"

#include <filesystem>

// The box's controls, by their identifiers.
namespace AboutControl {
constexpr int Label5 = 101; // "Beta Version"
constexpr int Memo1 = 102;
constexpr int Button1 = IDOK; // Close
} // namespace AboutControl

class Tfabout : public ModalWindow {
public:
    // Reads Readme.txt from the program folder once; without it the text area stays empty.
    Tfabout(HWND owner, const std::filesystem::path& programFolder);
    ~Tfabout() override;

    void ShowAbout() { ShowModal(); }

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormCreate(const std::filesystem::path& programFolder);

    HWND Label5 = nullptr;
    HWND Memo1 = nullptr;
    HFONT NameFont = nullptr;
    HFONT BetaFont = nullptr;
};
