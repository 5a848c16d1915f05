// Telling an image file from a text picture by its first bytes.
#include "image_picture.h"

bool LooksLikeImage(std::string_view content) {
    const bool portableBitmap = content.size() >= 3 && content[0] == 'P' && content[1] >= '1' &&
                                content[1] <= '6' &&
                                (content[2] == ' ' || content[2] == '\n' || content[2] == '\r' ||
                                 content[2] == '\t' || content[2] == '#');
    return content.starts_with("\x89PNG") || content.starts_with("BM") || portableBitmap;
}
