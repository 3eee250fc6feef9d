#include "access/ScreenParts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace login {

QLabel* MakeLabel(const QString& name, const QString& text, const QString& description, QWidget* parent, int x, int y,
                  int width, int height)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(9);
    font.setBold(true);
    label->setFont(font);
    label->setAccessibleDescription(description);
    label->setGeometry(x, y, width, height);
    return label;
}

QLineEdit* MakePasswordField(const QString& name, const QString& accessibleName, QWidget* parent, int x, int y,
                             int width, int height)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(14);
    font.setBold(true);
    edit->setFont(font);
    edit->setEchoMode(QLineEdit::Password);
    edit->setAccessibleName(accessibleName);
    edit->setGeometry(x, y, width, height);
    return edit;
}

QPushButton* MakeButton(const QString& name, const QString& text, const QString& accessibleName, QWidget* parent, int x,
                        int y, int width, int height)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setCursor(Qt::PointingHandCursor);
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setAccessibleName(accessibleName);
    button->setGeometry(x, y, width, height);
    return button;
}

QLabel* MakeMemoryLabel(QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblMemory"));
    label->setAccessibleDescription(QStringLiteral("Memoria di lavoro"));
    label->setGeometry(0, 0, 1, 1);
    label->hide();
    return label;
}

bool IsEnterKey(const QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace login
