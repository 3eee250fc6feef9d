#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace login {

// A scrambled value that is not made of hexadecimal pairs.
class ConversionError : public std::runtime_error {
public:
    explicit ConversionError(const QString& pair);
    QString pair() const { return m_pair; }

private:
    QString m_pair;
};

// The longest password the scrambling keeps (its length counts in 8 bits).
inline constexpr qsizetype kMaxPasswordLength = 255;

// Scrambles plain with the running key and writes it as upper-case hexadecimal pairs.
// Only the low 8 bits of each character take part; at most 255 characters are taken.
QString EncodePassword(const QString& plain);

// Reads hexadecimal pairs (either letter case; a last odd digit is ignored) and
// unscrambles them. Throws ConversionError, before producing anything, when a pair is
// not two hexadecimal digits.
QString DecodePassword(const QString& hex);

// True when the text survives scrambling unchanged: at most 255 characters, none beyond U+00FF.
bool IsStorablePassword(const QString& plain);

// The characters of the text beyond U+00FF, which scrambling cannot keep: each once, in
// the order they first appear (a character beyond U+FFFF as its two halves together).
QStringList UnstorableCharacters(const QString& plain);

} // namespace login
