// Stands in for hh.exe in the help viewer's test: writes its show mode, the command line it was
// started with and where it was started from into the file the environment names, tells the test,
// and stays until released, so the test sees that the viewer was not waited for.
#define WIN32_LEAN_AND_MEAN
#include <cstdio>
#include <string>
#include <windows.h>

namespace {

std::wstring Environment(const wchar_t* name) {
    std::wstring value(MAX_PATH, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

} // namespace

int main() {
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    const bool showModeGiven = (startup.dwFlags & STARTF_USESHOWWINDOW) != 0;
    std::wstring self(MAX_PATH, L'\0');
    self.resize(GetModuleFileNameW(nullptr, self.data(), static_cast<DWORD>(self.size())));
    const std::wstring report = std::to_wstring(showModeGiven ? startup.wShowWindow : -1) + L"\n" +
                                GetCommandLineW() + L"\n" + self;
    FILE* file = _wfopen(Environment(L"QUORVANE_STAND_IN_REPORT").c_str(), L"wb");
    if (file == nullptr)
        return 1;
    std::fwrite(report.data(), sizeof(wchar_t), report.size(), file);
    std::fclose(file);

    const HANDLE reported =
        OpenEventW(EVENT_MODIFY_STATE, FALSE, Environment(L"QUORVANE_STAND_IN_REPORTED").c_str());
    const HANDLE release =
        OpenEventW(SYNCHRONIZE, FALSE, Environment(L"QUORVANE_STAND_IN_RELEASE").c_str());
    if (reported == nullptr || release == nullptr)
        return 1;
    SetEvent(reported);
    WaitForSingleObject(release, 30000);
    return 0;
}
