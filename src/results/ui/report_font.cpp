#include "report_font.h"

namespace rotavex {

QFont reportFont(qreal points)
{
    // No style hint: with one, fontconfig prefers its default sans-serif
    // to the face that stands in for Arial.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    return font;
}

} // namespace rotavex
