#include "game/prompt_layout.h"

#include <algorithm>

PromptLayout PromptLayoutFor(int clientWidth, int clientHeight, int textWidth, int textHeight,
                             const DisplayScale& scale) {
    const int cw = clientWidth;
    const int ch = clientHeight;
    const int iconRoom = scale.Length(42);
    const int room = scale.Length(20);
    const int left = (cw - (textWidth + iconRoom)) / 2 - room;
    const int icon = scale.Length(32);
    return {{left, (ch - textHeight) / 2 - room, (cw + textWidth + iconRoom) / 2 + room,
             (ch + textHeight) / 2 + room},
            (cw - textWidth) / 2 + scale.Length(24),
            (ch - textHeight) / 2,
            left + scale.Length(PromptFrameWidth) + scale.Length(16),
            ch / 2 - icon / 2,
            icon};
}

std::vector<PromptFrameStrip> PromptFrameStrips(const PixelRect& panel, int width) {
    std::vector<PromptFrameStrip> strips;
    const auto add = [&strips](const PixelRect& area, ColourValue colour) {
        if (!area.Empty())
            strips.push_back({area, colour});
    };
    for (int ring = 0; ring < width; ++ring) {
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
