#include "results_printing.h"

#include "chart_picture_area.h"
#include "cost_chart.h"
#include "report/ui/report_printer.h"
#include "results/results_report.h"

#include <QClipboard>
#include <QGuiApplication>

namespace rotavex {

void printResults(const PricedStudy &ws, const QString &kmText, const QString &vacioText, CostChart &chart,
                  ChartPictureArea &pictureArea)
{
    const DateTime printedAt = printingMoment();

    chart.copyToClipboard();
    pictureArea.hold(QGuiApplication::clipboard()->image());

    ReportPrinter printer(QStringLiteral("Resultados"));
    // The chart itself, not its picture from the screen, goes onto the page,
    // so it is as sharp as the printer prints.
    printer.setChart(chart.size(), [&chart](QPainter &painter, const QRectF &box) { chart.drawInto(painter, box); });
    printer.print(resultsPaperReport(ws, kmText.toStdString(), vacioText.toStdString(), printedAt));
}

}   // namespace rotavex
