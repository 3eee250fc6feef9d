#pragma once

#include <QColor>
#include <QString>
#include <QAbstractButton>
#include <QPixmap>
#include <QWidget>

#include <memory>

class QSvgRenderer;
class QPainter;

namespace ui {

// Fills rect with a vertical gradient from top to bottom.
void PaintVerticalGradient(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom);

// Draws a picture from a resource (SVG or bitmap), stretched to a widget's size. The
// resource is read and drawn on first paint: a screen that is never shown never parses it,
// and a repaint only copies the drawing.
class PictureArt {
public:
    explicit PictureArt(const QString& resource);
    ~PictureArt();
    void setResource(const QString& resource);
    QString resource() const { return m_resource; }
    void paint(QWidget& widget);

private:
    QString m_resource;
    std::unique_ptr<QSvgRenderer> m_svg;
    QPixmap m_pixmap;
    QPixmap m_rendered; // the picture drawn at the widget's size
    bool m_loaded = false;
};

// A picture drawn from a resource (SVG or bitmap), stretched to the widget's size.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString& name, const QString& resource, QWidget* parent);
    void setResource(const QString& resource);
    QString resource() const { return m_art.resource(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureArt m_art;
};

// A control drawn by its own class that acts as a push button: a left click runs it once,
// whatever the click count (the second press of a double click is no new click); it shows
// the hand pointer and never takes the keyboard focus, so clicking it leaves the focus
// where it was. Being a QAbstractButton, it reaches screen readers as a push button whose
// press action clicks it. hovered() comes whenever the pointer enters or moves over it.
class DrawnButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit DrawnButton(QWidget* parent);

Q_SIGNALS:
    void hovered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
};

// A picture that acts as a button.
class PictureButton : public DrawnButton {
    Q_OBJECT
public:
    PictureButton(const QString& name, const QString& resource, const QString& accessibleName, QWidget* parent);
    void setResource(const QString& resource);
    QString resource() const { return m_art.resource(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PictureArt m_art;
};

// A rectangle with a solid or vertical gradient fill and an optional outline.
class Rect : public QWidget {
    Q_OBJECT
public:
    Rect(const QString& name, const QColor& fill, QWidget* parent);
    Rect(const QString& name, const QColor& top, const QColor& bottom, QWidget* parent);
    void setBorder(const QColor& color, int width = 1);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_top;
    QColor m_bottom;
    QColor m_border;
    int m_borderWidth = 0;
};

// Places a widget at x, y with the given size.
void Place(QWidget* widget, int x, int y, int width, int height);

} // namespace ui
