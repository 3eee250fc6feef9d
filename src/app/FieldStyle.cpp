#include "app/FieldStyle.h"

#include <QEvent>
#include <functional>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>

namespace app {

namespace {

class FocusWatcher : public QObject {
public:
    FocusWatcher(QLineEdit* edit, std::function<void(bool)> onFocus)
        : QObject(edit)
        , m_onFocus(std::move(onFocus))
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            m_onFocus(true);
        else if (event->type() == QEvent::FocusOut)
            m_onFocus(false);
        return false;
    }

private:
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

} // namespace

void SetFieldBackground(QLineEdit* edit, const QColor& fill)
{
    // The style's border is drawn on the edit's own outermost pixels, under its text, and
    // takes no part in mouse handling.
    const QString sheet = QStringLiteral("QLineEdit { background-color: %1; border: 1px solid %2;"
                                         " border-radius: 0px; margin: 0px; padding: 0px 2px; }")
                              .arg(fill.name(QColor::HexRgb), kFieldBorder.name(QColor::HexRgb));
    edit->setFrame(false);
    if (edit->styleSheet() != sheet) // restyling re-polishes the edit: only when it changes
        edit->setStyleSheet(sheet);
}

void InstallBackgroundHighlight(QLineEdit* edit, const QColor& normalFill)
{
    SetFieldBackground(edit, edit->hasFocus() ? kFieldYellow : normalFill);
    new FocusWatcher(edit, [edit, normalFill](bool focused) {
        SetFieldBackground(edit, focused ? kFieldYellow : normalFill);
    });
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

} // namespace app
