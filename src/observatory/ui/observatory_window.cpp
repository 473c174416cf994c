#include "observatory_window.h"

#include "observatory/observatory_tables.h"
#include "report/ui/report_area.h"
#include "report/ui/report_printer.h"
#include "widgets/design_font.h"
#include "widgets/enter_key.h"
#include "widgets/program_pictures.h"
#include "widgets/twips.h"
#include "widgets/window_placement.h"

#include <QPushButton>

namespace rotavex {

namespace {

QPushButton *addButton(QWidget *window, const char *name, const QString &caption, const QRect &place)
{
    auto *button = new QPushButton(caption, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(place);
    return button;
}

}   // namespace

ObservatoryWindow::ObservatoryWindow(QWidget *parent, std::shared_ptr<const ReferenceSet> set)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      set_(std::move(set))
{
    setObjectName(QStringLiteral("frmObs"));
    setWindowTitle(QStringLiteral("Costes medios del Observatorio"));
    setWindowIcon(observatoryIcon());
    setFont(designFont());
    setModal(true);

    table_ = new ReportArea(this);
    table_->setObjectName(QStringLiteral("pctObs"));
    table_->setAccessibleName(QStringLiteral("Tabla de costes medios del Observatorio"));
    table_->setGeometry(twipRect(1200, 120, 5775, 8175));
    // First in the tab order, as a picture box is; with the focus, the keys scroll it.

    accept_ = addButton(this, "cmdAcept", QStringLiteral("Aceptar"), twipRect(120, 120, 975, 495));
    print_ = addButton(this, "cmdPrint", QStringLiteral("Imprimir"), twipRect(120, 720, 975, 495));
    setTabOrder(table_, accept_);
    setTabOrder(accept_, print_);
    pressFocusedButtonOnEnter(this);

    connect(accept_, &QPushButton::clicked, this, [this] {
        table_->clear();
        accept();
    });
    connect(print_, &QPushButton::clicked, this, [this] { printObservatoryTable(*set_); });

    fixAndCentreOnScreen(this, twipSize(7065, 8355));
}

// The table is written once, when the window first shows: coming back to the
// window (after a message, say) leaves the table as it stands.
void ObservatoryWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (tableWritten_)
        return;
    tableWritten_ = true;
    table_->write(observatoryScreenTable(*set_));
}

void openObservatoryWindow(QWidget *parent, std::shared_ptr<const ReferenceSet> set)
{
    ObservatoryWindow window(parent, std::move(set));
    window.exec();
}

void printObservatoryTable(const ReferenceSet &set)
{
    ReportPrinter(QStringLiteral("Costes medios del Observatorio")).print(observatoryPaperTable(set));
}

}   // namespace rotavex
