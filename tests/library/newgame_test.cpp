// The new-game browser on a folder of puzzle files: rows and their order, solved marks, the
// selection, Browse, and the folder it hands back.
#include "library/newgame.h"
#include "library/puzzle_folder_fixture.h"
#include "library/solved_records.h"
#include "settings/memory_registry.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

const QString Separator(QChar(static_cast<char16_t>(std::filesystem::path::preferred_separator)));

QString Text(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// Runs the step once the modal dialog is up; a step that leaves the dialog open (a failed check
// included) has it cancelled, so the test goes on.
void WhenShown(Tfnewgame& dialog, std::function<void()> step) {
    QTimer::singleShot(0, &dialog, [&dialog, step] {
        QVERIFY(dialog.isVisible());
        step();
        if (dialog.isVisible())
            dialog.reject();
    });
}

struct Controls {
    explicit Controls(Tfnewgame& dialog)
        : Edit1(dialog.findChild<QLineEdit*>(QStringLiteral("Edit1"))),
          ListView1(dialog.findChild<QTreeWidget*>(QStringLiteral("ListView1"))),
          CheckBox1(dialog.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))),
          Browse(dialog.findChild<QPushButton*>(QStringLiteral("Button3"))),
          Ok(dialog.findChild<QPushButton*>(QStringLiteral("Button2"))),
          Cancel(dialog.findChild<QPushButton*>(QStringLiteral("Button1"))) {}

    QStringList Column(int column) const {
        QStringList texts;
        for (int row = 0; row < ListView1->topLevelItemCount(); ++row)
            texts.append(ListView1->topLevelItem(row)->text(column));
        return texts;
    }

    void ClickHeader(int column) const {
        QHeaderView* header = ListView1->header();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + 5, 5));
    }

    // The glyph's centre cell shows the card: yellow for a puzzle to solve, grey for a solved one.
    bool GreyIcon(int row) const {
        const QColor centre =
            ListView1->topLevelItem(row)->icon(0).pixmap(16, 16).toImage().pixelColor(7, 7);
        return centre.red() == centre.green() && centre.green() == centre.blue();
    }

    QLineEdit* Edit1;
    QTreeWidget* ListView1;
    QCheckBox* CheckBox1;
    QPushButton* Browse;
    QPushButton* Ok;
    QPushButton* Cancel;
};

} // namespace

class NewgameTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void ListsValidFilesInCaptionOrder() {
        TempFolder folder;
        QCOMPARE(WriteTestPuzzle(folder, {"m.qvf", "Mill", 3, "Bo", 43922.4375, 1}), "");
        QCOMPARE(WriteTestPuzzle(folder, {"k1.qvf", "Kite", 1, "Cy", 43922.4375, 2}), "");
        QCOMPARE(WriteTestPuzzle(folder, {"a.qvf", "Anchor", 2, "Ann", 43922.4375, 3}), "");
        QCOMPARE(WriteTestPuzzle(folder, {"k2.qvf", "Kite", 5, "Di", 43922.4375, 4}), "");
        WriteBrokenPuzzleFiles(folder);
        MemoryRegistry registry;
        Tfnewgame dialog(registry);
        Controls controls(dialog);
        QVERIFY(controls.Edit1 && controls.ListView1 && controls.CheckBox1 && controls.Ok);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Start New Game"));

        WhenShown(dialog, [&] {
            QCOMPARE(controls.Edit1->text(), Text(folder.Path()));
            // Two files with one name give two rows, side by side.
            QCOMPARE(controls.Column(0), QStringList({"Anchor", "Kite", "Kite", "Mill"}));
            QCOMPARE(controls.ListView1->topLevelItem(0)->text(1), QStringLiteral("2"));
            QCOMPARE(controls.ListView1->topLevelItem(0)->text(2), QStringLiteral("Ann"));
            QCOMPARE(controls.ListView1->topLevelItem(0)->text(3),
                     QStringLiteral("Apr 01 2020 10:30"));
            QCOMPARE(controls.ListView1->topLevelItem(0)->text(4),
                     Text(folder.Path()) + Separator + "a.qvf");
            // Nothing is selected yet, so there is nothing to start.
            QVERIFY(controls.ListView1->selectedItems().isEmpty());
            QVERIFY(!controls.Ok->isEnabled());
        });
        QCOMPARE(dialog.ChooseFrom(folder.Path()), std::nullopt);
    }

    void SolvedRowsAreGreyAndHiddenOnRequest() {
        TempFolder folder;
        QCOMPARE(WriteTestPuzzle(folder, {"a.qvf", "Anchor", 1, "Ann", 0, 1}), "");
        QCOMPARE(WriteTestPuzzle(folder, {"b.qvf", "Bell", 1, "Ann", 0, 2}), "");
        MemoryRegistry registry;
        QCOMPARE(WriteSolvedRecord(registry, TestPuzzle({"", "Bell", 1, "", 0, 2}), 60, 0),
                 RecordWrite::Written);
        Tfnewgame dialog(registry);
        Controls controls(dialog);

        WhenShown(dialog, [&] {
            QCOMPARE(controls.Column(0), QStringList({"Anchor", "Bell"}));
            QVERIFY(!controls.GreyIcon(0));
            QVERIFY(controls.GreyIcon(1));
            controls.ListView1->setCurrentItem(controls.ListView1->topLevelItem(1));
            QVERIFY(controls.Ok->isEnabled());

            controls.CheckBox1->click();
            QCOMPARE(controls.Column(0), QStringList({"Anchor"}));
            QVERIFY(controls.ListView1->selectedItems().isEmpty());
            QVERIFY(!controls.Ok->isEnabled());
        });
        QCOMPARE(dialog.ChooseFrom(folder.Path()), std::nullopt);

        // The tick stays for the next showing, and then every puzzle is solved.
        QCOMPARE(WriteSolvedRecord(registry, TestPuzzle({"", "Anchor", 1, "", 0, 1}), 60, 0),
                 RecordWrite::Written);
        WhenShown(dialog, [&] {
            QVERIFY(controls.CheckBox1->isChecked());
            QCOMPARE(controls.ListView1->topLevelItemCount(), 0);
            controls.CheckBox1->click();
            QCOMPARE(controls.ListView1->topLevelItemCount(), 2);
        });
        QCOMPARE(dialog.ChooseFrom(folder.Path()), std::nullopt);
    }

    // Levels order as numbers and the other columns as text, so "Apr" comes before "Jan" whatever
    // the years; a second click keeps the order.
    void HeaderClickSortsAscendingByTheColumn() {
        TempFolder folder;
        QCOMPARE(WriteTestPuzzle(folder, {"a.qvf", "Anchor", 10, "Cy", 43480.0, 1}), "");
        QCOMPARE(WriteTestPuzzle(folder, {"b.qvf", "Bell", 2, "Ann", 43922.4375, 2}), "");
        QCOMPARE(WriteTestPuzzle(folder, {"c.qvf", "Cart", 33, "Bo", 40000.0, 3}), "");
        MemoryRegistry registry;
        Tfnewgame dialog(registry);
        Controls controls(dialog);

        struct Case {
            int column;
            QStringList names;
        };
        const Case cases[] = {
            {1, {"Bell", "Anchor", "Cart"}}, {2, {"Bell", "Cart", "Anchor"}},
            {3, {"Bell", "Anchor", "Cart"}}, // Apr 01 2020, Jan 15 2019, Jul 06 2009
            {4, {"Anchor", "Bell", "Cart"}}, {0, {"Anchor", "Bell", "Cart"}},
        };
        WhenShown(dialog, [&] {
            QCOMPARE(controls.Column(3).at(2), QStringLiteral("Jul 06 2009 00:00"));
            // The selected puzzle stays selected however the rows move.
            controls.ListView1->setCurrentItem(controls.ListView1->topLevelItem(2));
            for (const Case& c : cases) {
                controls.ClickHeader(c.column);
                QCOMPARE(controls.Column(0), c.names);
                controls.ClickHeader(c.column);
                QCOMPARE(controls.Column(0), c.names);
            }
            QVERIFY(controls.Ok->isEnabled());
            controls.Ok->click();
        });
        QCOMPARE(dialog.ChooseFrom(folder.Path()), folder / "c.qvf");
    }

    void DoubleClickStartsThePuzzle() {
        TempFolder folder;
        QCOMPARE(WriteTestPuzzle(folder, {"a.qvf", "Anchor", 1, "Ann", 0, 1}), "");
        MemoryRegistry registry;
        Tfnewgame dialog(registry);
        Controls controls(dialog);

        WhenShown(dialog, [&] {
            QTreeWidgetItem* row = controls.ListView1->topLevelItem(0);
            const QRect cell = controls.ListView1->visualItemRect(row);
            QTest::mouseClick(controls.ListView1->viewport(), Qt::LeftButton, {}, cell.center());
            QTest::mouseDClick(controls.ListView1->viewport(), Qt::LeftButton, {}, cell.center());
        });
        QCOMPARE(dialog.ChooseFrom(folder.Path()), folder / "a.qvf");
    }

    // A drive root already ends in a separator; the path with two still names the file.
    void FolderEndingInASeparatorDoublesItInLocation() {
        TempFolder folder;
        QCOMPARE(WriteTestPuzzle(folder, {"a.qvf", "Anchor", 1, "Ann", 0, 1}), "");
        MemoryRegistry registry;
        Tfnewgame dialog(registry);
        Controls controls(dialog);
        const QString rootLike = Text(folder.Path()) + Separator;

        WhenShown(dialog, [&] {
            QCOMPARE(controls.Column(4), QStringList({rootLike + Separator + "a.qvf"}));
            controls.ListView1->setCurrentItem(controls.ListView1->topLevelItem(0));
            controls.Ok->click();
        });
        const auto chosen = dialog.ChooseFrom(rootLike.toStdString());
        QVERIFY(chosen.has_value());
        QCOMPARE(Text(*chosen), rootLike + Separator + "a.qvf");
        QVERIFY(std::filesystem::equivalent(*chosen, folder / "a.qvf"));
    }

    void BrowsedFolderStaysAfterCancel() {
        TempFolder first;
        TempFolder second;
        QCOMPARE(WriteTestPuzzle(first, {"a.qvf", "Anchor", 1, "Ann", 0, 1}), "");
        QCOMPARE(WriteTestPuzzle(second, {"b.qvf", "Bell", 1, "Ann", 0, 2}), "");
        MemoryRegistry registry;
        Tfnewgame dialog(registry);
        Controls controls(dialog);
        std::optional<QString> answer;
        QStringList startFolders;
        QList<QWidget*> owners;
        dialog.UseFolderChooser([&](QWidget* owner, const QString& start) {
            owners.append(owner);
            startFolders.append(start);
            return answer;
        });

        WhenShown(dialog, [&] {
            controls.ListView1->setCurrentItem(controls.ListView1->topLevelItem(0));
            // A cancelled chooser changes nothing.
            controls.Browse->click();
            QCOMPARE(controls.Edit1->text(), Text(first.Path()));
            QVERIFY(controls.Ok->isEnabled());

            answer = Text(second.Path());
            controls.Browse->click();
            QCOMPARE(controls.Edit1->text(), Text(second.Path()));
            QCOMPARE(controls.Column(0), QStringList({"Bell"}));
            QVERIFY(!controls.Ok->isEnabled());
            controls.Cancel->click();
        });
        QCOMPARE(dialog.ChooseFrom(first.Path()), std::nullopt);
        QCOMPARE(dialog.ShownFolder(), second.Path());
        QCOMPARE(startFolders, QStringList({Text(first.Path()), Text(first.Path())}));
        QCOMPARE(owners, QList<QWidget*>({&dialog, &dialog}));
    }

    void MissingFolderShowsAnEmptyList() {
        TempFolder folder;
        MemoryRegistry registry;
        Tfnewgame dialog(registry);
        Controls controls(dialog);

        WhenShown(dialog, [&] {
            QCOMPARE(controls.ListView1->topLevelItemCount(), 0);
            QVERIFY(!controls.Ok->isEnabled());
            controls.Ok->click();
        });
        QCOMPARE(dialog.ChooseFrom(folder / "gone"), std::nullopt);
        QCOMPARE(dialog.ShownFolder(), folder / "gone");
    }

    // Rows were measured on the columns in view: a list scrolled past its icons came back from
    // Cancel still scrolled, with rows as low as a line of text and the icons overlapping.
    void ScrolledAndCancelledBrowserReopensScrolledLeftWithFullRows() {
        TempFolder folder;
        QCOMPARE(WriteTestPuzzle(folder, {"a.qvf", "Anchor", 1, "Ann", 0, 1}), "");
        QCOMPARE(WriteTestPuzzle(folder, {"b.qvf", "Bell", 1, "Ann", 0, 2}), "");
        MemoryRegistry registry;
        Tfnewgame dialog(registry);
        Controls controls(dialog);
        QScrollBar* sideways = controls.ListView1->horizontalScrollBar();
        const auto rowHeight = [&] {
            return controls.ListView1->visualItemRect(controls.ListView1->topLevelItem(1)).height();
        };
        int fullHeight = 0;

        WhenShown(dialog, [&] {
            fullHeight = rowHeight();
            QVERIFY(fullHeight > controls.ListView1->iconSize().height());
            sideways->setValue(sideways->maximum());
            QVERIFY(sideways->value() > 0);
            // Filled again while scrolled, the rows stay whole.
            controls.CheckBox1->click();
            controls.CheckBox1->click();
            QCOMPARE(rowHeight(), fullHeight);
            controls.Cancel->click();
        });
        QCOMPARE(dialog.ChooseFrom(folder.Path()), std::nullopt);

        WhenShown(dialog, [&] {
            QCOMPARE(sideways->value(), 0);
            QCOMPARE(rowHeight(), fullHeight);
        });
        QCOMPARE(dialog.ChooseFrom(folder.Path()), std::nullopt);
    }

    // The file went between listing and OK: nothing to load.
    void VanishedFileIsNotReturned() {
        TempFolder folder;
        QCOMPARE(WriteTestPuzzle(folder, {"a.qvf", "Anchor", 1, "Ann", 0, 1}), "");
        MemoryRegistry registry;
        Tfnewgame dialog(registry);
        Controls controls(dialog);

        WhenShown(dialog, [&] {
            controls.ListView1->setCurrentItem(controls.ListView1->topLevelItem(0));
            std::filesystem::remove(folder / "a.qvf");
            dialog.accept();
        });
        QCOMPARE(dialog.ChooseFrom(folder.Path()), std::nullopt);
    }
};

QTEST_MAIN(NewgameTest)
#include "newgame_test.moc"
