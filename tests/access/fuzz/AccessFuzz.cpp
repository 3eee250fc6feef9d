// libFuzzer entry point for the password file's INI reader and writer and the password
// decoder: any bytes as the file, any text as a stored value.

#include "access/Crypt.h"
#include "access/IniFile.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString section = QStringLiteral("Accesso");
    const QString key = QStringLiteral("Valore");

    const QString value = accesso::ini::ReadValue(text, section, key);
    try {
        accesso::DecodePassword(value);
    } catch (const accesso::ConversionError&) {
    }

    const QByteArray written = accesso::ini::WriteValue(text, section, key, QStringLiteral("625C"));
    if (accesso::ini::ReadValue(written, section, key) != QStringLiteral("625C"))
        std::abort();
    if (accesso::ini::WriteValue(written, section, key, QStringLiteral("625C")) != written)
        std::abort();

    // The same bytes as section and key names, and as a value.
    const QString asText = QString::fromUtf8(text);
    accesso::ini::ReadValue(text, asText, asText);
    try {
        accesso::ini::WriteValue(text, asText, asText, asText);
    } catch (const accesso::IniWriteError&) {
    }
    try {
        accesso::DecodePassword(asText);
    } catch (const accesso::ConversionError&) {
    }
    accesso::EncodePassword(asText);
    return 0;
}
