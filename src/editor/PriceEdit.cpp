#include "editor/PriceEdit.h"

#include "editor/Price.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace editor {

namespace {

// The virtual-key code of a key, as the price filter knows it. Keys it has no rule for get
// codes that cannot be taken for one of those it has.
int VirtualKey(const QKeyEvent& event)
{
    const int key = event.key();
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Space:
        return 32;
    case Qt::Key_Comma:
        return 188;
    case Qt::Key_Period:
        return 190;
    case Qt::Key_Minus:
        return 189;
    case Qt::Key_Plus:
        return 187;
    default:
        break;
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return 48 + (key - Qt::Key_0);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return 65 + (key - Qt::Key_A);
    return 0;
}

// The character a key press types: none for a shortcut (Ctrl, Alt or Meta held).
QChar TypedCharacter(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return {};
    const QString text = event.text();
    return text.size() == 1 ? text.front() : QChar();
}

} // namespace

PriceEdit::PriceEdit(const QString& name, QWidget* parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    const QString prefix = QStringLiteral("txtPrezzo_");
    if (name.startsWith(prefix))
        setAccessibleName(QStringLiteral("Prezzo prodotto ") + name.mid(prefix.size()));
    setText(QStringLiteral("0,00"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Every typed character comes as a key event, through the filter, not as a composed
    // input-method text.
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

void PriceEdit::keyPressEvent(QKeyEvent* event)
{
    const int keyCode = VirtualKey(*event);
    const QChar character = TypedCharacter(*event);
    event->accept();
    if (keyCode == 13) {
        Q_EMIT enterPressed();
        return;
    }
    if (!FilterPriceKey(keyCode, character))
        return;
    // Typing stops at the twelfth character; text set by code may be longer.
    const bool editingKey = keyCode == 8 || keyCode == 46 || keyCode == 37 || keyCode == 39;
    if (!editingKey && text().size() - selectedText().size() + 1 > kMaxTyped)
        return;
    QLineEdit::keyPressEvent(event);
}

void PriceEdit::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // A context menu or another window taking the focus for a while does not leave the field.
    if (event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
        return;
    const QString normalized = NormalizePrice(text());
    if (normalized != text())
        setText(normalized);
}

} // namespace editor
