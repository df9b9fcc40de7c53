#pragma once

#include <QString>

#include <ostream>

// Lets GoogleTest print QString values in failure messages as text instead of raw bytes.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}
