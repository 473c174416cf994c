#pragma once
// Printing a report on the default printer. Every document of the printout
// (the parts between its EndDocument items) is a print job of its own. When
// there is no printer, or the printer refuses a job, the user is asked
// whether to write the printout to a PDF file instead; a printout written
// that way goes whole into the one file, each document from a new page.

#include "results/report_lines.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>

class QPainter;
class QPrinter;

namespace rotavex {

// Where printouts go. Tests replace it to print into PDF files and to answer
// the file dialog.
struct PrintTarget {
    // The printer of the next document; nullptr when no printer is available.
    std::function<std::unique_ptr<QPrinter>()> makePrinter;
    // The PDF file to write instead, asked of the user; empty when they cancel.
    std::function<QString(const QString &suggestedName)> choosePdfFile;
};

// The default printer and the standard file dialog.
PrintTarget systemPrintTarget();

const PrintTarget &printTarget();
void setPrintTarget(PrintTarget target);
void restoreSystemPrintTarget();

enum class PrintOutcome { Printed, SavedAsPdf, NotPrinted };

class ReportPrinter {
public:
    // The name the jobs carry in the print queue; the file dialog suggests
    // it as the name of the PDF file.
    explicit ReportPrinter(QString documentName);
    ~ReportPrinter();

    // What a ChartPicture item draws at the pen, in its natural size. Unset,
    // or giving a null image, the item draws nothing.
    void setChartPicture(std::function<QImage()> picture) { chartPicture_ = std::move(picture); }

    // Printed: every document went to the printer (each step it refused is
    // skipped). SavedAsPdf: the rest of the printout went to a PDF file.
    // NotPrinted: the user declined the PDF file, or it could not be written.
    PrintOutcome print(const Report &report);

private:
    bool openDocument(QPainter &painter);
    bool openPdf(QPainter &painter, const QString &question);
    void closeDocument(QPainter &painter);

    QString documentName_;
    std::function<QImage()> chartPicture_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<QPrinter> pdf_;
    bool printedOnPrinter_ = false;
};

inline const QString NoPrinterQuestion = QStringLiteral(
    "No hay ninguna impresora disponible. ¿Desea guardar el documento como fichero PDF?");
inline const QString PrinterRefusedQuestion = QStringLiteral(
    "La impresora no ha aceptado el documento. ¿Desea guardarlo como fichero PDF?");
// Followed by the file's path.
inline const QString PdfNotWrittenMessage = QStringLiteral("No se ha podido escribir el fichero PDF ");

}   // namespace rotavex
