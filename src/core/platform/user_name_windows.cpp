// The login name of the account the program runs as, from Windows.
#include "platform/user_name.h"

#include <vector>

#define WIN32_LEAN_AND_MEAN
#include <windows.h>
// after windows.h, whose types it uses
#include <lmcons.h>

std::string UserName::LoginName() const {
    std::vector<wchar_t> name(UNLEN + 1);
    DWORD length = static_cast<DWORD>(name.size());
    if (!GetUserNameW(name.data(), &length) || length == 0)
        return {};
    // The length counts the terminating null.
    const int wide = static_cast<int>(length - 1);
    const int bytes =
        WideCharToMultiByte(CP_UTF8, 0, name.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(bytes), '\0');
    WideCharToMultiByte(CP_UTF8, 0, name.data(), wide, utf8.data(), bytes, nullptr, nullptr);
    return utf8;
}
