#pragma once
// grdServicios, the lot's table of services as a spreadsheet user works it:
// typing in a cell starts its editing, the arrows go from cell to cell, Tab
// goes on to the window's next control; Insert adds a service below the
// current one, Ctrl+Supr takes the selected ones away, Supr empties the
// selected cells, Ctrl+V pastes a spreadsheet's rows at the current cell
// and Ctrl+C copies the selected cells as such rows. The same commands are
// on its context menu.

#include <QTableView>

namespace rotavex {

class LotTableModel;

class ServicesTable : public QTableView {
    Q_OBJECT
public:
    explicit ServicesTable(LotTableModel *model, QWidget *parent = nullptr);

    void addService();
    void removeSelectedServices();
    void pasteRows();
    void copyCells();
    void clearCells();

private:
    QModelIndexList selectedOrCurrent() const;

    LotTableModel *model_;
};

}   // namespace rotavex
