#include "check_report.h"

namespace rotavex {

namespace {

// Screen and paper differ only in indentation and in how a few paragraphs
// are split into lines.
struct Style {
    std::string arrowIndent;
    std::string explanationIndent;
    std::string verdictIndent;
};

const Style screenStyle{"   -> ", "       ", "  "};
const Style paperStyle{"-> ", "   ", ""};

void writeFindings(Report &report, const DataCheckResult &check, const Style &style)
{
    for (const CheckFinding &finding : check.findings) {
        if (finding.isGroupBreak()) {
            report.line();
            continue;
        }
        report.line(style.arrowIndent + std::string(finding.arrow));
        if (!finding.explanation.empty())
            report.line(style.explanationIndent + std::string(finding.explanation));
    }
}

void writeParagraph(Report &report, const Style &style, std::initializer_list<std::string> lines)
{
    for (const std::string &line : lines) {
        if (!line.empty())
            report.line(style.verdictIndent + line);
        else
            report.line();
    }
}

constexpr const char *NegativeRefusal = "Algunos datos tienen valores negativos, que no son válidos";
constexpr const char *BlockingZeroRefusal = "Algunos datos con valor cero impiden realizar los cálculos";
constexpr const char *MissingRefusal = "Faltan datos por introducir";

void writeBlocking(Report &report, const Style &style)
{
    writeParagraph(
        report, style,
        {BlockingZeroRefusal, "Si no los conoce es recomendable utilizar el dato del", "observatorio en su lugar", ""});
}

void writeVerdict(Report &report, const DataCheckResult &check, const Style &style, bool paper)
{
    const Verdict &verdict = check.verdict;
    if (verdict.negative)
        writeParagraph(report, style, {NegativeRefusal, "Corríjalos antes de realizar los cálculos", ""});
    if (verdict.blockingZero)
        writeBlocking(report, style);
    if (verdict.missing) {
        const std::string missing = MissingRefusal;
        if (paper)
            writeParagraph(report, style,
                           {missing + ". Si no los conoce, es recomendable", "utilizar los del Observatorio", ""});
        else
            writeParagraph(report, style,
                           {missing + ". Si no los conoce,", "es recomendable utilizar los del Observatorio", ""});
        writeParagraph(report, style,
                       {"Si desea que tengan valor cero,", "por favor introduzca un cero en su casilla", ""});
    }
    if (verdict.refused())
        return;
    if (verdict.zeroWarning)
        writeParagraph(report, style,
                       {"No faltan datos por introducir, pero hay algunos con valor cero",
                        "Puede realizar los cálculos, pero tenga en cuenta los valores nulos",
                        "Pulse el botón Calcular si desea hacerlo", ""});
    else
        writeParagraph(report, style,
                       {"No faltan datos por introducir, puede realizar los cálculos",
                        "Pulse el botón Calcular si desea hacerlo"});
}

constexpr const char *SpeedUnit = " Km/H";
constexpr const char *SpeedStillCalculable = "Parece excesiva, pero aun así se puede efectuar el cálculo";

}   // namespace

std::string refusalReason(const Verdict &verdict)
{
    std::string reason;
    for (const auto &[refuses, text] : {std::pair{verdict.negative, NegativeRefusal},
                                        {verdict.blockingZero, BlockingZeroRefusal},
                                        {verdict.missing, MissingRefusal}})
        if (refuses)
            reason += (reason.empty() ? "" : ". ") + std::string(text);
    return reason;
}

Report checkScreenReport(const DataCheckResult &check)
{
    Report report;
    report.line();
    report.line("  Comprobación de datos");
    report.line("  " + std::string(38, '-'));
    writeFindings(report, check, screenStyle);
    if (check.excessiveSpeed) {
        report.line("   -> El trayecto presupone una");
        report.line({text("      velocidad mínima del autobús de"), number(*check.excessiveSpeed), text(SpeedUnit)});
        report.line(std::string("       ") + SpeedStillCalculable);
    }
    report.line();
    report.line();
    report.line("  Resultado de la comprobación");
    report.line("  " + std::string(49, '-'));
    writeVerdict(report, check, screenStyle, false);
    return report;
}

Report checkPaperReport(const DataCheckResult &check)
{
    Report report;
    report.add(FontSizeItem{14}).add(ItalicItem{false}).add(BoldItem{true}).add(UnderlineItem{true});
    report.line("Rotavex 3");
    report.add(UnderlineItem{false}).add(FontSizeItem{12});
    report.line();
    report.line("Comprobación de datos");
    report.line(std::string(38, '-'));
    report.add(BoldItem{false});
    writeFindings(report, check, paperStyle);
    if (check.excessiveSpeed) {
        report.line({text("-> El trayecto presupone un velocidad mínima del autobús de"), number(*check.excessiveSpeed),
                     text(SpeedUnit)});
        report.line(std::string("   ") + SpeedStillCalculable);
    }
    report.add(BoldItem{true});
    report.line();
    report.line("Resultado de la comprobación");
    report.line(std::string(49, '-'));
    report.add(BoldItem{false});
    report.line();
    writeVerdict(report, check, paperStyle, true);
    report.add(BoldItem{true});
    report.line(std::string(49, '-'));
    endPrintedReport(report);
    return report;
}

}   // namespace rotavex
