#include "weight_source_choice.h"

#include "widgets/twips.h"

#include <QRadioButton>
#include <QSignalBlocker>

namespace rotavex {

namespace {

QString caption(WeightSource source, bool available)
{
    const QString none = available ? QString() : QStringLiteral(" (aún no hay ninguno)");
    switch (source) {
    case WeightSource::Calculation: return QStringLiteral("Estructura del último &cálculo") + none;
    case WeightSource::Lot: return QStringLiteral("Estructura del último l&ote calculado") + none;
    case WeightSource::Typed: break;
    }
    return QStringLiteral("Pesos &escritos (en % del precio)");
}

}   // namespace

WeightSourceChoice::WeightSourceChoice(StructureSource calculation, QWidget *parent)
    : QGroupBox(QStringLiteral("Pesos de las partidas"), parent), structures_{std::move(calculation), {}}
{
    setObjectName(QStringLiteral("fraPesos"));
    const char *names[] = {"optCalculo", "optLote", "optEscritos"};
    for (std::size_t source = 0; source < buttons_.size(); ++source) {
        auto *button = new QRadioButton(caption(WeightSource(source), true), this);
        button->setObjectName(QString::fromLatin1(names[source]));
        button->setGeometry(twipRect(120, 270 + int(source) * 330, 5280, 300));
        connect(button, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                emit changedByUser();
        });
        buttons_[source] = button;
    }
}

WeightSource WeightSourceChoice::chosen() const
{
    for (std::size_t source = 0; source < buttons_.size(); ++source)
        if (buttons_[source]->isChecked())
            return WeightSource(source);
    return WeightSource::Typed;
}

void WeightSourceChoice::choose(WeightSource source)
{
    const QSignalBlocker quiet(button(source));
    button(source)->setChecked(true);
}

std::optional<CostStructure> WeightSourceChoice::read()
{
    std::optional<CostStructure> chosenStructure;
    for (std::size_t source = 0; source < structures_.size(); ++source) {
        const std::optional<CostStructure> structure = structures_[source] ? structures_[source]() : std::nullopt;
        QRadioButton *shown = buttons_[source];
        shown->setText(caption(WeightSource(source), structure.has_value()));
        shown->setEnabled(structure.has_value());
        if (shown->isChecked() && structure)
            chosenStructure = structure;
        else if (shown->isChecked())
            choose(WeightSource::Typed);
    }
    return chosenStructure;
}

WeightSource WeightSourceChoice::firstAvailable() const
{
    for (WeightSource source : {WeightSource::Calculation, WeightSource::Lot})
        if (button(source)->isEnabled())
            return source;
    return WeightSource::Typed;
}

}   // namespace rotavex
