#pragma once
// The large bold lettering of the splash and About windows.

#include <QFont>

namespace rotavex {

inline QFont largeBoldFont(QFont font)
{
    font.setPointSizeF(15.75);
    font.setBold(true);
    return font;
}

}   // namespace rotavex
