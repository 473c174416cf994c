#include "revision_table_model.h"

#include "entry/field_check.h"
#include "report/number_format.h"
#include "revision/revision_report.h"

namespace rotavex {

namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

// The text of one of the three columns typed in.
std::string &cellText(RevisionRow &row, int column)
{
    switch (column) {
    case RevisionTableModel::Weight: return row.weightPct;
    case RevisionTableModel::InitialIndex: return row.initialIndex;
    default: return row.finalIndex;
    }
}

}   // namespace

QString typedTextRefusal(Revision trial)
{
    // The price that typed weights need is asked for by the revision itself,
    // not held against the text just typed.
    if (isBlank(trial.price))
        trial.price = "1";
    const RevisionTermsReading reading = readRevisionTerms(trial);
    return reading.terms ? QString() : QString::fromStdString(reading.refusal) + QLatin1Char('.');
}

RevisionTableModel::RevisionTableModel(QString decimalSeparator, QObject *parent)
    : QAbstractTableModel(parent), separator_(std::move(decimalSeparator))
{
}

void RevisionTableModel::setRows(const Rows &rows)
{
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

void RevisionTableModel::setWeightsTyped(bool typed)
{
    if (typed == weightsTyped_)
        return;
    weightsTyped_ = typed;
    emit headerDataChanged(Qt::Horizontal, Weight, Weight);
    emit dataChanged(index(0, Weight), index(rowCount() - 1, Weight));
}

QString RevisionTableModel::figure(double value, int decimals) const
{
    return QString::fromStdString(formatGeneral(Round(value, decimals), 15, separator_.toStdString()));
}

void RevisionTableModel::showRevision(const RevisionTerms &terms, const RevisionOutcome &outcome,
                                      const std::array<std::optional<double>, RevisionItemCount> &weightsPct)
{
    for (std::size_t item = 0; item < RevisionItemCount; ++item) {
        shownWeights_[item] = weightsPct[item] ? figure(*weightsPct[item], 2) : QString();
        const ItemRevision &revised = outcome.items[item];
        ratios_[item] = outcome.done() && revised.ratio ? figure(*revised.ratio, 4) : QString();
        verdicts_[item] = outcome.done() ? QString::fromStdString(itemVerdict(terms, outcome, item)) : QString();
    }
    emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

int RevisionTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(RevisionItemCount);
}

int RevisionTableModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant RevisionTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    const std::size_t item = std::size_t(index.row());
    if (role == Qt::TextAlignmentRole)
        return QVariant(index.column() == Verdict ? Qt::AlignLeft | Qt::AlignVCenter
                                                  : Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::ToolTipRole)
        return QVariant();
    switch (index.column()) {
    case Weight: return weightsTyped_ ? QString::fromStdString(rows_[item].weightPct) : shownWeights_[item];
    case InitialIndex: return QString::fromStdString(rows_[item].initialIndex);
    case FinalIndex: return QString::fromStdString(rows_[item].finalIndex);
    case Ratio: return ratios_[item];
    case Verdict: return verdicts_[item];
    default: return QVariant();
    }
}

QVariant RevisionTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return fromView(revisionItems()[std::size_t(section)].label);
    switch (section) {
    case Weight: return weightsTyped_ ? QStringLiteral("Peso (%)") : QStringLiteral("Peso usado (%)");
    case InitialIndex: return fromView(RevisionColumnHeadings[2]);
    case FinalIndex: return fromView(RevisionColumnHeadings[3]);
    case Ratio: return QStringLiteral("Ratio");
    default: return QStringLiteral("¿Se revisa?");
    }
}

Qt::ItemFlags RevisionTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid()
        && (index.column() == InitialIndex || index.column() == FinalIndex
            || (index.column() == Weight && weightsTyped_)))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool RevisionTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const std::size_t item = std::size_t(index.row());
    const std::string typed = value.toString().trimmed().toStdString();
    if (cellText(rows_[item], index.column()) == typed)
        return true;
    Revision trial;
    trial.rows = rows_;
    cellText(trial.rows[item], index.column()) = typed;
    if (const QString refusal = typedTextRefusal(trial); !refusal.isEmpty()) {
        emit refused(refusal);
        return false;
    }
    cellText(rows_[item], index.column()) = typed;
    emit dataChanged(index, index);
    emit edited();
    return true;
}

}   // namespace rotavex
