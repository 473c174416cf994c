#pragma once
// Printing a report on the default printer. Every document of the printout
// (the parts between its EndDocument items) is a print job of its own. When
// there is no printer, or the printer or its queue refuses a job, the user is
// asked whether to write the printout to a PDF file instead; a printout
// written that way goes whole into the one file, each document from a new
// page. Every page, on paper or in the file, has the same margins.

#include "report/report_lines.h"

#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;
class QRectF;

namespace rotavex {

class ReportPainter;

// One document on its way to a printer: the page it is painted on and, once
// painted, its handing over to the print system.
class PrintJob {
public:
    explicit PrintJob(std::unique_ptr<QPrinter> printer);
    virtual ~PrintJob();

    QPrinter &printer() { return *printer_; }

    // Called once the document is painted and its painter has ended. False
    // when the print system refuses the job (a queue that does not accept
    // jobs, a user it does not let print, ...). A printer that sends its job
    // itself when the painter ends has nothing to add here.
    virtual bool send();

private:
    std::unique_ptr<QPrinter> printer_;
};

// Where printouts go. Tests replace it to print into PDF files and to answer
// the file dialog.
struct PrintTarget {
    // The job of the next document; nullptr when no printer is available.
    std::function<std::unique_ptr<PrintJob>()> openJob;
    // The PDF file to write instead, asked of the user; empty when they cancel.
    std::function<QString(const QString &suggestedName)> choosePdfFile;
};

// The default printer and the standard file dialog.
PrintTarget systemPrintTarget();

const PrintTarget &printTarget();
void setPrintTarget(PrintTarget target);
void restoreSystemPrintTarget();

// The margins of every printed page, on paper or in a PDF file, in
// millimetres; wider only where a printer cannot print so near the edge.
inline constexpr qreal PageMarginMillimetres = 20;
void setUpPage(QPrinter &printer);

// Now, as a printout's date stamp writes it.
DateTime printingMoment();

enum class PrintOutcome { Printed, SavedAsPdf, NotPrinted };

class ReportPrinter {
public:
    // The name the jobs carry in the print queue; the file dialog suggests
    // it as the name of the PDF file.
    explicit ReportPrinter(QString documentName);
    ~ReportPrinter();

    // What a ChartPicture item draws at the pen: a figure of the given size
    // on the screen, drawing itself into the box it is given on the page.
    // Unset, or of an empty size, the item draws nothing.
    void setChart(QSizeF naturalSize, std::function<void(QPainter &, const QRectF &)> draw);

    // Printed: every document went to the printer (each step it refused is
    // skipped). SavedAsPdf: the rest of the printout went to a PDF file.
    // NotPrinted: the user declined the PDF file, or it could not be written.
    PrintOutcome print(const Report &report);

private:
    enum class Sent { Yes, NoPrinter, Refused };
    Sent printOnPrinter(ReportPainter &reportPainter, const Report &document);
    std::unique_ptr<QPrinter> openPdf(QPainter &painter, const QString &question);

    QString documentName_;
    QSizeF chartSize_;
    std::function<void(QPainter &, const QRectF &)> drawChart_;
};

inline const QString NoPrinterQuestion = QStringLiteral(
    "No hay ninguna impresora disponible. ¿Desea guardar el documento como fichero PDF?");
inline const QString PrinterRefusedQuestion = QStringLiteral(
    "La impresora no ha aceptado el documento. ¿Desea guardarlo como fichero PDF?");
// Followed by the file's path.
inline const QString PdfNotWrittenMessage = QStringLiteral("No se ha podido escribir el fichero PDF ");

}   // namespace rotavex
