#pragma once
// How the program's pictures (resources/pictures) are drawn from their art,
// the same way when the program is built (the pictures of the start are
// drawn in advance) and when it runs (any other size).

#include <QImage>
#include <QString>

namespace rotavex {

// The file of the drawing that serves an icon of `side` pixels: small icons
// are not the large ones scaled down, below a certain side they leave out
// details and enlarge the rest. `picture` is "application" or "observatory".
QString iconDrawingFile(const QString &picture, int side);

// The art of `artPath` drawn over a transparent image of `size`
// device-independent pixels at `ratio` device pixels to each: it keeps its
// proportions and is centred; art reaching beyond its own frame (the logo's
// sky and road) covers the rest of the image as well.
QImage drawPicture(const QString &artPath, QSize size, qreal ratio);

}   // namespace rotavex
