#pragma once
// frmRefer, "Valores de referencia": the set of reference values in use or
// one of the user's own, as a table of the thirteen quantities for each bus
// class. The built-in observatory set is only shown (and may be saved as a
// file to start from); a set of the user's own, opened from a file or made
// with "Nuevo" as a copy of the set shown, can be changed, saved and put in
// use. Changes not saved are never lost without a question.

#include "model/observatory_values.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace rotavex {

class ReferenceChoice;
class ReferenceTableModel;

class ReferenceWindow : public QDialog {
    Q_OBJECT
public:
    explicit ReferenceWindow(ReferenceChoice &choice, QWidget *parent = nullptr);

    // The file dialogs, which tests replace: the file chosen, or empty when
    // the user cancelled.
    std::function<QString()> chooseFileToOpen;
    std::function<QString(const QString &suggested)> chooseFileToSave;

    const ReferenceSet &shownSet() const;
    bool hasUnsavedChanges() const { return changed_; }
    const QString &shownFile() const { return path_; }

    QLineEdit *nameField() const { return name_; }   // txtNombre
    QTableView *table() const { return table_; }     // grdValores
    ReferenceTableModel *model() const { return model_; }
    QPushButton *newButton() const { return new_; }           // cmdNuevo
    QPushButton *openButton() const { return open_; }         // cmdAbrir
    QPushButton *saveButton() const { return save_; }         // cmdGuardar
    QPushButton *useButton() const { return use_; }           // cmdUsar
    QPushButton *builtInButton() const { return builtIn_; }   // cmdObservatorio
    QPushButton *closeButton() const { return close_; }       // cmdCerrar

    void makeNew();      // "Nuevo"
    void openFile();     // "Abrir…"
    bool saveToFile();   // "Guardar…": true once written
    void useShown();     // "Usar estos valores"

public slots:
    // Cerrar, Escape and the title bar's close all come here.
    void reject() override;

private:
    void display(const ReferenceSet &set, bool builtIn, const QString &path);
    void takeName();
    bool mayDropShown();
    void describe();
    QString suggestedFile() const;
    QString folder() const;

    ReferenceChoice &choice_;
    ReferenceTableModel *model_ = nullptr;
    QLineEdit *name_ = nullptr;
    QTableView *table_ = nullptr;
    QLabel *note_ = nullptr;
    QLabel *inUse_ = nullptr;
    QPushButton *new_ = nullptr;
    QPushButton *open_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *use_ = nullptr;
    QPushButton *builtIn_ = nullptr;
    QPushButton *close_ = nullptr;
    bool shownBuiltIn_ = true;
    QString path_;   // where the set shown was read from or last saved
    bool changed_ = false;
};

// Opens the window modally over `parent` on the set in use.
void openReferenceWindow(QWidget *parent, ReferenceChoice &choice);

inline const QString EmptyReferenceNameMessage = QStringLiteral(
    "El nombre de los valores de referencia no puede quedar vacío.");
QString unsavedReferenceQuestion(const ReferenceSet &set);
QString referenceNotSavedMessage(const QString &path, const std::string &cause);

}   // namespace rotavex
