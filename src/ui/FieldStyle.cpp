#include "ui/FieldStyle.h"

#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPalette>
#include <functional>

namespace ui {

namespace {

// Tells a field's highlight when it is to show: from the moment the field gains the focus
// until the focus moves to another control of the same window. A message box, a context
// menu or another window taking the focus for a while leaves the highlight as it is (the
// field is still its window's focus), so it does not flicker when the box closes.
class FocusWatcher : public QObject {
public:
    FocusWatcher(QLineEdit* edit, std::function<void(bool)> onFocus)
        : QObject(edit)
        , m_edit(edit)
        , m_onFocus(std::move(onFocus))
    {
        edit->installEventFilter(this);
        // The focus may move inside the window while the window is not active (a screen
        // hidden and shown again): the field then hears nothing until the window is
        // active again and another control gains the focus.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now && now != m_edit && now->window() == m_edit->window())
                m_onFocus(false);
        });
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn) {
            m_onFocus(true);
        } else if (event->type() == QEvent::FocusOut) {
            if (m_edit->window()->focusWidget() != m_edit)
                m_onFocus(false);
        } else if (event->type() == QEvent::Hide) {
            m_onFocus(false);
        }
        return false;
    }

private:
    QLineEdit* m_edit;
    std::function<void(bool)> m_onFocus;
};

class Halo : public QWidget {
public:
    explicit Halo(QWidget* parent)
        : QWidget(parent)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        QLinearGradient border(0, 0, 0, height());
        border.setColorAt(0.0, QColor(0xFF, 0xFF, 0x00));
        border.setColorAt(1.0, QColor(0xFF, 0xFF, 0xFF));
        painter.fillRect(rect(), border);
        painter.fillRect(rect().adjusted(2, 2, -2, -2), QColor(0xFF, 0xFF, 0x00));
    }
};

// Paints a field's flat background before the field paints its text and caret: the fill
// over the whole field and a one-unit sky-blue border on its outermost pixels. It is no
// widget, so it takes no mouse input.
class FieldBackground : public QObject {
public:
    explicit FieldBackground(QLineEdit* edit)
        : QObject(edit)
    {
        edit->installEventFilter(this);
    }

    QColor fill() const { return m_fill; }
    void setFill(const QColor& fill) { m_fill = fill; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            auto* edit = static_cast<QWidget*>(watched);
            QPainter painter(edit);
            painter.fillRect(edit->rect(), m_fill);
            painter.setPen(QPen(kFieldBorder, 1));
            painter.drawRect(edit->rect().adjusted(0, 0, -1, -1));
        }
        return false;
    }

private:
    QColor m_fill;
};

FieldBackground* FindBackground(const QLineEdit* edit)
{
    for (QObject* child : edit->children()) { // no meta-object of its own: findChild cannot tell it
        if (auto* background = dynamic_cast<FieldBackground*>(child))
            return background;
    }
    return nullptr;
}

} // namespace

QColor FieldBackgroundFill(const QLineEdit* edit)
{
    const FieldBackground* background = FindBackground(edit);
    return background ? background->fill() : QColor();
}

void SetFieldBackground(QLineEdit* edit, const QColor& fill)
{
    FieldBackground* background = FindBackground(edit);
    if (!background) {
        background = new FieldBackground(edit);
        edit->setFrame(false);
        edit->setTextMargins(1, 1, 1, 1);
        // The edit's own base is see-through: the fill painted beneath it shows.
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::transparent);
        edit->setPalette(palette);
    }
    if (background->fill() != fill) {
        background->setFill(fill);
        edit->update();
    }
}

void InstallBackgroundHighlight(QLineEdit* edit, const QColor& normalFill)
{
    SetFieldBackground(edit, edit->hasFocus() ? kFieldYellow : normalFill);
    new FocusWatcher(
        edit, [edit, normalFill](bool focused) { SetFieldBackground(edit, focused ? kFieldYellow : normalFill); });
}

void InstallHaloHighlight(QLineEdit* edit, QWidget* halo)
{
    halo->setVisible(edit->hasFocus());
    new FocusWatcher(edit, [halo](bool focused) { halo->setVisible(focused); });
}

QWidget* CreateHalo(QLineEdit* edit, const QString& name)
{
    auto* halo = new Halo(edit->parentWidget());
    halo->setObjectName(name);
    halo->setGeometry(edit->geometry().adjusted(-4, -4, 4, 4));
    halo->stackUnder(edit);
    halo->hide();
    return halo;
}

} // namespace ui
