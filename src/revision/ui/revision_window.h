#pragma once
// frmRevision, "Revisión de precios": a contract's price revised through its
// cost structure. The weights of the items come from the structure of the
// calculation last made, of the lot last priced, or from the Peso column as
// the user types them for a contract whose tender documents fix them. Each
// text accepted revises the price at once: the report shows Kt, the revised
// price and each item's part, or why the price cannot be revised. The
// revision prints, copies, is saved to and opened from a file, and a
// revision changed is never lost without a question. The window stays open
// beside the others, so that a new calculation can be revised at once.

#include "weight_source_choice.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTableView;

namespace rotavex {

class ReportArea;
class RevisionTableModel;

class RevisionWindow : public QDialog {
    Q_OBJECT
public:
    using WeightSource = rotavex::WeightSource;
    using StructureSource = rotavex::StructureSource;

    explicit RevisionWindow(StructureSource calculation, QWidget *parent = nullptr);
    ~RevisionWindow() override;
    // The lot last priced; while it is unset the choice stays disabled.
    void setLotStructure(StructureSource lot);

    // The file dialogs, which tests replace: the file chosen, or empty when
    // the user cancelled.
    std::function<QString()> chooseFileToOpen;
    std::function<QString(const QString &suggested)> chooseFileToSave;

    // The revision as the window would save it: with a structure's weights,
    // none of its own.
    Revision revision() const;
    WeightSource weightSource() const { return sources_->chosen(); }
    const RevisionOutcome &outcome() const { return outcome_; }
    bool hasUnsavedChanges() const;
    const QString &shownFile() const { return path_; }

    // The five texts in the order of RevisionPlace: Nombre, Precio,
    // Beneficio, Límite mano de obra and Factor de eficiencia.
    QLineEdit *field(RevisionPlace::Field which) const { return fields_[std::size_t(which)]; }
    QRadioButton *sourceButton(WeightSource source) const { return sources_->button(source); }
    QTableView *table() const { return table_; }
    RevisionTableModel *model() const { return model_; }
    ReportArea *reportArea() const { return report_; }
    QPushButton *printButton() const { return print_; }
    QPushButton *copyReportButton() const { return copyReport_; }
    QPushButton *copyRowsButton() const { return copyRows_; }
    QPushButton *openButton() const { return open_; }
    QPushButton *saveButton() const { return save_; }
    QPushButton *closeButton() const { return close_; }

    void revise();
    void openFile();     // "Abrir…"
    bool saveToFile();   // "Guardar…": true once written
    void print();
    void copyRows();   // the items as rows for a spreadsheet
    // Before the revision shown is dropped (the window closes, the program
    // ends, another is opened): saved or dropped as the user answers; false
    // when the user would rather keep it.
    bool mayDropRevision();

public slots:
    // Cerrar, Escape and the title bar's close all come here.
    void reject() override;

protected:
    void changeEvent(QEvent *event) override;

private:
    void createFields();
    void createTable();
    void createButtons();
    void takeField(std::size_t which);
    void takeFields();
    Revision shownRevision() const;
    void display(const Revision &revision, const QString &path);
    void describe();
    std::array<std::optional<double>, RevisionItemCount> weightsToShow() const;
    QString folder() const;
    QString suggestedFile() const;

    std::optional<CostStructure> structure_;   // of the source chosen, as last read
    std::array<QLineEdit *, 5> fields_{};
    std::array<QString, 5> accepted_;   // each field's text as last checked
    WeightSourceChoice *sources_ = nullptr;
    RevisionTableModel *model_ = nullptr;
    QTableView *table_ = nullptr;
    QLabel *note_ = nullptr;
    ReportArea *report_ = nullptr;
    QPushButton *print_ = nullptr;
    QPushButton *copyReport_ = nullptr;
    QPushButton *copyRows_ = nullptr;
    QPushButton *open_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *close_ = nullptr;
    RevisionTerms terms_;
    RevisionOutcome outcome_;
    QString path_;             // where the revision shown was read from or last saved
    std::string savedBytes_;   // the revision as that file holds it
};

QString unsavedRevisionQuestion(const Revision &revision);
QString unreadableRevisionMessage(const QString &path, const std::string &refusal);
QString revisionNotSavedMessage(const QString &path, const std::string &cause);

}   // namespace rotavex
