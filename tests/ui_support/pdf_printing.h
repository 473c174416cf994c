#pragma once
// Printing into PDF files for window tests. Every document the program sends
// to "the printer" becomes printer-<n>.pdf in a temporary folder; a printer
// can also be missing or refuse its jobs, and the PDF file dialog answers
// with a path chosen by the test.

#include "results/ui/report_printer.h"

#include <QDir>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

namespace rotavex {

class PdfPrinting {
public:
    enum class Printer { Ready, Missing, Refusing };

    PdfPrinting()
    {
        setPrintTarget(PrintTarget{[this] { return makePrinter(); },
                                   [this](const QString &suggested) {
                                       suggestedNames << suggested;
                                       return pdfFileAnswer;
                                   }});
    }
    ~PdfPrinting() { restoreSystemPrintTarget(); }

    Printer printer = Printer::Ready;
    QPageSize pageSize = QPageSize(QPageSize::A4);
    QString pdfFileAnswer;          // what the file dialog returns; empty = cancelled
    QStringList suggestedNames;     // every time the file dialog was asked
    QTemporaryDir dir;

    QString path(const QString &name) const { return dir.filePath(name); }

    // The documents the printer received, in order.
    QStringList printed() const
    {
        QStringList paths;
        for (int n = 1; QFile::exists(printerFile(n)); ++n)
            paths << printerFile(n);
        return paths;
    }

private:
    QString printerFile(int n) const { return dir.filePath(QStringLiteral("printer-%1.pdf").arg(n)); }

    std::unique_ptr<QPrinter> makePrinter()
    {
        if (printer == Printer::Missing)
            return nullptr;
        auto made = std::make_unique<QPrinter>(QPrinter::HighResolution);
        made->setOutputFormat(QPrinter::PdfFormat);
        made->setPageSize(pageSize);
        // A refusing printer: its output cannot be opened.
        made->setOutputFileName(printer == Printer::Refusing ? dir.filePath(QStringLiteral("no-such-folder/x.pdf"))
                                                             : printerFile(++jobs_));
        return made;
    }

    int jobs_ = 0;
};

inline QString runPoppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(20000))
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of each page, as laid out on it; a page without text gives "".
inline QStringList pdfPages(const QString &pdf)
{
    QStringList pages =
        runPoppler(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
            .split(QLatin1Char('\f'));
    // Every page ends with a form feed.
    if (!pages.isEmpty() && pages.last().isEmpty())
        pages.removeLast();
    return pages;
}

// The pages on which a picture is drawn, one entry per picture.
inline QList<int> pdfPicturePages(const QString &pdf)
{
    QList<int> pages;
    const QStringList rows = runPoppler(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf})
                                 .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // Two heading rows, then "page num type ..." per picture; soft masks are
    // not pictures of their own.
    for (qsizetype i = 2; i < rows.size(); ++i) {
        const QStringList fields = rows[i].simplified().split(QLatin1Char(' '));
        if (fields.size() > 2 && fields[2] == QLatin1String("image"))
            pages << fields[0].toInt();
    }
    return pages;
}

} // namespace rotavex
