#pragma once

#include "storage/FlyerArchive.h"

#include <QString>

#include <optional>

namespace editor {

// How many characters each text field of a product box holds: the archive's field sizes.
inline constexpr int kNomeLength = storage::kNomeField.maxLength;
inline constexpr int kUmLength = storage::kUmField.maxLength;
inline constexpr int kCaratteristicheLength = storage::kCaratteristicheField.maxLength;
inline constexpr int kCodiceLength = storage::kCodiceField.maxLength;

// A text as a field of that length saves it when the text is put into it whole: cut to
// maxLength characters, as the field cuts a longer text set into it, and trimmed, as a
// save trims. Line breaks and other control characters become spaces first (a field is
// one line).
QString FieldText(const QString& text, int maxLength);

// A price as the price field saves it, from a text a spreadsheet holds ("12,50 €",
// "12.5", "1.250,00"): the euro sign and blanks dropped, a lone point taken as the
// decimal separator and points beside a comma as thousands, then NormalizePrice.
// Nothing when the text is empty, not a number, negative, or longer normalised than the
// archive's price field holds.
std::optional<QString> PriceFromText(const QString& text);

} // namespace editor
