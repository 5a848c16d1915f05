// The file information dialog, filled from a loaded puzzle.
#include "game/fileinfo.h"
#include "library/puzzle_folder_fixture.h"
#include "windows/dialogs/dialog_steps.h"

#include <gtest/gtest.h>

TEST(WinFileinfo, ShowsTheLoadedPuzzlesFieldsWithLongNamesCutAtTheEdge) {
    Tffileinfo dialog(nullptr);
    ASSERT_NE(dialog.Handle(), nullptr);
    EXPECT_EQ(ControlText(dialog.Handle(), FileinfoControl::Label9), L"[Unknown]");

    PuzzleRecord puzzle = TestPuzzle({"", std::string(70, 'W'), 1, "Ann", 43922.4375, 1});
    puzzle.Comments.Assign("First line\r\nSecond line");
    dialog.Fill(puzzle);
    EXPECT_EQ(ControlText(dialog.Handle(), FileinfoControl::Label2), std::wstring(70, L'W'));
    EXPECT_EQ(ControlText(dialog.Handle(), FileinfoControl::Label4),
              L"{00000001-1234-5678-ABCD-00000000000F}");
    EXPECT_EQ(ControlText(dialog.Handle(), FileinfoControl::Label9), L"Ann");
    EXPECT_EQ(ControlText(dialog.Handle(), FileinfoControl::Label6), L"01/04/2020");
    EXPECT_EQ(ControlText(dialog.Handle(), FileinfoControl::StaticText1),
              L"First line\r\nSecond line");
    RECT name{};
    GetWindowRect(GetDlgItem(dialog.Handle(), FileinfoControl::Label2), &name);
    EXPECT_EQ(name.right - name.left, 402 - 142);

    WhileShown({[&] { PostClose(dialog.Handle()); }});
    dialog.ShowInfo();
    EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
}
