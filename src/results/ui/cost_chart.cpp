#include "cost_chart.h"

#include "regional/number_locale.h"
#include "results/chart_export.h"
#include "widgets/twips.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QClipboard>
#include <QEvent>
#include <QGraphicsLayout>
#include <QGuiApplication>
#include <QLegend>
#include <QMimeData>
#include <QValueAxis>

#include <array>
#include <cmath>

namespace rotavex {

namespace {

// One clear colour for each of up to eight items, distinct side by side.
const std::array<QColor, 8> ColumnColours = {
    QColor(0x1f, 0x77, 0xb4), QColor(0xff, 0x7f, 0x0e), QColor(0x2c, 0xa0, 0x2c), QColor(0xd6, 0x27, 0x28),
    QColor(0x94, 0x67, 0xbd), QColor(0x8c, 0x56, 0x4b), QColor(0xe3, 0x77, 0xc2), QColor(0x7f, 0x7f, 0x7f),
};

QFont sized(QFont font, qreal points, bool bold = false)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// The chart's own number texts (axis and bar labels) follow the user's
// decimal separator, without thousands separators, as the report does.
QLocale chartLocale()
{
    QLocale locale = QLocale::system();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale;
}

}   // namespace

// The view is given its chart when it is built: a chart set afterwards
// replaces a default one that the view then no longer owns and never frees.
CostChart::CostChart(QWidget *parent) : QChartView(new QChart, parent)
{
    QChart *chart = this->chart();
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setLocalizeNumbers(true);
    chart->setLocale(chartLocale());
    chart->legend()->setAlignment(Qt::AlignRight);
    chart->legend()->setFont(sized(font(), 7));
    chart->legend()->setMarkerShape(QLegend::MarkerShapeRectangle);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    styleTitle();
}

QSize CostChart::sizeHint() const { return twipSize(4575, 3855); }

void CostChart::styleTitle()
{
    QFont title = sized(font(), 9, true);
    title.setUnderline(true);
    chart()->setTitle(ChartTitle);
    chart()->setTitleFont(title);
    chart()->setTitleBrush(QColor(0, 0, 255));
}

void CostChart::setData(const std::vector<ChartColumn> &columns)
{
    columns_ = columns;
    QChart *chart = this->chart();
    chart->removeAllSeries();
    // Removing an axis hands it back to us; the series went with removeAllSeries.
    for (QAbstractAxis *axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    if (columns_.empty())
        return;

    auto *series = new QBarSeries;
    double highest = 0;
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        auto *set = new QBarSet(QString::fromStdString(columns_[i].label));
        // The bar is labelled with the amount in cents, as the report shows it.
        *set << std::round(columns_[i].value * 100) / 100;
        set->setColor(ColumnColours[i % ColumnColours.size()]);
        set->setBorderColor(ColumnColours[i % ColumnColours.size()].darker(130));
        set->setLabelColor(Qt::black);
        set->setLabelFont(sized(font(), 6.5));
        series->append(set);
        highest = std::max(highest, columns_[i].value);
    }
    series->setBarWidth(0.9);
    series->setLabelsVisible(true);
    series->setLabelsPrecision(7);
    series->setLabelsPosition(QAbstractBarSeries::LabelsOutsideEnd);
    if (columns_.size() > 4)
        series->setLabelsAngle(-90);
    chart->addSeries(series);

    // A single row carries no label of its own.
    auto *row = new QBarCategoryAxis;
    row->append(QStringLiteral(" "));
    row->setLabelsVisible(false);
    row->setGridLineVisible(false);
    chart->addAxis(row, Qt::AlignBottom);
    series->attachAxis(row);

    auto *amounts = new QValueAxis;
    amounts->setLabelsFont(sized(font(), 7));
    amounts->setLabelFormat(QStringLiteral("%.0f"));
    // Head room above the tallest bar for its label.
    amounts->setRange(0, highest > 0 ? highest * 1.25 : 1);
    amounts->applyNiceNumbers();
    chart->addAxis(amounts, Qt::AlignLeft);
    series->attachAxis(amounts);
}

void CostChart::redraw()
{
    styleTitle();
    chart()->update();
    viewport()->update();
}

QPixmap CostChart::picture()
{
    // A chart that has never been shown lays itself out on its first paint.
    if (!isVisible()) {
        chart()->resize(viewport()->size());
        chart()->layout()->activate();
    }
    return grab();
}

QMimeData *CostChart::mimeData()
{
    const std::string separator = systemNumberLocale().decimalSeparator;
    auto *mime = new QMimeData;
    mime->setImageData(picture().toImage());
    mime->setText(QString::fromStdString(chartDataText(columns_, separator)));
    mime->setData(QStringLiteral("text/csv"), QByteArray::fromStdString(chartDataCsv(columns_, separator)));
    mime->setHtml(QString::fromStdString(chartDataHtml(columns_, separator)));
    return mime;
}

void CostChart::copyToClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(mimeData());
}

// The chart covers the whole view, so the hint belongs on the chart itself.
bool CostChart::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTipChange)
        chart()->setToolTip(toolTip());
    return QChartView::event(event);
}

}   // namespace rotavex
