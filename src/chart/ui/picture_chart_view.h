#pragma once
// A chart view whose chart also goes out as a picture: to the clipboard, or
// drawn into a printer's page. Each chart says what the clipboard gets.

#include <QChartView>
#include <QPixmap>

class QMimeData;

namespace rotavex {

class PictureChartView : public QChartView {
    Q_OBJECT
public:
    // A chart of the program's plain look: no animation, a square white
    // background edge to edge, a small legend of square markers, smooth
    // lines and no frame.
    explicit PictureChartView(QWidget *parent = nullptr);

    // The chart as it shows, at its size on the screen.
    QPixmap picture();

    // The chart as it shows, drawn straight into `box` of any painter (a
    // printer's page, say), so its lines and letters are as sharp as the
    // device can make them.
    void drawInto(QPainter &painter, const QRectF &box);

    // Empties the clipboard and puts mimeData() on it.
    void copyToClipboard();

    // The picture and the chart's figures in the clipboard's formats.
    virtual QMimeData *mimeData() = 0;

private:
    void layOutIfHidden();
};

}   // namespace rotavex
