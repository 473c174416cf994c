#include "report_font.h"

namespace rotavex {

QFont reportFont(qreal points)
{
    // No style hint: with one, fontconfig prefers its default sans-serif
    // to the face that stands in for Arial. Setting "any style" explicitly
    // keeps a window's sans-serif hint from being inherited by a report area.
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::AnyStyle);
    font.setPointSizeF(points);
    return font;
}

} // namespace rotavex
