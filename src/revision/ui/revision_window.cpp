#include "revision_window.h"

#include "revision_table_model.h"

#include "entry/field_check.h"
#include "entry/ui/numeric_field.h"
#include "report/number_format.h"
#include "report/ui/number_locale.h"
#include "report/ui/report_area.h"
#include "report/ui/report_printer.h"
#include "revision/revision_file.h"
#include "revision/revision_report.h"
#include "storage/ui/file_name_text.h"
#include "widgets/design_font.h"
#include "widgets/enter_key.h"
#include "widgets/program_pictures.h"
#include "widgets/prompter.h"
#include "widgets/twips.h"
#include "widgets/window_placement.h"
#include "widgets/wrapping_button.h"

#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QRegularExpression>
#include <QTableView>

namespace rotavex {

namespace {

const QString FileFilter = QStringLiteral("Revisiones de precios (*.csv);;Todos los ficheros (*)");

// The buttons stand in a column on the left; the name, the choice of
// weights, the four figures, the table and the report to their right.
constexpr int ButtonsLeft = 120, ButtonsWidth = 1815, ButtonHeight = 495;
constexpr int ContentLeft = 2055, ContentWidth = 15000, Margin = 120;
constexpr int SourcesTop = 555, SourcesWidth = 5520, SourcesHeight = 1350;
constexpr int FiguresLabelLeft = ContentLeft + SourcesWidth + 240, FiguresLabelWidth = 2520;
constexpr int FiguresFieldLeft = FiguresLabelLeft + FiguresLabelWidth, FieldWidth = 1500, FieldHeight = 315;
constexpr int TableLabelTop = 2040, TableTop = 2325, RowHeight = 285;
constexpr int ReportGap = 120, ReportHeight = 4440;
// The table's columns, the verdict taking the rest of its width.
constexpr int ItemColumnWidth = 1500;
constexpr int ColumnWidths[] = {1440, 1260, 1260, 900};

struct FieldDesign {
    const char *name;
    const char *label;
};
// By RevisionPlace::Field, up to Efficiency.
constexpr FieldDesign FieldDesigns[] = {
    {"txtNombre", "&Nombre"},
    {"txtPrecio", "&Precio (euros)"},
    {"txtBeneficio", "&Beneficio (%)"},
    {"txtLimite", "&Límite mano de obra (%)"},
    {"txtEficiencia", "&Factor de eficiencia"},
};

constexpr std::string Revision::*HeaderTexts[] = {&Revision::name, &Revision::price, &Revision::profitPct,
                                                  &Revision::labourCapPct, &Revision::efficiency};

QPushButton *addButton(QWidget *window, const char *name, const QString &caption, int top)
{
    auto *button = new WrappingButton(caption, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    button->setGeometry(twipRect(ButtonsLeft, top, ButtonsWidth, ButtonHeight));
    return button;
}

}   // namespace

QString unsavedRevisionQuestion(const Revision &revision)
{
    if (isBlank(revision.name))
        return QStringLiteral("La revisión de precios tiene cambios sin guardar. ¿Desea guardarla?");
    return QStringLiteral("La revisión de precios «%1» tiene cambios sin guardar. ¿Desea guardarla?")
        .arg(QString::fromStdString(revision.name));
}

QString unreadableRevisionMessage(const QString &path, const std::string &refusal)
{
    return QStringLiteral("No se ha podido leer la revisión de precios del fichero «%1»: %2.")
        .arg(shownFileName(path), QString::fromStdString(refusal));
}

QString revisionNotSavedMessage(const QString &path, const std::string &cause)
{
    return QStringLiteral("No se ha podido guardar la revisión de precios en el fichero «%1»: %2.")
        .arg(shownFileName(path), QString::fromStdString(cause));
}

RevisionWindow::RevisionWindow(StructureSource calculation, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      sources_(new WeightSourceChoice(std::move(calculation), this))
{
    setObjectName(QStringLiteral("frmRevision"));
    setWindowTitle(QStringLiteral("Revisión de precios"));
    setWindowIcon(observatoryIcon());
    setFont(designFont());

    createFields();
    sources_->setGeometry(twipRect(ContentLeft, SourcesTop, SourcesWidth, SourcesHeight));
    connect(sources_, &WeightSourceChoice::changedByUser, this, &RevisionWindow::revise);
    createTable();
    report_ = new ReportArea(twipRect(ContentLeft, 0, ContentWidth, ReportHeight), this);
    report_->move(twips(ContentLeft), table_->geometry().bottom() + 1 + twips(ReportGap));
    report_->setObjectName(QStringLiteral("pctRevision"));
    report_->setAccessibleName(QStringLiteral("Informe de la revisión de precios"));
    createButtons();

    QWidget *before = fields_[RevisionPlace::Name];
    for (QWidget *next : std::initializer_list<QWidget *>{
             sources_->button(WeightSource::Calculation), sources_->button(WeightSource::Lot),
             sources_->button(WeightSource::Typed), fields_[RevisionPlace::Price], fields_[RevisionPlace::Profit],
             fields_[RevisionPlace::LabourCap], fields_[RevisionPlace::Efficiency], table_, report_, print_,
             copyReport_, copyRows_, open_, save_, close_}) {
        setTabOrder(before, next);
        before = next;
    }
    pressFocusedButtonOnEnter(this);

    chooseFileToOpen = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Abrir revisión de precios"), folder(), FileFilter,
                                            nullptr, QFileDialog::DontUseNativeDialog);
    };
    chooseFileToSave = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Guardar revisión de precios"), suggested, FileFilter,
                                            nullptr, QFileDialog::DontUseNativeDialog);
    };

    display(Revision(), QString());
    fields_[RevisionPlace::Name]->setFocus();
    fixAndCentreOnScreen(
        this, QSize(twips(ContentLeft + ContentWidth + Margin), report_->geometry().bottom() + 1 + twips(Margin)));
}

void RevisionWindow::createFields()
{
    for (std::size_t which = 0; which < fields_.size(); ++which) {
        const FieldDesign &design = FieldDesigns[which];
        auto *field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(design.name));
        field->setAccessibleName(QString::fromUtf8(design.label).remove(QLatin1Char('&')));
        field->setMaxLength(which == RevisionPlace::Name ? 200 : int(MaxFieldTextLength));
        auto *label = new QLabel(QString::fromUtf8(design.label), this);
        label->setObjectName(QString::fromLatin1(design.name).replace(0, 3, QStringLiteral("lbl")));
        label->setBuddy(field);
        if (which == RevisionPlace::Name) {
            label->setGeometry(twipRect(ContentLeft, 150, 735, 255));
            field->setGeometry(twipRect(ContentLeft + 735, 120, 7200, FieldHeight));
        } else {
            const int top = SourcesTop + 90 + int(which - 1) * 345;
            label->setGeometry(twipRect(FiguresLabelLeft, top + 30, FiguresLabelWidth, 255));
            field->setGeometry(twipRect(FiguresFieldLeft, top, FieldWidth, FieldHeight));
        }
        connect(field, &QLineEdit::editingFinished, this, [this, which] { takeField(which); });
        fields_[which] = field;
    }
}

// The dialog's own destruction moves the focus out of a field or a cell
// editor, whose check must not reach the window already taken apart.
RevisionWindow::~RevisionWindow()
{
    for (QLineEdit *field : fields_)
        disconnect(field, nullptr, this, nullptr);
    disconnect(model_, nullptr, this, nullptr);
}

void RevisionWindow::createTable()
{
    auto *label = new QLabel(QStringLiteral("Par&tidas del coste"), this);
    label->setObjectName(QStringLiteral("lblPartidas"));
    label->setGeometry(twipRect(ContentLeft, TableLabelTop, 3000, 255));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblFichero"));
    note_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    note_->setGeometry(twipRect(ContentLeft + 3000, TableLabelTop, ContentWidth - 3000, 255));

    model_ = new RevisionTableModel(QString::fromStdString(systemNumberLocale().decimalSeparator), this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("grdPartidas"));
    table_->setAccessibleName(QStringLiteral("Partidas del coste"));
    table_->setModel(model_);
    label->setBuddy(table_);
    // Tab goes on to the report and the buttons; the arrows go from cell to
    // cell. The table scrolls only where a small screen cuts it.
    table_->setTabKeyNavigation(false);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setWordWrap(false);
    table_->setTextElideMode(Qt::ElideRight);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    QHeaderView *across = table_->horizontalHeader();
    across->setSectionResizeMode(QHeaderView::Fixed);
    across->setHighlightSections(false);
    for (int column = 0; column < int(std::size(ColumnWidths)); ++column)
        across->resizeSection(column, twips(ColumnWidths[column]));
    across->setStretchLastSection(true);
    QHeaderView *down = table_->verticalHeader();
    down->setSectionResizeMode(QHeaderView::Fixed);
    down->setDefaultSectionSize(twips(RowHeight));
    down->setHighlightSections(false);
    down->setFixedWidth(twips(ItemColumnWidth));
    const int frame = 2 * table_->frameWidth();
    table_->setGeometry(twips(ContentLeft), twips(TableTop), twips(ContentWidth),
                        across->sizeHint().height() + model_->rowCount() * twips(RowHeight) + frame);

    connect(model_, &RevisionTableModel::edited, this, &RevisionWindow::revise);
    // Told once the cell's editor has closed, so that the message box does
    // not take the focus from an editor still open.
    connect(
        model_, &RevisionTableModel::refused, this, [](const QString &message) { prompter().inform(message); },
        Qt::QueuedConnection);
}

void RevisionWindow::createButtons()
{
    print_ = addButton(this, "cmdImprimir", QStringLiteral("Imprimir"), 120);
    copyReport_ = addButton(this, "cmdCopiarInforme", QStringLiteral("Copiar informe"), 720);
    copyRows_ = addButton(this, "cmdCopiarTabla", QStringLiteral("Copiar tabla"), 1320);
    open_ = addButton(this, "cmdAbrir", QStringLiteral("Abrir…"), 2040);
    save_ = addButton(this, "cmdGuardar", QStringLiteral("Guardar…"), 2640);
    close_ = addButton(this, "cmdCerrar", QStringLiteral("Cerrar"), 3360);
    copyReport_->setToolTip(QStringLiteral("Copia el informe como imagen y como texto, para otro documento"));
    copyRows_->setToolTip(QStringLiteral("Copia las partidas separadas por tabuladores, para una hoja de cálculo"));
    connect(print_, &QPushButton::clicked, this, &RevisionWindow::print);
    connect(copyReport_, &QPushButton::clicked, this, [this] { report_->copyToClipboard(); });
    connect(copyRows_, &QPushButton::clicked, this, &RevisionWindow::copyRows);
    connect(open_, &QPushButton::clicked, this, &RevisionWindow::openFile);
    connect(save_, &QPushButton::clicked, this, &RevisionWindow::saveToFile);
    connect(close_, &QPushButton::clicked, this, &RevisionWindow::reject);
}

void RevisionWindow::setLotStructure(StructureSource lot)
{
    sources_->setLotStructure(std::move(lot));
    revise();
}

Revision RevisionWindow::shownRevision() const
{
    Revision revision;
    for (std::size_t which = 0; which < fields_.size(); ++which)
        revision.*HeaderTexts[which] = accepted_[which].toStdString();
    revision.rows = model_->rows();
    return revision;
}

Revision RevisionWindow::revision() const
{
    Revision revision = shownRevision();
    if (weightSource() != WeightSource::Typed)
        for (RevisionRow &row : revision.rows)
            row.weightPct.clear();
    return revision;
}

bool RevisionWindow::hasUnsavedChanges() const { return revisionFileBytes(revision()) != savedBytes_; }

// The field's text once the user leaves it: a text the revision cannot take
// is refused with its reason and the field goes back to the text it had.
void RevisionWindow::takeField(std::size_t which)
{
    QLineEdit *field = fields_[which];
    QString typed = field->text().trimmed();
    if (which == RevisionPlace::Name)   // a file's name is one line
        typed.replace(QRegularExpression(QStringLiteral("[\t\r\n]")), QStringLiteral(" "));
    if (typed == accepted_[which]) {
        field->setText(typed);
        return;
    }
    if (which != RevisionPlace::Name) {
        Revision trial = shownRevision();
        trial.*HeaderTexts[which] = typed.toStdString();
        if (const QString refusal = typedTextRefusal(trial); !refusal.isEmpty()) {
            field->setText(accepted_[which]);
            informAsTheFocusMoves(refusal);
            return;
        }
    }
    accepted_[which] = typed;
    field->setText(typed);
    revise();
}

void RevisionWindow::takeFields()
{
    for (std::size_t which = 0; which < fields_.size(); ++which)
        if (fields_[which]->text().trimmed() != accepted_[which])
            takeField(which);
}

// With a structure, the weights its revision used; where it was refused, the
// structure's shares of the price it would have, so that the table still
// shows where the weights come from.
std::array<std::optional<double>, RevisionItemCount> RevisionWindow::weightsToShow() const
{
    std::array<std::optional<double>, RevisionItemCount> weights;
    if (!structure_)
        return weights;
    RevisionOutcome shown = outcome_;
    if (!shown.done()) {
        const RevisionTermsReading reading = readRevisionTerms(revision());
        if (!reading.terms)
            return weights;
        RevisionTerms unindexed = *reading.terms;
        unindexed.initialIndex = {};
        unindexed.finalIndex = {};
        shown = revisePrice(unindexed, structure_);
        if (!shown.done())
            return weights;
    }
    for (std::size_t item = 0; item < RevisionItemCount; ++item)
        weights[item] = shown.items[item].weight * 100;
    return weights;
}

void RevisionWindow::revise()
{
    structure_ = sources_->read();
    model_->setWeightsTyped(weightSource() == WeightSource::Typed);
    const Revision used = revision();
    const RevisionTermsReading reading = readRevisionTerms(used);
    terms_ = reading.terms.value_or(RevisionTerms());
    if (reading.terms) {
        outcome_ = revisePrice(*reading.terms, structure_);
    } else {
        outcome_ = RevisionOutcome();
        outcome_.refusal = reading.refusal;
    }
    const std::array<std::optional<double>, RevisionItemCount> weights = weightsToShow();
    model_->showRevision(terms_, outcome_, weights);
    // The price a structure gives when none is typed.
    QString price;
    if (structure_ && outcome_.price > 0)
        price = QString::fromStdString(formatAmount(outcome_.price, systemNumberLocale().decimalSeparator));
    fields_[RevisionPlace::Price]->setPlaceholderText(price);
    report_->clear();
    report_->write(revisionReport(used, terms_, outcome_));
    describe();
}

void RevisionWindow::display(const Revision &revision, const QString &path)
{
    for (std::size_t which = 0; which < fields_.size(); ++which) {
        accepted_[which] = QString::fromStdString(revision.*HeaderTexts[which]);
        fields_[which]->setText(accepted_[which]);
    }
    model_->setRows(revision.rows);
    // A file's own weights are typed weights; without them the revision is
    // of the first structure there is.
    sources_->read();
    sources_->choose(readRevisionTerms(revision).terms.value_or(RevisionTerms()).typedWeights()
                         ? WeightSource::Typed
                         : sources_->firstAvailable());
    revise();
    path_ = path;
    savedBytes_ = revisionFileBytes(this->revision());
    describe();
}

// Which file the revision is, and whether it has changed since, beside the
// table and in its description for a screen reader.
void RevisionWindow::describe()
{
    QString note;
    if (!path_.isEmpty())
        note = QStringLiteral("Fichero: %1").arg(shownFileName(QDir::toNativeSeparators(path_)));
    if (hasUnsavedChanges())
        note += QString(note.isEmpty() ? QString() : QStringLiteral(". ")) + QStringLiteral("Hay cambios sin guardar.");
    note_->setText(note);
    table_->setAccessibleDescription(note);
}

QString RevisionWindow::folder() const { return path_.isEmpty() ? QDir::homePath() : QFileInfo(path_).absolutePath(); }

QString RevisionWindow::suggestedFile() const
{
    if (!path_.isEmpty())
        return path_;
    QString name = accepted_[RevisionPlace::Name];
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return QDir(folder()).filePath((name.isEmpty() ? QStringLiteral("Revisión de precios") : name)
                                   + QStringLiteral(".csv"));
}

bool RevisionWindow::mayDropRevision()
{
    takeFields();
    if (!hasUnsavedChanges())
        return true;
    return mayDropChanges(unsavedRevisionQuestion(revision()), [this] { return saveToFile(); });
}

void RevisionWindow::openFile()
{
    if (!mayDropRevision())
        return;
    const QString path = chooseFileToOpen();
    if (path.isEmpty())
        return;
    const RevisionFileReading reading = loadRevisionFile(filePathBytes(path));
    if (!reading.revision) {
        prompter().inform(unreadableRevisionMessage(path, reading.refusal));
        return;
    }
    display(*reading.revision, path);
}

bool RevisionWindow::saveToFile()
{
    takeFields();
    QString path = chooseFileToSave(suggestedFile());
    if (path.isEmpty())
        return false;
    path = withCsvExtension(path);
    const Revision saved = revision();
    if (const std::optional<std::string> cause = saveRevisionFile(filePathBytes(path), saved)) {
        prompter().inform(revisionNotSavedMessage(path, *cause));
        return false;
    }
    path_ = path;
    savedBytes_ = revisionFileBytes(saved);
    describe();
    return true;
}

void RevisionWindow::print()
{
    takeFields();
    ReportPrinter printer(windowTitle());
    printer.print(printedRevisionReport(revision(), terms_, outcome_, printingMoment()));
}

// The items under their column names, separated by tabs, which a
// spreadsheet pastes cell by cell.
void RevisionWindow::copyRows()
{
    takeFields();
    if (!outcome_.done()) {
        prompter().inform(
            QStringLiteral("No se ha revisado el precio: %1.").arg(QString::fromStdString(outcome_.refusal)));
        return;
    }
    const QString rows = QString::fromStdString(
        revisionTabSeparatedRows(terms_, outcome_, systemNumberLocale().decimalSeparator));
    auto *data = new QMimeData;
    data->setText(rows);
    data->setData(QStringLiteral("text/tab-separated-values"), rows.toUtf8());
    QGuiApplication::clipboard()->setMimeData(data);
}

void RevisionWindow::reject()
{
    if (mayDropRevision())
        QDialog::reject();
}

// Coming back to the window, perhaps after a new calculation, revises it
// with the structures as they are now.
void RevisionWindow::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && model_)
        revise();
}

}   // namespace rotavex
