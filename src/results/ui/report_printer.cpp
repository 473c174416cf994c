#include "report_printer.h"

#include "regional/number_locale.h"
#include "report_font.h"
#include "report_painter.h"
#include "results/report_documents.h"
#include "widgets/prompter.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace rotavex {

namespace {

// The reports set their own sizes; this is only where the first item starts.
constexpr qreal BasePoints = 12;

std::unique_ptr<QPrinter> defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

QString askForPdfFile(const QString &suggestedName)
{
    QFileDialog dialog(QApplication::activeWindow(), QStringLiteral("Guardar como PDF"),
                       QDir::home().filePath(suggestedName + QStringLiteral(".pdf")), QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

PrintTarget &currentTarget()
{
    static PrintTarget target = systemPrintTarget();
    return target;
}

}   // namespace

PrintTarget systemPrintTarget() { return PrintTarget{defaultPrinter, askForPdfFile}; }

const PrintTarget &printTarget() { return currentTarget(); }

void setPrintTarget(PrintTarget target) { currentTarget() = std::move(target); }

void restoreSystemPrintTarget() { currentTarget() = systemPrintTarget(); }

ReportPrinter::ReportPrinter(QString documentName) : documentName_(std::move(documentName)) {}

ReportPrinter::~ReportPrinter() = default;

PrintOutcome ReportPrinter::print(const Report &report)
{
    ReportPainter reportPainter(reportFont(BasePoints), systemNumberLocale());
    reportPainter.onChartPicture = [&](QPainter &painter) {
        if (chartPicture_)
            reportPainter.drawPicture(painter, chartPicture_());
    };

    printedOnPrinter_ = false;
    QPainter painter;
    bool complete = true;
    for (const Report &document : splitDocuments(report)) {
        if (!openDocument(painter)) {
            complete = false;
            break;
        }
        reportPainter.setPen(QPointF(0, 0));
        reportPainter.paint(painter, document);
        if (!pdf_)
            closeDocument(painter);
    }
    const bool savedAsPdf = pdf_ && complete;
    closeDocument(painter);
    pdf_.reset();
    if (savedAsPdf)
        return PrintOutcome::SavedAsPdf;
    return complete && printedOnPrinter_ ? PrintOutcome::Printed : PrintOutcome::NotPrinted;
}

// A document on the printer is a job of its own; once the printout goes to a
// PDF file, every further document starts a new page of that file.
bool ReportPrinter::openDocument(QPainter &painter)
{
    if (pdf_)
        return pdf_->newPage();
    const PrintTarget &target = printTarget();
    printer_ = target.makePrinter ? target.makePrinter() : nullptr;
    if (!printer_)
        return openPdf(painter, NoPrinterQuestion);
    printer_->setDocName(documentName_);
    if (painter.begin(printer_.get())) {
        printedOnPrinter_ = true;
        return true;
    }
    printer_.reset();
    return openPdf(painter, PrinterRefusedQuestion);
}

bool ReportPrinter::openPdf(QPainter &painter, const QString &question)
{
    if (!prompter().askYesNo(question))
        return false;
    const PrintTarget &target = printTarget();
    const QString path = target.choosePdfFile ? target.choosePdfFile(documentName_) : QString();
    if (path.isEmpty())
        return false;
    pdf_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf_->setOutputFormat(QPrinter::PdfFormat);
    pdf_->setOutputFileName(path);
    pdf_->setDocName(documentName_);
    pdf_->setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    if (painter.begin(pdf_.get()))
        return true;
    pdf_.reset();
    prompter().inform(PdfNotWrittenMessage + QDir::toNativeSeparators(path));
    return false;
}

// Ending the painter sends the job.
void ReportPrinter::closeDocument(QPainter &painter)
{
    if (painter.isActive())
        painter.end();
    printer_.reset();
}

}   // namespace rotavex
