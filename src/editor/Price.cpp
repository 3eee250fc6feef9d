#include "editor/Price.h"

namespace editor {

bool FilterPriceKey(int, QChar)
{
    return true;
}

QString NormalizePrice(const QString& text)
{
    return text;
}

double RoundDecimals(double value, int)
{
    return value;
}

} // namespace editor
