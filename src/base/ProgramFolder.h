#pragma once

#include <QString>

namespace base {

// The folder that holds the program file, with its trailing separator.
// Every file the program reads or writes lies in it.
QString ProgramFolder();

// Set once at start-up from the program file's folder; tests point it at a temporary folder.
void SetProgramFolder(const QString& folder);

} // namespace base
