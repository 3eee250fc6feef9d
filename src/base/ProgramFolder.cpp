#include "base/ProgramFolder.h"

#include <QDir>

namespace base {

namespace {
QString& programFolderValue()
{
    static QString folder;
    return folder;
}
} // namespace

QString ProgramFolder()
{
    return programFolderValue();
}

void SetProgramFolder(const QString& folder)
{
    if (folder.isEmpty()) {
        programFolderValue().clear();
        return;
    }
    QString native = QDir::toNativeSeparators(QDir::cleanPath(folder));
    if (!native.endsWith(QDir::separator()))
        native += QDir::separator();
    programFolderValue() = native;
}

} // namespace base
