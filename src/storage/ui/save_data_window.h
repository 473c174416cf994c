#pragma once
// frmGuardarD: chooses where the data file is written.

#include "data_file_window.h"

namespace rotavex {

class SaveDataWindow final : public DataFileWindow {
    Q_OBJECT
public:
    explicit SaveDataWindow(DataFileAction saveTo, QWidget *parent = nullptr);

private:
    QString nameAfterFolderChange(bool volumeRoot) const override;
};

// Opens the window modally; it is gone when this returns.
void openSaveWindow(QWidget *parent, DataFileAction saveTo);

}   // namespace rotavex
