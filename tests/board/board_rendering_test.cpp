// The board as drawn into its bitmap: colours by role, rules, cells, clues and box redraws.
#include "support/board_scene_fixture.h"
#include "support/mainform_harness.h"

#include <QAction>
#include <QPainter>
#include <QTest>

namespace {

// Ten columns, seven rows; the first row has three runs, the others fewer.
const std::vector<std::string> TenBySeven = {
    "##.#.#....", "##########", "..........", "#.........",
    ".#.#.#.#.#", "#####.....", ".........#",
};

} // namespace

class BoardRenderingTest : public QObject {
    Q_OBJECT

private slots:
    void RulesLieInTheirColoursAndSkipTheCorner() {
        BoardSceneFixture scene(TenBySeven, BoardSize::Small);
        const QImage image = scene.Draw();
        const BoardGeometry geometry = scene.Geometry();
        const int l = geometry.RowClueSlots() * 15;
        const int t = geometry.ColumnClueSlots() * 14;
        QCOMPARE(image.size(), QSize(geometry.Width(), geometry.Height()));

        const QColor thick = RoleColour(ColourRole::DoubleLine);
        const QColor thin = RoleColour(ColourRole::SingleLine);
        // The clue/grid boundary, two pixels wide, from the top of the board.
        QCOMPARE(image.pixelColor(l - 1, 3), thick);
        QCOMPARE(image.pixelColor(l, 3), thick);
        // Grid offset 5 is thick and runs on through the top clue area; offset 1 is thin.
        QCOMPARE(image.pixelColor(l + 5 * 15, 1), thick);
        QCOMPARE(image.pixelColor(l + 5 * 15 - 1, t + 20), thick);
        QCOMPARE(image.pixelColor(l + 15, t + 31), thin);
        QCOMPARE(image.pixelColor(l + 15 - 1, t + 31), RoleColour(ColourRole::CentralBoard));
        // The closing rule of C = 10 is thick and reaches the last pixel; R = 7 closes thin.
        QCOMPARE(image.pixelColor(geometry.Width() - 1, geometry.Height() - 5), thick);
        QCOMPARE(image.pixelColor(l + 3, geometry.Height() - 1), thin);
        // The outer left edge of the left clue area is thick, starting below the corner.
        QCOMPARE(image.pixelColor(0, t + 3), thick);
        QCOMPARE(
            CountColour(image, geometry.CornerBlock(), RoleColour(ColourRole::WindowBackground)),
            (l - 1) * (t - 1));
    }

    void ExcludedCellShowsItsSmallBlock() {
        BoardSceneFixture scene({"#...", "....", "...."}, BoardSize::Small);
        // Column 1 and rows 1 and 2 have no clue, so cell (1, 1) starts excluded.
        const QImage image = scene.Draw();
        const BoardGeometry geometry = scene.Geometry();
        const PixelRect box = geometry.BoxOf({BoardArea::GridCell, 1, 1});
        const PixelRect block{box.Left + 6, box.Top + 5, box.Left + 10, box.Top + 10};
        QCOMPARE(CountColour(image, block, RoleColour(ColourRole::ExcludedCell)), 4 * 5);
        QCOMPARE(CountColour(image, geometry.InteriorOf({BoardArea::GridCell, 1, 1}),
                             RoleColour(ColourRole::ExcludedCell)),
                 20);
    }

    void NumbersAreCentredAsOneStringInTheGlyphsOwnPixels() {
        BoardSceneFixture scene({std::string(12, '#') + "...", "#.#############"},
                                BoardSize::Small);
        const QImage image = scene.Draw();
        const BoardGeometry geometry = scene.Geometry();
        const auto face = scene.Face();

        // Row 0 holds the single clue 12 in its leftmost slot.
        const PixelRect box = geometry.BoxOf({BoardArea::RowClueSlot, 0, 0});
        const QSize size = face->Measure(QStringLiteral("12"));
        QImage expected(geometry.Width(), geometry.Height(), QImage::Format_RGB32);
        expected.fill(RoleColour(ColourRole::LeftAndTopBoard));
        {
            QPainter painter(&expected);
            const auto [x, y] = geometry.TextOrigin(box, size.width(), size.height());
            face->Draw(painter, QPoint(x, y), QStringLiteral("12"),
                       RoleColour(ColourRole::NormalAxisFont),
                       RoleColour(ColourRole::LeftAndTopBoard));
        }
        const PixelRect interior = geometry.InteriorOf({BoardArea::RowClueSlot, 0, 0});
        int glyphPixels = 0;
        for (int y = interior.Top; y < interior.Bottom; ++y)
            for (int x = interior.Left; x < interior.Right; ++x) {
                QCOMPARE(image.pixelColor(x, y), expected.pixelColor(x, y));
                glyphPixels += image.pixelColor(x, y) == RoleColour(ColourRole::NormalAxisFont);
            }
        QVERIFY(glyphPixels > 10);
    }

    void CluesTakeTheColourOfTheirState() {
        BoardSceneFixture scene({"#.#.#", "#####"}, BoardSize::Large);
        scene.Game.RowClues[0][1].State = 1;
        scene.Game.RowClues[0][2].State = 2;
        scene.Game.ColumnClues[0][0].State = 7; // not a state: drawn as normal
        const QImage image = scene.Draw();
        const BoardGeometry geometry = scene.Geometry();
        const struct {
            BoardTarget target;
            ColourRole shown;
        } cases[] = {
            {{BoardArea::RowClueSlot, 0, 0}, ColourRole::NormalAxisFont},
            {{BoardArea::RowClueSlot, 1, 0}, ColourRole::MarkedAxisFont},
            {{BoardArea::RowClueSlot, 2, 0}, ColourRole::FinalisedAxisFont},
            {{BoardArea::ColumnClueSlot, 0, 0}, ColourRole::NormalAxisFont},
        };
        for (const auto& c : cases) {
            const PixelRect interior = geometry.InteriorOf(c.target);
            for (const ColourRole role : {ColourRole::NormalAxisFont, ColourRole::MarkedAxisFont,
                                          ColourRole::FinalisedAxisFont})
                QCOMPARE(CountColour(image, interior, RoleColour(role)) > 0, role == c.shown);
        }
    }

    void EmptySlotsBesideTheGridStayBlank() {
        BoardSceneFixture scene({"#.#.#", "#####"}, BoardSize::Small);
        const QImage image = scene.Draw();
        const BoardGeometry geometry = scene.Geometry();
        // Row 1 has one clue: slots 1 and 2, next to the grid, hold nothing.
        for (const int slot : {1, 2}) {
            const PixelRect interior = geometry.InteriorOf({BoardArea::RowClueSlot, slot, 1});
            QCOMPARE(CountColour(image, interior, RoleColour(ColourRole::LeftAndTopBoard)),
                     interior.Width() * interior.Height());
        }
    }

    void BoxRedrawsEndWhereAFullDrawingWould() {
        BoardSceneFixture scene(TenBySeven, BoardSize::Small);
        QImage bitmap = scene.Draw();
        const std::vector<std::pair<BoardTarget, std::uint16_t>> changes = {
            {{BoardArea::GridCell, 0, 0}, 1},    {{BoardArea::GridCell, 4, 4}, 2},
            {{BoardArea::GridCell, 9, 1}, 3},    {{BoardArea::GridCell, 0, 0}, 0},
            {{BoardArea::GridCell, 5, 6}, 1},    {{BoardArea::RowClueSlot, 0, 0}, 1},
            {{BoardArea::RowClueSlot, 2, 0}, 2}, {{BoardArea::ColumnClueSlot, 9, 0}, 2},
            {{BoardArea::RowClueSlot, 0, 2}, 1}, // a slot without a number draws nothing
        };
        for (const auto& [target, value] : changes) {
            if (target.Area == BoardArea::GridCell)
                scene.Game.PlayerGrid.At(target.Col, target.Row) = value;
            else if (target.Area == BoardArea::RowClueSlot)
                scene.Game.RowClues[target.Row][static_cast<std::size_t>(target.Col)].State = value;
            else
                scene.Game.ColumnClues[target.Col][static_cast<std::size_t>(target.Row)].State =
                    value;
            scene.Redraw(bitmap, target);
        }
        QCOMPARE(bitmap, scene.Draw());
    }

    void RunningGameShowsTheBitmapAndSizesTheWindow() {
        MainformHarness harness;
        auto mainform = harness.Create();
        mainform->show();
        QVERIFY(QTest::qWaitForWindowExposed(mainform.get()));
        mainform->LoadPuzzle(harness.WritePuzzle("arrow.qvf"));
        const QSize small = mainform->ClientArea()->size();
        QCOMPARE(small, QSize(mainform->Geometry().ClientWidth(mainform->LeastClientWidth()),
                              mainform->Geometry().ClientHeight()));

        mainform->StartGame();
        const QImage client = mainform->ClientArea()->grab().toImage();
        const QImage& bitmap = mainform->BoardBitmap();
        QCOMPARE(client.copy(BoardLeft, BoardTop, bitmap.width(), bitmap.height())
                     .convertToFormat(bitmap.format()),
                 bitmap);

        Control<QAction>(*mainform, "Medium1")->trigger();
        QCOMPARE(mainform->Size(), BoardSize::Large);
        QVERIFY(mainform->ClientArea()->height() > small.height());
        Control<QAction>(*mainform, "Small1")->trigger();
        QCOMPARE(mainform->ClientArea()->size(), small);
    }

    void SizeSwitchWithNothingLoadedKeepsTheWindow() {
        MainformHarness harness;
        auto mainform = harness.Create();
        Control<QAction>(*mainform, "Medium1")->trigger();
        QCOMPARE(mainform->Size(), BoardSize::Large);
        QCOMPARE(mainform->ClientArea()->size(), QSize(627, 419));
        QVERIFY(mainform->BoardBitmap().isNull());
    }
};

QTEST_MAIN(BoardRenderingTest)
#include "board_rendering_test.moc"
