#include "report_font.h"

#include <QStringList>

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

QFont reportAreaFont(qreal points)
{
    QFont font;
    font.setFamilies(QStringList() << QStringLiteral("Arial Narrow") << QStringLiteral("Liberation Sans Narrow")
                                   << QStringLiteral("Nimbus Sans Narrow") << QStringLiteral("Arial"));
    font.setStyleHint(QFont::AnyStyle);
    font.setPointSizeF(points);
    // Set, not inherited: the check window's own font is bold.
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

}   // namespace rotavex
