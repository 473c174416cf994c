#include "widgets/program_pictures.h"

#include "widgets/picture_drawing.h"
#include "widgets/program_resources.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QResource>
#include <QStyle>
#include <QStyleOption>

namespace rotavex {

namespace {

// The pictures of the start, drawn when the program was built
// (src/CMakeLists.txt lists them), are shown as they were stored: drawing
// them from their art at every start cost more than the rest of the splash.
QImage drawnInAdvance(const QString &name, QSize size, qreal ratio)
{
    const QResource stored(
        QStringLiteral(":/drawn/%1-%2x%3@%4").arg(name).arg(size.width()).arg(size.height()).arg(ratio));
    const QSize pixels = size * ratio;
    if (!stored.isValid() || stored.uncompressedSize() != qint64(pixels.width()) * pixels.height() * 4)
        return {};
    auto *bytes = new QByteArray(stored.uncompressedData());
    if (reinterpret_cast<quintptr>(bytes->constData()) % alignof(quint32) != 0)
        *bytes = QByteArray(bytes->constData(), bytes->size());   // a copy the image may read word by word
    QImage image(
        reinterpret_cast<const uchar *>(bytes->constData()), pixels.width(), pixels.height(), pixels.width() * 4,
        QImage::Format_ARGB32_Premultiplied, [](void *kept) { delete static_cast<QByteArray *>(kept); }, bytes);
    image.setDevicePixelRatio(ratio);
    return image;
}

// A picture of `size` at `ratio`: the one drawn in advance, or else drawn now
// from the art of `artFile`.
QPixmap pictureAt(const QString &name, const QString &artFile, QSize size, qreal ratio)
{
    QImage image = drawnInAdvance(name, size, ratio);
    if (image.isNull()) {
        registerBuiltInFiles();
        image = drawPicture(QStringLiteral(":/pictures/") + artFile, size, ratio);
    }
    // kept as it is drawn, with its alpha channel even where it is opaque,
    // so that a picture stored in the program is shown without a copy
    return QPixmap::fromImage(std::move(image), Qt::NoOpaqueDetection);
}

// Pictures are kept in the application's pixmap cache once drawn, so that a
// window opened again (the About window) does not draw them anew.
QPixmap cachedPicture(const QString &name, QSize size)
{
    const QString key = QStringLiteral("rotavex:%1:%2x%3").arg(name).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    pixmap = pictureAt(name, name + QStringLiteral(".svg"), size, ratio);
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// An icon drawn only for the sides actually shown, each with the drawing
// made for its range of sides (iconDrawingFile).
class PictureIconEngine final : public QIconEngine {
public:
    explicit PictureIconEngine(QString name) : m_name(std::move(name)) {}

    QIconEngine *clone() const override { return new PictureIconEngine(m_name); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : {16, 24, 32, 48, 64, 128, 256})
            sizes << QSize(side, side);
        return sizes;
    }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(size.width(), size.height());
        return QSize(side, side);
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        const int side = std::min(size.width(), size.height());
        if (side <= 0)
            return {};
        const QString key = QStringLiteral("rotavex:%1:%2:%3").arg(m_name).arg(side).arg(int(mode));
        QPixmap pixmap;
        if (QPixmapCache::find(key, &pixmap))
            return pixmap;
        if (mode == QIcon::Normal || mode == QIcon::Active || !qApp->style()) {
            pixmap = pictureAt(m_name, iconDrawingFile(m_name, side), QSize(side, side), 1.0);
        } else {
            QStyleOption option;
            option.palette = QApplication::palette();
            pixmap = qApp->style()->generatedIconPixmap(mode, this->pixmap(size, QIcon::Normal, state), &option);
        }
        QPixmapCache::insert(key, pixmap);
        return pixmap;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        const QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        const QSize shown = drawn.size() / ratio;
        painter->drawPixmap(
            QRect(rect.topLeft() + QPoint((rect.width() - shown.width()) / 2, (rect.height() - shown.height()) / 2),
                  shown),
            drawn);
    }

private:
    QString m_name;
};

}   // namespace

QPixmap logoPicture(QSize size) { return cachedPicture(QStringLiteral("logo"), size); }

QPixmap emblemPicture(QSize size) { return cachedPicture(QStringLiteral("emblem"), size); }

QIcon applicationIcon()
{
    static const QIcon icon(new PictureIconEngine(QStringLiteral("application")));
    return icon;
}

QIcon observatoryIcon()
{
    static const QIcon icon(new PictureIconEngine(QStringLiteral("observatory")));
    return icon;
}

}   // namespace rotavex
