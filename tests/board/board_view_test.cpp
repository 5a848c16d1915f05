// The board view's wiring: presses to board points through the scroll, bars by the fitting rule,
// the image shown in place with only its changed part repainted, and the owner's painting beneath.
#include "board/board_view.h"

#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTest>

namespace {

constexpr Pixel Green = 0xFF00C000u;
constexpr Pixel Blue = 0xFF0000C0u;
const QColor OwnerColour(0x12, 0x34, 0x56);

// The window under the view paints its own colour, as the main window paints its panel; it
// collects what the view's viewport is asked to paint.
class Owner : public QWidget {
public:
    explicit Owner(const PixelImage& image, QMargins margins) : View(new BoardView(this)) {
        resize(500, 500);
        View->SetMargins(margins);
        View->ShowImage(&image, {});
        View->viewport()->installEventFilter(this);
    }
    bool Show() {
        show();
        return QTest::qWaitForWindowExposed(this);
    }
    QScrollBar* Bar(const char* name) const {
        return View->findChild<QScrollBar*>(QString::fromLatin1(name));
    }

    BoardView* View;
    QRegion Painted;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), OwnerColour); }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            Painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

PixelImage Filled(QSize size, Pixel pixel) {
    PixelImage image;
    image.Resize(size.width(), size.height());
    image.Fill({0, 0, size.width(), size.height()}, pixel);
    return image;
}

} // namespace

class BoardViewTest : public QObject {
    Q_OBJECT

private slots:
    void PressNamesTheBoardPointUnderItWhileScrolled() {
        const PixelImage image = Filled({300, 200}, Green);
        Owner owner(image, {10, 40, 10, 10});
        // The target carries the board point itself, so the test sees exactly what was mapped.
        owner.View->SetHitTest([](int x, int y) { return BoardTarget{BoardArea::GridCell, x, y}; });
        owner.View->resize(150, 120);
        QVERIFY(owner.Show());
        owner.Bar("HorizontalScroll")->setValue(25);
        owner.Bar("VerticalScroll")->setValue(60);
        QCOMPARE(owner.View->ScrollOffset(), QPoint(25, 60));
        std::vector<BoardPress> presses;
        int releases = 0;
        connect(owner.View, &BoardView::Pressed,
                [&](const BoardPress& p) { presses.push_back(p); });
        connect(owner.View, &BoardView::Released, [&] { ++releases; });

        QTest::mouseClick(owner.View->viewport(), Qt::RightButton, Qt::ShiftModifier, {7, 3});
        QCOMPARE(presses.size(), 1u);
        QCOMPARE(releases, 1);
        QCOMPARE(presses[0].Target, (BoardTarget{BoardArea::GridCell, 22, 23}));
        QCOMPARE(presses[0].Button, ButtonKind::Right);
        QCOMPARE(presses[0].Modifiers, Qt::KeyboardModifiers(Qt::ShiftModifier));

        QTest::mouseDClick(owner.View->viewport(), Qt::MiddleButton, {}, {40, 50});
        QCOMPARE(presses.back().Target, (BoardTarget{BoardArea::GridCell, 55, 70}));
        QCOMPARE(presses.back().Button, ButtonKind::Other);

        // Scrolled back to the top, the top margin lies under the same point: a press there is
        // told all the same, with no target.
        owner.Bar("VerticalScroll")->setValue(0);
        const std::size_t before = presses.size();
        QTest::mousePress(owner.View->viewport(), Qt::LeftButton, {}, {40, 20});
        QCOMPARE(presses.size(), before + 1);
        QVERIFY(!presses.back().Target);
        QCOMPARE(presses.back().Button, ButtonKind::Left);
    }

    void BarsStandOnlyWhereTheContentDoesNotFit_data() {
        QTest::addColumn<QSize>("board");
        QTest::addColumn<int>("leastWidth");
        QTest::addColumn<QSize>("available");
        QTest::addColumn<bool>("across");
        QTest::addColumn<bool>("down");
        // Margins 10, 40, 10, 10: the content is the board and 20 across, 50 down.
        QTest::newRow("fits") << QSize(100, 100) << 0 << QSize(120, 150) << false << false;
        QTest::newRow("least width") << QSize(50, 50) << 201 << QSize(300, 300) << false << false;
        QTest::newRow("too wide") << QSize(300, 100) << 0 << QSize(200, 300) << true << false;
        QTest::newRow("too tall") << QSize(100, 300) << 0 << QSize(200, 200) << false << true;
        QTest::newRow("across forces down")
            << QSize(300, 150) << 0 << QSize(200, 200) << true << true;
        QTest::newRow("down forces across")
            << QSize(180, 300) << 0 << QSize(200, 200) << true << true;
    }

    void BarsStandOnlyWhereTheContentDoesNotFit() {
        QFETCH(QSize, board);
        QFETCH(int, leastWidth);
        QFETCH(QSize, available);
        QFETCH(bool, across);
        QFETCH(bool, down);
        const PixelImage image = Filled(board, Green);
        Owner owner(image, {10, 40, 10, 10});
        owner.View->SetLeastContentWidth(leastWidth);
        const QSize content(std::max(board.width() + 20, leastWidth), board.height() + 50);
        QScrollBar* acrossBar = owner.Bar("HorizontalScroll");
        QScrollBar* downBar = owner.Bar("VerticalScroll");
        const QSize bars(down ? downBar->sizeHint().width() : 0,
                         across ? acrossBar->sizeHint().height() : 0);

        const QSize size = owner.View->SizeFor(available);
        QCOMPARE(size, content.grownBy({0, 0, bars.width(), bars.height()}).boundedTo(available));
        owner.View->resize(size);
        QVERIFY(owner.Show());
        QCOMPARE(acrossBar->isVisible(), across);
        QCOMPARE(downBar->isVisible(), down);
        // Scrolled to its far end, a bar shows the content's last pixel at the viewport's edge.
        QCOMPARE(owner.View->viewport()->width() + acrossBar->maximum(), content.width());
        QCOMPARE(owner.View->viewport()->height() + downBar->maximum(), content.height());
    }

    void ImageShowsInPlaceAndOnlyItsChangeRepaints() {
        PixelImage image = Filled({60, 40}, Green);
        Owner owner(image, {10, 10, 10, 10});
        owner.View->resize(owner.View->SizeFor({400, 400}));
        QVERIFY(owner.Show());

        // The view reads the image's own pixels: a change shows before it is told.
        image.Fill({5, 6, 8, 9}, Blue);
        const QImage shown = owner.View->viewport()->grab().toImage();
        QCOMPARE(shown.pixel(15, 16), Blue);
        QCOMPARE(shown.pixel(17, 18), Blue);
        QCOMPARE(shown.pixel(18, 18), Green);
        owner.Painted = {};
        owner.View->ShowImage(&image, {5, 6, 8, 9});
        QCoreApplication::processEvents();
        QCOMPARE(owner.Painted, QRegion(15, 16, 3, 3));

        // Another image of the same size is read from its own pixels.
        const PixelImage other = Filled({60, 40}, Blue);
        owner.View->ShowImage(&other, {0, 0, 60, 40});
        QCOMPARE(owner.View->viewport()->grab().toImage().pixel(69, 49), Blue);
    }

    void OwnerPaintingShowsAroundTheBoardAndWithoutOne() {
        const PixelImage image = Filled({60, 40}, Green);
        Owner owner(image, {10, 10, 10, 10});
        owner.View->setGeometry(20, 20, 100, 100);
        QVERIFY(owner.Show());
        QImage shown = owner.grab().toImage();
        QCOMPARE(shown.pixelColor(25, 25), OwnerColour);
        QCOMPARE(shown.pixel(35, 35), Green);

        owner.View->ShowImage(nullptr, {});
        shown = owner.grab().toImage();
        QCOMPARE(shown.pixelColor(35, 35), OwnerColour);
        QCOMPARE(shown.pixelColor(115, 115), OwnerColour);
    }
};

QTEST_MAIN(BoardViewTest)
#include "board_view_test.moc"
