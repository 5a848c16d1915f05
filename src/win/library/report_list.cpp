#include "library/report_list.h"

#include "platform/locale_compare.h"
#include "ui/controls.h"
#include "ui/display_dpi.h"
#include "ui/wide_text.h"

#include <algorithm>

namespace {

int CompareCells(const std::wstring& a, const std::wstring& b, CellOrder order) {
    if (order == CellOrder::Number)
        return CompareNumberTexts(Utf8(a), Utf8(b));
    return LocaleCompare(a, b);
}

} // namespace

void ReportList::Create(HWND parent, int id, RECT area, std::span<const ReportColumn> columns,
                        HIMAGELIST icons) {
    const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    Handle_ = AddControl(
        parent, WC_LISTVIEWW, L"",
        LVS_REPORT | LVS_OWNERDATA | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_TABSTOP, area.left,
        area.top, area.right - area.left, area.bottom - area.top, id, WS_EX_CLIENTEDGE);
    SendMessageW(Handle_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    SendMessageW(Handle_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(icons));
    for (std::size_t column = 0; column < columns.size(); ++column) {
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        header.fmt = columns[column].Format;
        header.cx = ScaleOf(parent).Length(columns[column].Width);
        header.pszText = const_cast<wchar_t*>(columns[column].Header);
        header.iSubItem = static_cast<int>(column);
        SendMessageW(Handle_, LVM_INSERTCOLUMNW, column, reinterpret_cast<LPARAM>(&header));
    }
}

void ReportList::Fill(std::vector<ReportRow> rows) {
    Select(-1);
    Rows = std::move(rows);
    SendMessageW(Handle_, LVM_SETITEMCOUNT, Rows.size(), 0);
    // A new filling starts at the top and the left, with the names in view.
    SendMessageW(Handle_, LVM_ENSUREVISIBLE, 0, FALSE);
    SendMessageW(Handle_, LVM_SCROLL, static_cast<WPARAM>(-0x7FFF), 0);
    InvalidateRect(Handle_, nullptr, TRUE);
}

void ReportList::Sort(SortKey key) {
    const int selected = SelectedIndex();
    const ReportRow* selectedRow =
        selected >= 0 ? &Rows[static_cast<std::size_t>(selected)] : nullptr;
    std::vector<std::size_t> order(Rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    const auto column = static_cast<std::size_t>(key.Column);
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return CompareCells(Rows[a].Cells[column], Rows[b].Cells[column], key.Order) < 0;
    });
    std::vector<ReportRow> sorted;
    sorted.reserve(Rows.size());
    int newSelected = -1;
    for (const std::size_t i : order) {
        if (&Rows[i] == selectedRow)
            newSelected = static_cast<int>(sorted.size());
        sorted.push_back(std::move(Rows[i]));
    }
    Rows = std::move(sorted);
    if (newSelected != selected) {
        Select(-1);
        Select(newSelected);
    }
    InvalidateRect(Handle_, nullptr, TRUE);
}

const ReportRow* ReportList::SelectedRow() const {
    const int index = SelectedIndex();
    return index >= 0 ? &Rows[static_cast<std::size_t>(index)] : nullptr;
}

bool ReportList::Notify(NMHDR& notice) const {
    if (notice.hwndFrom != Handle_ || notice.code != LVN_GETDISPINFOW)
        return false;
    LVITEMW& item = reinterpret_cast<NMLVDISPINFOW&>(notice).item;
    if (item.iItem < 0 || static_cast<std::size_t>(item.iItem) >= Rows.size())
        return true;
    const ReportRow& row = Rows[static_cast<std::size_t>(item.iItem)];
    if ((item.mask & LVIF_TEXT) != 0 && item.pszText != nullptr && item.cchTextMax > 0) {
        const auto column = static_cast<std::size_t>(item.iSubItem);
        lstrcpynW(item.pszText, column < row.Cells.size() ? row.Cells[column].c_str() : L"",
                  item.cchTextMax);
    }
    if ((item.mask & LVIF_IMAGE) != 0)
        item.iImage = row.Icon;
    return true;
}

int ReportList::SelectedIndex() const {
    const auto index = static_cast<int>(
        SendMessageW(Handle_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return index >= 0 && static_cast<std::size_t>(index) < Rows.size() ? index : -1;
}

// -1 clears the selection.
void ReportList::Select(int index) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = index >= 0 ? state.stateMask : 0;
    SendMessageW(Handle_, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&state));
}
