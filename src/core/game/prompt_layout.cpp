#include "game/prompt_layout.h"

PromptLayout PromptLayoutFor(int clientWidth, int clientHeight, int textWidth, int textHeight) {
    const int cw = clientWidth;
    const int ch = clientHeight;
    const int left = (cw - (textWidth + 42)) / 2 - 20;
    return {{left, (ch - textHeight) / 2 - 20, (cw + textWidth + 42) / 2 + 20,
             (ch + textHeight) / 2 + 20},
            (cw - textWidth) / 2 + 24,
            (ch - textHeight) / 2,
            left + 2 + 16,
            ch / 2 - 16};
}
