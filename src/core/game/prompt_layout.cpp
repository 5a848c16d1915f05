#include "game/prompt_layout.h"

#include <algorithm>

PromptLayout PromptLayoutFor(int clientWidth, int clientHeight, int textWidth, int textHeight) {
    const int cw = clientWidth;
    const int ch = clientHeight;
    const int left = (cw - (textWidth + 42)) / 2 - 20;
    return {{left, (ch - textHeight) / 2 - 20, (cw + textWidth + 42) / 2 + 20,
             (ch + textHeight) / 2 + 20},
            (cw - textWidth) / 2 + 24,
            (ch - textHeight) / 2,
            left + PromptFrameWidth + 16,
            ch / 2 - 16};
}

std::vector<PromptFrameStrip> PromptFrameStrips(const PixelRect& panel) {
    std::vector<PromptFrameStrip> strips;
    const auto add = [&strips](const PixelRect& area, ColourValue colour) {
        if (!area.Empty())
            strips.push_back({area, colour});
    };
    for (int ring = 0; ring < PromptFrameWidth; ++ring) {
        const int left = panel.Left + ring;
        const int top = panel.Top + ring;
        const int right = panel.Right - ring;
        const int bottom = panel.Bottom - ring;
        if (right <= left || bottom <= top)
            break;
        // The light edges stop short of the last column and row, which the shadow takes whole.
        add({left, top, right - 1, std::min(top + 1, bottom - 1)}, PromptFrameLight);
        add({left, top + 1, std::min(left + 1, right - 1), bottom - 1}, PromptFrameLight);
        add({right - 1, top, right, bottom}, PromptFrameShadow);
        add({left, bottom - 1, right - 1, bottom}, PromptFrameShadow);
    }
    return strips;
}
