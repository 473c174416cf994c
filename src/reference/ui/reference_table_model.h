#pragma once
// A set of reference values as a table: the thirteen quantities down, the
// four bus classes across, each value written as the shortest text that
// reads back to it, with the user's decimal separator. A set of the user's
// own can be changed cell by cell; each new text is checked as the data
// fields check theirs, and a text refused leaves the cell as it was.

#include "model/observatory_values.h"
#include "reference/reference_values.h"

#include <QAbstractTableModel>

#include <optional>

namespace rotavex {

class ReferenceTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit ReferenceTableModel(QString decimalSeparator, QObject *parent = nullptr);

    void showSet(const ReferenceSet &set, bool editable);
    const ReferenceSet &set() const { return set_; }
    bool editable() const { return editable_; }
    void rename(const std::string &name) { set_.name = name; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A text the check refuses is not taken: `refused` says why.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    static Quantity quantityOf(int row) { return referenceQuantities()[std::size_t(row)].quantity; }
    static int busClassOf(int column) { return column + 1; }

signals:
    void edited();   // a value changed
    void refused(const QString &message);

private:
    ReferenceSet set_;
    bool editable_ = false;
    QString separator_;
};

// "Horas anuales del conductor (horas/año)", as a row is headed.
QString quantityHeading(Quantity quantity);

// The value as its cell shows it.
QString referenceValueText(double value, const QString &decimalSeparator);

// What a cell's text stands for: its value, or the message that says why
// the quantity cannot take it ("Horas anuales del conductor, Clase 2: «0»
// debe ser mayor que cero."). A point or a comma is the decimal separator.
struct CellReading {
    std::optional<double> value;
    QString refusal;
};
CellReading readReferenceCell(Quantity quantity, int busClass, const QString &text);

}   // namespace rotavex
