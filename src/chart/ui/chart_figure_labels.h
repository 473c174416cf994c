#pragma once
// The amounts written past the end of each bar or beside each point of the
// charts. The chart's own labels would print the length a bar is drawn
// with, to seven digits, and put the figure of a negative bar on the side of
// nought where the positive ones stand.

#include <QFont>
#include <QObject>
#include <QPointF>
#include <QString>

#include <vector>

class QAbstractSeries;
class QChart;
class QGraphicsSimpleTextItem;

namespace rotavex {

struct ChartFigure {
    QPointF end;   // where its bar ends, or its point, in the series' values
    QString text;
    bool towardsNegatives = false;   // written on the side of the negative amounts
};

class ChartFigureLabels : public QObject {
public:
    explicit ChartFigureLabels(QChart *chart);

    // Writes each figure past the end of its bar: above it (or, towards the
    // negative amounts, below) where amounts grow along Qt::Vertical, right
    // of it (or left) along Qt::Horizontal. Turned, the figures read upwards.
    void show(QAbstractSeries *series, const std::vector<ChartFigure> &figures, Qt::Orientation growth, bool turned,
              const QFont &font);
    void clear();

private:
    void place();

    QChart *chart_;
    QAbstractSeries *series_ = nullptr;
    Qt::Orientation growth_ = Qt::Vertical;
    std::vector<ChartFigure> figures_;
    std::vector<QGraphicsSimpleTextItem *> labels_;
};

}   // namespace rotavex
