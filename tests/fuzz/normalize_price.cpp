// Any text left in a price field normalises to a price: digits, a comma and two decimals,
// an exponent form for amounts of 10^15 and more, or 0,00; and a normalised price stays
// as it is when the field is passed through again.
#include "editor/Price.h"

#include <QByteArray>
#include <QRegularExpression>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* what, const QString& input, const QString& result)
{
    std::fprintf(stderr, "normalize_price: %s\n  input:  \"%s\"\n  result: \"%s\"\n", what,
                 input.toUtf8().constData(), result.toUtf8().constData());
    std::abort();
}

void Check(const QString& input)
{
    static const QRegularExpression fixed(QStringLiteral("^(0|[1-9][0-9]*),[0-9]{2}$"));
    // 1E15,00 for a one-digit mantissa, 1,5E20 otherwise; the exponent lies in 15..308.
    static const QRegularExpression exponent(
        QStringLiteral("^[1-9](E(1[5-9]|[2-9][0-9]|[12][0-9]{2}|30[0-8]),00"
                       "|,[0-9]*[1-9]E(1[5-9]|[2-9][0-9]|[12][0-9]{2}|30[0-8]))$"));

    const QString result = editor::NormalizePrice(input);
    if (fixed.match(result).hasMatch()) {
        const QString again = editor::NormalizePrice(result);
        if (again != result)
            Fail("a normalised price changes when normalised again", input, again);
        return;
    }
    if (!exponent.match(result).hasMatch())
        Fail("not a normalised price", input, result);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Check(QString::fromUtf8(bytes));
    Check(QString::fromLatin1(bytes));
    return 0;
}
