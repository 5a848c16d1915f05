// Image pictures where the build has no image decoder (Windows): a clear refusal.
#include "image_picture.h"

#include "tool_error.h"

Picture ReadImagePicture(const std::filesystem::path& path) {
    throw ToolError(path.string() +
                    " is an image; this build of qvtool reads pictures drawn as text only");
}
