#include "results_presenter.h"

#include "cost_chart.h"
#include "report/ui/report_area.h"
#include "results_window.h"

#include "entry/ui/input_windows.h"
#include "results/results_report.h"
#include "study/cost_study.h"
#include "widgets/prompter.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace rotavex {

ResultsPresenter::ResultsPresenter(CostStudy &study, InputWindows &inputs, ResultsWindow &window, QMdiSubWindow *frame,
                                   QMdiSubWindow *trip)
    : QObject(&window), study_(study), inputs_(inputs), window_(window), frame_(frame), trip_(trip)
{
    if (QMdiArea *area = frame_->mdiArea())
        connect(area, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *active) {
            if (active == frame_)
                drawResults();
        });
    connect(window_.copyTextButton(), &QPushButton::clicked, this, [this] { window_.reportArea()->copyToClipboard(); });
    connect(window_.copyChartButton(), &QPushButton::clicked, this, [this] { window_.chart()->copyToClipboard(); });
    connect(window_.newCalculationButton(), &QPushButton::clicked, this, &ResultsPresenter::startNewCalculation);
    connect(window_.printButton(), &QPushButton::clicked, this, [this] {
        if (print_)
            print_();
    });
}

void ResultsPresenter::calculate()
{
    frame_->showMinimized();
    if (QMdiArea *area = trip_->mdiArea())
        area->setActiveSubWindow(trip_);
    Workspace &ws = study_.workspace();
    ws.ResultsReady = true;
    inputs_.freezeInputs();
    study_.texts = inputs_.fieldTexts();
    if (const auto fault = study_.calculate()) {
        ws.ResultsReady = false;
        inputs_.unfreezeInputs();
        prompter().inform(QString::fromStdString(calculationFaultMessage(*fault)));
        return;
    }
    frame_->showNormal();
    if (QMdiArea *area = frame_->mdiArea())
        area->setActiveSubWindow(frame_);
}

// The area is cleared first, so the report is drawn once on a clean area
// whatever was drawn before.
void ResultsPresenter::drawResults()
{
    const std::optional<CalculatedResults> &calculation = study_.lastCalculation();
    if (study_.workspace().ResultsReady && calculation) {
        window_.newCalculationButton()->setEnabled(true);
        const Report report = resultsScreenReport(calculation->results, calculation->kmText(),
                                                  calculation->vacioText());
        window_.reportArea()->clear();
        window_.reportArea()->write(report);
        window_.chart()->setData(chartData(calculation->results));
        window_.chart()->redraw();
    }
    window_.reportArea()->movePenToTopLeft();
}

void ResultsPresenter::startNewCalculation()
{
    if (!prompter().askYesNo(QString::fromUtf8(NewCalculationQuestion)))
        return;
    study_.workspace().ResultsReady = false;
    study_.forgetCalculation();
    window_.newCalculationButton()->setEnabled(false);
    window_.reportArea()->clear();
    frame_->showMinimized();
    inputs_.unfreezeInputs();
    activateFrontDataWindow();
}

// The results window gone to its icon, the keyboard goes on in the data
// window in front, where the user edits the data for the next calculation.
void ResultsPresenter::activateFrontDataWindow()
{
    QMdiArea *area = frame_->mdiArea();
    if (!area)
        return;
    const QList<QMdiSubWindow *> stacked = area->subWindowList(QMdiArea::StackingOrder);
    for (auto it = stacked.rbegin(); it != stacked.rend(); ++it)
        if (*it != frame_ && !(*it)->isMinimized()) {
            area->setActiveSubWindow(*it);
            return;
        }
}

}   // namespace rotavex
