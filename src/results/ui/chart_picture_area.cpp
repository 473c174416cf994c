#include "chart_picture_area.h"

#include <QPalette>
#include <QPixmap>

namespace rotavex {

ChartPictureArea::ChartPictureArea(QWidget *parent) : QWidget(parent) {}

void ChartPictureArea::hold(const QImage &picture)
{
    picture_ = picture;
    QPalette shown = palette();
    shown.setBrush(QPalette::Window, picture.isNull() ? QBrush() : QBrush(QPixmap::fromImage(picture)));
    setPalette(shown);
    setAutoFillBackground(!picture.isNull());
}

}   // namespace rotavex
