#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace editor {

// A photo box: holds its picture as loaded, at its own pixel size, and shows it centred,
// scaled down with its proportions kept when larger than the box, at its own size when
// smaller. Clicking it asks for a new picture; it never takes the keyboard focus.
class PhotoBox : public QWidget {
    Q_OBJECT
public:
    PhotoBox(const QString& name, QWidget* parent);

    static constexpr QSize kBoxSize{136, 104};

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);

    // Where the picture is drawn inside the box.
    QRect shownRect() const;
    // The size a picture of the given size is shown at inside a box of the given size.
    static QSize ShownSize(const QSize& picture, const QSize& box);

Q_SIGNALS:
    void clicked();
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    QPixmap m_shown; // the picture as drawn, made once per picture
    bool m_down = false;
};

} // namespace editor
