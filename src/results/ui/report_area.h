#pragma once
// A picture area that receives reports at a movable pen: what is written
// goes into a retained image, which painting shows, so the drawing survives
// being covered, and which can be handed out as a picture.

#include "report_painter.h"

#include <QImage>
#include <QWidget>

#include <vector>

namespace rotavex {

class ReportArea : public QWidget {
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

    // The drawing as the area shows it.
    QImage picture() const;

    // Empties the clipboard and puts the drawing on it as a picture and, when
    // given, the same report as plain text, for pasting where pictures go and
    // where only text goes.
    void copyToClipboard(const QString &text = QString()) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    QColor background() const;
    void growImageToWidget();

    QImage image_;
    ReportPainter painter_;
    std::vector<Report> written_;
};

}   // namespace rotavex
