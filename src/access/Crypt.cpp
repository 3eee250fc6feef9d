#include "access/Crypt.h"

#include <QList>

namespace login {

namespace {

constexpr quint16 kKeyStart = 8461;
constexpr quint16 kMultiplier = 40763;
constexpr quint16 kIncrement = 28437;

quint16 NextKey(quint16 key, quint8 scrambled)
{
    return quint16((quint32(scrambled) + key) * kMultiplier + kIncrement);
}

int HexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

} // namespace

ConversionError::ConversionError(const QString& pair)
    : std::runtime_error("'" + pair.toStdString() + "' is not a valid hexadecimal pair")
    , m_pair(pair)
{ }

QString EncodePassword(const QString& plain)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    const qsizetype count = qMin(plain.size(), kMaxPasswordLength);
    QString result;
    result.reserve(count * 2);
    quint16 key = kKeyStart;
    for (qsizetype i = 0; i < count; ++i) {
        const quint8 b = quint8(plain.at(i).unicode() & 0xFF);
        const quint8 c = quint8(b ^ (key >> 8));
        result.append(QLatin1Char(kDigits[c >> 4]));
        result.append(QLatin1Char(kDigits[c & 0x0F]));
        key = NextKey(key, c);
    }
    return result;
}

QString DecodePassword(const QString& hex)
{
    const qsizetype count = hex.size() / 2;
    QList<quint8> bytes;
    bytes.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const int high = HexDigit(hex.at(2 * i).unicode());
        const int low = HexDigit(hex.at(2 * i + 1).unicode());
        if (high < 0 || low < 0)
            throw ConversionError(hex.mid(2 * i, 2));
        bytes.append(quint8(high * 16 + low));
    }
    QString result;
    result.reserve(count);
    quint16 key = kKeyStart;
    for (const quint8 c : bytes) {
        result.append(QChar(char16_t(c ^ (key >> 8))));
        key = NextKey(key, c);
    }
    return result;
}

bool IsStorablePassword(const QString& plain)
{
    if (plain.size() > kMaxPasswordLength)
        return false;
    for (const QChar c : plain) {
        if (c.unicode() > 0xFF)
            return false;
    }
    return true;
}

QStringList UnstorableCharacters(const QString& plain)
{
    QStringList found;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        if (plain.at(i).unicode() <= 0xFF)
            continue;
        const qsizetype length = plain.at(i).isHighSurrogate() && i + 1 < plain.size() && plain.at(i + 1).isLowSurrogate() ? 2 : 1;
        const QString character = plain.mid(i, length);
        if (!found.contains(character))
            found.append(character);
        i += length - 1;
    }
    return found;
}

} // namespace login
