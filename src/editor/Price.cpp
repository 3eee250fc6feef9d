#include "editor/Price.h"

#include "base/Text.h"

#include <boost/multiprecision/cpp_bin_float.hpp>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <system_error>

namespace editor {

namespace {

constexpr int kVkBackspace = 8;
constexpr int kVkEnter = 13;
constexpr int kVkLeft = 37;
constexpr int kVkRight = 39;
constexpr int kVkDelete = 46;

const QString kZeroPrice = QStringLiteral("0,00");

bool IsDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

// Reads the whole text as an amount: spaces, an optional sign, digits, an optional comma
// with digits, an optional exponent, spaces. Empty when the text has another form or
// the value is too large for a double; a value too small for one reads as zero.
std::optional<double> ParseAmount(const QString& text)
{
    const qsizetype size = text.size();
    qsizetype i = 0;
    std::string number;
    number.reserve(size_t(size) + 2);
    // Decimal exponent of the first significant digit, kept only to tell an overflow from
    // an underflow; saturated far beyond the range of a double.
    constexpr long long kExponentCap = 1'000'000'000;
    long long magnitude = 0;
    bool significant = false;

    while (i < size && text.at(i) == u' ')
        ++i;
    if (i < size && (text.at(i) == u'+' || text.at(i) == u'-')) {
        if (text.at(i) == u'-')
            number += '-';
        ++i;
    }
    const qsizetype integerBegin = i;
    for (; i < size && IsDigit(text.at(i)); ++i) {
        number += char(text.at(i).unicode());
        if (significant)
            magnitude = std::min(magnitude + 1, kExponentCap);
        else if (text.at(i) != u'0')
            significant = true;
    }
    bool mantissa = i > integerBegin;
    if (!mantissa)
        number += '0';
    if (i < size && text.at(i) == u',') {
        mantissa = true;
        number += '.';
        for (++i; i < size && IsDigit(text.at(i)); ++i) {
            number += char(text.at(i).unicode());
            if (!significant) {
                magnitude = std::max(magnitude - 1, -kExponentCap);
                significant = text.at(i) != u'0';
            }
        }
        if (number.back() == '.')
            number += '0';
    }
    if (!mantissa)
        return std::nullopt;
    if (i < size && (text.at(i) == u'e' || text.at(i) == u'E')) {
        number += 'e';
        ++i;
        bool negativeExponent = false;
        if (i < size && (text.at(i) == u'+' || text.at(i) == u'-')) {
            negativeExponent = text.at(i) == u'-';
            number += char(text.at(i).unicode());
            ++i;
        }
        const qsizetype exponentBegin = i;
        long long exponent = 0;
        for (; i < size && IsDigit(text.at(i)); ++i) {
            number += char(text.at(i).unicode());
            exponent = std::min(exponent * 10 + (text.at(i).unicode() - u'0'), kExponentCap);
        }
        if (i == exponentBegin)
            return std::nullopt;
        magnitude += negativeExponent ? -exponent : exponent;
    }
    while (i < size && text.at(i) == u' ')
        ++i;
    if (i != size)
        return std::nullopt;

    double value = 0.0;
    const char* const first = number.data();
    const char* const last = first + number.size();
    const auto [end, error] = std::from_chars(first, last, value, std::chars_format::general);
    if (error == std::errc::result_out_of_range) {
        if (significant && magnitude > 0)
            return std::nullopt;
        return 0.0;
    }
    if (error != std::errc() || end != last || !std::isfinite(value))
        return std::nullopt;
    return value;
}

// The general number format: the shortest form with up to 15 significant digits, the comma
// as decimal separator, the exponent form (1E15, 1,5E20) from 10^15 up and below 10^-5.
QString FormatGeneral(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    if (error != std::errc())
        return {};
    const std::string_view text(buffer, size_t(end - buffer));
    const size_t e = text.find('e');
    if (e == std::string_view::npos)
        return {};

    const bool negative = text.front() == '-';
    std::string digits;
    for (char c : text.substr(0, e)) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    int exponent = 0;
    {
        std::string_view exponentText = text.substr(e + 1);
        if (!exponentText.empty() && exponentText.front() == '+')
            exponentText.remove_prefix(1);
        std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
    }

    std::string out;
    if (negative)
        out += '-';
    if (exponent >= 15 || exponent < -5) {
        out += digits.front();
        if (digits.size() > 1) {
            out += ',';
            out.append(digits, 1);
        }
        out += 'E';
        out += std::to_string(exponent);
    } else if (exponent < 0) {
        out += "0,";
        out.append(size_t(-exponent - 1), '0');
        out += digits;
    } else {
        const size_t integerDigits = size_t(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out += digits;
            out.append(integerDigits - digits.size(), '0');
        } else {
            out.append(digits, 0, integerDigits);
            out += ',';
            out.append(digits, integerDigits);
        }
    }
    return QString::fromLatin1(out);
}

} // namespace

bool FilterPriceKey(int keyCode, QChar character)
{
    // Enter moves the focus along the editor's chain; it never types anything.
    if (keyCode == kVkEnter)
        return false;
    if (keyCode == kVkBackspace || keyCode == kVkDelete || keyCode == kVkLeft || keyCode == kVkRight)
        return true;
    return character == u',' || IsDigit(character);
}

QString NormalizePrice(const QString& text)
{
    if (base::TrimBlanks(text).isEmpty())
        return kZeroPrice;
    const std::optional<double> parsed = ParseAmount(text);
    // A price is never negative: a negative amount is as unreadable as any other.
    if (!parsed || *parsed < 0.0)
        return kZeroPrice;
    const double value = RoundDecimals(*parsed, 2);
    if (!std::isfinite(value) || value < 0.0)
        return kZeroPrice;
    QString result = FormatGeneral(value);
    if (result.isEmpty())
        return kZeroPrice;
    if (!result.contains(u','))
        result += QStringLiteral(",00");
    const qsizetype size = result.size();
    if (size >= 2 && result.at(size - 2) == u',' && IsDigit(result.at(size - 1)))
        result += u'0';
    return result;
}

double RoundDecimals(double value, int n)
{
    // The rounding is defined on the x87 80-bit format: a 64-bit binary significand, the
    // exponent range of -16382 to 16383, round to nearest even. A narrower type would turn
    // 5,555 into 5,56, and the compiler's long double is that format only on some targets,
    // so the arithmetic is done in a software type of exactly that format.
    using Extended = boost::multiprecision::cpp_bin_float_double_extended;
    Extended factor = 1;
    for (int i = 0; i < n; ++i)
        factor *= 10;
    // Product, sum, truncation and quotient in extended precision; only the quotient is
    // rounded to a double.
    const Extended scaled = Extended(value) * factor;
    const Extended whole = boost::multiprecision::trunc(scaled + Extended(0.5));
    return static_cast<double>(whole / factor);
}

} // namespace editor
