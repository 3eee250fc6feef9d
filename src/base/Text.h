#pragma once

#include <QString>

namespace base {

// Removes every leading and trailing character whose code is 32 or less.
QString TrimBlanks(const QString& text);

// Upper-cases the ASCII letters a to z only; every other character stays as it is.
QString UpperAscii(const QString& text);

} // namespace base
