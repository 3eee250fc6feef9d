#include "editor/PhotoBox.h"

#include <QMouseEvent>
#include <QPainter>

namespace editor {

PhotoBox::PhotoBox(const QString& name, QWidget* parent)
    : QWidget(parent)
{
    setObjectName(name);
    setFixedSize(136, 104);
}

void PhotoBox::setPicture(const QImage& picture)
{
    m_picture = picture;
    m_shown = QPixmap();
    update();
}

void PhotoBox::paintEvent(QPaintEvent*) {}
void PhotoBox::mouseReleaseEvent(QMouseEvent*) {}
void PhotoBox::enterEvent(QEnterEvent*) {}
void PhotoBox::mouseMoveEvent(QMouseEvent*) {}

} // namespace editor
