// How fast the puzzle editor answers: a press on a 64 x 64 grid with its cell repainted, a full
// redraw of the largest grid, and the import of the largest bitmap.
#include "editor/bitmap_picture.h"
#include "editor/feditor.h"
#include "editor/picture_chooser.h"
#include "editor/puzzleinfo.h"
#include "model/puzzle_file.h"
#include "platform/random_guid_source.h"
#include "platform/system_clock.h"
#include "platform/user_name.h"
#include "ui/file_dialogs.h"
#include "ui/message_dialogs.h"

#include <QCoreApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <random>

namespace {

// Services that answer nothing: every dialog but Open is cancelled, and Open takes one file.
class SilentMessages final : public MessageDialogs {
public:
    void Error(const QString&) override {}
    bool ConfirmOkCancel(const QString&) override { return false; }
    bool AskYesNo(const QString&) override { return false; }
};

class OneFile final : public FileDialogs {
public:
    std::filesystem::path OpenFileName(const std::filesystem::path&, const QString&) override {
        return File;
    }
    std::filesystem::path SaveFileName(const std::filesystem::path&, const QString&) override {
        return {};
    }
    std::filesystem::path File;
};

class NoPicture final : public PictureChooser {
public:
    std::filesystem::path OpenPictureName(const QString&) override { return {}; }
};

std::filesystem::path BenchFolder() {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quorvane-bench";
    std::filesystem::create_directories(folder);
    return folder;
}

// A side x side puzzle with about a third of its cells filled.
std::filesystem::path WriteRandomPuzzle(int side) {
    PuzzleRecord puzzle;
    puzzle.Signature = PuzzleSignature;
    puzzle.Width = side;
    puzzle.Height = side;
    std::mt19937 random(7);
    for (int x = 0; x < side; ++x)
        for (int y = 0; y < side; ++y)
            puzzle.Solution.At(x, y) = random() % 3 == 0;
    const std::filesystem::path path = BenchFolder() / ("random" + std::to_string(side) + ".qvf");
    WritePuzzleFile(path, puzzle);
    return path;
}

// An editor opened in Large size on a puzzle of the side given.
struct OpenEditor {
    SilentMessages Messages;
    OneFile Files;
    NoPicture Pictures;
    RandomGuidSource Guids;
    UserName Login;
    SystemClock Time;
    Tffeditor Editor{{Messages, Files, Guids, Login, Time, {}, {}}, [this](Tffeditor& owner) {
                         return EditorDialogs{new Tfpuzzleinfo(&owner), &Pictures};
                     }};

    // The puzzle is opened from a file, so no new puzzle's dialog waits for an answer.
    explicit OpenEditor(int side) {
        Editor.FormShow({PitchOf(BoardSize::Large), DefaultScheme, BenchFolder(), BenchFolder()});
        Files.File = WriteRandomPuzzle(side);
        Editor.OpenPuzzle();
        Editor.show();
        QCoreApplication::processEvents();
    }
};

// One press as the user makes it: the cell's new value, its interior redrawn in the image, its
// rectangle invalidated and then painted. The paint belongs in the loop: presses come
// one at a time, each painted before the next.
void ToggleCellLarge64(benchmark::State& state) {
    OpenEditor open(64);
    int step = 0;
    for (auto _ : state) {
        const int column = step % 64;
        const int row = step / 64 % 64;
        open.Editor.PressGrid(
            {BoardTarget{BoardArea::GridCell, column, row}, ButtonKind::Left, {}});
        QCoreApplication::processEvents();
        ++step;
    }
    benchmark::DoNotOptimize(open.Editor.Puzzle());
}
BENCHMARK(ToggleCellLarge64)->Unit(benchmark::kMicrosecond);

// Reading a 128 x 128 24-bit bitmap and turning it into cells.
void ImportBitmap128(benchmark::State& state) {
    QImage image(128, 128, QImage::Format_RGB32);
    std::mt19937 random(5);
    for (int y = 0; y < 128; ++y)
        for (int x = 0; x < 128; ++x)
            image.setPixel(x, y, random() % 3 == 0 ? 0xFF000000u : 0xFFFFFFFFu);
    const std::filesystem::path path = BenchFolder() / "random128.bmp";
    image.save(QString::fromStdString(path.string()), "BMP");
    PuzzleRecord puzzle;
    for (auto _ : state) {
        const BitmapPicture read = ReadBitmapPicture(path);
        benchmark::DoNotOptimize(ImportPicture(*read.Picture, puzzle));
    }
}
BENCHMARK(ImportBitmap128)->Unit(benchmark::kMillisecond);

} // namespace
