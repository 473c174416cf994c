#include "lot_table_model.h"

#include "entry/field_check.h"
#include "report/number_format.h"
#include "storage/failure_causes.h"
#include "storage/spreadsheet_cells.h"

#include <QBrush>
#include <QColor>

#include <algorithm>

namespace rotavex {

namespace {

QString fromView(std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QString columnHeading(int column)
{
    if (LotTableModel::isLotColumn(column))
        return fromView(lotColumnHeading(LotColumn(column)));
    return lotResultHeading(LotResultColumn(column - int(LotColumnCount)));
}

// So many refused cells are named in a paste's message; the rest are counted.
constexpr int NamedRefusals = 8;

}   // namespace

QString lotResultHeading(LotResultColumn column)
{
    switch (column) {
    case LotResultColumn::ServiceCost: return QStringLiteral("Coste del servicio");
    case LotResultColumn::AnnualCost: return QStringLiteral("Coste anual");
    case LotResultColumn::OfferDeviation: return QStringLiteral("Desviación (%)");
    case LotResultColumn::Remark: return QStringLiteral("Observaciones");
    }
    return QString();
}

bool isLotNumberColumn(LotColumn column) { return column != LotColumn::Name && column != LotColumn::DataFile; }

std::vector<QStringList> tabSeparatedCells(const QString &text)
{
    std::vector<QStringList> rows;
    QStringList row;
    QString cell;
    bool cellStarts = true;
    const qsizetype size = text.size();
    auto endsCell = [&](qsizetype at) {
        return at == size || text[at] == QLatin1Char('\t') || text[at] == QLatin1Char('\n')
               || text[at] == QLatin1Char('\r');
    };
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (cellStarts && c == QLatin1Char('"')) {
            QString quoted;
            qsizetype at = i + 1;
            bool closed = false;
            for (; at < size; ++at) {
                if (text[at] != QLatin1Char('"')) {
                    quoted += text[at];
                } else if (at + 1 < size && text[at + 1] == QLatin1Char('"')) {
                    quoted += QLatin1Char('"');
                    ++at;
                } else {
                    closed = true;
                    ++at;
                    break;
                }
            }
            // A quote that does not close the cell is a letter of it.
            if (closed && endsCell(at)) {
                cell = quoted;
                cellStarts = false;
                i = at - 1;
                continue;
            }
        }
        cellStarts = false;
        if (c == QLatin1Char('\t')) {
            row << cell;
            cell.clear();
            cellStarts = true;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < size && text[i + 1] == QLatin1Char('\n'))
                ++i;
            row << cell;
            rows.push_back(row);
            row.clear();
            cell.clear();
            cellStarts = true;
        } else {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty())
        rows.push_back(row << cell);
    return rows;
}

QString tabSeparatedText(const std::vector<QStringList> &rows)
{
    std::string text;
    for (const QStringList &row : rows) {
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i)
                text += '\t';
            appendCsvCell(text, row[i].toStdString(), '\t');
        }
        text += '\n';
    }
    return QString::fromStdString(text);
}

LotTableModel::LotTableModel(QString decimalSeparator, QObject *parent)
    : QAbstractTableModel(parent), separator_(std::move(decimalSeparator))
{
}

void LotTableModel::showServices(std::vector<LotService> services)
{
    beginResetModel();
    services_ = std::move(services);
    pricing_.reset();
    endResetModel();
}

void LotTableModel::showPricing(LotPricing pricing)
{
    pricing_ = std::move(pricing);
    if (!services_.empty())
        emit dataChanged(index(0, int(LotColumnCount)), index(rowCount() - 1, columnCount() - 1));
}

void LotTableModel::clearPricing()
{
    if (!pricing_)
        return;
    pricing_.reset();
    if (!services_.empty())
        emit dataChanged(index(0, int(LotColumnCount)), index(rowCount() - 1, columnCount() - 1));
}

void LotTableModel::changed()
{
    clearPricing();
    emit edited();
}

void LotTableModel::insertServices(int row, int count)
{
    row = std::clamp(row, 0, rowCount());
    if (count <= 0)
        return;
    beginInsertRows(QModelIndex(), row, row + count - 1);
    services_.insert(services_.begin() + row, std::size_t(count), LotService{});
    endInsertRows();
    changed();
}

void LotTableModel::removeServices(int row, int count)
{
    count = std::min(count, rowCount() - row);
    if (row < 0 || count <= 0)
        return;
    beginRemoveRows(QModelIndex(), row, row + count - 1);
    services_.erase(services_.begin() + row, services_.begin() + row + count);
    endRemoveRows();
    changed();
}

void LotTableModel::clearCells(const QModelIndexList &cells)
{
    bool any = false;
    for (const QModelIndex &cell : cells) {
        if (!cell.isValid() || !isLotColumn(cell.column()))
            continue;
        std::string &text = services_[std::size_t(cell.row())][LotColumn(cell.column())];
        if (text.empty())
            continue;
        text.clear();
        any = true;
        emit dataChanged(cell, cell, {Qt::DisplayRole, Qt::EditRole});
    }
    if (any)
        changed();
}

std::optional<std::string> LotTableModel::checkedCell(LotColumn column, const QString &text, QString &message)
{
    if (!isLotNumberColumn(column))
        return text.toStdString();
    // The cell keeps the number as typed, decimal comma and all: the lot's
    // file and its pricing read either separator.
    const std::string typed = text.trimmed().toStdString();
    const FieldCheckOutcome outcome = CheckNumericField(typed, false);
    if (outcome.message) {
        message = fromView(*outcome.message);
        return std::nullopt;
    }
    return typed;
}

QString LotTableModel::paste(const QModelIndex &at, const QString &text)
{
    std::vector<QStringList> rows = tabSeparatedCells(text);
    const int firstRow = at.isValid() ? at.row() : 0;
    const int firstColumn = at.isValid() ? at.column() : 0;
    if (!isLotColumn(firstColumn))
        return QStringLiteral("Las filas se pegan en las columnas del lote, de «%1» a «%2».")
            .arg(columnHeading(0), columnHeading(int(LotColumnCount) - 1));
    // A spreadsheet's block copied with its column names.
    if (!rows.empty()) {
        const QStringList &first = rows.front();
        bool headings = true;
        for (qsizetype i = 0; i < first.size() && headings; ++i)
            headings = first[i].trimmed() == columnHeading(firstColumn + int(i));
        if (headings)
            rows.erase(rows.begin());
    }
    if (rows.empty())
        return QString();
    const int needed = firstRow + int(rows.size()) - rowCount();
    if (needed > 0) {
        beginInsertRows(QModelIndex(), rowCount(), rowCount() + needed - 1);
        services_.resize(services_.size() + std::size_t(needed));
        endInsertRows();
    }
    QString firstMessage;
    QStringList refusals;
    int lastColumn = firstColumn;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        LotService &service = services_[std::size_t(firstRow) + r];
        for (qsizetype c = 0; c < rows[r].size() && isLotColumn(firstColumn + int(c)); ++c) {
            const auto column = LotColumn(firstColumn + int(c));
            QString message;
            if (std::optional<std::string> taken = checkedCell(column, rows[r][c], message)) {
                service[column] = std::move(*taken);
                lastColumn = std::max(lastColumn, int(column));
                continue;
            }
            if (firstMessage.isEmpty())
                firstMessage = message;
            refusals << QStringLiteral("fila %1, %2 «%3»")
                            .arg(firstRow + int(r) + 1)
                            .arg(columnHeading(int(column)),
                                 QString::fromStdString(shownValue(rows[r][c].trimmed().toStdString())));
        }
    }
    emit dataChanged(index(firstRow, firstColumn), index(firstRow + int(rows.size()) - 1, lastColumn),
                     {Qt::DisplayRole, Qt::EditRole});
    changed();
    if (refusals.isEmpty())
        return QString();
    const qsizetype unnamed = refusals.size() - NamedRefusals;
    if (unnamed > 0) {
        refusals = refusals.mid(0, NamedRefusals);
        refusals << QStringLiteral("y %1 más").arg(unnamed);
    }
    return QStringLiteral("%1 Estas celdas no se han pegado: %2.")
        .arg(firstMessage, refusals.join(QStringLiteral("; ")));
}

QString LotTableModel::copy(const QModelIndexList &cells) const
{
    if (cells.isEmpty())
        return QString();
    int top = rowCount(), bottom = -1, left = columnCount(), right = -1;
    for (const QModelIndex &cell : cells) {
        top = std::min(top, cell.row());
        bottom = std::max(bottom, cell.row());
        left = std::min(left, cell.column());
        right = std::max(right, cell.column());
    }
    std::vector<QStringList> rows;
    for (int row = top; row <= bottom; ++row) {
        QStringList texts;
        for (int column = left; column <= right; ++column)
            texts << (cells.contains(index(row, column)) ? index(row, column).data().toString() : QString());
        rows.push_back(texts);
    }
    return tabSeparatedText(rows);
}

int LotTableModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(services_.size()); }

int LotTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(LotColumnCount) + LotResultColumnCount;
}

QString LotTableModel::resultText(const ServicePricing &service, LotResultColumn column) const
{
    const std::string separator = separator_.toStdString();
    if (column == LotResultColumn::Remark) {
        if (!service.accepted())
            return QString::fromStdString(service.error);
        if (service.flagged)
            return QStringLiteral("Fuera de la tolerancia (±%1 %)")
                .arg(QString::fromStdString(formatGeneral(pricing_->tolerancePct, 7, separator)));
        return QString();
    }
    if (!service.accepted())
        return QString();
    switch (column) {
    case LotResultColumn::ServiceCost:
        return QString::fromStdString(formatAmount(service.study.ServiceTotal, separator));
    case LotResultColumn::AnnualCost: return QString::fromStdString(formatAmount(service.annualCost(), separator));
    case LotResultColumn::OfferDeviation:
        return service.offerDeviationPct ? QString::fromStdString(formatAmount(*service.offerDeviationPct, separator))
                                         : QString();
    case LotResultColumn::Remark: break;
    }
    return QString();
}

QVariant LotTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return QVariant();
    const int column = index.column();
    if (isLotColumn(column)) {
        switch (role) {
        case Qt::DisplayRole:
        case Qt::EditRole: return QString::fromStdString(services_[std::size_t(index.row())][LotColumn(column)]);
        case Qt::TextAlignmentRole:
            return QVariant(isLotNumberColumn(LotColumn(column)) ? Qt::AlignRight | Qt::AlignVCenter
                                                                 : Qt::AlignLeft | Qt::AlignVCenter);
        default: return QVariant();
        }
    }
    if (!pricing_ || std::size_t(index.row()) >= pricing_->services.size())
        return QVariant();
    const ServicePricing &service = pricing_->services[std::size_t(index.row())];
    const auto result = LotResultColumn(column - int(LotColumnCount));
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole: return resultText(service, result);
    case Qt::TextAlignmentRole:
        return QVariant(result == LotResultColumn::Remark ? Qt::AlignLeft | Qt::AlignVCenter
                                                          : Qt::AlignRight | Qt::AlignVCenter);
    case Qt::ForegroundRole:
        if (result == LotResultColumn::Remark && (!service.accepted() || service.flagged))
            return QBrush(QColor(0xa0, 0, 0));
        return QVariant();
    default: return QVariant();
    }
}

QVariant LotTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role == Qt::ToolTipRole && orientation == Qt::Horizontal
        && section == int(LotColumnCount) + int(LotResultColumn::OfferDeviation))
        return QStringLiteral("Desviación del precio ofertado respecto al coste del servicio con el beneficio");
    if (role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (orientation == Qt::Vertical)
        return section + 1;
    return columnHeading(section);
}

Qt::ItemFlags LotTableModel::flags(const QModelIndex &index) const
{
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && isLotColumn(index.column()))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool LotTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || !isLotColumn(index.column()))
        return false;
    const auto column = LotColumn(index.column());
    QString message;
    std::optional<std::string> taken = checkedCell(column, value.toString(), message);
    if (!taken) {
        emit refused(message);
        return false;
    }
    std::string &cell = services_[std::size_t(index.row())][column];
    if (*taken == cell)
        return true;
    cell = std::move(*taken);
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    changed();
    return true;
}

}   // namespace rotavex
