#include "shell/ui/program_pictures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace rotavex {

namespace {

// The program's colours: a dark blue for the name and the coach livery, gold
// for money, orange for growth, teal for the cost bars.
const QColor Navy(0x16, 0x36, 0x5f);
const QColor Blue(0x2a, 0x6b, 0xb8);
const QColor DeepBlue(0x12, 0x32, 0x5a);
const QColor Gold(0xf2, 0xb7, 0x05);
const QColor Orange(0xf0, 0x8a, 0x24);
const QColor Teal(0x2a, 0x9d, 0x8f);
const QColor Tyre(0x1b, 0x1f, 0x24);

// The logo is drawn in a space of the splash picture's own size.
const QSizeF LogoDesignSize(633, 343);

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
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
}

QFont boldSans(qreal pixelSize)
{
    QFont font;
    font.setStyleHint(QFont::SansSerif);
    font.setBold(true);
    font.setPixelSize(std::max(1, int(std::lround(pixelSize))));
    return font;
}

void drawEuroCoin(QPainter &p, QPointF centre, qreal radius)
{
    QRadialGradient face(centre - QPointF(radius * 0.35, radius * 0.35), radius * 1.4);
    face.setColorAt(0.0, QColor(0xff, 0xe6, 0x8a));
    face.setColorAt(0.6, Gold);
    face.setColorAt(1.0, QColor(0xc9, 0x8e, 0x00));
    p.setPen(QPen(QColor(0xa8, 0x74, 0x00), std::max(1.0, radius * 0.07)));
    p.setBrush(face);
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(QColor(0xb8, 0x82, 0x00, 170), std::max(0.8, radius * 0.04)));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius * 0.80, radius * 0.80);
    p.setPen(Navy);
    p.setFont(boldSans(radius * 1.15));
    const QRectF box(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.drawText(box.translated(-radius * 0.04, radius * 0.02), Qt::AlignCenter, QStringLiteral("€"));
}

// A coach seen from the side, heading right; `body` is the box of the body,
// the wheels stand out below it.
void drawCoachSide(QPainter &p, const QRectF &body)
{
    const qreal x0 = body.left(), x1 = body.right(), y0 = body.top(), yb = body.bottom();
    const qreal w = body.width(), h = body.height();

    QPainterPath shell;
    shell.moveTo(x0 + 0.04 * w, y0);
    shell.lineTo(x1 - 0.10 * w, y0);
    shell.cubicTo(x1 - 0.03 * w, y0, x1 - 0.004 * w, y0 + 0.18 * h, x1, y0 + 0.50 * h);
    shell.lineTo(x1, yb - 0.08 * h);
    shell.quadTo(x1, yb, x1 - 0.02 * w, yb);
    shell.lineTo(x0 + 0.02 * w, yb);
    shell.quadTo(x0, yb, x0, yb - 0.08 * h);
    shell.lineTo(x0, y0 + 0.12 * h);
    shell.quadTo(x0, y0, x0 + 0.04 * w, y0);

    // shadow on the road
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QRectF(x0 + 0.02 * w, yb + 0.04 * h, w * 0.98, 0.18 * h));

    QLinearGradient paint(0, y0, 0, yb);
    paint.setColorAt(0, Qt::white);
    paint.setColorAt(1, QColor(0xdd, 0xe4, 0xec));
    p.setBrush(paint);
    p.drawPath(shell);

    p.save();
    p.setClipPath(shell);
    // livery: a dark skirt and an orange sweep rising towards the front
    p.setBrush(Navy);
    p.drawRect(QRectF(x0, y0 + 0.76 * h, w, 0.24 * h));
    QPainterPath sweep;
    sweep.moveTo(x0, y0 + 0.66 * h);
    sweep.lineTo(x1, y0 + 0.54 * h);
    sweep.lineTo(x1, y0 + 0.63 * h);
    sweep.lineTo(x0, y0 + 0.74 * h);
    sweep.closeSubpath();
    p.setBrush(Orange);
    p.drawPath(sweep);
    QPainterPath stripe;
    stripe.moveTo(x0, y0 + 0.60 * h);
    stripe.lineTo(x1, y0 + 0.49 * h);
    stripe.lineTo(x1, y0 + 0.515 * h);
    stripe.lineTo(x0, y0 + 0.625 * h);
    stripe.closeSubpath();
    p.setBrush(Blue);
    p.drawPath(stripe);

    // side windows with their pillars, and the curved windscreen
    QLinearGradient glass(0, y0 + 0.1 * h, 0, y0 + 0.48 * h);
    glass.setColorAt(0, QColor(0x1d, 0x35, 0x50));
    glass.setColorAt(1, QColor(0x4f, 0x7f, 0xb0));
    p.setBrush(glass);
    const QRectF windows(x0 + 0.03 * w, y0 + 0.12 * h, 0.83 * w - 0.03 * w, 0.32 * h);
    p.drawRoundedRect(windows, 0.015 * w, 0.015 * w);
    QPainterPath windscreen;
    windscreen.moveTo(x1 - 0.125 * w, y0 + 0.10 * h);
    windscreen.lineTo(x1 - 0.07 * w, y0 + 0.10 * h);
    windscreen.cubicTo(x1 - 0.03 * w, y0 + 0.10 * h, x1 - 0.012 * w, y0 + 0.26 * h,
                       x1 - 0.006 * w, y0 + 0.47 * h);
    windscreen.lineTo(x1 - 0.125 * w, y0 + 0.47 * h);
    windscreen.closeSubpath();
    p.drawPath(windscreen);
    p.setBrush(QColor(255, 255, 255, 60));
    QPainterPath gleam;
    gleam.moveTo(windows.left() + 0.02 * w, windows.bottom());
    gleam.lineTo(windows.left() + 0.10 * w, windows.top());
    gleam.lineTo(windows.left() + 0.16 * w, windows.top());
    gleam.lineTo(windows.left() + 0.08 * w, windows.bottom());
    gleam.closeSubpath();
    p.drawPath(gleam);
    p.setBrush(QColor(0xee, 0xf2, 0xf6));
    const qreal pillar = 0.012 * w;
    for (qreal x = windows.left() + 0.13 * w; x < windows.right() - 0.05 * w; x += 0.13 * w)
        p.drawRect(QRectF(x, windows.top(), pillar, windows.height()));
    // door below the windscreen
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xb6), std::max(0.8, 0.004 * w)));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x1 - 0.115 * w, y0 + 0.50 * h, 0.055 * w, 0.44 * h));
    p.restore();

    p.setPen(QPen(Navy, std::max(1.0, 0.004 * w)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shell);

    // lights
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xff, 0xd5, 0x4a));
    p.drawRoundedRect(QRectF(x1 - 0.022 * w, yb - 0.23 * h, 0.018 * w, 0.08 * h), 2, 2);
    p.setBrush(QColor(0xd9, 0x30, 0x25));
    p.drawRoundedRect(QRectF(x0 + 0.003 * w, yb - 0.23 * h, 0.012 * w, 0.09 * h), 2, 2);

    // wheels in their arches
    const qreal radius = 0.17 * h;
    for (qreal cx : {x0 + 0.17 * w, x1 - 0.22 * w}) {
        const QPointF c(cx, yb - 0.02 * h);
        p.setBrush(QColor(0x2b, 0x31, 0x38));
        p.drawEllipse(c, radius * 1.22, radius * 1.22);
        p.setBrush(Tyre);
        p.drawEllipse(c, radius, radius);
        p.setBrush(QColor(0xcf, 0xd6, 0xde));
        p.drawEllipse(c, radius * 0.55, radius * 0.55);
        p.setBrush(QColor(0x7a, 0x85, 0x90));
        p.drawEllipse(c, radius * 0.2, radius * 0.2);
    }
}

// A coach seen from the front, for the badge and the icon: `box` holds the
// body; the wheels stand below it, within 12% more height.
void drawCoachFront(QPainter &p, const QRectF &box, const QColor &glassColour, bool detailed)
{
    const qreal x = box.left(), y = box.top(), w = box.width(), h = box.height();
    p.setPen(Qt::NoPen);
    p.setBrush(Tyre);
    p.drawRoundedRect(QRectF(x + 0.10 * w, y + 0.92 * h, 0.20 * w, 0.18 * h), 0.04 * w, 0.04 * w);
    p.drawRoundedRect(QRectF(x + 0.70 * w, y + 0.92 * h, 0.20 * w, 0.18 * h), 0.04 * w, 0.04 * w);

    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(x, y, w, h), 0.16 * w, 0.16 * w);
    if (detailed) {
        p.drawRect(QRectF(x - 0.10 * w, y + 0.16 * h, 0.08 * w, 0.16 * h));   // mirrors
        p.drawRect(QRectF(x + 1.02 * w, y + 0.16 * h, 0.08 * w, 0.16 * h));
        p.setBrush(Orange);
        p.drawRoundedRect(QRectF(x + 0.22 * w, y + 0.05 * h, 0.56 * w, 0.07 * h), 0.02 * w, 0.02 * w);
    }
    p.setBrush(glassColour);
    p.drawRoundedRect(QRectF(x + 0.09 * w, y + 0.17 * h, 0.82 * w, 0.40 * h), 0.07 * w, 0.07 * w);
    p.setBrush(QColor(255, 255, 255, 55));
    QPainterPath gleam;
    gleam.moveTo(x + 0.16 * w, y + 0.57 * h);
    gleam.lineTo(x + 0.36 * w, y + 0.17 * h);
    gleam.lineTo(x + 0.50 * w, y + 0.17 * h);
    gleam.lineTo(x + 0.30 * w, y + 0.57 * h);
    gleam.closeSubpath();
    p.drawPath(gleam);

    p.setBrush(Gold);
    const qreal lamp = 0.075 * w;
    p.drawEllipse(QPointF(x + 0.19 * w, y + 0.75 * h), lamp, lamp);
    p.drawEllipse(QPointF(x + 0.81 * w, y + 0.75 * h), lamp, lamp);
    p.setBrush(glassColour);
    p.drawRoundedRect(QRectF(x + 0.34 * w, y + 0.70 * h, 0.32 * w, 0.10 * h), 0.02 * w, 0.02 * w);
}

void drawArrowHead(QPainter &p, QPointF from, QPointF tip, qreal size)
{
    const QPointF d = tip - from;
    const qreal length = std::hypot(d.x(), d.y());
    const QPointF u = d / length, n(-u.y(), u.x());
    QPainterPath head;
    head.moveTo(tip + u * size * 0.35);
    head.lineTo(tip - u * size + n * size * 0.65);
    head.lineTo(tip - u * size - n * size * 0.65);
    head.closeSubpath();
    p.drawPath(head);
}

void drawLogo(QPainter &p)
{
    const qreal baseline = 300;   // top of the road

    // rising cost bars behind the coach
    const qreal heights[] = {78, 108, 142, 176, 210};
    for (int i = 0; i < 5; ++i) {
        const QRectF bar(392 + i * 46, baseline - heights[i], 36, heights[i]);
        QLinearGradient fill(bar.topLeft(), bar.topRight());
        fill.setColorAt(0, Teal.lighter(125));
        fill.setColorAt(1, Teal.darker(115));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawRoundedRect(bar.adjusted(0, 0, 0, 6), 4, 4);
    }

    // the trend of the costs, coming out from behind the coach
    const QPointF trend[] = {{240, 262}, {330, 226}, {420, 200}, {505, 150}, {596, 84}};
    p.setPen(QPen(Orange, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(trend, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(Orange);
    drawArrowHead(p, trend[3], trend[4], 18);

    // the road, reaching the edges of the picture whatever its proportions
    p.setBrush(QColor(0x46, 0x50, 0x5a));
    p.drawRect(QRectF(-400, baseline, LogoDesignSize.width() + 800, 1000));
    p.setBrush(QColor(0x8a, 0x96, 0xa3));
    p.drawRect(QRectF(-400, baseline, LogoDesignSize.width() + 800, 3));
    p.setBrush(QColor(0xe8, 0xed, 0xf2));
    for (qreal x = -10; x < LogoDesignSize.width() + 10; x += 44)
        p.drawRect(QRectF(x, baseline + 20, 24, 4));

    drawCoachSide(p, QRectF(36, 196, 372, 96));
    drawEuroCoin(p, QPointF(104, 104), 58);

    // the name, with the program's generation in an orange disc
    QFont nameFont = boldSans(66);
    nameFont.setLetterSpacing(QFont::PercentageSpacing, 104);
    const QString name = QStringLiteral("ROTAVEX");
    const qreal nameWidth = QFontMetricsF(nameFont).horizontalAdvance(name);
    const QPointF nameOrigin(350 - nameWidth / 2, 66);
    QPainterPath namePath;
    namePath.addText(nameOrigin, nameFont, name);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawPath(namePath.translated(2, 2));
    QLinearGradient nameFill(0, 14, 0, 66);
    nameFill.setColorAt(0, Blue);
    nameFill.setColorAt(1, Navy);
    p.setBrush(nameFill);
    p.drawPath(namePath);

    const QPointF badge(nameOrigin.x() + nameWidth + 26, 34);
    p.setBrush(Orange);
    p.drawEllipse(badge, 20, 20);
    p.setPen(Qt::white);
    p.setFont(boldSans(28));
    p.drawText(QRectF(badge.x() - 20, badge.y() - 20, 40, 40), Qt::AlignCenter, QStringLiteral("3"));
}

void drawEmblem(QPainter &p, qreal side)
{
    const QPointF c(side / 2, side / 2);
    const qreal r = side * 0.48;
    QRadialGradient ring(c - QPointF(r * 0.4, r * 0.4), r * 1.6);
    ring.setColorAt(0, QColor(0xff, 0xe6, 0x8a));
    ring.setColorAt(0.5, Gold);
    ring.setColorAt(1, QColor(0xa8, 0x74, 0x00));
    p.setPen(Qt::NoPen);
    p.setBrush(ring);
    p.drawEllipse(c, r, r);
    QRadialGradient disc(c - QPointF(0, r * 0.35), r);
    disc.setColorAt(0, Blue);
    disc.setColorAt(1, DeepBlue);
    p.setBrush(disc);
    p.drawEllipse(c, r * 0.86, r * 0.86);
    const qreal w = side * 0.46, h = side * 0.44;
    drawCoachFront(p, QRectF(c.x() - w / 2, c.y() - h * 0.60, w, h), Navy, side >= 40);
}

void drawApplicationIcon(QPainter &p, qreal side)
{
    const QRectF square(side * 0.03, side * 0.03, side * 0.94, side * 0.94);
    QLinearGradient fill(square.topLeft(), square.bottomLeft());
    fill.setColorAt(0, Blue);
    fill.setColorAt(1, DeepBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(square, side * 0.2, side * 0.2);
    const bool small = side < 24;
    const qreal w = side * (small ? 0.66 : 0.56), h = side * (small ? 0.60 : 0.52);
    const qreal left = small ? (side - w) / 2 : side * 0.12;
    drawCoachFront(p, QRectF(left, side * 0.14, w, h), Navy, side >= 48);
    if (!small)
        drawEuroCoin(p, QPointF(side * 0.74, side * 0.72), side * 0.2);
}

void drawObservatoryIcon(QPainter &p, qreal side)
{
    const bool small = side < 24;   // too small for the table rows: the bars fill the sheet
    const QRectF sheet(side * 0.08, side * 0.05, side * 0.84, side * 0.90);
    p.setPen(QPen(Navy, std::max(1.0, side / 24)));
    p.setBrush(Qt::white);
    p.drawRoundedRect(sheet, side * 0.08, side * 0.08);
    p.setPen(Qt::NoPen);
    p.setBrush(Blue);
    p.drawRect(QRectF(sheet.left() + side * 0.04, sheet.top() + side * 0.05,
                      sheet.width() - side * 0.08, side * 0.14));
    if (!small) {
        p.setPen(QPen(QColor(0xb8, 0xc6, 0xd6), std::max(1.0, side / 48)));
        for (int row = 1; row <= 3; ++row) {
            const qreal y = sheet.top() + side * (0.22 + 0.1 * row);
            p.drawLine(QPointF(sheet.left() + side * 0.08, y), QPointF(sheet.left() + side * 0.36, y));
        }
    }
    p.setPen(Qt::NoPen);
    const QColor colours[] = {Teal, Gold, Orange};
    const qreal heights[] = {0.22, 0.36, 0.50};
    const qreal barWidth = side * (small ? 0.18 : 0.10);
    const qreal step = side * (small ? 0.22 : 0.135);
    const qreal firstBar = side * (small ? 0.17 : 0.50);
    for (int i = 0; i < 3; ++i) {
        const qreal x = firstBar + i * step;
        p.setBrush(colours[i]);
        p.drawRect(QRectF(x, sheet.bottom() - side * 0.08 - side * heights[i], barWidth, side * heights[i]));
    }
}

template <typename Draw>
QIcon paintedIcon(Draw draw)
{
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        prepare(p);
        draw(p, qreal(side));
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QPixmap logoPicture(QSize size)
{
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    prepare(p);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0xf7, 0xfa, 0xfd));
    sky.setColorAt(1, QColor(0xd6, 0xe5, 0xf3));
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(size)), sky);

    const qreal scale = std::min(size.width() / LogoDesignSize.width(), size.height() / LogoDesignSize.height());
    p.translate((size.width() - LogoDesignSize.width() * scale) / 2,
                (size.height() - LogoDesignSize.height() * scale) / 2);
    p.scale(scale, scale);
    drawLogo(p);
    return pixmap;
}

QPixmap emblemPicture(QSize size)
{
    QPixmap pixmap = transparentPixmap(size);
    QPainter p(&pixmap);
    prepare(p);
    const qreal side = std::min(size.width(), size.height());
    p.translate((size.width() - side) / 2, (size.height() - side) / 2);
    drawEmblem(p, side);
    return pixmap;
}

QIcon applicationIcon()
{
    return paintedIcon(drawApplicationIcon);
}

QIcon observatoryIcon()
{
    return paintedIcon(drawObservatoryIcon);
}

} // namespace rotavex
