// How long the Windows program takes to show the largest board, from the core's drawing to the
// pixels blitted: a first drawing into an image new to the process and into the one a window keeps
// for its life, a whole drawing again, and a press with its one box. Each is timed many times and
// the median printed, in milliseconds.
#include "largest_board.h"
#include "board/board_action.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace {

// A screen-sized target to blit into, as the window's own device context would be.
struct Target {
    HDC Dc = CreateCompatibleDC(nullptr);
    HBITMAP Bitmap;

    Target() {
        BITMAPINFO layout{};
        layout.bmiHeader = {sizeof(layout.bmiHeader), 3200, -3200, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        void* bits = nullptr;
        Bitmap = CreateDIBSection(Dc, &layout, DIB_RGB_COLORS, &bits, nullptr, 0);
        SelectObject(Dc, Bitmap);
    }
    ~Target() {
        DeleteDC(Dc);
        DeleteObject(Bitmap);
    }
};

// The board view's blit of one rectangle of the image.
void Blit(HDC dc, const PixelImage& image, PixelRect part) {
    BITMAPINFO layout{};
    layout.bmiHeader = {sizeof(layout.bmiHeader), image.Width, -image.Height, 1, 32, BI_RGB,
                        0, 0, 0, 0, 0};
    StretchDIBits(dc, part.Left, part.Top, part.Width(), part.Height(), part.Left,
                  image.Height - part.Bottom, part.Width(), part.Height(), image.Pixels.data(),
                  &layout, DIB_RGB_COLORS, SRCCOPY);
    GdiFlush();
}

// Times `run`; `prepare`, untimed, goes before each run.
void Report(const char* what, int runs, const std::function<void()>& run,
            const std::function<void()>& prepare = [] {}) {
    std::vector<double> taken;
    for (int i = 0; i < runs; ++i) {
        prepare();
        const auto start = std::chrono::steady_clock::now();
        run();
        taken.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::ranges::sort(taken);
    std::printf("%-48s median %8.3f ms  fastest %8.3f ms  slowest %8.3f ms  (%d runs)\n", what,
                taken[taken.size() / 2], taken.front(), taken.back(), runs);
}

} // namespace

int main() {
    Target target;
    for (const BoardSize size : {BoardSize::Small, BoardSize::Large}) {
        const char* name = size == BoardSize::Small ? "Small" : "Large";
        std::printf("%s 128 x 128:\n", name);
        auto board = std::make_unique<LargestBoard>(size);
        // As at a window's first board: a renderer that has drawn nothing and an image whose
        // memory the system has just given, each page of it touched for the first time. The
        // image drawn before is given back to the system untimed: a window's first board has
        // none to give back.
        Report(
            "  first drawing, fresh image, and its blit", 20,
            [&] {
                const PixelRect changed = board->Renderer.Update(board->Scene(), board->Image);
                Blit(target.Dc, board->Image, changed);
            },
            [&] {
                board->Renderer = BoardRenderer();
                board->Image = PixelImage();
            });
        // As at each later load: the window keeps its image, which has held a board as large.
        Report(
            "  first drawing, kept image, and its blit", 20,
            [&] {
                const PixelRect changed = board->Renderer.Update(board->Scene(), board->Image);
                Blit(target.Dc, board->Image, changed);
            },
            [&] { board->Renderer = BoardRenderer(); });
        Report("  the blit alone, the whole image", 20, [&] {
            Blit(target.Dc, board->Image, {0, 0, board->Image.Width, board->Image.Height});
        });
        int step = 0;
        Report("  whole drawing again (other colours) and blit", 20, [&] {
            board->Colours[0] = step++ % 2;
            const PixelRect changed = board->Renderer.Update(board->Scene(), board->Image);
            Blit(target.Dc, board->Image, changed);
        });
        board->Colours = DefaultScheme;
        board->Renderer.Update(board->Scene(), board->Image);
        Report("  press: action, its box drawn and blitted", 2000, [&] {
            const BoardTarget box{BoardArea::GridCell, step % 128, step / 128 % 128};
            ++step;
            PressBox(board->Game, box, ButtonKind::Left);
            const PixelRect changed = board->Renderer.Update(board->Scene(), board->Image);
            Blit(target.Dc, board->Image, changed);
        });
    }
    return 0;
}
