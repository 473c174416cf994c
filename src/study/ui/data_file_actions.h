#pragma once
// What the main window runs behind the save and load windows: the study
// saves and loads itself, and the user is told why when it could not.

#include <QString>

namespace rotavex {

class CostStudy;

// Saves the study's data file at path. DataSaved becomes true only when the
// file was written; otherwise the user is told why it was not.
bool saveStudy(const QString &path, CostStudy &study);

// Loads the data file at path into the study, the groups it saved as
// "Observatorio" emptied; or tells the user why not: what kept it from being
// read, or that a file that was read is not one of ours (no mark, or too big).
bool loadStudy(const QString &path, CostStudy &study);

// What the user is told when a file could not be saved or read, and why.
QString saveFailedMessage(const QString &path, const QString &cause);
QString loadFailedMessage(const QString &path, const QString &cause);

}   // namespace rotavex
