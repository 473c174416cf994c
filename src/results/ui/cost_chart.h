#pragma once
// The cost-distribution chart of the results window: one labelled figure per
// cost item (a column by default; a bar, a slice or a point in the shape the
// user picks from its right-click menu), under its title (ChartTitle).

#include "chart/ui/chart_figure_labels.h"
#include "chart/ui/picture_chart_view.h"
#include "results/results_report.h"

#include <utility>
#include <vector>

class QAction;
class QMenu;
class QMimeData;

namespace rotavex {

inline const QString ChartTitle = QStringLiteral("Distribución de costes");

enum class ChartShape { VerticalBars, HorizontalBars, Pie, Lines };

// How the user asked the chart to look; it stays while the program runs.
struct ChartStyle {
    ChartShape shape = ChartShape::VerticalBars;
    bool legend = true;
    bool values = true;
};

class CostChart : public PictureChartView {
    Q_OBJECT
public:
    explicit CostChart(QWidget *parent = nullptr);

    // One column per item, in the given order, each in its own colour and
    // named in the legend, drawn in the current style. A screen reader reads
    // the chart's title as its name and the items with their amounts as its
    // description.
    void setData(const std::vector<ChartColumn> &columns);
    const std::vector<ChartColumn> &data() const { return columns_; }

    // Draws the data again in the given style; the menu follows.
    void setStyle(const ChartStyle &style);
    const ChartStyle &style() const { return style_; }

    // The menu shown on a right click: the shape, the legend and the values.
    QMenu *menu() const { return menu_; }

    // Styles the title and paints the chart again.
    void redraw();

    // The picture and the data in the clipboard's formats: an image, plain
    // text of "label<TAB>value" lines, text/csv and an HTML table.
    QMimeData *mimeData() override;

    QSize sizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void styleTitle();
    void buildMenu();
    void showStyleInMenu();
    void clear();
    void rebuild();
    void addBars();
    void addPie();
    void addLine();

    std::vector<ChartColumn> columns_;
    ChartStyle style_;
    QMenu *menu_ = nullptr;
    std::vector<std::pair<ChartShape, QAction *>> shapeActions_;
    QAction *legendAction_ = nullptr;
    QAction *valuesAction_ = nullptr;
    ChartFigureLabels figures_;
};

}   // namespace rotavex
