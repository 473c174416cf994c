#include "comparison_window.h"

#include "paired_chart.h"

#include "report/ui/report_area.h"
#include "report/ui/report_printer.h"
#include "study/cost_study.h"
#include "widgets/design_font.h"
#include "widgets/enter_key.h"
#include "widgets/program_pictures.h"
#include "widgets/prompter.h"
#include "widgets/twips.h"
#include "widgets/window_placement.h"
#include "widgets/wrapping_button.h"

#include <QResizeEvent>

#include <algorithm>

namespace rotavex {

namespace {

// Where the report and the chart stand in a window of the designed size.
const QRect ReportPlace = twipRect(1695, 120, 11400, 6300);
const QRect ChartPlace = twipRect(1695, 6540, 11400, 4200);
const QSize ClientSize = twipSize(13215, 10860);

QPushButton *addButton(QWidget *window, const char *name, const QString &caption, const QRect &place)
{
    auto *button = new WrappingButton(caption, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    button->setGeometry(place);
    return button;
}

}   // namespace

ComparisonWindow::ComparisonWindow(ComparisonStudy study, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      study_(std::move(study))
{
    setObjectName(QStringLiteral("frmCompara"));
    setWindowTitle(QStringLiteral("Comparación con el Observatorio"));
    setWindowIcon(observatoryIcon());
    setFont(designFont());
    setModal(true);

    report_ = new ReportArea(this);
    report_->setObjectName(QStringLiteral("pctCompara"));
    report_->setAccessibleName(QStringLiteral("Informe de comparación con el Observatorio"));
    report_->setGeometry(ReportPlace);

    accept_ = addButton(this, "cmdAcept", QStringLiteral("Aceptar"), twipRect(120, 120, 1455, 495));
    print_ = addButton(this, "cmdPrint", QStringLiteral("Imprimir"), twipRect(120, 720, 1455, 495));
    copyText_ = addButton(this, "Cmdcopiatex", QStringLiteral("Copiar texto al portapapeles"),
                          twipRect(120, 1320, 1455, 735));
    copyChart_ = addButton(this, "cmdcopiagraf", QStringLiteral("Copiar gráfico al portapapeles"),
                           twipRect(120, 2160, 1455, 735));

    // Built apart and then placed, so that its legend takes the program's
    // usual font rather than the window's design font.
    chart_ = new PairedChart;
    chart_->setParent(this);
    chart_->setObjectName(QStringLiteral("grfCompara"));
    chart_->setGeometry(ChartPlace);
    chart_->setData(pairedChartData(study_.comparison));

    QWidget *before = report_;
    for (QWidget *next : std::initializer_list<QWidget *>{accept_, print_, copyText_, copyChart_}) {
        setTabOrder(before, next);
        before = next;
    }
    pressFocusedButtonOnEnter(this);

    connect(accept_, &QPushButton::clicked, this, &QDialog::accept);
    connect(print_, &QPushButton::clicked, this, &ComparisonWindow::print);
    connect(copyText_, &QPushButton::clicked, this, [this] { report_->copyToClipboard(); });
    connect(copyChart_, &QPushButton::clicked, this, [this] { chart_->copyToClipboard(); });

    fixAndCentreOnScreen(this, ClientSize);
}

// Written once, when the window first shows, in the area as the screen
// leaves it.
void ComparisonWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (reportWritten_)
        return;
    reportWritten_ = true;
    report_->write(comparisonScreenReport(study_, DefaultTolerancePct));
    report_->movePenToTopLeft();
}

// On a screen too small for the window, the report gives up height before
// the chart does (it scrolls, the chart would be cut), and both keep to the
// window's width.
void ComparisonWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    const int gap = ChartPlace.top() - ReportPlace.top() - ReportPlace.height();
    const int bottomGap = ClientSize.height() - ChartPlace.top() - ChartPlace.height();
    const int room = height() - ReportPlace.top() - gap - bottomGap;
    const int chartHeight = std::min(ChartPlace.height(), room * 2 / 5);
    const int width = std::min(ReportPlace.width(), this->width() - ReportPlace.left() - bottomGap);
    report_->setGeometry(ReportPlace.left(), ReportPlace.top(), width, room - chartHeight);
    chart_->setGeometry(ChartPlace.left(), ReportPlace.top() + room - chartHeight + gap, width, chartHeight);
}

// The text and the chart below it, one document.
void ComparisonWindow::print()
{
    ReportPrinter printer(windowTitle());
    printer.setChart(chart_->size(), [this](QPainter &painter, const QRectF &box) { chart_->drawInto(painter, box); });
    printer.print(comparisonPaperReport(study_, DefaultTolerancePct, printingMoment()));
}

void openComparisonWindow(QWidget *parent, const CostStudy &study)
{
    const std::optional<CalculatedResults> &calculation = study.lastCalculation();
    if (!calculation) {
        prompter().inform(NoCalculationToCompare);
        return;
    }
    ComparisonStudyOutcome outcome = studyAgainstObservatory(*calculation);
    if (!outcome.study) {
        prompter().inform(QString::fromStdString(calculationFaultMessage(*outcome.fault)));
        return;
    }
    ComparisonWindow window(std::move(*outcome.study), parent);
    window.exec();
}

}   // namespace rotavex
