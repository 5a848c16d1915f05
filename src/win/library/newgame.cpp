#include "library/newgame.h"

#include "base/path_text.h"
#include "library/puzzle_folder_scan.h"
#include "library/puzzle_glyph.h"
#include "platform/date_text.h"
#include "ui/controls.h"
#include "ui/dialog_parts.h"
#include "ui/message_boxes.h"
#include "ui/wide_text.h"

// After windows.h, whose types it needs.
#include <algorithm>
#include <array>
#include <shlobj.h>

namespace {

constexpr std::array<ReportColumn, 5> Columns{{
    {L"Name", 200, LVCFMT_LEFT},
    {L"Level", 50, LVCFMT_CENTER},
    {L"Created By", 120, LVCFMT_LEFT},
    {L"Date", 120, LVCFMT_LEFT},
    {L"Location", 250, LVCFMT_LEFT},
}};

// Icons of the list, by index.
constexpr int UnsolvedIcon = 0;
constexpr int SolvedIcon = 1;

std::optional<std::filesystem::path> ChooseWithShellBrowser(HWND owner) {
    BROWSEINFOW request{};
    request.hwndOwner = owner;
    request.lpszTitle = L"Select the new folder to display.";
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    const PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&request);
    if (chosen == nullptr)
        return std::nullopt;
    wchar_t path[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListW(chosen, path) != FALSE;
    CoTaskMemFree(chosen);
    if (!found) {
        ShowError(owner, "Error retrieving Path.");
        return std::nullopt;
    }
    return std::filesystem::path(path);
}

ReportRow RowOf(const PuzzleFolderRow& puzzle, const std::string& folderText) {
    ReportRow row;
    row.Icon = puzzle.Solved ? SolvedIcon : UnsolvedIcon;
    row.Cells.resize(Columns.size());
    row.Cells[PuzzleColumn::Name] = Wide(puzzle.Name);
    row.Cells[PuzzleColumn::Level] = std::to_wstring(puzzle.Level);
    row.Cells[PuzzleColumn::CreatedBy] = Wide(puzzle.Creator);
    row.Cells[PuzzleColumn::Date] = Wide(FormatOleDate(puzzle.DateCreated, "mmm dd yyyy hh:nn"));
    row.Cells[PuzzleColumn::Location] = Wide(PuzzleLocation(folderText, puzzle.FileName));
    return row;
}

} // namespace

Tfnewgame::Tfnewgame(HWND owner, RegistryStore& registry)
    : Registry(registry), ChooseFolder(ChooseWithShellBrowser) {
    Create(L"Tfnewgame", L"Start New Game", 478, 294, owner);
    AddLabel(Handle(), L"Browse Folder", 14, 12);
    Edit1 = AddControl(Handle(), WC_EDITW, L"", ES_AUTOHSCROLL | ES_READONLY | WS_TABSTOP, 92, 8,
                       263, 22, NewgameControl::Edit1, WS_EX_CLIENTEDGE);
    AddControl(Handle(), WC_BUTTONW, L"Browse", BS_PUSHBUTTON | WS_TABSTOP, 376, 7, 75, 25,
               NewgameControl::Button3);
    ListView1.Create(Handle(), NewgameControl::ListView1, {10, 42, 10 + 453, 42 + 209}, Columns,
                     PuzzleGlyphs({PuzzleGlyphShade::Colour, PuzzleGlyphShade::Grey}));
    CheckBox1 =
        AddControl(Handle(), WC_BUTTONW, L"Do not display completed puzzles",
                   BS_AUTOCHECKBOX | WS_TABSTOP, 14, 266, 189, 17, NewgameControl::CheckBox1);
    Button2 = AddControl(Handle(), WC_BUTTONW, L"OK", BS_DEFPUSHBUTTON | WS_TABSTOP, 308, 262, 75,
                         25, NewgameControl::Button2);
    AddControl(Handle(), WC_BUTTONW, L"Cancel", BS_PUSHBUTTON | WS_TABSTOP, 390, 262, 75, 25,
               NewgameControl::Button1);
}

std::optional<std::filesystem::path> Tfnewgame::ChooseFrom(const std::filesystem::path& folder) {
    SetWindowTextW(Edit1, folder.c_str());
    FormShow();
    if (ShowModal() != IDOK || !SelectedFileExists())
        return std::nullopt;
    return std::filesystem::path(SelectedPuzzlePath);
}

std::filesystem::path Tfnewgame::ShownFolder() const {
    return std::filesystem::path(WindowText(Edit1));
}

void Tfnewgame::UseFolderChooser(FolderChooser chooser) {
    ChooseFolder = std::move(chooser);
}

void Tfnewgame::FormShow() {
    SelectedPuzzlePath.clear();
    FillPuzzleList();
}

// Every filling starts from a fresh scan and ends with no row selected. The rows are put in
// caption order before the list shows them.
void Tfnewgame::FillPuzzleList() {
    const std::wstring folderText = WindowText(Edit1);
    const std::string folderUtf8 = Utf8(folderText);
    const PuzzleFolderScan scan = ScanPuzzleFolder(std::filesystem::path(folderText), Registry);
    const bool hideSolved = SendMessageW(CheckBox1, BM_GETCHECK, 0, 0) == BST_CHECKED;
    std::vector<ReportRow> rows;
    rows.reserve(scan.Rows.size());
    for (const PuzzleFolderRow& puzzle : scan.Rows)
        if (!(puzzle.Solved && hideSolved))
            rows.push_back(RowOf(puzzle, folderUtf8));
    ListView1.Fill(std::move(rows));
    ListView1.Sort(PuzzleSortKey(PuzzleColumn::Name));
    ListView1Change();
}

void Tfnewgame::Button3Click() {
    const std::optional<std::filesystem::path> folder = ChooseFolder(Handle());
    if (!folder)
        return;
    SetWindowTextW(Edit1, folder->c_str());
    SelectedPuzzlePath.clear();
    FillPuzzleList();
}

void Tfnewgame::ListView1Change() {
    const ReportRow* selected = ListView1.SelectedRow();
    SelectedPuzzlePath = selected != nullptr ? selected->Cells[PuzzleColumn::Location] : L"";
    EnableWindow(Button2, SelectedFileExists());
}

void Tfnewgame::ListView1DblClick() {
    ListView1Change();
    if (SelectedFileExists())
        EndModal(IDOK);
}

void Tfnewgame::ListView1ColumnClick(int column) {
    ListView1.Sort(PuzzleSortKey(column));
}

bool Tfnewgame::SelectedFileExists() const {
    std::error_code error;
    return !SelectedPuzzlePath.empty() &&
           std::filesystem::is_regular_file(std::filesystem::path(SelectedPuzzlePath), error);
}

LRESULT Tfnewgame::Message(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        if (LOWORD(wParam) == NewgameControl::Button3 && HIWORD(wParam) == BN_CLICKED) {
            Button3Click();
            return 0;
        }
        if (LOWORD(wParam) == NewgameControl::CheckBox1 && HIWORD(wParam) == BN_CLICKED) {
            FillPuzzleList();
            return 0;
        }
        break;
    case WM_NOTIFY: {
        auto& notice = *reinterpret_cast<NMHDR*>(lParam);
        if (ListView1.Notify(notice))
            return 0;
        if (notice.hwndFrom != ListView1.Handle())
            break;
        switch (notice.code) {
        case LVN_ITEMCHANGED:
        case LVN_ODSTATECHANGED:
            ListView1Change();
            return 0;
        case NM_DBLCLK:
            ListView1DblClick();
            return 0;
        case LVN_COLUMNCLICK:
            ListView1ColumnClick(reinterpret_cast<NMLISTVIEW&>(notice).iSubItem);
            return 0;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    return ModalWindow::Message(message, wParam, lParam);
}
