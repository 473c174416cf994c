#include "results_printing.h"

#include "cost_chart.h"
#include "report_printer.h"
#include "results/results_report.h"

#include <QClipboard>
#include <QDateTime>
#include <QGuiApplication>
#include <QPalette>
#include <QPixmap>
#include <QWidget>

namespace rotavex {

namespace {

constexpr const char *PictureProperty = "picture";

DateTime dateTimeOf(const QDateTime &moment)
{
    const QDate date = moment.date();
    const QTime time = moment.time();
    return DateTime{date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

// pctGraf shows the picture it holds as its background (the chart covers it).
void holdPicture(QWidget *pctGraf, const QImage &picture)
{
    pctGraf->setProperty(PictureProperty, picture);
    QPalette palette = pctGraf->palette();
    palette.setBrush(QPalette::Window, picture.isNull() ? QBrush() : QBrush(QPixmap::fromImage(picture)));
    pctGraf->setPalette(palette);
    pctGraf->setAutoFillBackground(!picture.isNull());
}

} // namespace

QImage heldChartPicture(const QWidget *pctGraf)
{
    return pctGraf ? pctGraf->property(PictureProperty).value<QImage>() : QImage();
}

void printResults(const Workspace &ws, const QString &kmText, const QString &vacioText, CostChart &chart,
                  QWidget *pctGraf)
{
    const DateTime printedAt = dateTimeOf(QDateTime::currentDateTime());

    chart.copyToClipboard();
    const QImage picture = QGuiApplication::clipboard()->image();
    if (pctGraf)
        holdPicture(pctGraf, picture);

    ReportPrinter printer(QStringLiteral("Resultados"));
    printer.setChartPicture([pctGraf, picture] { return pctGraf ? heldChartPicture(pctGraf) : picture; });
    printer.print(resultsPaperReport(ws, kmText.toStdString(), vacioText.toStdString(), printedAt));
}

} // namespace rotavex
