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
        QVERIFY2(read.Picture.has_value(), read.Failure.c_str());
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
        QCOMPARE(ReadBitmapPicture(folder / "wide.bmp").Failure, PictureSizeMessage(129, 2));

        const std::string text = "not a picture\n";
        WriteBytes(folder / "text.bmp",
                   std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
        // Another format under a bitmap's name is no bitmap either.
        QImage(4, 4, QImage::Format_RGB32)
            .save(QString::fromStdString((folder / "png.bmp").string()), "PNG");
        for (const char* name : {"text.bmp", "png.bmp", "absent.bmp"}) {
            const BitmapPicture read = ReadBitmapPicture(folder / name);
            QVERIFY(!read.Picture);
            QCOMPARE(read.Failure, std::string("Bitmap image is not valid"));
        }
    }

    // Qt decodes a bitmap that holds less than its header promises, and the pixels it never
    // wrote came into the puzzle as random cells, different from one import to the next.
    void BitmapMissingPixelsIsNotValid() {
        TempFolder folder;
        std::vector<std::pair<std::string, std::vector<std::uint8_t>>> cases;
        for (const BmpForm form : {BmpForm{1}, BmpForm{4}, BmpForm{8}, BmpForm{8, false, true},
                                   BmpForm{16}, BmpForm{24}, BmpForm{24, true}, BmpForm{32}}) {
            const std::vector<std::uint8_t> whole = BmpBytes(Figure(), form);
            const std::size_t pixels = whole[10] | whole[11] << 8;
            const std::string name = std::to_string(form.Bits) + (form.TopDown ? " top-down" : "") +
                                     (form.RunLength ? " RLE" : "");
            // Sixty bytes, a header and hardly any pixels, and half the pixels.
            for (const std::size_t size : {std::size_t{60}, pixels + (whole.size() - pixels) / 2})
                cases.emplace_back(name + " cut at " + std::to_string(size),
                                   std::vector(whole.begin(), whole.begin() + size));
        }
        // Run-length streams that end or jump ahead before every pixel is set, without running out.
        std::vector<std::uint8_t> runs = BmpBytes(Figure(), {8, false, true});
        const std::size_t pixels = runs[10] | runs[11] << 8;
        runs.resize(pixels);
        cases.emplace_back("RLE ended at once", runs);
        cases.back().second.insert(cases.back().second.end(), {0, 1});
        cases.emplace_back("RLE jumping ahead", runs);
        cases.back().second.insert(cases.back().second.end(), {0, 2, 5, 14, 1, 7, 0, 0, 0, 1});

        for (const auto& [name, bytes] : cases) {
            const std::filesystem::path path = folder / "cut.bmp";
            WriteBytes(path, bytes);
            const BitmapPicture read = ReadBitmapPicture(path);
            QVERIFY2(!read.Picture, name.c_str());
            QCOMPARE(read.Failure, std::string("Bitmap image is not valid"));
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
