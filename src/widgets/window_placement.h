#pragma once
#include "twips.h"

class QWidget;

namespace rotavex {

// Gives a top-level window a fixed client area of `clientSize` and centres its
// frame on the screen it is on (the primary one before it is shown). On a
// screen too small for it, the window takes no more than the screen's free
// area, and its scrolling children (a report area, say) are cut to the
// window when it shows, so that they scroll what no longer fits.
void fixAndCentreOnScreen(QWidget *window, QSize clientSize);

// Gives a resizable top-level window a client area of `clientSize`, or of
// as much of it as the screen's free area holds, and centres its frame
// there, so that its title bar and its edges are all on the screen.
void sizeAndCentreOnScreen(QWidget *window, QSize clientSize);

}   // namespace rotavex
