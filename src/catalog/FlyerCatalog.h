#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace catalog {

// The flyer files of a folder: the names (with extension, without folder) of the files at
// its top level that match "*.lis", sorted alphabetically, letter case aside.
QStringList ListFlyers(const QString& folder);
// The same for the program folder.
QStringList ListFlyers();

// "Sono stati creati N volantini offerte." (the plural also for one).
QString CountLineText(qsizetype count);

// Path of a listed entry in the program folder.
QString EntryPath(const QString& entryText);
// Title of a listed entry: its text without the last four characters (the ".lis").
QString FlyerTitle(const QString& entryText);

// Path of the archive of a new flyer named name (already trimmed): program folder + name + ".lis".
QString NewFlyerPath(const QString& name);

// True when the name holds a path separator ("/" or "\") or a control character (code
// below 32): such a name would lead outside the program folder or fail obscurely.
bool HasForbiddenNameCharacters(const QString& name);

// A file that could not be created. what() is "I/O error " + the system's error number.
class FileCreateError : public std::runtime_error {
public:
    explicit FileCreateError(int errorNumber);
    int errorNumber() const { return m_errorNumber; }

private:
    int m_errorNumber;
};

enum class CreateResult { Created, AlreadyExists };

// Creates an empty file at path. Looks first: when a file exists there, nothing is
// written and AlreadyExists comes back. Throws FileCreateError when the system refuses,
// and for a folder in the way (EISDIR).
CreateResult CreateEmptyFlyer(const QString& path);

// Removes the archive file at path; false when it is not there or cannot be removed.
bool DeleteFlyer(const QString& path);

} // namespace catalog
