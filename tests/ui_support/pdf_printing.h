#pragma once
// Printing into PDF files for window tests: each document sent to "the
// printer" becomes printer-<n>.pdf in a temporary folder; the printer can
// also be missing or refuse its jobs, and the PDF file dialog answers with
// the path the test chose.

#include "report/ui/report_printer.h"

#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>

namespace rotavex {

class PdfPrinting {
public:
    enum class Printer { Ready, Missing, Refusing };
    Printer printer = Printer::Ready;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QString pdfFileAnswer;   // empty: the dialog is cancelled
    int dialogs = 0;
    QTemporaryDir dir;

    PdfPrinting()
    {
        setPrintTarget({[this] {
                            auto printer = makePrinter();
                            return printer ? std::make_unique<PrintJob>(std::move(printer)) : nullptr;
                        },
                        [this](const QString &) { return ++dialogs, pdfFileAnswer; }});
    }
    ~PdfPrinting() { restoreSystemPrintTarget(); }

    QStringList printed() const
    {
        QStringList paths;
        for (int n = 1; QFile::exists(job(n)); ++n)
            paths << job(n);
        return paths;
    }

private:
    QString job(int n) const { return dir.filePath(QStringLiteral("printer-%1.pdf").arg(n)); }
    std::unique_ptr<QPrinter> makePrinter()
    {
        if (printer == Printer::Missing)
            return nullptr;
        auto made = std::make_unique<QPrinter>(QPrinter::HighResolution);
        made->setOutputFormat(QPrinter::PdfFormat);
        made->setPageSize(pageSize);
        // A refusing printer's output cannot be opened.
        made->setOutputFileName(printer == Printer::Refusing ? dir.filePath(QStringLiteral("none/x.pdf"))
                                                             : job(++jobs_));
        return made;
    }
    int jobs_ = 0;
};

inline QString popplerOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page as laid out ("" for a page without text).
inline QStringList pdfPages(const QString &pdf)
{
    QStringList pages = popplerOutput(QStringLiteral("pdftotext"),
                                      {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                            .split(QLatin1Char('\f'));
    pages.removeLast();   // after the last page's form feed
    return pages;
}

// A picture in a PDF file: its page and its horizontal resolution (dpi).
struct PdfPicture {
    int page = 0;
    int ppi = 0;
};

// Each picture in the file (soft masks aside), as pdfimages lists it.
inline QList<PdfPicture> pdfPictures(const QString &pdf)
{
    QList<PdfPicture> pictures;
    const QStringList rows = popplerOutput(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).split('\n');
    for (const QString &row : rows.mid(2)) {
        const QStringList fields = row.simplified().split(QLatin1Char(' '));
        if (fields.size() > 12 && fields[2] == QLatin1String("image"))
            pictures << PdfPicture{fields[0].toInt(), fields[12].toInt()};
    }
    return pictures;
}

}   // namespace rotavex
