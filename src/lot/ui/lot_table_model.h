#pragma once
// A lot's services as a table: the lot's eight columns, each cell the text
// the user typed, pasted or read from the lot's file, and, once the lot is
// priced, beside each row its figures or why it was refused. A number cell
// takes a new text only when the data fields' check takes it; any change
// makes the figures shown out of date, so they go.

#include "lot/lot.h"
#include "lot/lot_pricing.h"

#include <QAbstractTableModel>
#include <QStringList>

#include <optional>
#include <vector>

namespace rotavex {

// The columns beside the lot's own, filled once the lot is priced.
enum class LotResultColumn { ServiceCost, AnnualCost, OfferDeviation, Remark };
inline constexpr int LotResultColumnCount = 4;

class LotTableModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit LotTableModel(QString decimalSeparator, QObject *parent = nullptr);

    void showServices(std::vector<LotService> services);
    const std::vector<LotService> &services() const { return services_; }

    // The figures of the services as they stand; cleared by any change.
    void showPricing(LotPricing pricing);
    void clearPricing();
    const std::optional<LotPricing> &pricing() const { return pricing_; }

    // Empty services, `count` of them, from `row` on.
    void insertServices(int row, int count);
    void removeServices(int row, int count);
    // Every cell the indexes name made empty.
    void clearCells(const QModelIndexList &cells);

    // Tab-separated rows (a spreadsheet's copy) into the lot's columns from
    // `at` on, adding services below as needed; a first row of the lot's
    // column names is left out. A number cell the check refuses keeps its
    // text; the message names each one. Empty when everything was taken.
    QString paste(const QModelIndex &at, const QString &text);
    // The cells the indexes name, as the smallest block of rows holding
    // them all, tab-separated.
    QString copy(const QModelIndexList &cells) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // A text the check refuses is not taken: `refused` says why.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    static bool isLotColumn(int column) { return column >= 0 && column < int(LotColumnCount); }

signals:
    void edited();   // a service changed, came or went
    void refused(const QString &message);

private:
    // The text the cell takes, or none when the check refuses it; `message`
    // then says why.
    static std::optional<std::string> checkedCell(LotColumn column, const QString &text, QString &message);
    QString resultText(const ServicePricing &service, LotResultColumn column) const;
    void changed();

    std::vector<LotService> services_;
    std::optional<LotPricing> pricing_;
    QString separator_;
};

// The heading of a result column: "Coste del servicio", "Coste anual",
// "Desviación (%)" (of the offer from the price with profit), "Observaciones".
QString lotResultHeading(LotResultColumn column);

// Whether the lot's column holds a number.
bool isLotNumberColumn(LotColumn column);

// Text as a spreadsheet copies cells: rows ended by LF or CR LF (the last
// one's end optional), cells parted by tabs, a cell holding a tab, a line
// break or a quote in double quotes.
std::vector<QStringList> tabSeparatedCells(const QString &text);
QString tabSeparatedText(const std::vector<QStringList> &rows);

}   // namespace rotavex
