#include "editor/PriceEdit.h"

namespace editor {

PriceEdit::PriceEdit(const QString& name, QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setText(QStringLiteral("0,00"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void PriceEdit::keyPressEvent(QKeyEvent* event)
{
    QLineEdit::keyPressEvent(event);
}

void PriceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
}

} // namespace editor
