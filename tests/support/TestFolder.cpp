#include "TestFolder.h"

#include "app/ProgramFolder.h"

#include <QDir>
#include <QFile>

namespace testing {

TestFolder::TestFolder()
    : m_previous(app::ProgramFolder())
{
    app::SetProgramFolder(m_dir.path());
}

TestFolder::~TestFolder()
{
    app::SetProgramFolder(m_previous);
}

QString TestFolder::path() const
{
    return app::ProgramFolder();
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
