#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The system's own code page behind toSystemCodePage and its kin, in one file per system
// (codepage_posix.cpp, codepage_win32.cpp), which CMake picks.
namespace platform::native {

QByteArray toCodePage(const QString& text);
QString fromCodePage(const QByteArray& bytes);
std::optional<QString> decodeCodePage(const QByteArray& bytes);

} // namespace platform::native
