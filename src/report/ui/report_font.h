#pragma once

#include <QFont>

namespace rotavex {

// The face reports are written in, on screen and on paper: Arial where the
// system has it or a face with its metrics (Liberation Sans, Nimbus Sans),
// else the platform sans-serif. Wider faces such as DejaVu Sans run the
// longest labels of the results report past their tab column, which drops
// the amount to the next line.
QFont reportFont(qreal points);

// The face of the report areas on screen: the narrow cut of the same face
// (Arial Narrow or a face with its metrics), so that the longest lines of a
// report fit the width the windows give their report areas.
QFont reportAreaFont(qreal points);

}   // namespace rotavex
