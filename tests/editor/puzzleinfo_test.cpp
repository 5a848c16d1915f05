// The puzzle information dialog: filled from a record and taken back, the clamps, the level
// panel and its slider, the typing limits, the keys that do not end it and the tab order.
#include "editor/answering_puzzle_info.h"
#include "editor/level_slider.h"
#include "editor/limited_memo.h"
#include "platform/date_text.h"
#include "support/qt_pixels.h"
#include "support/puzzle_pictures.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

PuzzleRecord Sample() {
    PuzzleRecord puzzle = PuzzleFromPicture(std::vector<std::string>(10, std::string(10, '.')));
    puzzle.Name.Assign("Caf\xE9"); // Windows-1252
    puzzle.Creator.Assign("ann");
    puzzle.Comments.Assign("line one\r\nline two");
    puzzle.Level = 15;
    puzzle.PuzzleId = Guid{0x1234ABCD, 1, 2, {3, 4, 5, 6, 7, 8, 9, 10}};
    puzzle.DateCreated = 46000.5;
    return puzzle;
}

template <typename T> T* Control(const Tfpuzzleinfo& dialog, const char* name) {
    return dialog.findChild<T*>(QString::fromLatin1(name));
}

int HighlightedPixels(LevelSlider* slider) {
    const QImage image = slider->grab().toImage();
    return CountColour(image, {0, 0, image.width(), image.height()},
                       slider->palette().color(QPalette::Highlight));
}

} // namespace

class PuzzleinfoTest : public QObject {
    Q_OBJECT

private slots:
    void FillShowsTheRecordAndTakeStoresWhatIsShown() {
        Tfpuzzleinfo dialog;
        dialog.FillPuzzleInfo(Sample());
        QCOMPARE(Control<QLineEdit>(dialog, "Edit1")->text(), QStringLiteral("Caf\u00E9"));
        QCOMPARE(Control<QLineEdit>(dialog, "Edit3")->text(),
                 QStringLiteral("{1234ABCD-0001-0002-0304-05060708090A}"));
        QCOMPARE(Control<QLineEdit>(dialog, "Edit4")->text(),
                 FormatOleDate(46000.5, u"dddd dd mmmm yyyy hh:nn", QLocale()));
        QCOMPARE(Control<LimitedMemo>(dialog, "Memo1")->toPlainText(),
                 QStringLiteral("line one\nline two"));
        // The sizes are shown clamped, the level as it is, the slider at its end.
        QCOMPARE(Control<QSpinBox>(dialog, "SpinEdit1")->value(), 16);
        QCOMPARE(Control<QLabel>(dialog, "Panel1")->text(), QStringLiteral("15"));
        auto* slider = Control<LevelSlider>(dialog, "TrackBar1");
        QCOMPARE(slider->value(), 10);

        PuzzleRecord taken = Sample();
        dialog.TakePuzzleInfo(taken);
        PuzzleRecord expected = Sample();
        expected.Width = 16;
        expected.Height = 16;
        QVERIFY(taken == expected);

        // A move by the user replaces the level and the highlighted range follows it.
        const int highlightedAtTen = HighlightedPixels(slider);
        QTest::keyClick(slider, Qt::Key_PageDown);
        QCOMPARE(Control<QLabel>(dialog, "Panel1")->text(), QStringLiteral("8"));
        QVERIFY(HighlightedPixels(slider) < highlightedAtTen);
        dialog.TakePuzzleInfo(taken);
        QCOMPARE(taken.Level, 8);

        // A level of 0 highlights nothing.
        PuzzleRecord levelZero = Sample();
        levelZero.Level = 0;
        dialog.FillPuzzleInfo(levelZero);
        QCOMPARE(HighlightedPixels(slider), 0);
    }

    void TypingIsHeldToTheLimits() {
        Tfpuzzleinfo dialog;
        dialog.FillPuzzleInfo(Sample());
        auto* name = Control<QLineEdit>(dialog, "Edit1");
        name->clear();
        QTest::keyClicks(name, QString(85, u'n'));
        QCOMPARE(name->text().size(), 80);

        // A line break counts as two: 250 characters, a break and two more fill the 254.
        auto* memo = Control<LimitedMemo>(dialog, "Memo1");
        memo->clear();
        QTest::keyClicks(memo, QString(250, u'c'));
        QTest::keyClick(memo, Qt::Key_Return);
        QTest::keyClicks(memo, QStringLiteral("dex"));
        QCOMPARE(memo->StoredText(), QString(250, u'c') + QStringLiteral("\r\nde"));
        memo->moveCursor(QTextCursor::Start);
        memo->insertPlainText(QStringLiteral("pasted"));
        QCOMPARE(memo->StoredLength(), 254);

        // The spin boxes take no typing, only their arrows.
        auto* width = Control<QSpinBox>(dialog, "SpinEdit1");
        QTest::keyClicks(width, QStringLiteral("40"));
        QTest::keyClick(width, Qt::Key_Backspace);
        QCOMPARE(width->value(), 16);
        QTest::keyClick(width, Qt::Key_Up);
        QTest::keyClick(width, Qt::Key_PageUp);
        QCOMPARE(width->value(), 17);
    }

    void EnterAndEscapeDoNotEndItAndTabFollowsTheDesignedOrder() {
        Tfpuzzleinfo dialog;
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        Control<QLineEdit>(dialog, "Edit1")->setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(dialog.isVisible());

        QStringList order;
        for (int step = 0; step < 10; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order.append(QApplication::focusWidget()->objectName());
        }
        QCOMPARE(order, (QStringList{"Edit2", "Button1", "Button2", "Edit3", "Edit4", "Memo1",
                                     "SpinEdit1", "SpinEdit2", "TrackBar1", "Edit1"}));
    }

    void CancelLeavesNoTrace() {
        AnsweringPuzzleInfo dialog;
        dialog.Ok = false;
        dialog.Change = [](AnsweringPuzzleInfo& info) {
            info.SetSize(40, 20);
            QTest::keyClick(Control<LevelSlider>(info, "TrackBar1"), Qt::Key_Home);
        };
        PuzzleRecord puzzle = Sample();
        QVERIFY(!dialog.EditPuzzleInfo(puzzle));
        QVERIFY(puzzle == Sample());
        dialog.Ok = true;
        QVERIFY(dialog.EditPuzzleInfo(puzzle));
        QCOMPARE(puzzle.Width, 40);
        QCOMPARE(puzzle.Level, 0);
    }

    void OkWithoutAnEditKeepsACommentWithALoneLineFeed() {
        AnsweringPuzzleInfo dialog;
        PuzzleRecord puzzle = Sample();
        const std::string comments = "one\ntwo" + std::string(248, 'x');
        puzzle.Comments.Assign(comments);
        QVERIFY(dialog.EditPuzzleInfo(puzzle));
        QCOMPARE(puzzle.Comments.Text(), comments);

        // Once edited, line breaks are stored as the memo writes them.
        dialog.Change = [](AnsweringPuzzleInfo& info) {
            auto* memo = Control<LimitedMemo>(info, "Memo1");
            memo->setFocus();
            memo->selectAll();
            QTest::keyClicks(memo, QStringLiteral("a"));
            QTest::keyClick(memo, Qt::Key_Return);
            QTest::keyClicks(memo, QStringLiteral("b"));
        };
        QVERIFY(dialog.EditPuzzleInfo(puzzle));
        QCOMPARE(puzzle.Comments.Text(), std::string("a\r\nb"));
    }
};

QTEST_MAIN(PuzzleinfoTest)
#include "puzzleinfo_test.moc"
