#pragma once
// The items of a price revision as a table: each item's weight, its initial
// and final index as typed, and what the last revision made of it, its ratio
// and whether it was revised or why not. The indices can always be typed; the
// weights only when the revision takes typed weights, otherwise the column
// shows the weights the formula used. Each new text is checked with the rest
// of the revision, and a text refused leaves the cell as it was.

#include "revision/revision_formula.h"

#include <QAbstractTableModel>

#include <array>
#include <optional>

namespace rotavex {

class RevisionTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Weight, InitialIndex, FinalIndex, Ratio, Verdict };
    static constexpr int ColumnCount = 5;
    using Rows = std::array<RevisionRow, RevisionItemCount>;

    explicit RevisionTableModel(QString decimalSeparator, QObject *parent = nullptr);

    const Rows &rows() const { return rows_; }
    void setRows(const Rows &rows);
    bool weightsTyped() const { return weightsTyped_; }
    void setWeightsTyped(bool typed);

    // What a revision made of the items; weights in percent of the price,
    // none where there is nothing to show.
    void showRevision(const RevisionTerms &terms, const RevisionOutcome &outcome,
                      const std::array<std::optional<double>, RevisionItemCount> &weightsPct);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A text the check refuses is not taken: `refused` says why.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

signals:
    void edited();   // a text changed
    void refused(const QString &message);

private:
    QString figure(double value, int decimals) const;

    Rows rows_;
    bool weightsTyped_ = true;
    QString separator_;
    std::array<QString, RevisionItemCount> shownWeights_, ratios_, verdicts_;
};

// Why the text just typed into one of the revision's fields or cells cannot
// stand, as the revision files word their refusals ("Combustible, Índice
// inicial: «0» debe ser mayor que cero."); empty when it can. `trial` is the
// revision with that text in place, every other text as it was accepted.
QString typedTextRefusal(Revision trial);

}   // namespace rotavex
