#include "check_window.h"

#include "check/check_report.h"
#include "report/ui/report_area.h"
#include "widgets/design_font.h"
#include "widgets/enter_key.h"
#include "widgets/window_placement.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

namespace rotavex {

CheckWindow::CheckWindow(Actions actions, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), actions_(std::move(actions))
{
    setObjectName("frmCheck");
    setWindowTitle(QStringLiteral("Comprobación de datos"));
    fixAndCentreOnScreen(this, twipSize(6375, 7965));
    const QFont dialogFont = designFont(true);
    const QFont normalFont = designFont();
    setFont(dialogFont);

    pctCheck_ = new ReportArea(this);
    pctCheck_->setObjectName("pctCheck");
    pctCheck_->setToolTip(QStringLiteral("En esta ventana se muestran los datos que faltan"));
    pctCheck_->setAccessibleName(QStringLiteral("Informe de la comprobación de datos"));
    pctCheck_->setGeometry(twipRect(1560, 0, 4692, 7935));

    const auto button = [&](const char *name, const QString &caption, QRect place, const QFont &buttonFont) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(name);
        b->setGeometry(place);
        b->setFont(buttonFont);
        return b;
    };
    cmdCkprint_ = button("cmdCkprint", QStringLiteral("Imprimir"), twipRect(240, 720, 1095, 495), normalFont);
    cmdCkacep_ = button("cmdCkacep", QStringLiteral("Aceptar"), twipRect(240, 120, 1095, 495), normalFont);
    cmdCalc_ = button("cmdCalc", QStringLiteral("Calcular"), twipRect(120, 1320, 1335, 855), dialogFont);
    cmdCalc_->setEnabled(false);
    setTabOrder(cmdCkprint_, cmdCkacep_);
    setTabOrder(cmdCkacep_, cmdCalc_);
    pressFocusedButtonOnEnter(this);

    connect(cmdCkacep_, &QPushButton::clicked, this, &CheckWindow::accept);
    connect(cmdCkprint_, &QPushButton::clicked, this, &CheckWindow::printReport);
    connect(cmdCalc_, &QPushButton::clicked, this, &CheckWindow::calculate);
}

void CheckWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!reportWritten_) {
        reportWritten_ = true;
        writeReport();
    }
}

// The window is left only through its own buttons, which decide whether
// the calculation follows: neither Escape nor a close request from the title
// bar or Alt+F4 leaves it.
void CheckWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        return;
    QDialog::keyPressEvent(event);
}

// The buttons' done() does not pass through here.
void CheckWindow::closeEvent(QCloseEvent *event) { event->ignore(); }

void CheckWindow::writeReport()
{
    const DataCheckResult check = actions_.runCheck();
    pctCheck_->write(checkScreenReport(check));
    offerCalculationIfAllowed(check);
}

void CheckWindow::printReport()
{
    const DataCheckResult check = actions_.runCheck();
    if (actions_.print)
        actions_.print(check);
    offerCalculationIfAllowed(check);
}

// The check only ever enables "Calcular"; it never takes it back.
void CheckWindow::offerCalculationIfAllowed(const DataCheckResult &check)
{
    if (check.calculationOffered())
        cmdCalc_->setEnabled(true);
}

void CheckWindow::accept()
{
    pctCheck_->clear();
    done(Closed);
}

void CheckWindow::calculate()
{
    pctCheck_->clear();
    done(CalculationAsked);
}

void openCheckWindow(QWidget *parent, CheckWindow::Actions actions)
{
    const std::function<void()> calculate = actions.calculate;
    CheckWindow window(std::move(actions), parent);
    if (window.exec() == CheckWindow::CalculationAsked && calculate)
        calculate();
}

}   // namespace rotavex
