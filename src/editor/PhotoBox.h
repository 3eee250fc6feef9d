#pragma once

#include <QImage>
#include <QWidget>

namespace editor {

// A photo box: holds its picture as loaded, at its own pixel size, and shows it centred,
// scaled down with its proportions kept when larger than the box, at its own size when
// smaller.
class PhotoBox : public QWidget {
    Q_OBJECT
public:
    PhotoBox(const QString& name, QWidget* parent);

    const QImage& picture() const { return m_picture; }
    void setPicture(const QImage& picture);

Q_SIGNALS:
    void clicked();
    void hovered();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
    QPixmap m_shown; // the picture as drawn, made once per picture
};

} // namespace editor
