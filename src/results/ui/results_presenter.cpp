#include "results_presenter.h"

#include "cost_chart.h"
#include "report_area.h"
#include "results_window.h"

#include "entry/ui/input_windows.h"
#include "model/workspace.h"
#include "results/results_report.h"
#include "widgets/prompter.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace rotavex {

ResultsPresenter::ResultsPresenter(Workspace &workspace, InputWindows &inputs, ResultsWindow &window,
                                   QMdiSubWindow *frame)
    : QObject(&window), workspace_(workspace), inputs_(inputs), window_(window), frame_(frame),
      report_(new ReportArea), chart_(new CostChart)
{
    window_.replaceReportArea(report_);
    window_.replaceChart(chart_);

    if (QMdiArea *area = frame_->mdiArea())
        connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *active) {
            if (active == frame_)
                drawResults();
        });
    connect(window_.copyTextButton(), &QPushButton::clicked, report_, &ReportArea::copyToClipboard);
    connect(window_.copyChartButton(), &QPushButton::clicked, chart_, &CostChart::copyToClipboard);
    connect(window_.newCalculationButton(), &QPushButton::clicked, this, &ResultsPresenter::startNewCalculation);
    connect(window_.printButton(), &QPushButton::clicked, this, [this] {
        if (print_)
            print_();
    });
}

// The area is not cleared here: drawing the same results again lands
// exactly over the first drawing.
void ResultsPresenter::drawResults()
{
    if (workspace_.ResultsReady) {
        window_.newCalculationButton()->setEnabled(true);
        const FieldTexts texts = inputs_.fieldTexts();
        report_->write(resultsScreenReport(workspace_, texts[Input::Km], texts[Input::Vacio]));
        chart_->setData(chartData(workspace_));
        chart_->redraw();
    }
    report_->movePenToTopLeft();
}

void ResultsPresenter::startNewCalculation()
{
    if (!prompter().askYesNo(QString::fromUtf8(NewCalculationQuestion)))
        return;
    workspace_.ResultsReady = false;
    window_.newCalculationButton()->setEnabled(false);
    report_->clear();
    frame_->showMinimized();
    inputs_.unfreezeInputs();
}

} // namespace rotavex
