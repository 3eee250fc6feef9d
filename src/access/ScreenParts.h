#pragma once

#include <QString>

class QEvent;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace login {

// The controls the two password screens share: Verdana labels, masked Verdana 14 bold
// fields and hand-pointer buttons, placed at absolute positions on the screen's panel.

QLabel* MakeLabel(const QString& name, const QString& text, const QString& description, QWidget* parent, int x, int y,
                  int width, int height);

QLineEdit* MakePasswordField(const QString& name, const QString& accessibleName, QWidget* parent, int x, int y,
                             int width, int height);

QPushButton* MakeButton(const QString& name, const QString& text, const QString& accessibleName, QWidget* parent, int x,
                        int y, int width, int height);

// The hidden scratch label through which the values of a check pass.
QLabel* MakeMemoryLabel(QWidget* parent);

// True for a key press of Return or the keypad's Enter, with or without modifiers.
bool IsEnterKey(const QEvent* event);

} // namespace login
