#pragma once
#include "twips.h"

class QWidget;

namespace rotavex {

// Gives a top-level window a fixed client area of `clientSize` and centres its
// frame on the screen it is on (the primary one before it is shown).
void fixAndCentreOnScreen(QWidget *window, QSize clientSize);

}   // namespace rotavex
