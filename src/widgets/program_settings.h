#pragma once
// What the program remembers from one run to the next, kept where the
// platform keeps a user's settings (on Linux, ~/.config/ROTAVEX/ROTAVEX
// 2018.conf, or under XDG_CONFIG_HOME).

#include "prompter.h"

#include <QSettings>

namespace rotavex {

inline const QString ProgramOrganisation = QStringLiteral("ROTAVEX");

inline QSettings programSettings() { return QSettings(ProgramOrganisation, ApplicationTitle); }

}   // namespace rotavex
