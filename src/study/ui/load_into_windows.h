#pragma once

#include <QString>

namespace rotavex {

class CostStudy;
class InputWindows;

// "Cargar ": loads the data file at path into the data windows. The class
// and service-mode options are chosen as a click would choose them; groups
// switched to the observatory keep what they show. False, after telling the
// user, when the file is not a data file.
bool loadIntoWindows(const QString &path, CostStudy &study, InputWindows &inputs);

}   // namespace rotavex
