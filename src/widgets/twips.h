#pragma once
// The windows are designed in twips; fifteen of them make one
// device-independent pixel.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace rotavex {

constexpr int twips(int value) { return (value + 7) / 15; }

inline QRect twipRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

inline QPoint twipPoint(int left, int top) { return QPoint(twips(left), twips(top)); }
inline QSize twipSize(int width, int height) { return QSize(twips(width), twips(height)); }

}   // namespace rotavex
