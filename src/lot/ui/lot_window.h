#pragma once
// frmLote, "Lote de servicios": the routes of a tender typed, pasted from a
// spreadsheet or read from a lot file, priced together on the reference
// values in use (or each on a data file of its own), with each service's
// figures beside its row and the lot's report and chart below. The window
// stays open beside the others; a lot with changes not saved is never
// dropped without a question, neither when the window closes nor when the
// program ends.

#include "lot/lot.h"
#include "lot/lot_pricing.h"

#include <QDialog>

#include <functional>

class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace rotavex {

class CostChart;
class LotTableModel;
class ServicesTable;
class ReportArea;
struct Workspace;

class LotWindow : public QDialog {
    Q_OBJECT
public:
    // Prices on the set of reference values the workspace has in use when
    // "Calcular lote" is pressed.
    explicit LotWindow(const Workspace &workspace, QWidget *parent = nullptr);
    ~LotWindow() override;

    // The file dialogs, which tests replace: the file chosen, or empty when
    // the user cancelled.
    std::function<QString()> chooseFileToOpen;
    std::function<QString(const QString &suggested)> chooseFileToSave;

    // The lot as the fields and the table hold it.
    Lot lot() const;
    void showLot(const Lot &lot, const QString &path);
    bool hasUnsavedChanges() const { return changed_; }
    const QString &shownFile() const { return path_; }

    QLineEdit *nameField() const { return name_; }       // txtNombre
    QLineEdit *yearsField() const { return years_; }     // txtAnos
    QLineEdit *profitField() const { return profit_; }   // txtBeneficio
    QLineEdit *vatField() const { return vat_; }         // txtIVA
    ServicesTable *table() const { return table_; }      // grdServicios
    LotTableModel *model() const { return model_; }
    ReportArea *reportArea() const { return report_; }            // pctLote
    CostChart *chart() const { return chart_; }                   // grfLote
    QLabel *summary() const { return summary_; }                  // lblResumen
    QPushButton *addButton() const { return add_; }               // cmdAnadir
    QPushButton *removeButton() const { return remove_; }         // cmdQuitar
    QPushButton *calculateButton() const { return calculate_; }   // cmdCalcular
    QPushButton *printButton() const { return print_; }           // cmdImprimir
    QPushButton *copyButton() const { return copy_; }             // cmdCopiar
    QPushButton *openButton() const { return open_; }             // cmdAbrir
    QPushButton *saveButton() const { return save_; }             // cmdGuardar
    QPushButton *closeButton() const { return close_; }           // cmdCerrar

    bool calculate();    // "Calcular lote": true once priced
    void print();        // "Imprimir"
    void copy();         // "Copiar"
    void openFile();     // "Abrir…"
    bool saveToFile();   // "Guardar…": true once written

    // Changes not saved are saved, or dropped, as the user answers; false
    // when the user would rather keep the lot open.
    bool mayDropLot();

signals:
    // The lot has been priced: its totals, as the price revision takes a
    // lot's cost structure.
    void lotPriced(const rotavex::LotTotals &totals);

public slots:
    // Cerrar, Escape and the title bar's close all come here.
    void reject() override;

private:
    void buildFields(QGridLayout *grid);
    void buildButtons(QVBoxLayout *column);
    void termEdited(QLineEdit *field);
    void checkTerm(QLineEdit *field);
    void markChanged();
    void describe();
    bool ensurePriced();
    QString folder() const;
    QString suggestedFile() const;

    const Workspace &workspace_;
    LotTableModel *model_ = nullptr;
    QLineEdit *name_ = nullptr;
    QLineEdit *years_ = nullptr;
    QLineEdit *profit_ = nullptr;
    QLineEdit *vat_ = nullptr;
    ServicesTable *table_ = nullptr;
    ReportArea *report_ = nullptr;
    CostChart *chart_ = nullptr;
    QLabel *summary_ = nullptr;
    QLabel *file_ = nullptr;
    QPushButton *add_ = nullptr;
    QPushButton *remove_ = nullptr;
    QPushButton *calculate_ = nullptr;
    QPushButton *print_ = nullptr;
    QPushButton *copy_ = nullptr;
    QPushButton *open_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *close_ = nullptr;
    QString path_;   // where the lot was read from or last saved
    bool changed_ = false;
    // What each term field held when it was last taken, for a text the
    // check refuses.
    QString takenTerms_[3];
};

inline const QString LotWindowTitle = QStringLiteral("Lote de servicios");
QString unsavedLotQuestion(const QString &name);
QString lotNotSavedMessage(const QString &path, const std::string &cause);
QString lotNotReadMessage(const QString &path, const std::string &refusal);

}   // namespace rotavex
