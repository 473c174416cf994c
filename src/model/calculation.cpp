#include "calculation.h"

#include "field_number.h"
#include "group_sums.h"
#include "observatory_values.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>

namespace rotavex {

namespace {

constexpr double DriverOffset = -0.01;
constexpr double MaintenanceOffset = 0.01;
constexpr double AmortisedShare = 0.8;

int tyresPerVehicle(int busClass) { return busClass == 1 ? 6 : 8; }

double litresPer100Km(int busClass)
{
    static constexpr double litres[] = {18, 23, 30, 38};
    return litres[busClass - 1];
}

struct Fault {
    const char *step;
};

// Every value goes through here on its way into the workspace: it is checked
// and rounded to single precision, and later steps read the rounded value.
float stored(double value, const char *step)
{
    if (!std::isfinite(value) || std::fabs(value) > FLT_MAX)
        throw Fault{step};
    return static_cast<float>(value);
}

double checked(double value, const char *step)
{
    if (!std::isfinite(value))
        throw Fault{step};
    return value;
}

double quotient(double dividend, double divisor, const char *step)
{
    if (divisor == 0)
        throw Fault{step};
    return checked(dividend / divisor, step);
}

double roundHalfEven(double value) { return value - std::remainder(value, 1.0); }

class Calculation {
public:
    Calculation(const StudyChoices &choices, const FieldTexts &texts) : c_(choices), texts_(texts) {}

    StudyResults run() const
    {
        StudyResults r;
        if (!isKnownBusClass(c_.BusClass))
            throw Fault{"tipo de autobús"};
        const ObservatoryValues &obs = c_.reference->of(c_.BusClass);
        const int tyres = tyresPerVehicle(c_.BusClass);

        const double annualKm = c_.ObsAnnualKm() ? obs.annualKm : read(Input::Kmaut, "kilómetros anuales");

        const double km = read(Input::Km, "kilómetros del trayecto") + read(Input::Vacio, "kilómetros del trayecto");
        const double totalKm = roundHalfEven(checked(km, "kilómetros del trayecto"));
        if (totalKm > std::numeric_limits<int32_t>::max() || totalKm < std::numeric_limits<int32_t>::min())
            throw Fault{"kilómetros del trayecto"};
        r.TotalKm = static_cast<int32_t>(totalKm);

        r.ServiceHours = stored(read(Input::Horas, "horas del trayecto"), "horas del trayecto");

        const double annualHours = c_.ObsDriver() ? obs.driverHours : read(Input::Htraba, "horas anuales efectivas");
        r.EffectiveAnnualHours = stored(hourFactor(r.ServiceHours) * annualHours, "horas anuales efectivas");
        const double hours = r.EffectiveAnnualHours;

        const double salary = c_.ObsDriver() ? obs.driverSalary : read(Input::Salacon, "coste del conductor por hora");
        r.DriverPerHour = stored(quotient(salary, hours, "coste del conductor por hora"),
                                 "coste del conductor por hora");

        r.FuelPerKm = c_.ObsFuel() ? obs.fuelPerKm
                                   : stored(read(Input::Cosgas, "coste de combustible por km")
                                                * (litresPer100Km(c_.BusClass) / 100),
                                            "coste de combustible por km");

        r.TyresPerKm = c_.ObsTyres() ? obs.tyresPerKm
                                     : stored(quotient(read(Input::Cosneu, "coste de neumáticos por km"),
                                                       read(Input::Vidneu, "coste de neumáticos por km"),
                                                       "coste de neumáticos por km")
                                                  * tyres,
                                              "coste de neumáticos por km");

        const double insurance = c_.ObsInsurance() ? obs.annualInsurance
                                                   : read(Input::Cosseg, "coste de seguros por hora");
        r.InsurancePerHour = stored(quotient(insurance, hours, "coste de seguros por hora"),
                                    "coste de seguros por hora");

        r.MaintenancePerKm = c_.ObsMaintenance() ? obs.maintenancePerKm
                                                 : stored(quotient(read(Input::Cosman, "coste de mantenimiento por km"),
                                                                   annualKm, "coste de mantenimiento por km"),
                                                          "coste de mantenimiento por km");

        const double tyreSetValue = c_.ObsTyres() ? obs.tyreSetValue
                                                  : checked(read(Input::Cosneu, "valor de los neumáticos") * tyres,
                                                            "valor de los neumáticos");

        const char *amortisation = "amortización por hora";
        const double amortisable = c_.ObsVehicle() ? obs.vehiclePrice - tyreSetValue
                                                   : read(Input::Cosaut, amortisation) - tyreSetValue;
        const double life = c_.ObsVehicle() ? obs.vehicleLife : read(Input::Vidaut, amortisation);
        r.AmortisationPerHour = stored(
            quotient(quotient(checked(amortisable * AmortisedShare, amortisation), life, amortisation), hours,
                     amortisation),
            amortisation);

        const char *financing = "financiación por hora";
        double financed;
        if (c_.ObsFinancing()) {
            financed = checked((obs.vehiclePrice - tyreSetValue) * (obs.financingRatePct / 100) * obs.financingYears,
                               financing);
            financed = quotient(financed, obs.vehicleLife, financing);
        } else {
            // The whole purchase price is financed: the tyres are not taken off here.
            financed = checked(read(Input::Cosaut, financing) * read(Input::Cosfin, financing) / 100
                                   * read(Input::Plafin, financing),
                               financing);
            financed = quotient(financed, read(Input::Vidaut, financing), financing);
        }
        r.FinancingPerHour = stored(quotient(financed, hours, financing), financing);

        const double serviceHours = r.ServiceHours;
        const double serviceKm = r.TotalKm;
        r.DriverTotal = stored(double(r.DriverPerHour) * serviceHours + DriverOffset, "coste del conductor");
        r.FuelTotal = stored(double(r.FuelPerKm) * serviceKm, "coste del combustible");
        r.AmortisationTotal = stored(double(r.AmortisationPerHour) * serviceHours, "coste de amortización");
        r.FinancingTotal = stored(serviceHours * double(r.FinancingPerHour), "costes financieros");
        r.MaintenanceTotal = stored(double(r.MaintenancePerKm) * serviceKm + MaintenanceOffset,
                                    "coste de mantenimiento");
        r.TyresTotal = stored(double(r.TyresPerKm) * serviceKm, "coste de neumáticos");
        r.InsuranceTotal = stored(double(r.InsurancePerHour) * serviceHours, "coste de seguros");

        r.ServiceTotal = stored(double(r.FuelTotal) + r.DriverTotal + r.AmortisationTotal + r.FinancingTotal
                                    + r.MaintenanceTotal + r.TyresTotal + r.InsuranceTotal,
                                "coste directo del trayecto");
        const double direct = r.ServiceTotal;
        const double generalPct = c_.ObsGeneral() ? obs.generalCostsPct : read(Input::Cosgen, "costes generales");
        r.GeneralCosts = stored(quotient(direct, 1 - generalPct / 100, "costes generales") - direct,
                                "costes generales");
        r.ServiceTotal = stored(double(r.GeneralCosts) + direct, "coste total del trayecto");

        r.DriverPct = share(r.DriverTotal, r.ServiceTotal);
        r.GeneralPct = share(r.GeneralCosts, r.ServiceTotal);
        r.FuelPct = share(r.FuelTotal, r.ServiceTotal);
        r.AmortisationPct = share(r.AmortisationTotal, r.ServiceTotal);
        r.FinancingPct = share(r.FinancingTotal, r.ServiceTotal);
        r.MaintenancePct = share(r.MaintenanceTotal, r.ServiceTotal);
        r.TyresPct = share(r.TyresTotal, r.ServiceTotal);
        r.InsurancePct = share(r.InsuranceTotal, r.ServiceTotal);
        checkShownSums(r);
        return r;
    }

private:
    // The reports and the chart add some results up before showing them; a
    // sum must fit a single-precision field as every result does. Both
    // layouts' sums are checked, as the results do not depend on the layout.
    static void checkShownSums(const StudyResults &r)
    {
        const GroupSums sums = groupSums(r);
        stored(sums.perKm, "suma de costes por km");
        stored(sums.perHour, "suma de costes por hora");
        stored(sums.perKmPct, "suma de porcentajes por km");
        stored(sums.perHourPct, "suma de porcentajes por hora");
        const UnitCostColumns columns = unitCostColumns(r);
        stored(columns.kilometric, "costes kilométricos del gráfico");
        stored(columns.hourly, "costes horarios del gráfico");
    }

    double read(Input input, const char *step) const { return checked(ReadFieldNumber(texts_[input]), step); }

    // With every cost zero there is nothing to share out: every share is 0.
    static float share(float item, float total)
    {
        if (total == 0)
            return 0;
        return stored(double(item) / total * 100, "porcentajes");
    }

    const StudyChoices &c_;
    const FieldTexts &texts_;
};

}   // namespace

double hourFactor(float serviceHours)
{
    const double slope = 0.4 / 540;
    if (serviceHours < 10)
        return 0.5 + (double(serviceHours) * 60 - 60) * slope;
    return 0.5 + slope * 540;
}

std::string calculationFaultMessage(const CalculationFault &fault)
{
    return "No se ha podido realizar el cálculo con estos datos. El fallo se produce en: " + fault.step
           + ". Revise los datos introducidos.";
}

CalculationOutcome calculateCosts(const StudyChoices &choices, const FieldTexts &texts)
{
    try {
        return {Calculation(choices, texts).run(), std::nullopt};
    } catch (const Fault &fault) {
        return {StudyResults{}, CalculationFault{fault.step}};
    }
}

std::optional<CalculationFault> Calculate(Workspace &ws, const FieldTexts &texts)
{
    CalculationOutcome outcome = calculateCosts(ws, texts);
    if (!outcome.fault)
        static_cast<StudyResults &>(ws) = outcome.results;
    return outcome.fault;
}

}   // namespace rotavex
