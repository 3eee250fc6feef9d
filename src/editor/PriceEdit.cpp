#include "editor/PriceEdit.h"

#include "editor/Price.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

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

qsizetype PriceEdit::room(bool replacesSelection) const
{
    const qsizetype kept = text().size() - (replacesSelection ? selectedText().size() : 0);
    return qMax<qsizetype>(0, kMaxTyped - kept);
}

void PriceEdit::insertIncoming(const QString& incoming)
{
    const qsizetype free = room(true);
    if (free == 0 && !incoming.isEmpty())
        return; // a full field takes nothing, as it takes no typed key
    insert(incoming.left(free));
}

void PriceEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    if (!menu)
        return;
    // The menu's paste goes through the same cut as every other way in. Qt gives the entry
    // no name of its own: it is the one with QLineEdit's own "Paste" text.
    const QString pasteText = QLineEdit::tr("&Paste");
    for (QAction* action : menu->actions()) {
        if (action->text() == pasteText || action->text().startsWith(pasteText + QLatin1Char('\t'))) {
            disconnect(action, nullptr, this, nullptr);
            action->setObjectName(QStringLiteral("edit-paste"));
            connect(action, &QAction::triggered, this,
                    [this] { insertIncoming(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void PriceEdit::mouseReleaseEvent(QMouseEvent* event)
{
    // The middle button pastes the selection where the system has one.
    if (event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        insertIncoming(QGuiApplication::clipboard()->text(QClipboard::Selection));
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

void PriceEdit::dropEvent(QDropEvent* event)
{
    const QString incoming = event->mimeData()->text();
    // A drop inserts at the drop point, beside the selection; text moved within the field
    // leaves its old place.
    const bool moveWithin = event->source() == this && event->dropAction() == Qt::MoveAction;
    const qsizetype free = room(moveWithin);
    if (incoming.isNull() || incoming.size() <= free) {
        QLineEdit::dropEvent(event);
        return;
    }
    if (free == 0) {
        event->ignore();
        return;
    }
    QMimeData cut;
    cut.setText(incoming.left(free));
    QDropEvent shortened(event->position(), event->possibleActions(), &cut, event->buttons(), event->modifiers());
    shortened.setDropAction(event->dropAction());
    QLineEdit::dropEvent(&shortened);
    event->setDropAction(shortened.dropAction());
    event->setAccepted(shortened.isAccepted());
}

} // namespace editor
