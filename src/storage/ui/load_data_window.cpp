#include "load_data_window.h"

#include "widgets/twips.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace rotavex {

LoadDataWindow::LoadDataWindow(DataFileAction loadFrom, QWidget *parent)
    : DataFileWindow(QStringLiteral("CargarD"), QStringLiteral("Cargar "), std::move(loadFrom), parent)
{
    setObjectName(QStringLiteral("frmCargar"));
    setWindowTitle(QStringLiteral("Cargar datos personalizados"));
    setFixedSize(twipSize(6690, 4785));
    openFolder(QDir::currentPath());
    // The window opens naming its folder, which names no file to load.
    nameField()->setText(folder());
    setFocusOrder({cancelButton(), actionButton(), nameField(), folderList(), driveList(), fileList()});
}

// After a change of folder no file is selected, so there is no name.
QString LoadDataWindow::nameAfterFolderChange(bool) const { return QString(); }

void openLoadWindow(QWidget *parent, DataFileAction loadFrom)
{
    LoadDataWindow window(std::move(loadFrom), parent);
    window.exec();
}

}   // namespace rotavex
