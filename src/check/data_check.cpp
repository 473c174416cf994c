#include "data_check.h"

#include "model/field_number.h"
#include "model/switch_groups.h"

#include <cfloat>
#include <iterator>

namespace rotavex {

namespace {

constexpr const char *NotEssential = "Este dato no es imprescindible pero debe tenerlo en cuenta";
constexpr const char *NeedsPositive = "Para los cálculos es necesario un valor positivo";
constexpr const char *NotFinanced = "Se supondrá que no se financia";
constexpr const char *CorrectNegative = "Los valores negativos no son válidos: corríjalo";

// One field's rows: the empty row, then, unless the field is on the
// observatory, the negative row or the zero row.
struct FieldRule {
    Input field;
    int emptyRow;
    const char *emptyText;
    const char *zeroText;
    const char *zeroExplanation;
    CheckState zeroState;
    bool closesGroup;
    const char *negativeText;
};

const FieldRule rules[] = {
    {Input::Salacon, 2, "No ha introducido el salario del conductor", "El salario del conductor es cero", NotEssential,
     CheckState::AllowedZero, false, "El salario del conductor es negativo"},
    {Input::Htraba, 4, "No ha introducido las horas de trabajo del conductor",
     "Las horas de trabajo del conductor son cero.", NeedsPositive, CheckState::BlockingZero, false,
     "Las horas de trabajo del conductor son negativas."},
    {Input::Cosgen, 6, "No ha introducido los costes generales", "Los costes generales son cero.", NotEssential,
     CheckState::AllowedZero, true, "Los costes generales son negativos."},
    {Input::Cosgas, 9, "No ha introducido el coste de combustible", "El coste de combustible es cero.", NotEssential,
     CheckState::AllowedZero, false, "El coste de combustible es negativo."},
    {Input::Cosseg, 11, "No ha introducido el coste de seguros", "El coste de seguros es cero.", NotEssential,
     CheckState::AllowedZero, false, "El coste de seguros es negativo."},
    {Input::Cosneu, 13, "No ha introducido el coste de neumáticos", "El coste de neumáticos es cero.", NotEssential,
     CheckState::AllowedZero, false, "El coste de neumáticos es negativo."},
    {Input::Vidneu, 15, "No ha introducido la duración de los neumáticos", "La duración de los neumáticos es cero.",
     NeedsPositive, CheckState::BlockingZero, true, "La duración de los neumáticos es negativa."},
    {Input::Cosaut, 17, "No ha introducido el coste del autobús", "El coste del autobús es cero.", NotEssential,
     CheckState::AllowedZero, false, "El coste del autobús es negativo."},
    {Input::Vidaut, 19, "No ha introducido la vida útil del autobús", "La vida útil del autobús es cero.",
     NeedsPositive, CheckState::BlockingZero, false, "La vida útil del autobús es negativa."},
    {Input::Kmaut, 21, "No ha introducido los kilómetros anuales del autobús",
     "Los kilómetros anuales del autobús son cero.", NeedsPositive, CheckState::BlockingZero, false,
     "Los kilómetros anuales del autobús son negativos."},
    {Input::Cosman, 23, "No ha introducido el coste de mantenimiento del autobús",
     "El coste de mantenimiento del autobús es cero.", NotEssential, CheckState::AllowedZero, false,
     "El coste de mantenimiento del autobús es negativo."},
    {Input::Cosfin, 25, "No ha introducido el coste de financiación del autobús",
     "El coste de financiación del autobús es cero.", NeedsPositive, CheckState::AllowedZero, false,
     "El coste de financiación del autobús es negativo."},
    {Input::Plafin, 27, "No ha introducido el plazo de financiación del autobús",
     "El plazo de financiación del autobús es cero.", NotFinanced, CheckState::AllowedZero, true,
     "El plazo de financiación del autobús es negativo."},
    {Input::Km, 29, "No ha introducido los Km del trayecto", "Los Km del trayecto son cero.", NeedsPositive,
     CheckState::AllowedZero, false, "Los Km del trayecto son negativos."},
    {Input::Horas, 31, "No ha introducido las horas del trayecto", "Las horas del trayecto son cero.", NeedsPositive,
     CheckState::AllowedZero, false, "Las horas del trayecto son negativas."},
    {Input::Vacio, 33, "No ha introducido los km de posicionamiento del servicio",
     "Los km de posicionamiento son cero.", NotEssential, CheckState::AllowedZero, false,
     "Los km de posicionamiento son negativos."},
};

constexpr int GeneralCostsOverRow = 8;
constexpr int FirstNegativeRow = 35;
constexpr double MaxGeneralCostsPct = 90;
constexpr double MaxPlausibleSpeed = 120;

class Check {
public:
    Check(const StudyChoices &ws, const FieldTexts &texts) : ws_(ws), texts_(texts) {}

    DataCheckResult run()
    {
        // Room for all the findings at once: the class, and at most two a
        // field (one of its rows with the general costs' second row or with
        // a group break).
        result_.findings.reserve(1 + 2 * std::size(rules));
        // A class outside 1..4 (only a foreign data file can bring one) has
        // no averages and no constants: it is no class at all.
        if (!isKnownBusClass(ws_.BusClass))
            find(1, "No ha seleccionado el tipo de autobús", "", CheckState::Missing);
        for (const FieldRule &rule : rules) {
            checkField(rule);
            if (rule.closesGroup)
                result_.findings.push_back({});
        }
        checkSpeed();
        result_.verdict.zeroWarning = !result_.verdict.refused() && result_.allowedZero;
        return result_;
    }

private:
    void find(int row, const char *arrow, const char *explanation, CheckState state)
    {
        result_.findings.push_back({row, arrow, explanation});
        switch (state) {
        case CheckState::Missing: result_.verdict.missing = true; break;
        case CheckState::BlockingZero: result_.verdict.blockingZero = true; break;
        case CheckState::AllowedZero: result_.allowedZero = true; break;
        case CheckState::Negative: result_.verdict.negative = true; break;
        }
    }

    void checkField(const FieldRule &rule)
    {
        const std::string &text = texts_[rule.field];
        if (text.empty()) {
            find(rule.emptyRow, rule.emptyText, "", CheckState::Missing);
            return;
        }
        if (onObservatory(ws_, rule.field))
            return;
        const double value = ReadFieldNumber(text);
        if (value < 0) {
            find(negativeRow(rule), rule.negativeText, CorrectNegative, CheckState::Negative);
            return;
        }
        if (value == 0)
            find(rule.emptyRow + 1, rule.zeroText, rule.zeroExplanation, rule.zeroState);
        if (rule.field == Input::Cosgen && value > MaxGeneralCostsPct)
            find(GeneralCostsOverRow, "Los costes generales no pueden ser más del 90% del servicio", "",
                 CheckState::Missing);
    }

    void checkSpeed()
    {
        const double km = ReadFieldNumber(texts_[Input::Km]);
        const double hours = ReadFieldNumber(texts_[Input::Horas]);
        if (!(km > 0 && hours > 0))
            return;
        const double speed = km / hours;
        if (speed > MaxPlausibleSpeed)
            result_.excessiveSpeed = speed > FLT_MAX ? FLT_MAX : static_cast<float>(speed);
    }

    // The negative rows follow the table's last row, one for each field in
    // table order.
    static int negativeRow(const FieldRule &rule) { return FirstNegativeRow + int(&rule - rules); }

    const StudyChoices &ws_;
    const FieldTexts &texts_;
    DataCheckResult result_;
};

}   // namespace

DataCheckResult runDataCheck(const StudyChoices &ws, const FieldTexts &texts) { return Check(ws, texts).run(); }

}   // namespace rotavex
