// A program for the tests that start one: writes how it was started into "<its own path>.started":
// the number of its arguments (its own name not counted), the show-window state it was handed and
// its working folder (UTF-8).
#include <windows.h>

#include <cstdio>
#include <string>

int main(int argc, char**)
{
    wchar_t self[MAX_PATH];
    ::GetModuleFileNameW(nullptr, self, MAX_PATH);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    const int shown = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    wchar_t folder[MAX_PATH];
    ::GetCurrentDirectoryW(MAX_PATH, folder);
    char folderUtf8[4 * MAX_PATH];
    ::WideCharToMultiByte(CP_UTF8, 0, folder, -1, folderUtf8, sizeof folderUtf8, nullptr, nullptr);
    FILE* out = _wfopen((std::wstring(self) + L".started").c_str(), L"w");
    if (!out)
        return 1;
    std::fprintf(out, "%d %d %s\n", argc - 1, shown, folderUtf8);
    return std::fclose(out) == 0 ? 0 : 1;
}
