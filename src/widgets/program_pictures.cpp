#include "widgets/program_pictures.h"

#include "widgets/program_resources.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleOption>
#include <QSvgRenderer>

#include <vector>

namespace rotavex {

namespace {

QPixmap transparentPixmap(QSize size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void prepare(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

// Draws a picture's art into `box`, keeping its proportions and centred in it.
// The art may reach beyond its own frame (the logo's sky and road do), and
// then it covers the rest of the box as well.
void drawArt(QPainter &painter, const QString &path, const QRectF &box)
{
    registerBuiltInFiles();
    QSvgRenderer art(path);
    art.setAspectRatioMode(Qt::KeepAspectRatio);
    art.render(&painter, box);
}

// Pictures are kept in the application's pixmap cache once drawn, so that a
// window opened again (the About window) does not draw them anew.
template <typename Draw> QPixmap cachedPicture(const QString &name, QSize size, Draw draw)
{
    const QString key = QStringLiteral("rotavex:%1:%2x%3").arg(name).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    pixmap = transparentPixmap(size);
    QPainter painter(&pixmap);
    prepare(painter);
    draw(painter);
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

// Small icons are not the large ones scaled down: below a certain side they
// leave out details and enlarge the rest, so each icon has a drawing for each
// range of sides. The drawings are made only for the sides actually shown.
class PictureIconEngine final : public QIconEngine {
public:
    struct Drawing {
        int smallestSide;
        QString path;
    };

    // `drawings` go from the largest to the smallest; the last one serves any side.
    PictureIconEngine(QString name, std::vector<Drawing> drawings)
        : m_name(std::move(name)), m_drawings(std::move(drawings))
    {
    }

    QIconEngine *clone() const override { return new PictureIconEngine(m_name, m_drawings); }

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
            pixmap = QPixmap(side, side);
            pixmap.fill(Qt::transparent);
            QPainter painter(&pixmap);
            prepare(painter);
            drawArt(painter, drawingFor(side), QRectF(0, 0, side, side));
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
    QString drawingFor(int side) const
    {
        for (const Drawing &drawing : m_drawings)
            if (side >= drawing.smallestSide)
                return drawing.path;
        return m_drawings.back().path;
    }

    QString m_name;
    std::vector<Drawing> m_drawings;
};

}   // namespace

QPixmap logoPicture(QSize size)
{
    return cachedPicture(QStringLiteral("logo"), size, [size](QPainter &painter) {
        drawArt(painter, QStringLiteral(":/pictures/logo.svg"), QRectF(QPointF(0, 0), QSizeF(size)));
    });
}

QPixmap emblemPicture(QSize size)
{
    return cachedPicture(QStringLiteral("emblem"), size, [size](QPainter &painter) {
        drawArt(painter, QStringLiteral(":/pictures/emblem.svg"), QRectF(QPointF(0, 0), QSizeF(size)));
    });
}

QIcon applicationIcon()
{
    static const QIcon icon(
        new PictureIconEngine(QStringLiteral("application"), {{48, QStringLiteral(":/pictures/application.svg")},
                                                              {24, QStringLiteral(":/pictures/application-32.svg")},
                                                              {0, QStringLiteral(":/pictures/application-16.svg")}}));
    return icon;
}

QIcon observatoryIcon()
{
    static const QIcon icon(
        new PictureIconEngine(QStringLiteral("observatory"), {{48, QStringLiteral(":/pictures/observatory.svg")},
                                                              {24, QStringLiteral(":/pictures/observatory-32.svg")},
                                                              {0, QStringLiteral(":/pictures/observatory-16.svg")}}));
    return icon;
}

}   // namespace rotavex
