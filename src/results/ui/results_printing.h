#pragma once
// cmdPrintres: the printed results with their date stamp and the chart.

#include "model/workspace.h"

#include <QString>

namespace rotavex {

class ChartPictureArea;
class CostChart;

// Prints what the workspace holds in the layout of its ServiceMode, stamped
// with the moment of printing: the full service as two documents (the text,
// then the chart alone), unit costs as one with the chart below the text.
// The chart's picture goes to the clipboard, which keeps it, and from there
// into the picture area; the chart is drawn on the page in its size on the
// screen, at the printer's resolution.
void printResults(const PricedStudy &ws, const QString &kmText, const QString &vacioText, CostChart &chart,
                  ChartPictureArea &pictureArea);

}   // namespace rotavex
