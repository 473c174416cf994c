#include "reference_table_model.h"

#include "entry/field_check.h"
#include "storage/failure_causes.h"

#include <charconv>

namespace rotavex {

namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

}   // namespace

QString quantityHeading(Quantity quantity)
{
    const ReferenceQuantity &q = referenceQuantity(quantity);
    return QStringLiteral("%1 (%2)").arg(fromView(q.label), fromView(q.unit));
}

QString referenceValueText(double value, const QString &decimalSeparator)
{
    char buffer[64];
    const std::to_chars_result written = std::to_chars(buffer, buffer + sizeof buffer, value);
    QString text = QString::fromLatin1(buffer, written.ptr - buffer);
    text.replace(QLatin1Char('.'), decimalSeparator);
    return text;
}

CellReading readReferenceCell(Quantity quantity, int busClass, const QString &text)
{
    const QString typed = text.trimmed();
    const std::string bytes = typed.toStdString();
    std::optional<std::string> refusal;
    const std::optional<double> value = checkedFieldValue(bytes);
    if (!isNumberText(bytes))
        refusal = "no es un número";
    else if (!value)
        refusal = "no puede ser negativo";   // the only number the field check refuses
    else
        refusal = quantityRefusal(quantity, *value);
    if (!refusal)
        return {value, QString()};
    return {std::nullopt,
            QStringLiteral("%1, %2: «%3» %4.")
                .arg(fromView(referenceQuantity(quantity).label), QString::fromStdString(classHeading(busClass)),
                     QString::fromStdString(shownValue(bytes)), QString::fromStdString(*refusal))};
}

ReferenceTableModel::ReferenceTableModel(QString decimalSeparator, QObject *parent)
    : QAbstractTableModel(parent), set_(*builtInReferenceSet()), separator_(std::move(decimalSeparator))
{
}

void ReferenceTableModel::showSet(const ReferenceSet &set, bool editable)
{
    beginResetModel();
    set_ = set;
    editable_ = editable;
    endResetModel();
}

int ReferenceTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(QuantityCount); }

int ReferenceTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(set_.classes.size());
}

QVariant ReferenceTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return referenceValueText(quantityValue(set_.of(busClassOf(index.column())), quantityOf(index.row())),
                                  separator_);
    case Qt::TextAlignmentRole: return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default: return QVariant();
    }
}

QVariant ReferenceTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Horizontal)
        return QString::fromStdString(classHeading(busClassOf(section)));
    return quantityHeading(quantityOf(section));
}

Qt::ItemFlags ReferenceTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (editable_ && index.isValid())
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool ReferenceTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!editable_ || !index.isValid() || role != Qt::EditRole)
        return false;
    const Quantity quantity = quantityOf(index.row());
    const int busClass = busClassOf(index.column());
    const CellReading reading = readReferenceCell(quantity, busClass, value.toString());
    if (!reading.value) {
        emit refused(reading.refusal);
        return false;
    }
    ObservatoryValues &values = set_.classes[std::size_t(busClass - 1)];
    ObservatoryValues changed = values;
    setQuantityValue(changed, quantity, *reading.value);
    // The text of the value shown, written again or in other words
    // ("2328,75" for "2328.750"), changes nothing.
    if (quantityValue(changed, quantity) == quantityValue(values, quantity))
        return true;
    values = changed;
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    emit edited();
    return true;
}

}   // namespace rotavex
