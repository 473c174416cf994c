#pragma once
// Pricing a lot: each service is the cost study of one trip, checked and
// calculated as the windows do it, on the reference values of its class or
// on a data file of its own. A service that cannot be priced is refused
// alone; the lot's figures are sums, in double precision, of the stored
// results of those that were.

#include "comparison/observatory_comparison.h"
#include "lot.h"
#include "model/cost_items.h"
#include "model/workspace.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rotavex {

// The lot's terms as numbers.
struct LotTerms {
    double years = 1;
    double profitPct = 0;
    double vatPct = DefaultLotVatPct;
};

enum class LotTerm { Name, Years, Profit, Vat };

// The terms, or what is wrong with the first one that is
// ("Años: «cuatro» no es un número"). The name is needed, and the years.
struct LotTermsReading {
    std::optional<LotTerms> terms;
    std::string refusal;
    LotTerm wrongTerm = LotTerm::Name;
};
LotTermsReading readLotTerms(const Lot &lot);

struct ServicePricing {
    int line = 0;   // the service's line in its file; 0 when typed
    std::string name;
    std::string error;             // why it was refused ("Km: «abc» no es un número"); empty when priced
    PricedStudy study;             // one service, as its calculation stored it
    double perYear = 0;            // services a year
    double driverHours = 0;        // annual working hours of its driver
    std::optional<double> offer;   // the bidder's price for one service, before VAT

    bool accepted() const { return error.empty(); }

    // One service's cost with the lot's profit.
    double priceWithProfit = 0;
    // With an offer: offer − price with profit, in euros and as a share of
    // that price (none when the price is nought); flagged beyond the tolerance.
    std::optional<double> offerDifference;
    std::optional<double> offerDeviationPct;
    bool flagged = false;

    double annualCost() const { return double(study.ServiceTotal) * perYear; }
    double annualKm() const { return double(study.TotalKm) * perYear; }
    double annualHours() const { return double(study.ServiceHours) * perYear; }
    // The item's total for one service × services a year, in the order of costItems().
    double annualItem(std::size_t item) const;
};

struct LotTotals {
    int priced = 0;
    int refused = 0;
    std::array<double, 8> annualItems{};   // in the order of costItems()
    double annualCost = 0;
    double annualKm = 0;
    double annualHours = 0;
    double drivers = 0;   // full-time drivers: Σ annual hours ÷ their driver's annual hours
    double annualProfit = 0;
    double annualBase = 0;   // cost + profit, before VAT
    double annualVat = 0;
    double annualTotal = 0;   // with VAT
    // Over the services with an offer: their offers a year, the same services'
    // base, and how far the one is from the other; none when no service has one.
    std::optional<double> offeredAnnual;
    std::optional<double> offeredServicesBase;
    std::optional<double> offerDeviationPct;
    bool flagged = false;

    // The annual cost of the items of one group (per km, per hour, general).
    double annualGroup(CostGroup group) const;
};

struct LotPricing {
    std::string refusal;   // the lot's terms are wrong: nothing was priced
    LotTerms terms;
    std::vector<ServicePricing> services;   // in the lot's order
    LotTotals totals;
    std::shared_ptr<const ReferenceSet> reference = builtInReferenceSet();   // for the services without a data file
    double tolerancePct = DefaultTolerancePct;
    bool priced() const { return refusal.empty(); }
    // A figure of one year over the whole term of the contract.
    double overTerm(double annual) const { return annual * terms.years; }
};

struct LotPricingContext {
    std::string folder;   // where a service's data file is looked for when its name is relative
    std::shared_ptr<const ReferenceSet> reference = builtInReferenceSet();
    double tolerancePct = DefaultTolerancePct;
};

LotPricing priceLot(const Lot &lot, const LotPricingContext &context);

}   // namespace rotavex
