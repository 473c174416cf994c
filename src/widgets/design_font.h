#pragma once
// The windows are drawn in the platform's sans-serif at the sizes they were
// designed for: 8.25 points, bold on the toolbar and a few buttons.

#include <QApplication>
#include <QFont>

namespace rotavex {

inline QFont designFont(bool bold = false, qreal points = 8.25)
{
    QFont font = QApplication::font();
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

}   // namespace rotavex
