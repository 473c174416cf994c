#include "widgets/picture_drawing.h"

#include <QPainter>
#include <QSvgRenderer>

namespace rotavex {

QString iconDrawingFile(const QString &picture, int side)
{
    if (side >= 48)
        return picture + QStringLiteral(".svg");
    if (side >= 24)
        return picture + QStringLiteral("-32.svg");
    return picture + QStringLiteral("-16.svg");
}

QImage drawPicture(const QString &artPath, QSize size, qreal ratio)
{
    QImage image(size * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    QSvgRenderer art(artPath);
    art.setAspectRatioMode(Qt::KeepAspectRatio);
    art.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

}   // namespace rotavex
