#pragma once
// One numbered data window, built from the table of its controls: name,
// kind, caption, tooltip, tab position and place in twips. The four data
// windows differ only in their tables.

#include "model/inputs.h"
#include "model/switch_groups.h"

#include <QString>
#include <QWidget>

#include <vector>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;

namespace rotavex {

struct Workspace;
class NumericField;

enum class ControlKind { Frame, Option, Label, Field, ObservatoryButton, Line };

struct ControlDesign {
    ControlKind kind;
    const char *name;           // none for a label or a field: they are named after their input (lblX, txtX)
    const char *caption = "";   // UTF-8, exactly as shown
    const char *tooltip = "";
    int tab = -1;                                   // focus order among the controls that take the focus
    int left = 0, top = 0, width = 0, height = 0;   // twips, within the window or the frame
    int optionId = 0;           // the value an option chooses; an option sits in the frame listed before it
    ObservatoryGroup group{};   // the group an observatory button switches
    // What a screen reader tells besides the caption: for an observatory
    // button, whose caption every group shares, the data it switches.
    const char *description = "";
    Input input{};   // the input a label or a field stands for
};

struct FormDesign {
    const char *name;   // "frmDatos", ...
    const char *title;
    int clientWidth, clientHeight;   // twips
    std::vector<ControlDesign> controls;
};

const FormDesign &generalDataForm();   // frmDatos
const FormDesign &vehicleForm();       // frmVehi
const FormDesign &runningCostForm();   // frmMovi
const FormDesign &tripForm();          // frmTray

class InputForm : public QWidget {
    Q_OBJECT
public:
    InputForm(const FormDesign &design, Workspace &workspace, QWidget *parent = nullptr);

    const std::vector<NumericField *> &fields() const { return fields_; }
    // The label beside the field of the input; nullptr when the field is
    // in another window.
    QLabel *label(Input input) const;
    // The window's one frame of options and their group; nullptr in a
    // window without one.
    QGroupBox *optionFrame() const { return optionFrame_; }
    QButtonGroup *options() const { return options_; }
    // nullptr when the group's button is in another window.
    QPushButton *observatoryButton(ObservatoryGroup group) const;

    // The controls that take the focus, in the order the focus visits them.
    const std::vector<QWidget *> &tabOrder() const { return tabOrder_; }

private:
    QWidget *build(const ControlDesign &control, Workspace &workspace);

    std::vector<NumericField *> fields_;
    std::vector<std::pair<Input, QLabel *>> labels_;
    std::vector<std::pair<ObservatoryGroup, QPushButton *>> observatoryButtons_;
    QGroupBox *optionFrame_ = nullptr;
    QButtonGroup *options_ = nullptr;
    std::vector<QWidget *> tabOrder_;
};

}   // namespace rotavex
