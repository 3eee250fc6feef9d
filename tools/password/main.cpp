// Lays out the password file of a new installation: unins000.dll in the given program
// folder, holding the initial password. A folder that already has the file keeps it, so
// a password the user changed is never reset.

#include "access/PasswordStore.h"
#include "base/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cstdio>
#include <exception>

namespace {
const QString kInitialPassword = QStringLiteral("chiaveiniziale");
}

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <program folder>\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(folder)) {
        std::fprintf(stderr, "cannot create the folder %s\n", argv[1]);
        return 1;
    }
    base::SetProgramFolder(folder);
    const QString path = login::PasswordFilePath();
    const QFileInfo info(path);
    if (info.exists() || info.isSymLink()) {
        std::printf("kept %s\n", qPrintable(QDir::toNativeSeparators(path)));
        return 0;
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
