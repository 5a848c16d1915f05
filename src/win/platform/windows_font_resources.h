// Font files added to and removed from the running system through GDI, so that windows ask for
// their faces by name.
#pragma once

#include "platform/font_resources.h"

class WindowsFontResources final : public FontResources {
public:
    void AddFontFile(const std::filesystem::path& file) override;
    void RemoveFontFile(const std::filesystem::path& file) override;
};
