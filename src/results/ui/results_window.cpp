#include "results_window.h"

#include "chart_picture_area.h"
#include "cost_chart.h"
#include "report/ui/report_area.h"

#include "widgets/design_font.h"
#include "widgets/enter_key.h"
#include "widgets/twips.h"
#include "widgets/wrapping_button.h"

namespace rotavex {

namespace {

void place(QWidget *widget, const char *name, const QRect &geometry, const QString &tooltip)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(geometry);
    widget->setToolTip(tooltip);
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

}   // namespace

ResultsWindow::ResultsWindow(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmResul"));
    setWindowTitle(QStringLiteral("Resultados"));
    setFont(designFont());
    setMinimumSize(twipSize(10785, 6450));
    resize(minimumSize());

    reportArea_ = new ReportArea(twipRect(120, 120, 5655, 6135), this);
    reportArea_->setObjectName(QStringLiteral("pctResul"));
    reportArea_->setAccessibleName(QStringLiteral("Informe de resultados"));
    // Created before the chart, so the chart lies above it.
    chartPicture_ = new ChartPictureArea(this);
    place(chartPicture_, "pctGraf", twipRect(6000, 120, 4575, 3855),
          QStringLiteral("Recuerde que puede modificar la forma del gráfico y luego copiarlo con "
                         "el botón \"Copiar gráfico al portapapeles\""));
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
    pressFocusedButtonOnEnter(this);
}

CostChart *ResultsWindow::chart()
{
    if (chart_)
        return chart_;
    // Built apart and then placed, so that its legend takes the program's
    // usual font rather than the window's design font.
    chart_ = new CostChart;
    chart_->setParent(this);
    chart_->setAccessibleName(QStringLiteral("Gráfico de distribución de costes"));
    place(chart_, "Grafico", twipRect(6000, 120, 4575, 3855),
          QStringLiteral("Recuerde que puede modificar la forma del gráfico y también copiarlo con el "
                         "botón \"Copiar gráfico al portapapeles\""));
    // Built last, it lies above its picture area; in the keyboard's order it
    // comes before the buttons beneath it.
    QWidget *before = chart_;
    for (QWidget *button : std::initializer_list<QWidget *>{copyText_, copyChart_, print_, newCalculation_}) {
        setTabOrder(before, button);
        before = button;
    }
    chart_->show();
    return chart_;
}

void ResultsWindow::showEvent(QShowEvent *event)
{
    // Reducing the window to an icon also announces a showing, to a window
    // that stays out of sight.
    if (isVisible())
        chart();
    QWidget::showEvent(event);
}

}   // namespace rotavex
