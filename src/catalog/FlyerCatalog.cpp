#include "catalog/FlyerCatalog.h"

#include "base/ProgramFolder.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <vector>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace catalog {

QStringList ListFlyers(const QString& folder)
{
    // A name filter, and no look at a file beyond the type that reading the folder gives
    // (dangling links, fifos and the like stay out, as do folders).
    const QDir dir(folder);
    QStringList names =
        dir.entryList({QStringLiteral("*.lis")}, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Unsorted);

    QCollator collator{QLocale()};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    struct Keyed {
        QCollatorSortKey key;
        QString name;
    };
    std::vector<Keyed> keyed;
    keyed.reserve(names.size());
    for (QString& name : names)
        keyed.push_back({collator.sortKey(name), std::move(name)});
    std::sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        const int order = a.key.compare(b.key);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    QStringList sorted;
    sorted.reserve(qsizetype(keyed.size()));
    for (Keyed& entry : keyed)
        sorted.append(std::move(entry.name));
    return sorted;
}

QStringList ListFlyers()
{
    return ListFlyers(base::ProgramFolder());
}

QString CountLineText(qsizetype count)
{
    return QStringLiteral("Sono stati creati ") + QString::number(count) + QStringLiteral(" volantini offerte.");
}

QString EntryPath(const QString& entryText)
{
    // The entry is the name of a file found in the folder: the path names exactly that file,
    // so a name with blanks around it never leads to a different flyer.
    return base::ProgramFolder() + entryText;
}

QString FlyerTitle(const QString& entryText)
{
    return entryText.left(qMax<qsizetype>(0, entryText.size() - 4));
}

QString NewFlyerPath(const QString& name)
{
    return base::ProgramFolder() + name + QStringLiteral(".lis");
}

bool HasForbiddenNameCharacters(const QString& name)
{
    return std::any_of(name.cbegin(), name.cend(), [](QChar c) { return c == u'/' || c == u'\\' || c.unicode() < 32; });
}

FileCreateError::FileCreateError(int errorNumber)
    : std::runtime_error("I/O error " + std::to_string(errorNumber))
    , m_errorNumber(errorNumber)
{ }

CreateResult CreateEmptyFlyer(const QString& path)
{
    // A folder of that name is no flyer: it stands in the way like any other reason the
    // file cannot be created.
    const QFileInfo info(path);
    if (info.isDir())
        throw FileCreateError(EISDIR);
    if (info.exists() || info.isSymLink())
        return CreateResult::AlreadyExists;

        // Exclusive creation: a file that appeared meanwhile is still never truncated.
#ifdef Q_OS_WIN
    const int fd = _wopen(reinterpret_cast<const wchar_t*>(QDir::toNativeSeparators(path).utf16()),
                          _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
#else
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
#endif
    if (fd < 0) {
        const int error = errno;
        if (error == EEXIST && QFileInfo(path).isDir())
            throw FileCreateError(EISDIR);
        if (error == EEXIST)
            return CreateResult::AlreadyExists;
        throw FileCreateError(error);
    }
#ifdef Q_OS_WIN
    const int closed = _close(fd);
#else
    const int closed = ::close(fd);
#endif
    if (closed != 0) {
        const int error = errno;
        QFile::remove(path);
        throw FileCreateError(error);
    }
    return CreateResult::Created;
}

bool DeleteFlyer(const QString& path)
{
    const QFileInfo info(path);
    if (!info.isFile() && !info.isSymLink())
        return false;
    return QFile::remove(path);
}

} // namespace catalog
