#pragma once
// Lettering that must stay on one line in a fixed width (a label or field
// placed at its design size) keeps the window's face and shrinks in quarter
// points until it fits, down to five points.

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace rotavex {

inline QFont fontFitting(QFont font, const QString &text, int width)
{
    while (QFontMetrics(font).horizontalAdvance(text) > width && font.pointSizeF() > 5.0)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

}   // namespace rotavex
