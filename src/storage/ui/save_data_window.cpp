#include "save_data_window.h"

#include "widgets/twips.h"
#include "widgets/window_placement.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace rotavex {

SaveDataWindow::SaveDataWindow(DataFileAction saveTo, QWidget *parent)
    : DataFileWindow(QStringLiteral("GuardarD"), QStringLiteral("Guardar"), std::move(saveTo), parent)
{
    setObjectName(QStringLiteral("frmGuardarD"));
    setWindowTitle(QStringLiteral("Guardar datos personalizados"));
    fixAndCentreOnScreen(this, twipSize(6675, 4845));
    openFolder(QDir::currentPath());
    // The window opens with no name, even at the root of a volume.
    nameField()->clear();
    setFocusOrder({fileList(), driveList(), folderList(), nameField(), actionButton(), cancelButton()});
}

// Saving offers the root of a volume by its text; any other folder empties
// the name.
QString SaveDataWindow::nameAfterFolderChange(bool volumeRoot) const { return volumeRoot ? folder() : QString(); }

void openSaveWindow(QWidget *parent, DataFileAction saveTo)
{
    SaveDataWindow window(std::move(saveTo), parent);
    window.exec();
}

}   // namespace rotavex
