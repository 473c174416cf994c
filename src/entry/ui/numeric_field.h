#pragma once
// The text field of one of the sixteen numeric inputs. When the focus goes
// from it to another control of the same child window, the field check runs
// (negative and non-numeric texts refused with their message, a decimal
// comma made a point) and the workspace is marked unsaved; on any loss of
// the focus the remaining commas become points, except on the two fields
// that do not have that step. The message never keeps the focus here.

#include "model/inputs.h"

#include <QLineEdit>

namespace rotavex {

struct Workspace;

class NumericField : public QLineEdit {
    Q_OBJECT
public:
    NumericField(Input input, Workspace &workspace, QWidget *parent = nullptr);

    Input input() const { return input_; }

    // Sets the text the program gives the field. The observatory's word is
    // shown whole from its first letter, in a smaller size where the field is
    // too narrow for it in the window's font.
    void showText(const QString &text);

    // The two steps the focus change runs, also callable on their own.
    void checkNumericField();
    void normaliseDecimalComma();

protected:
    bool event(QEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    bool leavesForSameWindow(const QFocusEvent *event) const;
    int textRoom() const;

    const Input input_;
    Workspace &workspace_;
};

// The message of a check run as the focus leaves a field: shown at once when
// the keyboard moved the focus; when a click did, once the mouse button is
// released, so that the click the user began on another control completes
// first instead of leaving that control held down under the message box.
void informAsTheFocusMoves(const QString &text);

// The child window a control belongs to: its MDI sub-window, or its own
// top-level window when it is shown on its own.
QWidget *childWindowOf(const QWidget *control);

}   // namespace rotavex
