// The list of solved puzzles with their best times.
#pragma once

#include "library/report_list.h"
#include "ui/modal_window.h"

class RegistryStore;

// The dialog's controls, by their identifiers.
namespace CompletedControl {
constexpr int ListView1 = 101;
constexpr int Button1 = IDOK; // Close
} // namespace CompletedControl

class Tfcompleted : public ModalWindow {
public:
    Tfcompleted(HWND owner, RegistryStore& registry);

    // Refills the list from the registry and shows it modally until the player closes it.
    void ShowList();

protected:
    LRESULT Message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FillSolvedList();
    void ListView1ColumnClick(int column);

    RegistryStore& Registry;
    ReportList ListView1;
};
