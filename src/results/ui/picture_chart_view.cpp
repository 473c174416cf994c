#include "picture_chart_view.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGraphicsLayout>
#include <QGuiApplication>

namespace rotavex {

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
