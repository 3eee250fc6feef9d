#include "TestFolder.h"

#include "base/ProgramFolder.h"

#include <QDir>
#include <QFile>

namespace testing {

TestFolder::TestFolder()
    : m_previous(base::ProgramFolder())
{
    base::SetProgramFolder(m_dir.path());
}

TestFolder::~TestFolder()
{
    base::SetProgramFolder(m_previous);
}

QString TestFolder::path() const
{
    return base::ProgramFolder();
}

QString TestFolder::file(const QString& name) const
{
    return path() + name;
}

bool WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace testing
