// Lays out the password file: unins000.dll in the given program folder, holding the
// initial password. By default a folder that already has the file keeps it, so that a
// rebuild never resets a password the user changed in the build's own program folder;
// with --replace (an installation) the file is written anew every time, so reinstalling
// mends a damaged file and brings back the initial password.

#include "access/PasswordStore.h"
#include "base/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <cstring>
#include <exception>

namespace {
const QString kInitialPassword = QStringLiteral("chiaveiniziale");
}

int main(int argc, char** argv)
{
    const bool replace = argc == 3 && std::strcmp(argv[1], "--replace") == 0;
    if (argc != 2 && !replace) {
        std::fprintf(stderr, "usage: %s [--replace] <program folder>\n", argv[0]);
        return 2;
    }
    const char* const folderArgument = argv[argc - 1];
    const QString folder = QString::fromLocal8Bit(folderArgument);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create the folder %s\n", folderArgument);
        return 1;
    }
    base::SetProgramFolder(folder);
    const QString path = login::PasswordFilePath();
    const QFileInfo info(path);
    if ((info.exists() || info.isSymLink()) && !replace) {
        std::printf("kept %s\n", qPrintable(QDir::toNativeSeparators(path)));
        return 0;
    }
    // The old file goes whole: the new one holds nothing of it.
    if ((info.isFile() || info.isSymLink()) && !QFile::remove(path)) {
        std::fprintf(stderr, "cannot replace %s\n", qPrintable(QDir::toNativeSeparators(path)));
        return 1;
    }
    try {
        login::WriteStoredPassword(kInitialPassword);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(QDir::toNativeSeparators(path)), error.what());
        return 1;
    }
    std::printf("wrote %s\n", qPrintable(QDir::toNativeSeparators(path)));
    return 0;
}
