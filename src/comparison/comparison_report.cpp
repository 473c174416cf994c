#include "comparison_report.h"

#include "model/bus_classes.h"
#include "model/cost_items.h"
#include "reference/reference_values.h"
#include "report/number_format.h"

namespace rotavex {

namespace {

// Columns from the start of the line's indent.
constexpr int OwnColumn = 34;
constexpr int ObservatoryColumn = 47;
constexpr int DifferenceColumn = 61;
constexpr int PercentColumn = 74;
constexpr int MarkColumn = 84;

// Unit costs are shown to the ten-thousandth of a euro, amounts to the cent.
int decimalsOf(ComparedKind kind) { return kind == ComparedKind::UnitCost ? 4 : 2; }

class ComparisonBody {
public:
    ComparisonBody(Report &report, const ComparisonStudy &study, double tolerancePct, int indent)
        : report_(report), study_(study), tolerancePct_(tolerancePct), indent_(indent)
    {
    }

    void write()
    {
        const PricedStudy &own = study_.comparison.own;
        line({text(margin() + study_.kmText + " km con pasajeros, " + study_.vacioText + " km de posicionamiento, y"),
              number(own.ServiceHours), text("horas,")});
        line(margin() + "en un vehículo de " + busClassPhrase(own.BusClass));
        const ReferenceSet &set = *own.reference;
        if (isBuiltIn(set))
            line(margin() + "Observatorio: el mismo servicio con los costes medios del Observatorio.");
        else
            line(margin() + "Observatorio: el mismo servicio con los valores de referencia «" + set.name + "».");
        line();
        sources();
        line();
        figures();
        line();
        sensitivity();
    }

private:
    std::string margin(int more = 0) const { return std::string(indent_ + more, ' '); }
    TabItem at(int column) const { return tab(indent_ + column); }
    void line(std::initializer_list<ReportItem> items = {}) { report_.line(items); }
    void line(const std::string &text) { report_.line(text); }

    // A column is measured in the current font, and bold letters are wider:
    // a bold line's tabs are taken in the regular font, so that its headings
    // or figures stand in the columns of the others.
    void columnOf(int column, bool bold)
    {
        if (bold)
            report_.add(BoldItem{false});
        report_.add(at(column));
        if (bold)
            report_.add(BoldItem{true});
    }

    // A line of bold headings, each at its column.
    void headings(std::initializer_list<std::pair<int, const char *>> columns)
    {
        report_.add(BoldItem{true}).add(text(margin()));
        for (const auto &[column, heading] : columns) {
            columnOf(column, true);
            report_.add(text(heading));
        }
        report_.add(LineBreak{}).add(BoldItem{false});
    }

    void sources()
    {
        line(margin() + "Origen de los datos:");
        for (const DataSource &source : dataSources(study_.comparison.own))
            line({text(margin(4) + std::string(source.group)), at(OwnColumn),
                  text(source.observatory ? "Observatorio" : "Sus datos")});
    }

    void figures()
    {
        // A blank before each heading, as before each figure below it.
        headings({{OwnColumn, " Sus datos"},
                  {ObservatoryColumn, " Observatorio"},
                  {DifferenceColumn, " Diferencia"},
                  {PercentColumn, " Dif. %"}});
        std::optional<ComparedKind> section;
        for (const ComparedRow &row : comparedRows(study_.comparison)) {
            if (row.kind != section) {
                section = row.kind;
                sectionHeading(row.kind);
            }
            figureRow(row);
        }
        line();
        line({text(margin() + OutOfLineMark + ": diferencia de más del"), number(tolerancePct_),
              text("% respecto al Observatorio, por encima o por debajo.")});
    }

    void sectionHeading(ComparedKind kind)
    {
        switch (kind) {
        case ComparedKind::UnitCost: line(margin() + "Costes unitarios"); break;
        case ComparedKind::Item: line(margin() + "Costes del servicio (euros)"); break;
        case ComparedKind::Group: line(margin() + "Costes por grupo (euros)"); break;
        case ComparedKind::Total: break;
        }
    }

    void figureRow(const ComparedRow &row)
    {
        const int decimals = decimalsOf(row.kind);
        const double own = Round(row.own, decimals);
        const double observatory = Round(row.observatory, decimals);
        const std::optional<double> deviation = deviationPct(row.own, row.observatory);
        const bool marked = beyondTolerance(deviation, tolerancePct_);
        const bool bold = marked || row.kind == ComparedKind::Total;
        std::string label = row.kind == ComparedKind::Total ? margin() + std::string(row.label)
                                                            : margin(4) + std::string(row.label);
        if (row.kind == ComparedKind::UnitCost)
            label += " (" + std::string(row.unit) + ")";
        auto column = [&](int at) { columnOf(at, bold); };
        if (bold)
            report_.add(BoldItem{true});
        report_.add(text(label));
        column(OwnColumn);
        report_.add(number(own));
        column(ObservatoryColumn);
        report_.add(number(observatory));
        // The difference of the figures as shown, so that the columns add up.
        column(DifferenceColumn);
        report_.add(signedNumber(Round(own - observatory, decimals)));
        column(PercentColumn);
        if (deviation)
            report_.add(signedNumber(Round(*deviation, 2))).add(text("%"));
        else
            report_.add(text(" —"));
        if (marked) {
            column(MarkColumn);
            report_.add(text(OutOfLineMark));
        }
        report_.add(LineBreak{});
        if (bold)
            report_.add(BoldItem{false});
    }

    void sensitivity()
    {
        line(margin() + "Lo que mueve el coste total: cada dato suyo un 10 % mayor");
        if (study_.sensitivity.empty()) {
            line(margin(4) + "Todos los datos son del Observatorio o cero.");
            return;
        }
        headings({{OwnColumn, " Coste total"}, {DifferenceColumn - 10, " Dif. %"}});
        for (const InputSensitivity &input : study_.sensitivity) {
            const std::string label = margin(4) + std::string(inputMeaning(input.input));
            if (!input.change) {
                line({text(label), at(OwnColumn), text("sin cifra: " + input.refusal)});
                continue;
            }
            report_.add(text(label)).add(at(OwnColumn)).add(signedNumber(Round(*input.change, 2))).add(text("euros"));
            if (input.changePct)
                report_.add(at(DifferenceColumn - 10)).add(signedNumber(Round(*input.changePct, 2))).add(text("%"));
            report_.add(LineBreak{});
        }
    }

    Report &report_;
    const ComparisonStudy &study_;
    double tolerancePct_;
    int indent_;
};

const std::string ScreenRule = std::string(8, ' ') + std::string(88, '-');
const std::string PaperRule(87, '-');

}   // namespace

Report comparisonScreenReport(const ComparisonStudy &study, double tolerancePct)
{
    Report report;
    report.line();
    report.line("        ROTAVEX 2018");
    report.line();
    report.line("        Comparación con el Observatorio");
    report.line(ScreenRule);
    ComparisonBody(report, study, tolerancePct, 8).write();
    report.line(ScreenRule);
    return report;
}

Report comparisonPaperReport(const ComparisonStudy &study, double tolerancePct, const DateTime &printedAt)
{
    Report report;
    printedHeading(report, "Comparación con el Observatorio", PaperRule);
    // The table's five columns and the mark fit across the page only in a
    // smaller size.
    report.add(BoldItem{false}).add(FontSizeItem{9});
    ComparisonBody(report, study, tolerancePct, 0).write();
    endPrintedReportWithChart(report, "Comparación realizada", printedAt, PaperRule, "Tesmora. Belvarde");
    return report;
}

std::vector<PairedColumn> pairedChartData(const ObservatoryComparison &comparison)
{
    std::vector<PairedColumn> columns;
    for (const CostItem &item : costItems())
        columns.push_back(
            {std::string(item.chartLabel), comparison.own.*item.total, comparison.observatory.*item.total});
    return columns;
}

std::string pairedChartDescription(const std::vector<PairedColumn> &columns, const std::string &decimalSeparator)
{
    std::string description;
    for (const PairedColumn &column : columns) {
        if (!description.empty())
            description += "; ";
        description += column.label + ": sus datos " + formatAmount(column.own, decimalSeparator)
                       + " euros, Observatorio " + formatAmount(column.observatory, decimalSeparator) + " euros";
    }
    return description;
}

std::string pairedChartDataText(const std::vector<PairedColumn> &columns, const std::string &decimalSeparator)
{
    std::string text = "\tSus datos\tObservatorio\n";
    for (const PairedColumn &column : columns)
        text += column.label + '\t' + formatAmount(column.own, decimalSeparator) + '\t'
                + formatAmount(column.observatory, decimalSeparator) + '\n';
    return text;
}

}   // namespace rotavex
