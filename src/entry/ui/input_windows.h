#pragma once
// The four numbered data windows as one whole: the texts of the sixteen
// inputs, the bus class and service-mode choices, the observatory buttons,
// and freezing everything while results are on display.

#include "model/inputs.h"
#include "model/switch_groups.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace rotavex {

struct Workspace;
class InputForm;
class NumericField;

// The four numbered data windows, in their numbering.
enum class DataWindow { General, Vehicle, Running, Trip };

class InputWindows : public QObject {
    Q_OBJECT
public:
    explicit InputWindows(Workspace &workspace, QObject *parent = nullptr);
    ~InputWindows() override;

    InputForm *window(DataWindow window) const;

    FieldTexts fieldTexts() const;
    void setFieldText(Input input, const QString &text);
    QLineEdit *field(Input input) const;
    QLabel *label(Input input) const;
    QPushButton *observatoryButton(ObservatoryGroup group) const;

    QGroupBox *busClassFrame() const;
    QAbstractButton *busClassOption(int busClass) const;   // 1..4
    QGroupBox *serviceModeFrame() const;
    QAbstractButton *serviceModeOption(bool fullService) const;

    // The same as clicking the option; a class outside 1..4 is stored with
    // no option shown chosen.
    void selectBusClass(int busClass);
    void selectServiceMode(bool fullService);

    // A press of the group's observatory button.
    void toggleObservatorySource(ObservatoryGroup group);

    // While results are on display nothing can be changed: the class and
    // service-mode frames are disabled, every field locked and every
    // observatory button disabled.
    void freezeInputs();
    // Back to editing: a group switched to the observatory keeps its fields
    // locked; its button is usable again.
    void unfreezeInputs();

private:
    NumericField *numericField(Input input) const;
    void showSwitchState(const SwitchGroup &group);
    static void checkOnly(const InputForm &window, int id);

    Workspace &workspace_;
    std::array<InputForm *, 4> forms_{};
    std::array<QPointer<InputForm>, 4> alive_;   // a window may be deleted by the frame it was placed in
};

}   // namespace rotavex
