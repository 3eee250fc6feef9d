#pragma once

#include <QString>

namespace editor {

// The key filter of a price field. Returns false when the key press is to be discarded.
// keyCode follows the virtual-key codes: 13 Enter, 8 Backspace, 46 Delete, 37 Left,
// 39 Right; character is the typed character (0 when none). Enter is discarded as well:
// it types nothing, the field's owner moves the focus.
bool FilterPriceKey(int keyCode, QChar character);

// The normalised form of a typed price: two decimals, comma separator, "0,00" for an
// empty, unreadable or negative entry.
QString NormalizePrice(const QString& text);

// Int(value * 10^n + 0.5) / 10^n in 80-bit extended precision (the x87 format, computed
// in software on every compiler), Int truncating toward zero; only the quotient is rounded
// to a double.
double RoundDecimals(double value, int n);

} // namespace editor
