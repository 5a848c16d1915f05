// The solved-puzzles list: one row per record with its texts, sorting, and a fresh fill each
// showing.
#include "library/completed.h"
#include "library/puzzle_folder_fixture.h"
#include "library/solved_records.h"
#include "settings/memory_registry.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

namespace {

void WhenShown(Tfcompleted& dialog, std::function<void()> step) {
    QTimer::singleShot(0, &dialog, [&dialog, step] {
        QVERIFY(dialog.isVisible());
        step();
        if (dialog.isVisible())
            dialog.reject();
    });
}

QStringList Column(const QTreeWidget& list, int column) {
    QStringList texts;
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        texts.append(list.topLevelItem(row)->text(column));
    return texts;
}

void ClickHeader(const QTreeWidget& list, int column) {
    QHeaderView* header = list.header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, 5));
}

void Solve(RegistryStore& registry, const char* name, int level, std::uint32_t id, int seconds,
           double date) {
    QCOMPARE(WriteSolvedRecord(registry, TestPuzzle({"", name, level, "", 0, id}), seconds, date),
             RecordWrite::Written);
}

} // namespace

class CompletedTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void cleanupTestCase() { QLocale::setDefault(QLocale::system()); }

    void ShowsEachRecordWithItsTexts() {
        MemoryRegistry registry;
        // Keys enumerate by their names, so the identities fix the rows' order.
        Solve(registry, "Kite", 2, 1, 0, 44317.5);        // Sat 01 May 2021 12:00
        Solve(registry, "Kite", 10, 2, 3725, 43922.4375); // Wed 01 April 2020 10:30
        Solve(registry, "Anchor", 3, 3, 360000, 43480.0); // Tue 15 January 2019 00:00
        Tfcompleted dialog(registry);
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
        auto* close = dialog.findChild<QPushButton*>(QStringLiteral("Button1"));
        QVERIFY(list && close);
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Solved Puzzles"));

        WhenShown(dialog, [&] {
            QCOMPARE(Column(*list, 0), QStringList({"Kite", "Kite", "Anchor"}));
            QCOMPARE(Column(*list, 1), QStringList({"00:00:00", "01:02:05", "100:00:00"}));
            QCOMPARE(Column(*list, 2), QStringList({"2", "10", "3"}));
            QCOMPARE(Column(*list, 3),
                     QStringList({"Sat 01 May 2021 12:00", "Wed 01 April 2020 10:30",
                                  "Tue 15 January 2019 00:00"}));
            // Every row is solved, so every row shows the grey glyph.
            for (int row = 0; row < list->topLevelItemCount(); ++row) {
                const QColor centre =
                    list->topLevelItem(row)->icon(0).pixmap(16, 16).toImage().pixelColor(7, 7);
                QVERIFY(centre.red() == centre.green() && centre.green() == centre.blue());
            }
            close->click();
        });
        dialog.ShowList();
        QVERIFY(!dialog.isVisible());
    }

    // "Time" orders by name and "Date" by its text, day name first; a second click keeps the
    // order.
    void HeaderClickSortsAscendingByTheColumn() {
        MemoryRegistry registry;
        Solve(registry, "Mill", 10, 1, 5, 44317.5);      // Sat
        Solve(registry, "Anchor", 33, 2, 1, 43922.4375); // Wed
        Solve(registry, "Kite", 2, 3, 9, 43480.0);       // Tue
        Tfcompleted dialog(registry);
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("ListView1"));

        struct Case {
            int column;
            QStringList names;
        };
        const Case cases[] = {
            {2, {"Kite", "Mill", "Anchor"}},
            {3, {"Mill", "Kite", "Anchor"}},
            {1, {"Anchor", "Kite", "Mill"}},
        };
        WhenShown(dialog, [&] {
            for (const Case& c : cases) {
                ClickHeader(*list, c.column);
                QCOMPARE(Column(*list, 0), c.names);
                ClickHeader(*list, c.column);
                QCOMPARE(Column(*list, 0), c.names);
            }
        });
        dialog.ShowList();

        // The next showing is filled afresh in the registry's order, with the new record.
        Solve(registry, "Bell", 1, 4, 7, 0);
        WhenShown(dialog, [&] {
            QCOMPARE(Column(*list, 0), QStringList({"Mill", "Anchor", "Kite", "Bell"}));
        });
        dialog.ShowList();
    }

    void NoRecordsShowAnEmptyList() {
        MemoryRegistry registry;
        Tfcompleted dialog(registry);
        auto* list = dialog.findChild<QTreeWidget*>(QStringLiteral("ListView1"));
        WhenShown(dialog, [&] { QCOMPARE(list->topLevelItemCount(), 0); });
        dialog.ShowList();
        QVERIFY(registry.KeyExists(SolvedRecordsKey));
    }
};

QTEST_MAIN(CompletedTest)
#include "completed_test.moc"
