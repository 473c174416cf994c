#include "picture_chart_view.h"

#include "chart_amounts_axis.h"

#include <QChart>
#include <QClipboard>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QLegend>

namespace rotavex {

// The view is given its chart when it is built: a chart set afterwards
// replaces a default one that the view then no longer owns and never frees.
PictureChartView::PictureChartView(QWidget *parent) : QChartView(new QChart, parent)
{
    QChart *chart = this->chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    // A plain background rather than the theme's faint gradient: print
    // systems turn a gradient into a coarse picture behind the chart.
    chart->setBackgroundBrush(Qt::white);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->legend()->setFont(sizedFont(font(), 7));
    chart->legend()->setMarkerShape(QLegend::MarkerShapeRectangle);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
}

// A chart that is not shown lays itself out only on its next paint; the
// drawings of a former shape go, and the legend is laid out, only when
// their posted events arrive.
void PictureChartView::layOutIfHidden()
{
    if (isVisible())
        return;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    chart()->resize(viewport()->size());
    chart()->layout()->activate();
}

QPixmap PictureChartView::picture()
{
    layOutIfHidden();
    return grab();
}

void PictureChartView::drawInto(QPainter &painter, const QRectF &box)
{
    layOutIfHidden();
    render(&painter, box, viewport()->rect());
}

void PictureChartView::copyToClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(mimeData());
}

}   // namespace rotavex
