#pragma once
// The four numbered data windows as one whole: the texts of the sixteen
// inputs, the bus class and service-mode choices, the observatory buttons,
// and freezing everything while results are on display.

#include "model/inputs.h"

#include <QObject>
#include <QPointer>
#include <QString>

#include <array>
#include <string_view>

class QLineEdit;
class QPushButton;
class QWidget;

namespace rotavex {

struct Workspace;
class InputForm;
class NumericField;

class InputWindows : public QObject {
    Q_OBJECT
public:
    explicit InputWindows(Workspace &workspace, QObject *parent = nullptr);
    ~InputWindows() override;

    // "frmDatos", "frmVehi", "frmMovi", "frmTray"; nullptr for any other name.
    InputForm *window(const QString &name) const;
    const std::array<InputForm *, 4> &windows() const { return forms_; }

    FieldTexts fieldTexts() const;
    void setFieldText(Input input, const QString &text);
    QLineEdit *field(Input input) const;
    QPushButton *observatoryButton(std::string_view name) const;   // "cmdCocon", ...

    // The same as clicking the option; a class outside 1..4 is stored with
    // no option shown chosen.
    void selectBusClass(int busClass);
    void selectServiceMode(bool fullService);

    // A press of the observatory button of that name.
    void toggleObservatorySource(std::string_view button);

    // While results are on display nothing can be changed: the class and
    // service-mode frames are disabled, every field locked and every
    // observatory button disabled.
    void freezeInputs();
    // Back to editing: a group switched to the observatory keeps its fields
    // locked; its button is usable again.
    void unfreezeInputs();

private:
    NumericField *numericField(Input input) const;
    void showSwitchState(std::string_view button);
    static void checkOnly(QWidget *frame, int id);

    Workspace &workspace_;
    std::array<InputForm *, 4> forms_{};
    std::array<QPointer<InputForm>, 4> alive_;   // a window may be deleted by the frame it was placed in
};

} // namespace rotavex
