// Any text left in a price field normalises to a price: digits, a comma and two decimals,
// an exponent form for amounts of 10^15 and more, or 0,00. A normalised price stays as it
// is when the field is passed through again, a text that is not an amount gives 0,00, and
// an amount gives itself to the cent (read here with Qt's own number reader).
#include "editor/Price.h"

#include <QByteArray>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* what, const QString& input, const QString& result)
{
    std::fprintf(stderr, "normalize_price: %s\n  input:  \"%s\"\n  result: \"%s\"\n", what, input.toUtf8().constData(),
                 result.toUtf8().constData());
    std::abort();
}

// The amount the text holds, read independently of the code under test; NaN when the
// text is no amount.
double ExpectedAmount(const QString& input, bool& readable)
{
    static const QRegularExpression form(QStringLiteral("^ *([+-]?)([0-9]*)(,([0-9]*))?([eE]([+-]?[0-9]+))? *\\z"));
    const QRegularExpressionMatch match = form.match(input);
    readable = match.hasMatch() && (match.capturedLength(2) > 0 || match.capturedLength(3) > 0);
    if (!readable)
        return std::nan("");
    QString number = match.captured(1) + QLatin1Char('0') + match.captured(2) + QLatin1Char('.') + match.captured(4)
        + QLatin1Char('0');
    if (match.capturedLength(6) > 0)
        number += QLatin1Char('e') + match.captured(6);
    bool ok = false;
    const double value = QLocale::c().toDouble(number, &ok);
    return ok ? value : std::nan("");
}

void Check(const QString& input)
{
    static const QRegularExpression fixed(QStringLiteral("^(0|[1-9][0-9]*),[0-9]{2}\\z"));
    // 1E15,00 for a one-digit mantissa, 1,5E20 otherwise; the exponent lies in 15..308.
    static const QRegularExpression exponent(
        QStringLiteral("^[1-9](E(1[5-9]|[2-9][0-9]|[12][0-9]{2}|30[0-8]),00"
                       "|,[0-9]*[1-9]E(1[5-9]|[2-9][0-9]|[12][0-9]{2}|30[0-8]))\\z"));
    const QString zero = QStringLiteral("0,00");

    const QString result = editor::NormalizePrice(input);
    const bool isFixed = fixed.match(result).hasMatch();
    if (!isFixed && !exponent.match(result).hasMatch())
        Fail("not a normalised price", input, result);
    if (isFixed && editor::NormalizePrice(result) != result)
        Fail("a normalised price changes when normalised again", input, result);

    bool readable = false;
    const double amount = ExpectedAmount(input, readable);
    if (!readable) {
        if (result != zero)
            Fail("a text that is no amount did not give 0,00", input, result);
        return;
    }
    // Within the amounts a field can show to the cent, the result is the amount rounded.
    if (std::isnan(amount) || std::fabs(amount) >= 1e12)
        return;
    if (amount < 0.0) {
        if (result != zero)
            Fail("a negative amount did not give 0,00", input, result);
        return;
    }
    if (!isFixed)
        Fail("a small amount came out in exponent form", input, result);
    QString decimal = result;
    decimal.replace(QLatin1Char(','), QLatin1Char('.'));
    const double shown = QLocale::c().toDouble(decimal);
    if (std::fabs(shown - amount) > 0.005 + 1e-12 * amount)
        Fail("the result is not the amount to the cent", input, result);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    Check(QString::fromUtf8(bytes));
    Check(QString::fromLatin1(bytes));
    return 0;
}
