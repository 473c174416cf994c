#include "observatory_values.h"

#include "workspace.h"

#include <stdexcept>

namespace rotavex {

namespace {

constexpr ObservatoryValues row(double price, double km, float maintenance, float fuel, float tyres, double tyreSet,
                                double insurance)
{
    return {35790.59603, 2328.75, 12.5, price, 10, 2.27, 5, km, maintenance, fuel, tyres, tyreSet, insurance};
}

}   // namespace

const ObservatoryValues &ReferenceSet::of(int busClass) const
{
    if (!isKnownBusClass(busClass))
        throw std::out_of_range("bus class without reference values");
    return classes[static_cast<std::size_t>(busClass - 1)];
}

const std::shared_ptr<const ReferenceSet> &builtInReferenceSet()
{
    static const std::shared_ptr<const ReferenceSet> builtIn = std::make_shared<const ReferenceSet>(
        ReferenceSet{BuiltInReferenceName,
                     {
                         row(92533.353377, 44000, 0.1062573f, 0.1877906f, 0.0289214f, 3181.356, 3368.3300496),
                         row(111031.141561, 45220, 0.1195395f, 0.23996f, 0.0385619f, 4241.808, 3946.730159),
                         row(194304.497732, 69458, 0.1461038f, 0.3129844f, 0.0385619f, 4241.808, 4899.389163),
                         row(229834.463031, 66000, 0.239079f, 0.3964469f, 0.0385619f, 4241.808, 6369.205912),
                     }});
    return builtIn;
}

bool isBuiltIn(const ReferenceSet &set) { return &set == builtInReferenceSet().get(); }

}   // namespace rotavex
