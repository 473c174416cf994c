#pragma once
// "Pesos de las partidas": where a revision's weights come from, the
// structure of the calculation last made, that of the lot last priced, or
// the weights the user types. A structure there is not yet is a choice that
// is disabled and says so; chosen, and then gone (a new calculation begun),
// it gives way to the typed weights.

#include "revision/revision_formula.h"

#include <QGroupBox>

#include <array>
#include <functional>
#include <optional>

class QRadioButton;

namespace rotavex {

enum class WeightSource { Calculation, Lot, Typed };
// A structure, or none when there is none to revise (no calculation yet).
using StructureSource = std::function<std::optional<CostStructure>()>;

class WeightSourceChoice : public QGroupBox {
    Q_OBJECT
public:
    explicit WeightSourceChoice(StructureSource calculation, QWidget *parent = nullptr);
    // The lot last priced; while it is unset its choice stays disabled.
    void setLotStructure(StructureSource lot) { structures_[std::size_t(WeightSource::Lot)] = std::move(lot); }

    QRadioButton *button(WeightSource source) const { return buttons_[std::size_t(source)]; }
    WeightSource chosen() const;
    // Chosen by the program: the user's choice is what `chosen` tells.
    void choose(WeightSource source);

    // Reads the structures as they are now: the one chosen, or none for
    // the typed weights.
    std::optional<CostStructure> read();
    // The first structure there is, or the typed weights.
    WeightSource firstAvailable() const;

signals:
    void changedByUser();

private:
    std::array<StructureSource, 2> structures_;   // the calculation's, the lot's
    std::array<QRadioButton *, 3> buttons_{};
};

}   // namespace rotavex
