// Image pictures where the build has no image decoder (Windows): a clear refusal.
#include "base/path_text.h"
#include "image_picture.h"
#include "tool_error.h"

Picture ReadImagePicture(const std::filesystem::path& path) {
    throw ToolError(PathText(path) +
                    " is an image; this build of qvtool reads pictures drawn as text only");
}
