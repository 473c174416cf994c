#include "report_area.h"

#include "report/plain_text.h"
#include "report/ui/number_locale.h"
#include "report_area_accessible.h"
#include "report_font.h"
#include "widgets/twips.h"

#include <QAccessible>
#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>

namespace rotavex {

namespace {

constexpr qreal ReportPoints = 8.25;

// Enough whole pixels to hold the size.
QSize wholePixels(const QSizeF &size) { return QSize(int(std::ceil(size.width())), int(std::ceil(size.height()))); }

QString alignedText(const std::vector<Report> &reports)
{
    Report all;
    for (const Report &report : reports)
        all.append(report);
    return QString::fromStdString(renderAlignedPlainText(all, systemNumberLocale()));
}

}   // namespace

ReportArea::ReportArea(QWidget *parent) : ReportArea(QRect(), parent) {}

ReportArea::ReportArea(const QRect &place, QWidget *parent)
    : QAbstractScrollArea(parent), painter_(reportAreaFont(ReportPoints), systemNumberLocale())
{
    setFrameShape(QFrame::NoFrame);
    if (place.isValid())
        setGeometry(place);
    setFont(reportAreaFont(ReportPoints));
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    // Clicked or reached with Tab, the area takes the keys that scroll it.
    setFocusPolicy(Qt::StrongFocus);
    painter_.setTextBackground(background());
    growImageToDrawing();
    installReportAreaAccessibility();
}

QColor ReportArea::background() const { return palette().color(QPalette::Window); }

void ReportArea::write(const Report &report)
{
    // A trial run on a scratch picture tells how far the report reaches, so
    // the drawing can hold all of it before it is written.
    ReportPainter trial = painter_;
    trial.setFont(font());
    QImage scratch(1, 1, QImage::Format_RGB32);
    scratch.setDevicePixelRatio(image_.devicePixelRatio());
    {
        QPainter scratchPainter(&scratch);
        trial.paint(scratchPainter, report);
    }
    const QSizeF reach = trial.reach();
    reach_ = reach_.expandedTo(wholePixels(reach));
    growImageToDrawing();

    QPainter painter(&image_);
    painter.setPen(palette().color(QPalette::WindowText));
    painter_.setFont(font());
    painter_.paint(painter, report);
    written_.push_back(report);
    setText(alignedText(written_));
    updateScrollBars();
    viewport()->update();
}

void ReportArea::clear()
{
    image_.fill(background());
    written_.clear();
    setText(QString());
    reach_ = QSize();
    movePenToTopLeft();
    updateScrollBars();
    viewport()->update();
}

void ReportArea::movePenToTopLeft() { painter_.setPen(QPointF(0, 0)); }

// Screen readers are told what changed, so they read the new report.
void ReportArea::setText(QString text)
{
    if (text == text_)
        return;
    QAccessibleTextUpdateEvent event(this, 0, text_, text);
    text_ = std::move(text);
    QAccessible::updateAccessibility(&event);
}

QImage ReportArea::picture() const
{
    return image_.copy(QRect(QPoint(0, 0), wholePixels(QSizeF(drawingSize()) * image_.devicePixelRatio())));
}

void ReportArea::copyToClipboard() const
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    auto *data = new QMimeData;
    data->setImageData(picture());
    if (!text_.isEmpty())
        data->setText(text_);
    clipboard->setMimeData(data);
}

QSize ReportArea::sizeHint() const { return twipSize(5655, 6135); }

void ReportArea::paintEvent(QPaintEvent *event)
{
    QPainter painter(viewport());
    const QPoint offset(horizontalScrollBar()->value(), verticalScrollBar()->value());
    painter.fillRect(event->rect(), background());
    painter.setClipRect(event->rect());
    painter.drawImage(QPointF(-offset), image_);
}

// The viewport changes size with the area and whenever a scroll bar comes
// or goes.
bool ReportArea::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        growImageToDrawing();
        updateScrollBars();
    }
    return QAbstractScrollArea::viewportEvent(event);
}

void ReportArea::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::PaletteChange)
        painter_.setTextBackground(background());
    QAbstractScrollArea::changeEvent(event);
}

void ReportArea::scrollContentsBy(int, int) { viewport()->update(); }

// The area, or the reports' reach where it is larger.
QSize ReportArea::drawingSize() const { return maximumViewportSize().expandedTo(reach_).expandedTo(QSize(1, 1)); }

// The image never shrinks, so a drawing cut off by a smaller window comes
// back whole when the window grows again. It is made in the screen's pixels;
// moved to a screen of another density, what is drawn keeps its size.
void ReportArea::growImageToDrawing()
{
    const qreal ratio = devicePixelRatioF();
    const QSize wanted = image_.deviceIndependentSize().toSize().expandedTo(drawingSize());
    if (wanted == image_.deviceIndependentSize().toSize() && ratio == image_.devicePixelRatio())
        return;
    QImage grown(wholePixels(QSizeF(wanted) * ratio), QImage::Format_RGB32);
    grown.setDevicePixelRatio(ratio);
    grown.fill(background());
    if (!image_.isNull()) {
        QPainter painter(&grown);
        painter.drawImage(0, 0, image_);
    }
    image_ = std::move(grown);
}

void ReportArea::updateScrollBars()
{
    const QSize shown = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, reach_.width() - shown.width()));
    horizontalScrollBar()->setPageStep(shown.width());
    verticalScrollBar()->setRange(0, std::max(0, reach_.height() - shown.height()));
    verticalScrollBar()->setPageStep(shown.height());
    verticalScrollBar()->setSingleStep(int(QFontMetricsF(font()).lineSpacing()));
}

}   // namespace rotavex
