#pragma once
// The program's pictures, painted in code so that they stay sharp at any size
// and screen density: the logo of the splash and About windows, the small
// emblem of the splash, the application icon and the observatory window's icon.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace rotavex {

// The logo fills the whole of `size`; its drawing keeps its proportions and
// is centred, only the background stretches.
QPixmap logoPicture(QSize size);

// A round badge (coach front on a blue disc with a gold ring), centred in `size`.
QPixmap emblemPicture(QSize size);

// Window icon of the main window, the help window and the message boxes.
QIcon applicationIcon();

// Window icon of the observatory averages window: a small table with a chart.
QIcon observatoryIcon();

} // namespace rotavex
