// The font files registered by the program and the faces they supply by name.
#pragma once

#include "platform/font_resources.h"
#include "platform/text_face.h"

#include <QString>
#include <memory>

class FontLibrary : public FontResources {
public:
    // The face of that name from a registered font file; when no registered file supplies it,
    // a toolkit font of that name and size stands in, as the system would substitute one.
    virtual std::shared_ptr<const TextFace> Face(const QString& name, int pointSize, bool bold) = 0;
};
