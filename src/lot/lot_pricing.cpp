#include "lot_pricing.h"

#include "check/check_report.h"
#include "comparison/observatory_comparison.h"
#include "entry/field_check.h"
#include "model/field_number.h"
#include "model/switch_groups.h"
#include "storage/data_file_path.h"
#include "storage/failure_causes.h"
#include "study/cost_study.h"

#include <cmath>
#include <map>

namespace rotavex {

namespace {

// What a lot can hold. Bounded, every figure of a lot stays finite: no
// service's figures a year, and no sum of them, can overflow.
constexpr double MostYears = 100;
constexpr double MostProfitPct = 1000;
constexpr double MostVatPct = 100;
constexpr double MostServicesPerYear = 100000;
constexpr double MostOfferedPrice = 1e9;

struct Refusal {
    std::string what;
};

std::string trimmed(const std::string &text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// A number cell as a data field takes it: not negative, a number, and no
// more than the most it may hold; a text the field check refuses, refused
// with its cell.
double fieldValue(const std::string &label, const std::string &text, double most)
{
    const std::optional<double> value = checkedFieldValue(text);
    if (!value)
        throw Refusal{label + ": " + quotedValue(text) + (isNumberText(text) ? " es negativo" : " no es un número")};
    if (*value > most)
        throw Refusal{label + ": " + quotedValue(text) + " pasa de " + std::to_string(static_cast<long long>(most))};
    return *value;
}

double neededValue(const std::string &label, const std::string &text, double most)
{
    if (isBlank(text))
        throw Refusal{label + ": falta el dato"};
    return fieldValue(label, text, most);
}

std::string heading(LotColumn column) { return std::string(lotColumnHeading(column)); }

// A service's cost data before its own trip goes in: a data file's, read
// once for every service that names it.
struct CostData {
    std::string error;
    StudyChoices choices;
    FieldTexts texts;
};

class LotPricer {
public:
    LotPricer(const LotPricingContext &context, const LotTerms &terms) : context_(context), terms_(terms) {}

    ServicePricing price(const LotService &service)
    {
        ServicePricing pricing;
        pricing.line = service.line;
        pricing.name = service[LotColumn::Name];
        try {
            study(service, pricing);
        } catch (const Refusal &refusal) {
            pricing.error = refusal.what;
            return pricing;
        }
        pricing.priceWithProfit = double(pricing.study.ServiceTotal) * (1 + terms_.profitPct / 100);
        if (pricing.offer) {
            pricing.offerDifference = *pricing.offer - pricing.priceWithProfit;
            pricing.offerDeviationPct = deviationPct(*pricing.offer, pricing.priceWithProfit);
            pricing.flagged = beyondTolerance(pricing.offerDeviationPct, context_.tolerancePct);
        }
        return pricing;
    }

private:
    void study(const LotService &service, ServicePricing &pricing)
    {
        const std::optional<int> busClass = classOf(service[LotColumn::BusClass]);
        Workspace ws;
        FieldTexts texts;
        const std::string &file = service[LotColumn::DataFile];
        if (isBlank(file)) {
            if (!busClass)
                throw Refusal{heading(LotColumn::BusClass) + ": falta la clase de autobús"};
            static_cast<StudyChoices &>(ws) = referenceChoices(*busClass, texts);
        } else {
            const CostData &data = costData(trimmed(file));
            if (!data.error.empty())
                throw Refusal{heading(LotColumn::DataFile) + ": " + data.error};
            if (busClass && !isKnownBusClass(data.choices.BusClass))
                throw Refusal{heading(LotColumn::BusClass) + ": el fichero de datos no tiene clase de autobús"};
            if (busClass && *busClass != data.choices.BusClass)
                throw Refusal{heading(LotColumn::BusClass) + ": el fichero de datos es de la clase "
                              + std::to_string(data.choices.BusClass)};
            static_cast<StudyChoices &>(ws) = data.choices;
            texts = data.texts;
        }
        for (const auto &[column, input] :
             {std::pair{LotColumn::Km, Input::Km}, std::pair{LotColumn::Vacio, Input::Vacio},
              std::pair{LotColumn::Horas, Input::Horas}})
            texts[input] = tripText(column, service[column]);
        pricing.perYear = neededValue(heading(LotColumn::PerYear), service[LotColumn::PerYear], MostServicesPerYear);
        if (!isBlank(service[LotColumn::Offer]))
            pricing.offer = fieldValue(heading(LotColumn::Offer), service[LotColumn::Offer], MostOfferedPrice);

        CostStudy study(ws);
        study.texts = texts;
        const CostStudy::Pricing priced = study.checkAndCalculate();
        if (!priced.check.calculationOffered())
            throw Refusal{refusalReason(priced.check.verdict)};
        if (priced.fault)
            throw Refusal{calculationFaultMessage(*priced.fault)};
        pricing.study = ws;
        pricing.driverHours = ws.ObsDriver() ? ws.reference->of(ws.BusClass).driverHours
                                             : ReadFieldNumber(texts[Input::Htraba]);
    }

    std::optional<int> classOf(const std::string &text) const
    {
        if (isBlank(text))
            return std::nullopt;
        const std::optional<double> value = checkedFieldValue(text);
        if (!value || !(*value >= 1 && *value <= 4) || *value != std::floor(*value))
            throw Refusal{heading(LotColumn::BusClass) + ": " + quotedValue(text)
                          + " no es una clase de autobús (de 1 a 4)"};
        return int(*value);
    }

    // The trip's field as the trip window leaves it once checked.
    static std::string tripText(LotColumn column, const std::string &text)
    {
        if (isBlank(text))
            throw Refusal{heading(column) + ": falta el dato"};
        const FieldCheckOutcome checked = CheckNumericField(text, false);
        if (checked.message)
            throw Refusal{heading(column) + ": " + quotedValue(text)
                          + (*checked.message == NegativeValueMessage ? " es negativo" : " no es un número")};
        return checked.text;
    }

    // Every group on the reference values, as its button leaves it.
    StudyChoices referenceChoices(int busClass, FieldTexts &texts) const
    {
        StudyChoices choices;
        choices.BusClass = int16_t(busClass);
        choices.ServiceMode = true;
        choices.reference = context_.reference;
        for (const SwitchGroup &group : switchGroups())
            ToggleObservatorySource(choices, group, texts);
        return choices;
    }

    const CostData &costData(const std::string &name)
    {
        const std::string path = name.front() == NativePathSeparator || context_.folder.empty()
                                     ? name
                                     : joinDataFilePath(context_.folder, name);
        const auto known = files_.find(path);
        if (known != files_.end())
            return known->second;
        CostData &data = files_[path];
        Workspace ws;
        ws.reference = context_.reference;
        CostStudy study(ws);
        const DataFileOutcome loaded = study.loadFrom(path, CostStudy::SavedObservatoryGroups::SwitchedOn);
        if (loaded.result == DataFileOutcome::Result::Failed)
            data.error = "no se ha podido cargar " + quotedValue(name) + ": " + loaded.cause;
        else if (!loaded.done())
            data.error = quotedValue(name) + " no es un fichero de datos de ROTAVEX";
        data.choices = ws;
        data.choices.ServiceMode = true;
        data.texts = study.texts;
        return data;
    }

    const LotPricingContext &context_;
    LotTerms terms_;
    std::map<std::string, CostData> files_;
};

// A term of the lot; unset when left empty.
double termValue(const std::string &text, std::string_view label, double most, double unset, bool positive)
{
    if (isBlank(text))
        return unset;
    const double value = fieldValue(std::string(label), text, most);
    if (positive && value == 0)
        throw Refusal{std::string(label) + ": " + quotedValue(text) + " debe ser mayor que cero"};
    return value;
}

void addUp(LotTotals &totals, const ServicePricing &service)
{
    if (!service.accepted()) {
        ++totals.refused;
        return;
    }
    ++totals.priced;
    for (std::size_t item = 0; item < totals.annualItems.size(); ++item)
        totals.annualItems[item] += service.annualItem(item);
    totals.annualCost += service.annualCost();
    totals.annualKm += service.annualKm();
    totals.annualHours += service.annualHours();
    totals.drivers += service.annualHours() / service.driverHours;
    if (service.offer) {
        totals.offeredAnnual = totals.offeredAnnual.value_or(0) + *service.offer * service.perYear;
        totals.offeredServicesBase = totals.offeredServicesBase.value_or(0) + service.priceWithProfit * service.perYear;
    }
}

}   // namespace

double ServicePricing::annualItem(std::size_t item) const { return double(study.*costItems()[item].total) * perYear; }

double LotTotals::annualGroup(CostGroup group) const
{
    double sum = 0;
    for (std::size_t item = 0; item < annualItems.size(); ++item)
        if (costItems()[item].group == group)
            sum += annualItems[item];
    return sum;
}

LotTermsReading readLotTerms(const Lot &lot)
{
    LotTermsReading reading;
    LotTerm term = LotTerm::Name;
    try {
        if (isBlank(lot.name))
            throw Refusal{"falta el nombre del lote"};
        LotTerms terms;
        term = LotTerm::Years;
        if (isBlank(lot.years))
            throw Refusal{"Años: falta el número de años del contrato"};
        terms.years = termValue(lot.years, "Años", MostYears, 0, true);
        term = LotTerm::Profit;
        terms.profitPct = termValue(lot.profitPct, "Beneficio", MostProfitPct, 0, false);
        term = LotTerm::Vat;
        terms.vatPct = termValue(lot.vatPct, "IVA", MostVatPct, DefaultLotVatPct, false);
        reading.terms = terms;
    } catch (const Refusal &refusal) {
        reading.refusal = refusal.what;
        reading.wrongTerm = term;
    }
    return reading;
}

LotPricing priceLot(const Lot &lot, const LotPricingContext &context)
{
    LotPricing pricing;
    pricing.tolerancePct = context.tolerancePct;
    pricing.reference = context.reference;
    const LotTermsReading terms = readLotTerms(lot);
    if (!terms.terms) {
        pricing.refusal = terms.refusal;
        return pricing;
    }
    pricing.terms = *terms.terms;
    LotPricer pricer(context, pricing.terms);
    pricing.services.reserve(lot.services.size());
    LotTotals &totals = pricing.totals;
    for (const LotService &service : lot.services) {
        pricing.services.push_back(pricer.price(service));
        addUp(totals, pricing.services.back());
    }
    totals.annualProfit = totals.annualCost * pricing.terms.profitPct / 100;
    totals.annualBase = totals.annualCost + totals.annualProfit;
    totals.annualVat = totals.annualBase * pricing.terms.vatPct / 100;
    totals.annualTotal = totals.annualBase + totals.annualVat;
    if (totals.offeredAnnual) {
        totals.offerDeviationPct = deviationPct(*totals.offeredAnnual, *totals.offeredServicesBase);
        totals.flagged = beyondTolerance(totals.offerDeviationPct, context.tolerancePct);
    }
    return pricing;
}

}   // namespace rotavex
