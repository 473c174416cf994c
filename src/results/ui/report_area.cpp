#include "report_area.h"

#include "regional/number_locale.h"
#include "report_font.h"
#include "widgets/twips.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>

namespace rotavex {

namespace {

constexpr qreal ReportPoints = 8.25;

}   // namespace

ReportArea::ReportArea(QWidget *parent) : ReportArea(QRect(), parent) {}

ReportArea::ReportArea(const QRect &place, QWidget *parent)
    : QWidget(parent), painter_(reportAreaFont(ReportPoints), systemNumberLocale())
{
    if (place.isValid())
        setGeometry(place);
    setFont(reportAreaFont(ReportPoints));
    setAttribute(Qt::WA_OpaquePaintEvent);
    painter_.setTextBackground(background());
    growImageToWidget();
}

QColor ReportArea::background() const { return palette().color(QPalette::Window); }

void ReportArea::write(const Report &report)
{
    growImageToWidget();
    QPainter painter(&image_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter_.setFont(font());
    painter_.paint(painter, report);
    written_.push_back(report);
    update();
}

void ReportArea::clear()
{
    image_.fill(background());
    written_.clear();
    movePenToTopLeft();
    update();
}

void ReportArea::movePenToTopLeft() { painter_.setPen(QPointF(0, 0)); }

QImage ReportArea::picture() const { return image_.copy(rect()); }

void ReportArea::copyToClipboard(const QString &text) const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    auto *data = new QMimeData;
    data->setImageData(picture());
    if (!text.isEmpty())
        data->setText(text);
    clipboard->setMimeData(data);
}

QSize ReportArea::sizeHint() const { return twipSize(5655, 6135); }

void ReportArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), image_, event->rect());
}

void ReportArea::resizeEvent(QResizeEvent *event)
{
    growImageToWidget();
    QWidget::resizeEvent(event);
}

void ReportArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        painter_.setTextBackground(background());
    QWidget::changeEvent(event);
}

// The image never shrinks, so a drawing cut off by a smaller window comes
// back whole when the window grows again.
void ReportArea::growImageToWidget()
{
    const QSize wanted = image_.size().expandedTo(size()).expandedTo(QSize(1, 1));
    if (wanted == image_.size())
        return;
    QImage grown(wanted, QImage::Format_RGB32);
    grown.fill(background());
    if (!image_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(grown);
}

}   // namespace rotavex
