// The puzzle information dialog: filled from a record and taken back after OK, the clamps, the
// level panel and its slider, the arrows and the refusals of the spin boxes, the typing limits,
// the keys that do not end it and the tab order.
#include "editor/puzzleinfo.h"
#include "model/puzzle_record.h"
#include "platform/date_text.h"
#include "ui/wide_text.h"
#include "windows/dialogs/dialog_steps.h"

#include <commctrl.h>
#include <cstring>
#include <gtest/gtest.h>

namespace {

using namespace PuzzleinfoControl;

PuzzleRecord Sample() {
    PuzzleRecord puzzle;
    puzzle.Width = 10;
    puzzle.Height = 70;
    puzzle.Name.Assign("Caf\xE9"); // Windows-1252
    puzzle.Creator.Assign("ann");
    puzzle.Comments.Assign("line one\nline two");
    puzzle.Level = 15;
    puzzle.PuzzleId = Guid{0x1234ABCD, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    puzzle.DateCreated = 46000.5;
    return puzzle;
}

HWND Item(const Tfpuzzleinfo& dialog, int id) {
    return GetDlgItem(dialog.Handle(), id);
}

// The up-down control beside a spin box's edit box, made right after it.
HWND Arrows(const Tfpuzzleinfo& dialog, int spinId) {
    return GetWindow(Item(dialog, spinId), GW_HWNDNEXT);
}

// A press and release on a spin box's upper or lower arrow.
void PostArrowClick(HWND arrows, bool up) {
    RECT area{};
    GetClientRect(arrows, &area);
    const LPARAM at = MAKELPARAM(area.right / 2, up ? area.bottom / 4 : area.bottom * 3 / 4);
    PostMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(arrows, WM_LBUTTONUP, 0, at);
}

void PostKey(HWND control, WPARAM key) {
    PostMessageW(control, WM_KEYDOWN, key, 1);
}

// The text on the clipboard, as a copy elsewhere leaves it.
bool CopyToClipboard(const std::wstring& text) {
    if (!OpenClipboard(nullptr))
        return false;
    EmptyClipboard();
    const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (memory != nullptr) {
        std::memcpy(GlobalLock(memory), text.c_str(), bytes);
        GlobalUnlock(memory);
    }
    const bool placed = memory != nullptr && SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
    CloseClipboard();
    return placed;
}

// The key pressed with Shift held, as an edit box reads Shift: from its thread's key state.
void SendShifted(HWND control, WPARAM key) {
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    const BYTE shift = keys[VK_SHIFT];
    keys[VK_SHIFT] = 0x80;
    SetKeyboardState(keys);
    SendMessageW(control, WM_KEYDOWN, key, 1);
    keys[VK_SHIFT] = shift;
    SetKeyboardState(keys);
}

LRESULT SelectionEnd(const Tfpuzzleinfo& dialog) {
    return SendMessageW(Item(dialog, TrackBar1), TBM_GETSELEND, 0, 0);
}

} // namespace

TEST(WinPuzzleinfo, ShowsTheRecordAndOkTakesClampedSizesAndThePanelsLevel) {
    Tfpuzzleinfo dialog(nullptr);
    ASSERT_NE(dialog.Handle(), nullptr);
    PuzzleRecord puzzle = Sample();
    WhileShown({[&] {
        EXPECT_EQ(ControlText(dialog.Handle(), Edit1), L"Caf\u00E9");
        EXPECT_EQ(ControlText(dialog.Handle(), Edit3), L"{1234ABCD-0001-0002-0304-05060708090A}");
        EXPECT_EQ(ControlText(dialog.Handle(), Edit4),
                  Wide(FormatOleDate(46000.5, "dddd dd mmmm yyyy hh:nn")));
        EXPECT_EQ(ControlText(dialog.Handle(), Memo1), L"line one\r\nline two");
        EXPECT_EQ(ControlText(dialog.Handle(), SpinEdit1), L"16");
        EXPECT_EQ(ControlText(dialog.Handle(), SpinEdit2), L"64");
        // The level as it is in the panel, the slider at its end and highlighted up to it.
        EXPECT_EQ(ControlText(dialog.Handle(), Panel1), L"15");
        EXPECT_EQ(SendMessageW(Item(dialog, TrackBar1), TBM_GETPOS, 0, 0), 10);
        EXPECT_EQ(SelectionEnd(dialog), 10);
        PostClick(dialog.Handle(), Button2);
    }});
    ASSERT_TRUE(dialog.EditPuzzleInfo(puzzle));
    PuzzleRecord expected = Sample();
    expected.Width = 16;
    expected.Height = 64;
    // The comments came back untouched, their lone line feed with them.
    EXPECT_TRUE(puzzle == expected);

    // Enter and Escape end nothing, typing, deleting and pasting change no size; the slider
    // replaces the level, and the arrows and keys step the sizes.
    WhileShown({
        [&] {
            for (const int control : {Edit1, Memo1, Button1, TrackBar1})
                for (const WPARAM key : {VK_RETURN, VK_ESCAPE})
                    PostKey(Item(dialog, control), key);
        },
        [&] {
            SendMessageW(Item(dialog, SpinEdit1), WM_CHAR, L'4', 1);
            SendMessageW(Item(dialog, SpinEdit2), EM_SETSEL, 0, -1);
            SendMessageW(Item(dialog, SpinEdit2), WM_KEYDOWN, VK_DELETE, 1);
            SendMessageW(Item(dialog, SpinEdit2), WM_PASTE, 0, 0);
            EXPECT_EQ(ControlText(dialog.Handle(), SpinEdit1), L"16");
            EXPECT_EQ(ControlText(dialog.Handle(), SpinEdit2), L"64");
            PostKey(Item(dialog, TrackBar1), VK_PRIOR);
            PostArrowClick(Arrows(dialog, SpinEdit1), true);
            PostKey(Item(dialog, SpinEdit2), VK_DOWN);
        },
        [&] {
            EXPECT_EQ(ControlText(dialog.Handle(), Panel1), L"8");
            EXPECT_EQ(SelectionEnd(dialog), 8);
            PostClick(dialog.Handle(), Button2);
        },
    });
    ASSERT_TRUE(dialog.EditPuzzleInfo(puzzle));
    EXPECT_EQ(puzzle.Level, 8);
    EXPECT_EQ(puzzle.Width, 17);
    EXPECT_EQ(puzzle.Height, 63);
}

// Shift+Insert pasted into a spin box, and OK took the pasted size; no other way in, an input
// method's characters or text replaced by a message, changes a size either.
TEST(WinPuzzleinfo, ShiftInsertPastesNoSize) {
    Tfpuzzleinfo dialog(nullptr);
    ASSERT_NE(dialog.Handle(), nullptr);
    ASSERT_TRUE(CopyToClipboard(L"33"));
    PuzzleRecord puzzle = Sample();
    WhileShown({[&] {
        // The same key pastes into the name, so the paste is there to be refused.
        SendMessageW(Item(dialog, Edit1), EM_SETSEL, 0, -1);
        SendShifted(Item(dialog, Edit1), VK_INSERT);
        EXPECT_EQ(ControlText(dialog.Handle(), Edit1), L"33");
        const auto expectSizesKept = [&](const char* after) {
            EXPECT_EQ(ControlText(dialog.Handle(), SpinEdit1), L"16") << after;
            EXPECT_EQ(ControlText(dialog.Handle(), SpinEdit2), L"64") << after;
        };
        for (const int box : {SpinEdit1, SpinEdit2})
            SendMessageW(Item(dialog, box), EM_SETSEL, 0, -1);
        SendShifted(Item(dialog, SpinEdit1), VK_INSERT);
        expectSizesKept("Shift+Insert");
        SendMessageW(Item(dialog, SpinEdit2), WM_IME_CHAR, L'3', 1);
        expectSizesKept("an input method's character");
        const std::wstring replacement = L"33";
        SendMessageW(Item(dialog, SpinEdit2), EM_REPLACESEL, TRUE,
                     reinterpret_cast<LPARAM>(replacement.c_str()));
        expectSizesKept("a replacement of the selection");
        PostClick(dialog.Handle(), Button2);
    }});
    ASSERT_TRUE(dialog.EditPuzzleInfo(puzzle));
    EXPECT_EQ(puzzle.Width, 16);
    EXPECT_EQ(puzzle.Height, 64);
}

TEST(WinPuzzleinfo, CancelAndTheCloseBoxKeepTheRecord) {
    Tfpuzzleinfo dialog(nullptr);
    ASSERT_NE(dialog.Handle(), nullptr);
    PuzzleRecord puzzle = Sample();
    for (const bool closeBox : {false, true}) {
        WhileShown({
            [&] {
                PostKey(Item(dialog, TrackBar1), VK_HOME);
                PostArrowClick(Arrows(dialog, SpinEdit2), false);
                SetDlgItemTextW(dialog.Handle(), Edit1, L"Renamed");
            },
            [&] {
                EXPECT_EQ(ControlText(dialog.Handle(), Panel1), L"0");
                if (closeBox)
                    PostClose(dialog.Handle());
                else
                    PostClick(dialog.Handle(), Button1);
            },
        });
        EXPECT_FALSE(dialog.EditPuzzleInfo(puzzle));
        EXPECT_TRUE(puzzle == Sample());
    }
}

TEST(WinPuzzleinfo, AHeldArrowStepsAtEachRepeatUntilItIsReleased) {
    Tfpuzzleinfo dialog(nullptr);
    ASSERT_NE(dialog.Handle(), nullptr);
    PuzzleRecord puzzle = Sample();
    WhileShown({
        [&] {
            const HWND arrows = Arrows(dialog, SpinEdit1);
            RECT area{};
            GetClientRect(arrows, &area);
            POINT upper{area.right / 2, area.bottom / 4};
            const LPARAM at = MAKELPARAM(upper.x, upper.y);
            // The repeat steps only while the pointer stays on the arrow held.
            ClientToScreen(arrows, &upper);
            SetCursorPos(upper.x, upper.y);
            PostMessageW(arrows, WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageW(arrows, WM_TIMER, ArrowSpinBox::RepeatTimer, 0);
            PostMessageW(arrows, WM_TIMER, ArrowSpinBox::RepeatTimer, 0);
            PostMessageW(arrows, WM_LBUTTONUP, 0, at);
            PostMessageW(arrows, WM_TIMER, ArrowSpinBox::RepeatTimer, 0);
        },
        [&] { PostClick(dialog.Handle(), Button2); },
    });
    ASSERT_TRUE(dialog.EditPuzzleInfo(puzzle));
    EXPECT_EQ(puzzle.Width, 16 + 1 + 2);
}

TEST(WinPuzzleinfo, TypingStopsAtTheLimitsAndTabFollowsTheDesignedOrder) {
    Tfpuzzleinfo dialog(nullptr);
    ASSERT_NE(dialog.Handle(), nullptr);
    dialog.FillPuzzleInfo(Sample());
    const auto type = [&](int id, const std::wstring& text) {
        SendMessageW(Item(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        SendMessageW(Item(dialog, id), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
    };
    type(Edit2, std::wstring(85, L'n'));
    EXPECT_EQ(ControlText(dialog.Handle(), Edit2), std::wstring(80, L'n'));
    // A line break counts as two: 250 characters, a break and two more fill the 254.
    type(Memo1, std::wstring(250, L'c') + L"\r\ndex");
    EXPECT_EQ(ControlText(dialog.Handle(), Memo1), std::wstring(250, L'c') + L"\r\nde");
    PuzzleRecord taken = Sample();
    dialog.TakePuzzleInfo(taken);
    EXPECT_EQ(taken.Comments.Text(), std::string(250, 'c') + "\r\nde");

    std::vector<int> order;
    HWND control = Item(dialog, Edit1);
    for (int step = 0; step < 10; ++step) {
        control = GetNextDlgTabItem(dialog.Handle(), control, FALSE);
        order.push_back(GetDlgCtrlID(control));
    }
    EXPECT_EQ(order, (std::vector<int>{Edit2, Button1, Button2, Edit3, Edit4, Memo1, SpinEdit1,
                                       SpinEdit2, TrackBar1, Edit1}));
}
