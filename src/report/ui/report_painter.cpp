#include "report_painter.h"

#include "report/plain_text.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>
#include <type_traits>

namespace rotavex {

namespace {

QPagedPaintDevice *pagedDevice(QPainter &painter) { return dynamic_cast<QPagedPaintDevice *>(painter.device()); }

// The page in the painter's own coordinates.
QRectF pageRect(QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    return painter.combinedTransform().inverted().mapRect(QRectF(0, 0, device->width(), device->height()));
}

// Pictures keep their size on the screen: a device-independent pixel is a
// ninety-sixth of an inch on paper.
qreal deviceScale(QPainter &painter) { return painter.device()->logicalDpiX() / 96.0; }

// Below this distance the pen counts as standing on the column.
constexpr qreal ColumnTolerance = 1e-6;

}   // namespace

ReportPainter::ReportPainter(const QFont &baseFont, NumberLocale locale) : font_(baseFont), locale_(std::move(locale))
{
}

void ReportPainter::paint(QPainter &painter, const Report &report)
{
    for (const ReportItem &item : report.items) {
        std::visit(
            [&](const auto &it) {
                using T = std::decay_t<decltype(it)>;
                if constexpr (std::is_same_v<T, TabItem>)
                    tabTo(painter, it.column);
                else if constexpr (std::is_same_v<T, LineBreak>)
                    lineBreak(painter);
                else if constexpr (std::is_same_v<T, FontSizeItem>) {
                    if (it.points > 0)
                        font_.setPointSizeF(it.points);
                } else if constexpr (std::is_same_v<T, BoldItem>)
                    font_.setBold(it.on);
                else if constexpr (std::is_same_v<T, ItalicItem>)
                    font_.setItalic(it.on);
                else if constexpr (std::is_same_v<T, UnderlineItem>)
                    font_.setUnderline(it.on);
                else if constexpr (std::is_same_v<T, EndDocument>)
                    endDocument(painter);
                else if constexpr (std::is_same_v<T, ChartPicture>) {
                    if (onChartPicture)
                        onChartPicture(painter);
                } else
                    writeText(painter, QString::fromStdString(itemText(it, locale_)));
            },
            item);
    }
}

void ReportPainter::drawPicture(QPainter &painter, const QImage &picture)
{
    if (picture.isNull())
        return;
    drawFigure(painter, picture.deviceIndependentSize(),
               [&picture](QPainter &onto, const QRectF &box) { onto.drawImage(box, picture); });
}

void ReportPainter::drawFigure(QPainter &painter, const QSizeF &naturalSize,
                               const std::function<void(QPainter &, const QRectF &)> &draw)
{
    if (naturalSize.isEmpty())
        return;
    const QSizeF size = naturalSize * deviceScale(painter);
    makeRoomFor(painter, size.height());
    const QRectF box(pen_, size);
    painter.save();
    draw(painter, box);
    painter.restore();
    reach_ = reach_.expandedTo(QSizeF(box.right(), box.bottom()));
    pen_ = QPointF(0, box.bottom());
}

qreal reportColumnWidth(const QFontMetricsF &metrics)
{
    static const QString letters = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
    return metrics.horizontalAdvance(letters) / letters.size();
}

qreal ReportPainter::lineHeight(QPainter &painter) const
{
    return QFontMetricsF(font_, painter.device()).lineSpacing();
}

void ReportPainter::writeText(QPainter &painter, const QString &text)
{
    if (text.isEmpty())
        return;
    makeRoomFor(painter, lineHeight(painter));
    const QFontMetricsF metrics(font_, painter.device());
    const QPointF baseline(pen_.x(), pen_.y() + metrics.ascent());
    const qreal advance = metrics.horizontalAdvance(text);
    if (textBackground_.isValid()) {
        // Cover every pixel the glyphs can touch, overhangs included.
        const QRectF box = QRectF(pen_.x(), pen_.y(), advance, metrics.lineSpacing())
                               .united(metrics.boundingRect(text).translated(baseline));
        painter.fillRect(box.toAlignedRect(), textBackground_);
    }
    painter.setFont(font_);
    painter.drawText(baseline, text);
    pen_.rx() += advance;
    reach_ = reach_.expandedTo(QSizeF(pen_.x(), pen_.y() + metrics.lineSpacing()));
}

void ReportPainter::tabTo(QPainter &painter, int column)
{
    const qreal x = (std::max(column, 1) - 1) * reportColumnWidth(QFontMetricsF(font_, painter.device()));
    if (pen_.x() > x + ColumnTolerance)
        pen_.ry() += lineHeight(painter);
    pen_.setX(x);
}

void ReportPainter::lineBreak(QPainter &painter) { pen_ = QPointF(0, pen_.y() + lineHeight(painter)); }

void ReportPainter::endDocument(QPainter &painter)
{
    if (onEndDocument)
        onEndDocument(painter);
    else if (pagedDevice(painter))
        pageBreakPending_ = true;
    pen_ = QPointF(0, 0);
}

void ReportPainter::makeRoomFor(QPainter &painter, qreal height)
{
    QPagedPaintDevice *paged = pagedDevice(painter);
    if (!paged) {
        pageBreakPending_ = false;
        return;
    }
    const QRectF page = pageRect(painter);
    const bool overflows = pen_.y() > page.top() && pen_.y() + height > page.bottom();
    if (pageBreakPending_ || overflows) {
        paged->newPage();
        pen_.setY(page.top());
    }
    pageBreakPending_ = false;
}

}   // namespace rotavex
