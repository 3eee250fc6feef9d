#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing {

// A temporary program folder, made the program folder for its lifetime.
class TestFolder {
public:
    TestFolder();
    ~TestFolder();

    QString path() const; // with trailing separator
    QString file(const QString& name) const;
    bool isValid() const { return m_dir.isValid(); }

private:
    QTemporaryDir m_dir;
    QString m_previous;
};

// Writes bytes to a file, replacing it.
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray ReadFile(const QString& path);

} // namespace testing
