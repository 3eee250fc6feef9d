#pragma once

#include <QColor>
#include <QLabel>

namespace ui {
class PictureButton;
}

class QPushButton;

namespace help {

// The link text of the help, information and splash screens: Tahoma 14 underlined,
// dark blue; orange while any mouse button is held on it or on its icon. A left click on
// either (once, whatever the click count), or Space or Enter while the link has the
// keyboard focus, activates it.
class LinkText : public QLabel {
    Q_OBJECT
public:
    static QColor NormalColour() { return QColor(0x00, 0x00, 0x8B); }
    static QColor PressedColour() { return QColor(0xFF, 0xA5, 0x00); }

    LinkText(const QString& name, const QString& text, const QString& accessibleName, QWidget* parent);

    // The icon beside the link acts as the link.
    void attachIcon(ui::PictureButton* icon);

    // Places the link with its left edge at x and its middle at centreY. The link takes
    // the size of its text when it is first shown: laying the text out needs its font,
    // which a screen that is never shown should not have to load.
    void placeCentredLeft(int x, int centreY);

    QColor colour() const;
    void setColour(const QColor& colour);

Q_SIGNALS:
    // Emitted after the colour has been set back to dark blue.
    void activated();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void press();
    void release();
    void activate();

    void fitText();

    bool m_down = false;
    bool m_fitted = false;
    QPoint m_anchor; // left edge and middle
};

// The "Chiudi" button of the help, information and splash windows.
QPushButton* MakeCloseButton(QWidget* parent, int pointSize, const QRect& geometry);

} // namespace help
