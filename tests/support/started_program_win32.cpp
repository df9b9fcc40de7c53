// A program for the tests that start one: writes how it was started into "<its own path>.started":
// the number of its arguments (its own name not counted) and the show-window state it was handed.
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
    FILE* out = _wfopen((std::wstring(self) + L".started").c_str(), L"w");
    if (!out)
        return 1;
    std::fprintf(out, "%d %d\n", argc - 1, shown);
    return std::fclose(out) == 0 ? 0 : 1;
}
