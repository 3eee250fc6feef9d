#pragma once

#include <QByteArray>
#include <QString>

#include <stdexcept>

namespace login {

// A profile file that could not be written (or, for a write, read first).
class IniWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reading and writing one value of an INI file the way the private-profile functions do:
// section and key names compare without regard to letter case, blanks around names and
// values are ignored, a missing file, section or key gives the empty text. The first
// section of a name and the first key of a name in it are the ones that count.
//
// The text works on the file's bytes: a write changes or adds only the one key's line
// (and the section's header when the section is missing); every other byte of the file
// stays as it was, line endings included. Added lines take the file's own line ending.
namespace ini {

// The value of key in section of the INI text, or the empty text.
QString ReadValue(const QByteArray& text, const QString& section, const QString& key);

// The INI text with key of section set to value: the key's line replaced, or a line added
// after the last key line of the section, or the section added at the end.
// Throws IniWriteError when a name or the value cannot be written as one line.
QByteArray WriteValue(const QByteArray& text, const QString& section, const QString& key, const QString& value);

} // namespace ini

// The value of key in section of the file at path; the empty text for a missing or
// unreadable file, section or key.
QString ReadIniString(const QString& path, const QString& section, const QString& key);

// Sets key of section in the file at path, creating the file when it is missing. The new
// file is written whole beside the old one and takes its place in a single rename, so on
// any failure (thrown as IniWriteError) the old file is untouched.
void WriteIniString(const QString& path, const QString& section, const QString& key, const QString& value);

} // namespace login
