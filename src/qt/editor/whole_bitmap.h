// Windows bitmap files decoded only when every pixel of the picture comes from the file.
#pragma once

#include <QImage>
#include <filesystem>

// The picture of a bitmap file as Qt's reader decodes it, or a null image when the file is no
// bitmap or holds less than its header promises: rows cut off, or a run-length stream that runs
// out, ends early or skips pixels. Qt hands back a picture for such a file all the same, with the
// missing pixels taken from whatever memory the picture was given. The picture is made at the
// header's size, so a caller checks that size first.
QImage ReadWholeBitmap(const std::filesystem::path& path);
