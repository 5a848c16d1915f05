// Bitmap files read for the import: every depth, palettes, run-length encoding and both row
// orders give the same cells; a picture too large or a file that is no bitmap gives its message;
// the picture dialog previews what is selected.
#include "editor/bitmap_picture.h"
#include "editor/bmp_writer.h"
#include "editor/picture_open_dialog.h"
#include "support/puzzle_pictures.h"
#include "support/temp_folder.h"

#include <QImage>
#include <QLabel>
#include <QTest>

Q_DECLARE_METATYPE(BmpForm)

namespace {

// Twenty by fifteen, black on white.
PixelPicture Figure() {
    PixelPicture picture{20, 15, {}};
    for (int y = 0; y < 15; ++y)
        for (int x = 0; x < 20; ++x)
            picture.Pixels.push_back((x == y && y > 0) || x == 19 ? 0x000000u : 0xFFFFFFu);
    return picture;
}

CellGrid FigureCells() {
    PuzzleRecord expected;
    ImportPicture(Figure(), expected);
    return expected.Solution;
}

} // namespace

class BitmapPictureTest : public QObject {
    Q_OBJECT

private slots:
    void EveryFormGivesTheSameCells_data() {
        QTest::addColumn<BmpForm>("form");
        QTest::newRow("1 bit") << BmpForm{1};
        QTest::newRow("4 bits") << BmpForm{4};
        QTest::newRow("8 bits") << BmpForm{8};
        QTest::newRow("8 bits RLE") << BmpForm{8, false, true};
        QTest::newRow("16 bits") << BmpForm{16};
        QTest::newRow("24 bits") << BmpForm{24};
        QTest::newRow("24 bits top-down") << BmpForm{24, true};
        QTest::newRow("32 bits") << BmpForm{32};
    }
    void EveryFormGivesTheSameCells() {
        QFETCH(BmpForm, form);
        TempFolder folder;
        WriteBytes(folder / "figure.bmp", BmpBytes(Figure(), form));

        const BitmapPicture read = ReadBitmapPicture(folder / "figure.bmp");
        QVERIFY2(read.Picture.has_value(), qPrintable(read.Failure));
        QCOMPARE(read.Picture->Width, 20);
        QCOMPARE(read.Picture->Height, 15);
        // Palette indices are resolved to colours; 16 bits keep five bits a channel.
        QCOMPARE(read.Picture->At(0, 0), form.Bits == 16 ? 0xF8F8F8u : 0xFFFFFFu);
        QCOMPARE(read.Picture->At(19, 0), 0u);
        PuzzleRecord puzzle;
        QVERIFY(ImportPicture(*read.Picture, puzzle));
        QVERIFY(puzzle.Solution == FigureCells());
    }

    void RefusalsSayWhy() {
        TempFolder folder;
        PixelPicture wide{129, 2, std::vector<std::uint32_t>(258, 0xFFFFFF)};
        WriteBytes(folder / "wide.bmp", BmpBytes(wide, {24}));
        QCOMPARE(ReadBitmapPicture(folder / "wide.bmp").Failure,
                 QString::fromStdString(PictureSizeMessage(129, 2)));

        const std::string text = "not a picture\n";
        WriteBytes(folder / "text.bmp",
                   std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        // Another format under a bitmap's name is no bitmap either.
        QImage(4, 4, QImage::Format_RGB32)
            .save(QString::fromStdString((folder / "png.bmp").string()), "PNG");
        for (const char* name : {"text.bmp", "png.bmp", "absent.bmp"}) {
            const BitmapPicture read = ReadBitmapPicture(folder / name);
            QVERIFY(!read.Picture);
            QCOMPARE(read.Failure, QStringLiteral("Bitmap image is not valid"));
        }
    }

    void PictureDialogPreviewsThePictureAndItsSize() {
        TempFolder folder;
        WriteBytes(folder / "figure.bmp", BmpBytes(Figure(), {8}));
        WriteBytes(folder / "empty.bmp", {});
        PictureOpenDialog dialog;
        auto* size = dialog.findChild<QLabel*>(QStringLiteral("PreviewSize"));
        auto* image = dialog.findChild<QLabel*>(QStringLiteral("PreviewImage"));
        dialog.ShowPreview(QString::fromStdString((folder / "figure.bmp").string()));
        QCOMPARE(size->text(), QStringLiteral("20 x 15"));
        QVERIFY(!image->pixmap().isNull());
        dialog.ShowPreview(QString::fromStdString((folder / "empty.bmp").string()));
        QVERIFY(size->text().isEmpty());
        QVERIFY(image->pixmap().isNull());
    }
};

QTEST_MAIN(BitmapPictureTest)
#include "bitmap_picture_test.moc"
