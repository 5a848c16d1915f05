// The report-style lists of the library's dialogs: fixed columns, one row per entry, 16 x 16
// icons, clickable headers, no editing.
#pragma once

#include "library/column_order.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// After windows.h, whose types it needs.
#include <commctrl.h>
#include <span>
#include <string>
#include <vector>

struct ReportColumn {
    const wchar_t* Header;
    int Width;
    int Format; // LVCFMT_LEFT or LVCFMT_CENTER
};

struct ReportRow {
    std::vector<std::wstring> Cells; // one per column
    int Icon = 0;                    // index in the list's image list
};

// The list keeps no rows of its own (LVS_OWNERDATA): it asks this object for the cells it draws,
// so a folder of thousands of puzzles is listed, and sorted, without making an item for each.
// The parent passes the list's WM_NOTIFY messages to Notify.
class ReportList {
public:
    // The list takes the image list and destroys it with itself.
    void Create(HWND parent, int id, RECT area, std::span<const ReportColumn> columns,
                HIMAGELIST icons);
    HWND Handle() const { return Handle_; }

    // Shows these rows in this order, none of them selected.
    void Fill(std::vector<ReportRow> rows);
    // Puts the rows in ascending order by the key; rows that compare equal keep their order, and
    // the selected row stays selected.
    void Sort(SortKey key);
    // The selected row, or null.
    const ReportRow* SelectedRow() const;

    // Answers the list's questions for the texts and icons it shows; true when the notice was a
    // question of this list's.
    bool Notify(NMHDR& notice) const;

private:
    int SelectedIndex() const;
    void Select(int index);

    HWND Handle_ = nullptr;
    std::vector<ReportRow> Rows;
};
