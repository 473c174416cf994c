#pragma once
// One numbered data window, built from the table of its controls: name,
// kind, caption, tooltip, tab position and place in twips. The four data
// windows differ only in their tables.

#include "model/inputs.h"

#include <QString>
#include <QWidget>

#include <vector>

class QButtonGroup;

namespace rotavex {

struct Workspace;
class NumericField;

enum class ControlKind { Frame, Option, Label, Field, ObservatoryButton, Line };

struct ControlDesign {
    ControlKind kind;
    const char *name;
    const char *caption = "";     // UTF-8, exactly as shown
    const char *tooltip = "";
    int tab = -1;                 // focus order among the controls that take the focus
    int left = 0, top = 0, width = 0, height = 0;   // twips, within the window or the frame
    const char *frame = nullptr;  // the frame an option sits in
    int optionId = 0;             // the value an option chooses
};

struct FormDesign {
    const char *name;             // "frmDatos", ...
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

    const FormDesign &design() const { return design_; }
    QSize designSize() const;

    template<class T = QWidget>
    T *control(const QString &name) const { return findChild<T *>(name); }

    const std::vector<NumericField *> &fields() const { return fields_; }
    QButtonGroup *optionGroup(const QString &frameName) const;

    // The controls that take the focus, in the order the focus visits them.
    const std::vector<QWidget *> &tabOrder() const { return tabOrder_; }

private:
    QWidget *build(const ControlDesign &control, Workspace &workspace);

    const FormDesign &design_;
    std::vector<NumericField *> fields_;
    std::vector<QWidget *> tabOrder_;
};

} // namespace rotavex
