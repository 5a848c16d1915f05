// The picture-open dialog a window shows, given to it so that tests can answer it.
#pragma once

#include <filesystem>
#include <string_view>

class PictureChooser {
public:
    virtual ~PictureChooser() = default;
    // The chosen picture, or an empty path when the dialog was cancelled. filter reads like
    // "Bitmaps (*.bmp)|*.bmp": a description, a bar and the pattern.
    virtual std::filesystem::path OpenPictureName(std::string_view filter) = 0;
};
