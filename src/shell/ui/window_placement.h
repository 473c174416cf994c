#pragma once
// Window measures are kept in twips, as the windows were designed;
// 15 twips make one device-independent pixel.

#include <QRect>
#include <QSize>

class QWidget;

namespace rotavex {

constexpr int pixelsFromTwips(int twips) { return twips / 15; }

inline QRect rectFromTwips(int left, int top, int width, int height)
{
    return QRect(pixelsFromTwips(left), pixelsFromTwips(top), pixelsFromTwips(width), pixelsFromTwips(height));
}

inline QSize sizeFromTwips(int width, int height)
{
    return QSize(pixelsFromTwips(width), pixelsFromTwips(height));
}

// Gives a top-level window a fixed client area of `clientSize` and centres its
// frame on the screen it is on (the primary one before it is shown).
void fixAndCentreOnScreen(QWidget *window, QSize clientSize);

} // namespace rotavex
