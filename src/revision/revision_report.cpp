#include "revision_report.h"

#include "report/number_format.h"

namespace rotavex {

std::string itemVerdict(const RevisionTerms &terms, const RevisionOutcome &outcome, std::size_t item)
{
    const ItemRevision &revised = outcome.items[item];
    if (!revised.revised)
        return "no: " + revised.why;
    std::string why = "sí";
    if (revised.capped)
        why += ", con el límite de la mano de obra";
    if (item == FuelItem && terms.efficiency > 0)
        why += ", peso reducido por el factor de eficiencia";
    return why;
}

namespace {

constexpr int WeightColumn = 16;
constexpr int InitialColumn = 26;
constexpr int FinalColumn = 37;
constexpr int RatioColumn = 47;
constexpr int ShareColumn = 57;
constexpr int ChangeColumn = 67;
constexpr int WhyColumn = 79;
constexpr int FigureColumn = 40;

const std::string PaperRule(87, '-');

class RevisionBody {
public:
    // On paper the verdicts' reasons are too long for the last column of a
    // page: the column says only "sí" or "no", and the reasons follow the
    // table, one line each.
    RevisionBody(Report &report, const Revision &revision, const RevisionTerms &terms, const RevisionOutcome &outcome,
                 bool paper)
        : report_(report), revision_(revision), terms_(terms), outcome_(outcome), paper_(paper)
    {
    }

    void write()
    {
        report_.add(BoldItem{true});
        report_.line(revision_.name.empty() ? "Revisión de precios" : "Revisión de precios: " + revision_.name);
        report_.add(BoldItem{false});
        if (!outcome_.done()) {
            report_.line("No se ha revisado el precio: " + outcome_.refusal + ".");
            return;
        }
        report_.line(outcome_.fromCalculation ? "Pesos: el coste de cada partida en el cálculo, sobre el precio."
                                              : "Pesos: los escritos, en % del precio.");
        report_.line(
            {text("Precio del contrato (P0):"), tab(FigureColumn), number(Round(outcome_.price, 2)), text("euros")});
        if (terms_.labourCapPct)
            report_.line(
                {text("Límite de la mano de obra:"), tab(FigureColumn), number(*terms_.labourCapPct), text("%")});
        report_.line({text("Factor de eficiencia (X):"), tab(FigureColumn), number(terms_.efficiency)});
        report_.line();
        items();
        report_.line();
        if (paper_ && reasons())
            report_.line();
        report_.line({text("Parte fija (F):"), tab(FigureColumn), number(Round(outcome_.fixedShare, 4))});
        report_.add(BoldItem{true}).add(text("Kt = F + suma de peso × ratio:"));
        boldAt(FigureColumn);
        report_.add(number(Round(outcome_.kt, 4))).add(LineBreak{});
        report_.add(text("Precio revisado (Pt = P0 × Kt):"));
        boldAt(FigureColumn);
        report_.add(number(Round(outcome_.revisedPrice, 2))).add(text("euros")).add(LineBreak{});
        report_.add(BoldItem{false});
    }

private:
    void boldAt(int column) { report_.add(BoldItem{false}).add(tab(column)).add(BoldItem{true}); }

    void items()
    {
        report_.add(BoldItem{true}).add(text("Partida"));
        const std::pair<int, const char *> headings[] = {{WeightColumn, " Peso %"},    {InitialColumn, " Í. inicial"},
                                                         {FinalColumn, " Í. final"},   {RatioColumn, " Ratio"},
                                                         {ShareColumn, " Peso×ratio"}, {ChangeColumn, " Variación"},
                                                         {WhyColumn, "Revisión"}};
        for (const auto &[column, heading] : headings) {
            boldAt(column);
            report_.add(text(heading));
        }
        report_.add(LineBreak{}).add(BoldItem{false});
        for (std::size_t item = 0; item < RevisionItemCount; ++item)
            itemLine(item);
    }

    void itemLine(std::size_t item)
    {
        const ItemRevision &revised = outcome_.items[item];
        report_.add(text(std::string(revisionItems()[item].label)));
        report_.add(tab(WeightColumn)).add(number(Round(revised.weight * 100, 2)));
        optionalNumber(InitialColumn, terms_.initialIndex[item]);
        optionalNumber(FinalColumn, terms_.finalIndex[item]);
        if (revised.ratio) {
            report_.add(tab(RatioColumn)).add(number(Round(*revised.ratio, 4)));
            report_.add(tab(ShareColumn)).add(number(Round(revised.weight * *revised.ratio, 4)));
            report_.add(tab(ChangeColumn))
                .add(signedNumber(Round(outcome_.price * revised.weight * (*revised.ratio - 1), 2)));
        }
        const std::string verdict = itemVerdict(terms_, outcome_, item);
        report_.add(tab(WhyColumn)).add(text(paper_ ? verdict.substr(0, verdict.find_first_of(":,")) : verdict));
        report_.add(LineBreak{});
    }

    // "Seguros: no, no tiene índices", for each item whose verdict says
    // more than "sí"; whether there was any.
    bool reasons()
    {
        bool any = false;
        for (std::size_t item = 0; item < RevisionItemCount; ++item) {
            std::string verdict = itemVerdict(terms_, outcome_, item);
            if (verdict == "sí")
                continue;
            if (verdict.compare(0, 4, "no: ") == 0)
                verdict.replace(2, 1, ",");
            report_.line(std::string(revisionItems()[item].label) + ": " + verdict);
            any = true;
        }
        return any;
    }

    void optionalNumber(int column, const std::optional<double> &value)
    {
        report_.add(tab(column));
        if (value)
            report_.add(number(*value));
        else
            report_.add(text(" —"));
    }

    Report &report_;
    const Revision &revision_;
    const RevisionTerms &terms_;
    const RevisionOutcome &outcome_;
    const bool paper_;
};

std::string figure(double value, int decimals, const std::string &separator)
{
    return formatGeneral(Round(value, decimals), 15, separator);
}

}   // namespace

Report revisionReport(const Revision &revision, const RevisionTerms &terms, const RevisionOutcome &outcome)
{
    Report report;
    RevisionBody(report, revision, terms, outcome, false).write();
    return report;
}

Report printedRevisionReport(const Revision &revision, const RevisionTerms &terms, const RevisionOutcome &outcome,
                             const DateTime &when)
{
    Report report;
    printedHeading(report, "Revisión de precios", PaperRule);
    report.add(BoldItem{false}).add(FontSizeItem{8});
    RevisionBody(report, revision, terms, outcome, true).write();
    report.line();
    report.line({text("Revisión calculada el "), DateItem{when}, text(" a las "), TimeItem{when}});
    report.add(FontSizeItem{12});
    printedFooter(report, PaperRule, "Tesmora. Belvarde");
    endPrintedReport(report);
    return report;
}

std::string revisionTabSeparatedRows(const RevisionTerms &terms, const RevisionOutcome &outcome,
                                     const std::string &decimalSeparator)
{
    std::string out = "Partida\tPeso %\tÍndice inicial\tÍndice final\tRatio\tPeso × ratio\tRevisión\n";
    auto optional = [&](const std::optional<double> &value) {
        return value ? formatGeneral(*value, 15, decimalSeparator) : std::string();
    };
    for (std::size_t item = 0; item < RevisionItemCount; ++item) {
        const ItemRevision &revised = outcome.items[item];
        out += std::string(revisionItems()[item].label) + "\t" + figure(revised.weight * 100, 4, decimalSeparator)
               + "\t" + optional(terms.initialIndex[item]) + "\t" + optional(terms.finalIndex[item]) + "\t";
        if (revised.ratio)
            out += figure(*revised.ratio, 6, decimalSeparator) + "\t"
                   + figure(revised.weight * *revised.ratio, 6, decimalSeparator);
        else
            out += "\t";
        out += "\t" + (revised.revised ? std::string("sí") : "no: " + revised.why) + "\n";
    }
    out += "F\t" + figure(outcome.fixedShare * 100, 4, decimalSeparator) + "\nKt\t"
           + figure(outcome.kt, 4, decimalSeparator) + "\nP0\t" + figure(outcome.price, 2, decimalSeparator) + "\nPt\t"
           + figure(outcome.revisedPrice, 2, decimalSeparator) + "\n";
    return out;
}

}   // namespace rotavex
