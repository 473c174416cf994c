#pragma once
// The program's pictures, drawn as scalable art built into the program (see
// resources/pictures): the logo of the splash and About windows, the small
// emblem of the splash, the application icon and the observatory window's icon.
// Each picture is drawn only when first asked for at a given size.

#include <QIcon>
#include <QPixmap>
#include <QSize>

namespace rotavex {

// The logo fills the whole of `size`; its drawing keeps its proportions and
// is centred, only the sky and the road stretch.
QPixmap logoPicture(QSize size);

// A round badge (coach front on a blue disc with a gold ring), centred in `size`.
QPixmap emblemPicture(QSize size);

// Window icon of the main window, the help window and the message boxes.
QIcon applicationIcon();

// Window icon of the observatory averages window: a small table with a chart.
QIcon observatoryIcon();

}   // namespace rotavex
