#pragma once

#include <QColor>

class QLineEdit;
class QWidget;

namespace ui {

inline constexpr QColor kFieldWhite{0xFF, 0xFF, 0xFF};
inline constexpr QColor kFieldAliceBlue{0xF0, 0xF8, 0xFF};
inline constexpr QColor kFieldYellow{0xFF, 0xFF, 0x00};
inline constexpr QColor kFieldBorder{0x87, 0xCE, 0xEB};

// Gives the edit a flat background: filled with fill, a one-unit sky-blue border, square
// corners, reaching all four edges of the field, beneath its text and caret. Clicks reach
// the edit.
void SetFieldBackground(QLineEdit* edit, const QColor& fill);
// The fill SetFieldBackground last gave the edit; invalid when it gave none.
QColor FieldBackgroundFill(const QLineEdit* edit);

// The background highlight: the normal fill now, yellow while the field has the focus.
void InstallBackgroundHighlight(QLineEdit* edit, const QColor& normalFill);

// The halo highlight: halo is shown while the field has the focus, hidden otherwise.
// The halo should lie beneath the field, 4 units larger on every side.
void InstallHaloHighlight(QLineEdit* edit, QWidget* halo);

// A halo for the field: a yellow rectangle with a yellow-to-white border, 4 units larger
// than the field on every side, beneath it and hidden. The field must already be placed.
QWidget* CreateHalo(QLineEdit* edit, const QString& name);

} // namespace ui
