#pragma once

#include "ui/Widgets.h"

#include <QImage>
#include <QPixmap>

namespace editor {

// A photo box: holds its picture as loaded, at its own pixel size, and shows it centred,
// scaled down with its proportions kept when larger than the box, at its own size when
// smaller. Clicking it asks for a new picture, once per click; it never takes the keyboard
// focus.
class PhotoBox : public ui::DrawnButton {
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

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
    QPixmap m_shown; // the picture as drawn, made once per picture
};

} // namespace editor
