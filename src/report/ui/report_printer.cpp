#include "report_printer.h"

#include "report/report_documents.h"
#include "report/ui/number_locale.h"
#include "report_font.h"
#include "report_painter.h"
#include "widgets/prompter.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFileDialog>
#include <QLibrary>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#ifdef ROTAVEX_CUPS
#include <cups/cups.h>
#endif

#include <algorithm>

namespace rotavex {

namespace {

// The reports set their own sizes; this is only where the first item starts.
constexpr qreal BasePoints = 12;

#ifdef ROTAVEX_CUPS
// The print system's calls, looked up with the first printout: linked to
// the program, its library and the many it needs would be loaded at every
// start. By then Qt's own printing has loaded it anyway.
struct CupsCalls {
    decltype(&cupsAddOption) addOption = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;
    decltype(&cupsFreeOptions) freeOptions = nullptr;
};

const CupsCalls *cupsCalls()
{
    static const CupsCalls calls = [] {
        QLibrary library(QStringLiteral("cups"), 2);
        return CupsCalls{reinterpret_cast<decltype(&cupsAddOption)>(library.resolve("cupsAddOption")),
                         reinterpret_cast<decltype(&cupsPrintFile)>(library.resolve("cupsPrintFile")),
                         reinterpret_cast<decltype(&cupsFreeOptions)>(library.resolve("cupsFreeOptions"))};
    }();
    return calls.addOption && calls.printFile && calls.freeOptions ? &calls : nullptr;
}

// A job for a CUPS queue. Qt's own printer hands its file to the queue when
// the painter ends and does not say whether the queue took it; so the page
// is written to a file of ours, laid out for the queue's paper, and handed
// over here, where the print system's answer can be heard.
class CupsJob : public PrintJob {
public:
    CupsJob(const QPrinterInfo &queue, const CupsCalls &cups)
        : PrintJob(std::make_unique<QPrinter>(queue, QPrinter::HighResolution)), cups_(cups),
          queue_(queue.printerName().toUtf8())
    {
        // The queue's paper, which switching to a file would forget.
        const QPageLayout paper = printer().pageLayout();
        printer().setOutputFormat(QPrinter::PdfFormat);
        printer().setPageLayout(paper);
        printer().setOutputFileName(dir_.filePath(QStringLiteral("documento.pdf")));
    }

    bool ready() const { return dir_.isValid(); }

    bool send() override
    {
        cups_option_t *options = nullptr;
        const int count = cups_.addOption("media", printer().pageLayout().pageSize().key().toUtf8().constData(), 0,
                                          &options);
        const int job = cups_.printFile(queue_.constData(), QFile::encodeName(printer().outputFileName()).constData(),
                                        printer().docName().toUtf8().constData(), count, options);
        cups_.freeOptions(count, options);
        return job > 0;
    }

private:
    const CupsCalls &cups_;
    QTemporaryDir dir_;
    QByteArray queue_;
};
#endif

std::unique_ptr<PrintJob> defaultPrinterJob()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
#ifdef ROTAVEX_CUPS
    if (const CupsCalls *cups = cupsCalls())
        if (auto job = std::make_unique<CupsJob>(info, *cups); job->ready())
            return job;
#endif
    // Without a file of ours, Qt's printer sends the job itself.
    return std::make_unique<PrintJob>(std::make_unique<QPrinter>(info, QPrinter::HighResolution));
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

PrintJob::PrintJob(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer)) {}

PrintJob::~PrintJob() = default;

bool PrintJob::send() { return true; }

PrintTarget systemPrintTarget() { return PrintTarget{defaultPrinterJob, askForPdfFile}; }

const PrintTarget &printTarget() { return currentTarget(); }

void setPrintTarget(PrintTarget target) { currentTarget() = std::move(target); }

void restoreSystemPrintTarget() { currentTarget() = systemPrintTarget(); }

// A printer that declares no margins of its own would otherwise get Qt's
// few points, and the text would start at another place than in a PDF file.
void setUpPage(QPrinter &printer)
{
    QPageLayout layout = printer.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    const QMarginsF least = layout.minimumMargins();
    const qreal m = PageMarginMillimetres;
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(std::max(m, least.left()), std::max(m, least.top()), std::max(m, least.right()),
                                     std::max(m, least.bottom())),
                           QPageLayout::Millimeter);
}

ReportPrinter::ReportPrinter(QString documentName) : documentName_(std::move(documentName)) {}

ReportPrinter::~ReportPrinter() = default;

void ReportPrinter::setChart(QSizeF naturalSize, std::function<void(QPainter &, const QRectF &)> draw)
{
    chartSize_ = naturalSize;
    drawChart_ = std::move(draw);
}

PrintOutcome ReportPrinter::print(const Report &report)
{
    ReportPainter reportPainter(reportFont(BasePoints), systemNumberLocale());
    reportPainter.onChartPicture = [&](QPainter &painter) {
        if (drawChart_)
            reportPainter.drawFigure(painter, chartSize_, drawChart_);
    };

    bool printed = false;
    QPainter pdfPainter;
    std::unique_ptr<QPrinter> pdf;
    for (const Report &document : splitDocuments(report)) {
        if (!pdf) {
            const Sent sent = printOnPrinter(reportPainter, document);
            if (sent == Sent::Yes) {
                printed = true;
                continue;
            }
            pdf = openPdf(pdfPainter, sent == Sent::NoPrinter ? NoPrinterQuestion : PrinterRefusedQuestion);
            if (!pdf)
                return PrintOutcome::NotPrinted;
        } else if (!pdf->newPage()) {
            pdfPainter.end();
            return PrintOutcome::NotPrinted;
        }
        reportPainter.setPen(QPointF(0, 0));
        reportPainter.paint(pdfPainter, document);
    }
    if (!pdf)
        return printed ? PrintOutcome::Printed : PrintOutcome::NotPrinted;
    return pdfPainter.end() ? PrintOutcome::SavedAsPdf : PrintOutcome::NotPrinted;
}

// A document on the printer is a job of its own. A refused one leaves the
// report painter as it found it, so the same document can go to a PDF file.
ReportPrinter::Sent ReportPrinter::printOnPrinter(ReportPainter &reportPainter, const Report &document)
{
    const PrintTarget &target = printTarget();
    std::unique_ptr<PrintJob> job = target.openJob ? target.openJob() : nullptr;
    if (!job)
        return Sent::NoPrinter;
    QPrinter &printer = job->printer();
    printer.setDocName(documentName_);
    setUpPage(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return Sent::Refused;
    const ReportPainter before = reportPainter;
    reportPainter.setPen(QPointF(0, 0));
    reportPainter.paint(painter, document);
    if (painter.end() && job->send())
        return Sent::Yes;
    reportPainter = before;
    return Sent::Refused;
}

std::unique_ptr<QPrinter> ReportPrinter::openPdf(QPainter &painter, const QString &question)
{
    if (!prompter().askYesNo(question))
        return nullptr;
    const PrintTarget &target = printTarget();
    const QString path = target.choosePdfFile ? target.choosePdfFile(documentName_) : QString();
    if (path.isEmpty())
        return nullptr;
    auto pdf = std::make_unique<QPrinter>(QPrinter::HighResolution);
    pdf->setOutputFormat(QPrinter::PdfFormat);
    pdf->setOutputFileName(path);
    pdf->setDocName(documentName_);
    setUpPage(*pdf);
    if (painter.begin(pdf.get()))
        return pdf;
    prompter().inform(PdfNotWrittenMessage + QDir::toNativeSeparators(path));
    return nullptr;
}

DateTime printingMoment()
{
    const QDateTime now = QDateTime::currentDateTime();
    const QDate date = now.date();
    const QTime time = now.time();
    return DateTime{date.year(), date.month(), date.day(), time.hour(), time.minute(), time.second()};
}

}   // namespace rotavex
