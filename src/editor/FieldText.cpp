#include "editor/FieldText.h"

#include "base/Text.h"
#include "editor/Price.h"

namespace editor {

QString FieldText(const QString& text, int maxLength)
{
    QString line = text;
    for (QChar& c : line) {
        if (c.unicode() < 32 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    return base::TrimBlanks(base::TrimBlanks(line).left(maxLength));
}

std::optional<QString> PriceFromText(const QString& text)
{
    QString amount;
    for (const QChar c : text) {
        if (c == u'\u20AC' || c.isSpace())
            continue;
        amount += c;
    }
    if (amount.isEmpty())
        return std::nullopt;
    if (amount.contains(u','))
        amount.remove(u'.');
    else if (amount.count(u'.') == 1)
        amount.replace(u'.', u',');
    // Digits and at most one comma: anything else is not a price, where the price field
    // would have turned it into 0,00 unseen.
    if (amount.count(u',') > 1)
        return std::nullopt;
    for (const QChar c : amount) {
        if (c != u',' && !(c >= u'0' && c <= u'9'))
            return std::nullopt;
    }
    if (amount == QLatin1String(","))
        return std::nullopt;
    const QString price = NormalizePrice(amount);
    if (price.size() > storage::kPrezzoField.maxLength)
        return std::nullopt;
    return price;
}

} // namespace editor
