// The new-game browser over a folder of puzzle files.
#pragma once

#include "library/report_list.h"
#include "ui/modal_window.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

class RegistryStore;

// The dialog's controls, by their identifiers.
namespace NewgameControl {
constexpr int Edit1 = 101;
constexpr int Button3 = 102; // Browse
constexpr int ListView1 = 103;
constexpr int CheckBox1 = 104;
constexpr int Button2 = IDOK;     // OK
constexpr int Button1 = IDCANCEL; // Cancel
} // namespace NewgameControl

class Tfnewgame : public ModalWindow {
public:
    // Asks for a folder on behalf of the dialog; none when the player cancels or the system
    // gives no path (which the chooser reports itself).
    using FolderChooser = std::function<std::optional<std::filesystem::path>(HWND owner)>;

    Tfnewgame(HWND owner, RegistryStore& registry);

    // Lists the folder and shows the dialog modally. The chosen file's path when the player
    // closes with OK and the file still exists; none otherwise.
    std::optional<std::filesystem::path> ChooseFrom(const std::filesystem::path& folder);
    // The folder the dialog ended on, which Browse may have changed even if it was cancelled.
    std::filesystem::path ShownFolder() const;

    // Replaces the system's folder browser, so that tests need not answer it.
    void UseFolderChooser(FolderChooser chooser);

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FormShow();
    void FillPuzzleList();
    void Button3Click();
    void ListView1Change();
    void ListView1DblClick();
    void ListView1ColumnClick(int column);
    bool SelectedFileExists() const;

    RegistryStore& Registry;
    FolderChooser ChooseFolder;
    std::wstring SelectedPuzzlePath; // the selected row's "Location", or empty

    HWND Edit1 = nullptr;
    ReportList ListView1;
    HWND CheckBox1 = nullptr;
    HWND Button2 = nullptr;
};
