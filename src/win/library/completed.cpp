#include "library/completed.h"

#include "library/puzzle_glyph.h"
#include "library/solved_list.h"
#include "platform/date_text.h"
#include "ui/controls.h"
#include "ui/dialog_parts.h"
#include "ui/wide_text.h"

#include <array>
#include <string>

namespace {

constexpr std::array<ReportColumn, 4> Columns{{
    {L"Name", 200, LVCFMT_LEFT},
    {L"Time", 70, LVCFMT_CENTER},
    {L"Level", 70, LVCFMT_CENTER},
    {L"Date", 170, LVCFMT_LEFT},
}};

// A value the record lacks shows as an empty cell.
ReportRow RowOf(const SolvedListRow& record) {
    ReportRow row;
    row.Cells.resize(Columns.size());
    row.Cells[SolvedColumn::Name] = Wide(record.Name);
    if (record.Time)
        row.Cells[SolvedColumn::Time] = Wide(SolvedTimeText(*record.Time));
    if (record.Level)
        row.Cells[SolvedColumn::Level] = std::to_wstring(*record.Level);
    if (record.DateCompleted)
        row.Cells[SolvedColumn::Date] =
            Wide(FormatOleDate(*record.DateCompleted, "ddd dd mmmm yyyy hh:nn"));
    return row;
}

} // namespace

Tfcompleted::Tfcompleted(HWND owner, RegistryStore& registry) : Registry(registry) {
    Create(L"Tfcompleted", L"Solved Puzzles", 549, 382, owner);
    AddLabel(Handle(), L"List of solved Puzzles", 12, 8);
    ListView1.Create(Handle(), CompletedControl::ListView1, {10, 28, 10 + 531, 28 + 317}, Columns,
                     PuzzleGlyphs({PuzzleGlyphShade::Grey}));
    AddControl(Handle(), WC_BUTTONW, L"Close", BS_DEFPUSHBUTTON | WS_TABSTOP, 450, 352, 75, 25,
               CompletedControl::Button1);
}

void Tfcompleted::ShowList() {
    FillSolvedList();
    ShowModal();
}

// The rows keep the registry's order until a header is clicked; each showing starts afresh.
void Tfcompleted::FillSolvedList() {
    std::vector<ReportRow> rows;
    for (const SolvedListRow& record : ReadSolvedList(Registry))
        rows.push_back(RowOf(record));
    ListView1.Fill(std::move(rows));
}

void Tfcompleted::ListView1ColumnClick(int column) {
    ListView1.Sort(SolvedSortKey(column));
}

LRESULT Tfcompleted::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NOTIFY) {
        auto& notice = *reinterpret_cast<NMHDR*>(lParam);
        if (ListView1.Notify(notice))
            return 0;
        if (notice.hwndFrom == ListView1.Handle() && notice.code == LVN_COLUMNCLICK) {
            ListView1ColumnClick(reinterpret_cast<NMLISTVIEW&>(notice).iSubItem);
            return 0;
        }
    }
    return ModalWindow::Message(message, wParam, lParam);
}
