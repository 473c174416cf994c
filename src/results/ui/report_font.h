#pragma once

#include <QFont>

namespace rotavex {

// The face reports are written in, on screen and on paper: Arial where the
// system has it or a face with its metrics (Liberation Sans, Nimbus Sans),
// else the platform sans-serif. Wider faces such as DejaVu Sans run the
// longest labels of the results report past their tab column, which drops
// the amount to the next line.
QFont reportFont(qreal points);

} // namespace rotavex
