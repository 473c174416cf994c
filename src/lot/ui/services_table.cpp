#include "services_table.h"

#include "lot_table_model.h"

#include "widgets/prompter.h"
#include "widgets/twips.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHeaderView>

#include <algorithm>
#include <set>

namespace rotavex {

namespace {

// The widths of the columns: the lot's eight, then the four of the figures.
constexpr int ColumnWidths[] = {3300, 600, 750, 750, 750, 1500, 1500, 1500, 1650, 1350, 1350, 2400};

}   // namespace

ServicesTable::ServicesTable(LotTableModel *model, QWidget *parent) : QTableView(parent), model_(model)
{
    setObjectName(QStringLiteral("grdServicios"));
    setAccessibleName(QStringLiteral("Servicios del lote"));
    setModel(model_);
    setTabKeyNavigation(false);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setSelectionMode(QAbstractItemView::ContiguousSelection);
    setMinimumHeight(twips(1800));
    QHeaderView *header = horizontalHeader();
    for (int column = 0; column < model_->columnCount(); ++column)
        header->resizeSection(column, twips(ColumnWidths[column]));
    header->setStretchLastSection(true);
    header->setHighlightSections(false);
    verticalHeader()->setDefaultSectionSize(twips(285));
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    struct Command {
        const char *caption;
        QKeySequence keys;
        void (ServicesTable::*run)();
    };
    const Command commands[] = {
        {"Añadir servicio", QKeySequence(Qt::Key_Insert), &ServicesTable::addService},
        {"Quitar servicio", QKeySequence(Qt::CTRL | Qt::Key_Delete), &ServicesTable::removeSelectedServices},
        {"Pegar filas", QKeySequence(QKeySequence::Paste), &ServicesTable::pasteRows},
        {"Copiar celdas", QKeySequence(QKeySequence::Copy), &ServicesTable::copyCells},
        {"Vaciar celdas", QKeySequence(QKeySequence::Delete), &ServicesTable::clearCells},
    };
    for (const Command &command : commands) {
        auto *action = new QAction(QString::fromUtf8(command.caption), this);
        action->setShortcut(command.keys);
        // Only while the table itself has the focus: a cell's editor keeps
        // these keys for its text.
        action->setShortcutContext(Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this, command.run);
        addAction(action);
    }
    setContextMenuPolicy(Qt::ActionsContextMenu);
}

QModelIndexList ServicesTable::selectedOrCurrent() const
{
    QModelIndexList cells = selectionModel()->selectedIndexes();
    if (cells.isEmpty() && currentIndex().isValid())
        cells << currentIndex();
    return cells;
}

void ServicesTable::addService()
{
    const QModelIndex current = currentIndex();
    const int row = current.isValid() ? current.row() + 1 : model_->rowCount();
    model_->insertServices(row, 1);
    setCurrentIndex(model_->index(row, 0));
    setFocus();
}

void ServicesTable::removeSelectedServices()
{
    std::set<int> rows;
    for (const QModelIndex &cell : selectedOrCurrent())
        rows.insert(cell.row());
    if (rows.empty())
        return;
    // The selection is contiguous: one block of rows.
    const int first = *rows.begin();
    model_->removeServices(first, *rows.rbegin() - first + 1);
    if (model_->rowCount() > 0)
        setCurrentIndex(model_->index(std::min(first, model_->rowCount() - 1), 0));
    setFocus();
}

void ServicesTable::pasteRows()
{
    const QString message = model_->paste(currentIndex(), QGuiApplication::clipboard()->text());
    if (!message.isEmpty())
        prompter().inform(message);
}

void ServicesTable::copyCells()
{
    const QModelIndexList cells = selectedOrCurrent();
    if (!cells.isEmpty())
        QGuiApplication::clipboard()->setText(model_->copy(cells));
}

void ServicesTable::clearCells() { model_->clearCells(selectionModel()->selectedIndexes()); }

}   // namespace rotavex
