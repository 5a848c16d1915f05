// Font files added to and removed from the running system through GDI.
#include "platform/windows_font_resources.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace {

// Tells every top-level window that the set of fonts has changed. A window that does not answer
// within the time is passed over rather than waited for, so a hung program elsewhere cannot stop
// ours at start-up or close.
void BroadcastFontChange() {
    constexpr UINT TimeoutMilliseconds = 1000;
    SendMessageTimeoutW(HWND_BROADCAST, WM_FONTCHANGE, 0, 0, SMTO_ABORTIFHUNG | SMTO_NORMAL,
                        TimeoutMilliseconds, nullptr);
}

} // namespace

void WindowsFontResources::AddFontFile(const std::filesystem::path& file) {
    AddFontResourceW(file.c_str());
    BroadcastFontChange();
}

void WindowsFontResources::RemoveFontFile(const std::filesystem::path& file) {
    RemoveFontResourceW(file.c_str());
    BroadcastFontChange();
}
