// The font files registered by the program and the faces they supply by name.
#pragma once

#include "fonts/raster_font.h"
#include "platform/font_resources.h"

#include <QString>
#include <memory>

class FontLibrary : public FontResources {
public:
    // The face of that name from a registered font file; when no registered file supplies it,
    // a toolkit font of that name and size stands in, as the system would substitute one.
    virtual std::shared_ptr<const RasterFont> Face(const QString& name, int pointSize,
                                                   bool bold) = 0;
};
