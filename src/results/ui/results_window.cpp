#include "results_window.h"

#include "widgets/design_font.h"
#include "widgets/twips.h"
#include "widgets/wrapping_button.h"

namespace rotavex {

namespace {

QWidget *placeArea(QWidget *parent, const char *name, const QRect &geometry, const QString &tooltip)
{
    auto *area = new QWidget(parent);
    area->setObjectName(QString::fromLatin1(name));
    area->setGeometry(geometry);
    area->setToolTip(tooltip);
    return area;
}

QPushButton *placeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry,
                         const QString &tooltip = QString())
{
    auto *button = new WrappingButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setToolTip(tooltip);
    return button;
}

} // namespace

ResultsWindow::ResultsWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmResul"));
    setWindowTitle(QStringLiteral("Resultados"));
    setFont(designFont());
    setMinimumSize(designSize());
    resize(designSize());

    reportArea_ = placeArea(this, "pctResul", twipRect(120, 120, 5655, 6135), QString());
    reportArea_->setAutoFillBackground(true);
    // Created before the chart, so the chart lies above it.
    printChartArea_ = placeArea(this, "pctGraf", twipRect(6000, 120, 4575, 3855),
                                QStringLiteral("Recuerde que puede modificar la forma del gráfico y luego copiarlo con "
                                               "el botón \"Copiar gráfico al portapapeles\""));
    chart_ = placeArea(this, "Grafico", twipRect(6000, 120, 4575, 3855),
                       QStringLiteral("Recuerde que puede modificar la forma del gráfico y también copiarlo con el "
                                      "botón \"Copiar gráfico al portapapeles\""));
    copyText_ = placeButton(this, "Cmdcopiatex", QStringLiteral("Copiar texto al portapapeles"),
                            twipRect(6000, 4080, 2052, 612),
                            QStringLiteral("Puede copiar el texto y luego pegarlo en otro documento"));
    copyChart_ = placeButton(this, "cmdcopiagraf", QStringLiteral("Copiar gráfico al portapapeles"),
                             twipRect(8520, 4080, 2052, 612),
                             QStringLiteral("Puede copiar el gráfico y luego pegarlo como imagen o sólo los datos en "
                                            "otro documento"));
    print_ = placeButton(this, "cmdPrintres", QStringLiteral("Imprimir"), twipRect(6000, 4920, 4575, 615));
    newCalculation_ = placeButton(this, "cmdNuevo", QStringLiteral("Nuevo Cálculo"), twipRect(6000, 5640, 4575, 735));
    newCalculation_->setFont(designFont(true));
    newCalculation_->setEnabled(false);
}

QSize ResultsWindow::designSize() const { return twipSize(10785, 6450); }

QWidget *ResultsWindow::replace(QWidget *old, QWidget *replacement)
{
    replacement->setParent(this);
    replacement->setObjectName(old->objectName());
    replacement->setGeometry(old->geometry());
    if (replacement->toolTip().isEmpty())
        replacement->setToolTip(old->toolTip());
    replacement->stackUnder(old);
    replacement->show();
    delete old;
    return replacement;
}

void ResultsWindow::replaceReportArea(QWidget *area) { reportArea_ = replace(reportArea_, area); }

void ResultsWindow::replaceChart(QWidget *chart) { chart_ = replace(chart_, chart); }

} // namespace rotavex
