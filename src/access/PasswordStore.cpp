#include "access/PasswordStore.h"

#include "access/Crypt.h"
#include "access/IniFile.h"
#include "base/ProgramFolder.h"
#include "base/Text.h"

#include <stdexcept>

namespace login {

namespace {
const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");
} // namespace

QString PasswordFilePath()
{
    return base::ProgramFolder() + QStringLiteral("unins000.dll");
}

QString ReadStoredPassword()
{
    const QString value = ReadIniString(PasswordFilePath(), kSection, kKey);
    return base::TrimBlanks(DecodePassword(value));
}

void WriteStoredPassword(const QString& typed)
{
    const QString password = NormalizedPassword(typed);
    if (password.isEmpty() || !IsStorablePassword(password))
        throw std::invalid_argument("the password cannot be stored");
    WriteIniString(PasswordFilePath(), kSection, kKey, base::TrimBlanks(EncodePassword(password)));
}

QString NormalizedPassword(const QString& typed)
{
    return base::TrimBlanks(base::UpperAscii(typed));
}

bool PasswordMatches(const QString& typed, const QString& stored)
{
    return !stored.isEmpty() && NormalizedPassword(typed) == stored;
}

} // namespace login
