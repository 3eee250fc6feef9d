// DecodePassword on any text: either a conversion error, or a text of half the length
// that encodes back to the input's pairs (in upper case).
#include "access/Crypt.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString hex = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    QString plain;
    try {
        plain = login::DecodePassword(hex);
    } catch (const login::ConversionError&) {
        return 0;
    }
    if (plain.size() != hex.size() / 2)
        std::abort();
    if (plain.size() <= 255 && login::EncodePassword(plain) != hex.left(plain.size() * 2).toUpper())
        std::abort();
    return 0;
}
