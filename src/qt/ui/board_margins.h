// Where the main window and the editor place their board: the blank room around it below the
// tool band, so the board's top-left corner lies at client point (BoardLeft, BoardTop).
#pragma once

#include "ui/tool_band.h"

#include <QMargins>

constexpr int BoardLeft = 10;
constexpr int BoardTop = 40;

// The room around the board inside a view that starts below the tool band.
inline QMargins BoardMargins() {
    return {BoardLeft, BoardTop - ToolBandHeight, BoardLeft, BoardLeft};
}
