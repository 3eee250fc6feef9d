#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <memory>

class QSvgRenderer;
class QPainter;

namespace ui {

// Fills rect with a vertical gradient from top to bottom.
void PaintVerticalGradient(QPainter& painter, const QRect& rect, const QColor& top, const QColor& bottom);

// A picture drawn from a resource (SVG or bitmap), stretched to the widget's size.
class Picture : public QWidget {
    Q_OBJECT
public:
    Picture(const QString& name, const QString& resource, QWidget* parent);
    ~Picture() override;
    void setResource(const QString& resource);
    QString resource() const { return m_resource; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_resource;
    std::unique_ptr<QSvgRenderer> m_svg;
    QPixmap m_pixmap;
    QPixmap m_rendered; // the picture drawn at the widget's size
    bool m_loaded = false;
};

// A picture that acts as a button: reacts to a click, shows the hand pointer and never
// takes the keyboard focus, so clicking it leaves the focus where it was.
class PictureButton : public Picture {
    Q_OBJECT
public:
    PictureButton(const QString& name, const QString& resource, const QString& accessibleName, QWidget* parent);

Q_SIGNALS:
    void clicked();
    void pressed();
    void released();
    void hovered();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool m_down = false;
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
