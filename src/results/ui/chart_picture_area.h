#pragma once
// pctGraf, the area beneath the results chart that keeps the chart picture
// of the last printout; the printout takes the picture from here. It shows
// the picture as its background, which the chart covers.

#include <QImage>
#include <QWidget>

namespace rotavex {

class ChartPictureArea : public QWidget {
    Q_OBJECT
public:
    explicit ChartPictureArea(QWidget *parent = nullptr);

    void hold(const QImage &picture);
    const QImage &picture() const { return picture_; }   // null before the first printout

private:
    QImage picture_;
};

}   // namespace rotavex
