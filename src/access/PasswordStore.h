#pragma once

#include <QString>

namespace login {

// The password file beside the program: INI text, key Valore of section Accesso, the
// password scrambled by EncodePassword. It is opened anew for every operation.
QString PasswordFilePath();

// The stored password, decoded and trimmed; empty for a missing or unreadable file,
// section or key. Throws ConversionError when the stored value is not hexadecimal pairs.
QString ReadStoredPassword();

// Stores typed (upper-cased, trimmed, scrambled) as the new password. The file is replaced
// whole in a single rename; throws IniWriteError when it cannot be written (the old file
// then stays as it was), std::invalid_argument for a password that could not be matched
// again once stored (blank, over 255 characters or beyond U+00FF).
void WriteStoredPassword(const QString& typed);

// The form in which a typed password is stored and compared: ASCII letters upper-cased,
// then trimmed.
QString NormalizedPassword(const QString& typed);

// True when typed matches the stored password. An empty stored password matches nothing.
bool PasswordMatches(const QString& typed, const QString& stored);

} // namespace login
