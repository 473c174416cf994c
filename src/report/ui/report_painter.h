#pragma once
// The one painter of the program's reports, for report areas and printers
// alike: it writes a report's items onto a QPainter from a pen position and
// keeps the pen and the font between reports, so a caller can go on writing
// where the last report stopped.

#include "report/number_format.h"
#include "report/report_lines.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <functional>

class QFontMetricsF;
class QImage;
class QPainter;

namespace rotavex {

// The width of a tab column: the average width of the font's letters. The
// average a font declares for itself varies too much between faces (a
// narrow face may declare far less than its letters take), which would run
// labels past the columns their figures are aligned on.
qreal reportColumnWidth(const QFontMetricsF &metrics);

class ReportPainter {
public:
    explicit ReportPainter(const QFont &baseFont, NumberLocale locale);

    // Writes the items at the pen. On a paged device (a printer, a PDF
    // writer) a line that does not fit below the last one goes to the top of
    // a new page, as a printer's text output flows.
    void paint(QPainter &painter, const Report &report);

    // Places a picture at the pen in its natural size (its size on the
    // screen), on a new page when it does not fit below the text; the pen
    // then goes to the left edge below the picture.
    void drawPicture(QPainter &painter, const QImage &picture);

    // The same for a figure that draws itself into the box it is given (a
    // chart drawn straight onto the page, sharp at the page's resolution);
    // `naturalSize` is its size on the screen in device-independent pixels.
    void drawFigure(QPainter &painter, const QSizeF &naturalSize,
                    const std::function<void(QPainter &, const QRectF &)> &draw);

    // How far right and down anything has been written since the painter was
    // made, in the painter's coordinates.
    QSizeF reach() const { return reach_; }

    QPointF pen() const { return pen_; }
    void setPen(QPointF pen) { pen_ = pen; }

    // The current font: the base font as the items so far have changed it.
    QFont font() const { return font_; }
    void setFont(const QFont &font) { font_ = font; }

    // When valid, every text is written on a box of this colour, so a report
    // written again over itself leaves the picture exactly as it was.
    void setTextBackground(const QColor &colour) { textBackground_ = colour; }

    // An EndDocument item. Unset, a paged device starts a new page before
    // anything else is written. Either way the pen goes to the top-left.
    std::function<void(QPainter &)> onEndDocument;

    // A ChartPicture item: draw the chart at pen(), for instance with
    // drawPicture(). Unset, the item is skipped.
    std::function<void(QPainter &)> onChartPicture;

private:
    void writeText(QPainter &painter, const QString &text);
    void tabTo(QPainter &painter, int column);
    void lineBreak(QPainter &painter);
    void endDocument(QPainter &painter);
    // Starts a new page when `height` does not fit below the pen.
    void makeRoomFor(QPainter &painter, qreal height);
    qreal lineHeight(QPainter &painter) const;

    QFont font_;
    NumberLocale locale_;
    QPointF pen_;
    QSizeF reach_;
    QColor textBackground_;
    bool pageBreakPending_ = false;
};

}   // namespace rotavex
