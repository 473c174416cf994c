#pragma once
// frmCargar: chooses the data file that is read.

#include "data_file_window.h"

namespace rotavex {

class LoadDataWindow final : public DataFileWindow {
    Q_OBJECT
public:
    explicit LoadDataWindow(DataFileAction loadFrom, QWidget *parent = nullptr);

private:
    QString nameAfterFolderChange(bool volumeRoot) const override;
};

// Opens the window modally; it is gone when this returns.
void openLoadWindow(QWidget *parent, DataFileAction loadFrom);

}   // namespace rotavex
