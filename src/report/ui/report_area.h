#pragma once
// A picture area that receives reports at a movable pen: what is written
// goes into a retained image, which painting shows, so the drawing survives
// being covered, and which can be handed out as a picture. The image has the
// screen's pixel density, so the report is as sharp as the labels beside it.
// A report taller or wider than the area scrolls, with the wheel, the keys or
// the scroll bars that appear only then, so every line of it can be read.
// The area also keeps what it shows as text, for screen readers and for the
// clipboard.

#include "report_painter.h"

#include <QAbstractScrollArea>
#include <QImage>

#include <vector>

namespace rotavex {

class ReportArea : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit ReportArea(QWidget *parent = nullptr);
    // At its place in the parent, with its drawing of that size from the start.
    ReportArea(const QRect &place, QWidget *parent);

    // Writes the report at the pen, starting in the area's font, which the
    // report's own font items then change; the pen stays where the report
    // ends, the area's font stays as it was.
    void write(const Report &report);

    // Empties the area and moves the pen to the top-left corner.
    void clear();
    void movePenToTopLeft();

    // The reports written since the area was last cleared, in order.
    const std::vector<Report> &written() const { return written_; }
    QPointF pen() const { return painter_.pen(); }

    // The reports written since the area was last cleared, as text whose
    // figures line up in columns; empty when nothing is written.
    const QString &text() const { return text_; }

    // The whole drawing: the part the area shows and, when the reports reach
    // beyond it, the rest they need, at the screen's pixel density.
    QImage picture() const;

    // Empties the clipboard and puts the drawing on it as a picture and, when
    // something is written, the same reports as text, for pasting where
    // pictures go and where only text goes.
    void copyToClipboard() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QColor background() const;
    QSize drawingSize() const;
    void growImageToDrawing();
    void updateScrollBars();
    void setText(QString text);

    QImage image_;
    ReportPainter painter_;
    QSize reach_;   // how far the reports written since the last clear reach
    std::vector<Report> written_;
    QString text_;
};

}   // namespace rotavex
