#include "ui/file_dialogs.h"

#include "ui/wide_text.h"

// commdlg.h needs the types of windows.h.
#include <commdlg.h>

namespace {

// Room for any path the system takes.
constexpr DWORD PathRoom = 32768;

std::filesystem::path Ask(HWND owner, const std::filesystem::path& folder, std::string_view filter,
                          bool save) {
    const SystemFilter system = FileFilter(filter);
    std::wstring chosen(PathRoom, L'\0');
    const std::wstring start = folder.wstring();
    OPENFILENAMEW request{};
    request.lStructSize = sizeof(request);
    request.hwndOwner = owner;
    request.lpstrFilter = system.Pairs.c_str();
    request.lpstrFile = chosen.data();
    request.nMaxFile = PathRoom;
    request.lpstrInitialDir = start.empty() ? nullptr : start.c_str();
    request.lpstrDefExt = system.Extension.c_str();
    request.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR |
                    (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL taken = save ? GetSaveFileNameW(&request) : GetOpenFileNameW(&request);
    if (taken == 0)
        return {};
    chosen.resize(chosen.find(L'\0'));
    return std::filesystem::path(chosen);
}

} // namespace

SystemFilter FileFilter(std::string_view filter) {
    std::wstring pairs = Wide(filter);
    const std::wstring pattern = pairs.substr(pairs.find(L'|') + 1);
    for (wchar_t& c : pairs)
        if (c == L'|')
            c = L'\0';
    pairs.push_back(L'\0');
    return {pairs, pattern.substr(pattern.rfind(L'.') + 1)};
}

std::filesystem::path OpenFileName(HWND owner, const std::filesystem::path& folder,
                                   std::string_view filter) {
    return Ask(owner, folder, filter, false);
}

std::filesystem::path SaveFileName(HWND owner, const std::filesystem::path& folder,
                                   std::string_view filter) {
    return Ask(owner, folder, filter, true);
}
