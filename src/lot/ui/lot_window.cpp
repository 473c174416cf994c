#include "lot_window.h"

#include "lot_table_model.h"
#include "services_table.h"

#include "entry/field_check.h"
#include "lot/lot_file.h"
#include "lot/lot_report.h"
#include "model/workspace.h"
#include "report/plain_text.h"
#include "report/ui/number_locale.h"
#include "report/ui/report_area.h"
#include "report/ui/report_printer.h"
#include "results/ui/cost_chart.h"
#include "storage/ui/file_name_text.h"
#include "widgets/design_font.h"
#include "widgets/enter_key.h"
#include "widgets/program_pictures.h"
#include "widgets/prompter.h"
#include "widgets/twips.h"
#include "widgets/window_placement.h"
#include "widgets/wrapping_button.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollArea>
#include <QTimer>

namespace rotavex {

namespace {

const QString FileFilter = QStringLiteral("Lotes de servicios (*.csv);;Todos los ficheros (*)");

// The window as designed, and the least it shrinks to before it scrolls.
const QSize ClientSize = twipSize(15600, 10500);
const QSize LeastContentSize = twipSize(11400, 7200);
constexpr int ButtonWidth = 1815, ButtonHeight = 495;

QString fromStd(const std::string &text) { return QString::fromStdString(text); }

// The window's page takes the height the window gives it: the labels that
// wrap would otherwise make it as tall as they would like it to be, and the
// page would scroll in a window that holds it.
class Page : public QWidget {
public:
    bool hasHeightForWidth() const override { return false; }
    int heightForWidth(int) const override { return -1; }
};

}   // namespace

QString unsavedLotQuestion(const QString &name)
{
    if (name.trimmed().isEmpty())
        return QStringLiteral("¿Desea guardar los cambios del lote?");
    return QStringLiteral("¿Desea guardar los cambios del lote «%1»?").arg(name.trimmed());
}

QString lotNotSavedMessage(const QString &path, const std::string &cause)
{
    return QStringLiteral("No se ha podido guardar el lote en el fichero «%1»: %2.")
        .arg(shownFileName(path), fromStd(cause));
}

QString lotNotReadMessage(const QString &path, const std::string &refusal)
{
    return QStringLiteral("No se ha podido abrir el lote del fichero «%1»: %2.")
        .arg(shownFileName(path), fromStd(refusal));
}

LotWindow::LotWindow(const Workspace &workspace, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                          | Qt::WindowMinMaxButtonsHint),
      workspace_(workspace)
{
    setObjectName(QStringLiteral("frmLote"));
    setWindowTitle(LotWindowTitle);
    setWindowIcon(observatoryIcon());
    setFont(designFont());

    // Everything stands on one page that scrolls when the screen is too
    // small for even its least size.
    auto *page = new Page;
    page->setMinimumSize(LeastContentSize);
    auto *scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    // Tab reaches the controls, and the page scrolls to the one it reaches.
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidget(page);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroller);

    auto *columns = new QHBoxLayout(page);
    columns->setContentsMargins(twips(120), twips(120), twips(120), twips(120));
    columns->setSpacing(twips(240));
    auto *buttons = new QVBoxLayout;
    columns->addLayout(buttons);
    auto *content = new QVBoxLayout;
    columns->addLayout(content, 1);

    auto *fields = new QGridLayout;
    content->addLayout(fields);
    buildFields(fields);

    auto *tableLabel = new QLabel(QStringLiteral("&Servicios del lote"), page);
    tableLabel->setObjectName(QStringLiteral("lblServicios"));
    content->addWidget(tableLabel);
    model_ = new LotTableModel(QString::fromStdString(systemNumberLocale().decimalSeparator), this);
    table_ = new ServicesTable(model_, page);
    tableLabel->setBuddy(table_);
    content->addWidget(table_, 3);

    summary_ = new QLabel(page);
    summary_->setObjectName(QStringLiteral("lblResumen"));
    summary_->setWordWrap(true);
    content->addWidget(summary_);
    file_ = new QLabel(page);
    file_->setObjectName(QStringLiteral("lblFichero"));
    file_->setWordWrap(true);
    content->addWidget(file_);

    auto *results = new QHBoxLayout;
    content->addLayout(results, 2);
    report_ = new ReportArea(page);
    report_->setObjectName(QStringLiteral("pctLote"));
    report_->setAccessibleName(QStringLiteral("Informe del lote"));
    report_->setMinimumSize(twipSize(3000, 1500));
    results->addWidget(report_, 3);
    // Built apart and then placed, so that its legend takes the program's
    // usual font rather than the window's design font.
    chart_ = new CostChart;
    chart_->setParent(page);
    chart_->setObjectName(QStringLiteral("grfLote"));
    chart_->setAccessibleName(QStringLiteral("Gráfico de distribución de costes del lote"));
    chart_->setMinimumSize(twipSize(3000, 1500));
    results->addWidget(chart_, 2);

    buildButtons(buttons);

    QWidget *before = name_;
    for (QWidget *next : std::initializer_list<QWidget *>{years_, profit_, vat_, table_, add_, remove_, calculate_,
                                                          print_, copy_, open_, save_, close_, report_, chart_}) {
        setTabOrder(before, next);
        before = next;
    }
    pressFocusedButtonOnEnter(this);

    connect(model_, &LotTableModel::edited, this, &LotWindow::markChanged);
    // Told once the cell's editor has closed, so that the message box does
    // not take the focus from an editor still open.
    connect(
        model_, &LotTableModel::refused, QCoreApplication::instance(),
        [](const QString &message) { prompter().inform(message); }, Qt::QueuedConnection);
    connect(add_, &QPushButton::clicked, table_, &ServicesTable::addService);
    connect(remove_, &QPushButton::clicked, table_, &ServicesTable::removeSelectedServices);
    connect(calculate_, &QPushButton::clicked, this, &LotWindow::calculate);
    connect(print_, &QPushButton::clicked, this, &LotWindow::print);
    connect(copy_, &QPushButton::clicked, this, &LotWindow::copy);
    connect(open_, &QPushButton::clicked, this, &LotWindow::openFile);
    connect(save_, &QPushButton::clicked, this, &LotWindow::saveToFile);
    connect(close_, &QPushButton::clicked, this, &LotWindow::reject);

    chooseFileToOpen = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Abrir lote de servicios"), folder(), FileFilter,
                                            nullptr, QFileDialog::DontUseNativeDialog);
    };
    chooseFileToSave = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Guardar lote de servicios"), suggested, FileFilter,
                                            nullptr, QFileDialog::DontUseNativeDialog);
    };

    // A new lot starts with one empty service, ready to be typed or pasted into.
    Lot fresh;
    fresh.services.resize(1);
    showLot(fresh, QString());
    name_->setFocus();

    sizeAndCentreOnScreen(this, ClientSize);
}

// The fields lose the focus as the window goes, when what their checks read
// has gone already.
LotWindow::~LotWindow()
{
    for (QLineEdit *field : {name_, years_, profit_, vat_})
        disconnect(field, nullptr, this, nullptr);
}

void LotWindow::buildFields(QGridLayout *grid)
{
    struct Term {
        QLineEdit *LotWindow::*field;
        const char *label, *labelName, *name;
        const char *placeholder;   // what an empty field stands for
        int width;
    };
    const Term terms[] = {
        {&LotWindow::name_, "&Nombre", "lblNombre", "txtNombre", "", 0},
        {&LotWindow::years_, "&Años", "lblAnos", "txtAnos", "", 900},
        {&LotWindow::profit_, "&Beneficio (%)", "lblBeneficio", "txtBeneficio", "0", 900},
        {&LotWindow::vat_, "&IVA (%)", "lblIVA", "txtIVA", "10", 900},
    };
    int column = 0;
    for (const Term &term : terms) {
        auto *label = new QLabel(QString::fromUtf8(term.label));
        label->setObjectName(QString::fromLatin1(term.labelName));
        auto *field = new QLineEdit;
        field->setObjectName(QString::fromLatin1(term.name));
        field->setPlaceholderText(QString::fromLatin1(term.placeholder));
        if (term.width)
            field->setFixedWidth(twips(term.width));
        label->setBuddy(field);
        this->*term.field = field;
        grid->addWidget(label, 0, column++);
        grid->addWidget(field, 0, column++);
        if (field != name_) {
            connect(field, &QLineEdit::textEdited, this, [this, field] { termEdited(field); });
            connect(field, &QLineEdit::editingFinished, this, [this, field] { checkTerm(field); });
        } else {
            connect(field, &QLineEdit::textEdited, this, &LotWindow::markChanged);
        }
    }
    grid->setColumnStretch(1, 1);
    grid->setHorizontalSpacing(twips(120));
}

void LotWindow::buildButtons(QVBoxLayout *column)
{
    QWidget *page = table_->parentWidget();
    auto button = [&](const char *name, const QString &caption, const QString &tip = QString()) {
        auto *made = new WrappingButton(caption, page);
        made->setObjectName(QString::fromLatin1(name));
        made->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
        made->setToolTip(tip);
        made->setAccessibleDescription(tip);
        made->setFixedSize(twipSize(ButtonWidth, ButtonHeight));
        column->addWidget(made);
        return made;
    };
    add_ = button("cmdAnadir", QStringLiteral("Añadir ser&vicio"),
                  QStringLiteral("Añade un servicio bajo el actual (tecla Insert en la tabla)"));
    remove_ = button("cmdQuitar", QStringLiteral("&Quitar servicio"),
                     QStringLiteral("Quita los servicios seleccionados (Ctrl+Supr en la tabla)"));
    column->addSpacing(twips(240));
    calculate_ = button("cmdCalcular", QStringLiteral("&Calcular lote"));
    print_ = button("cmdImprimir", QStringLiteral("Im&primir"));
    copy_ = button("cmdCopiar", QStringLiteral("C&opiar"),
                   QStringLiteral("Copia el informe y las filas de servicios con sus cifras al portapapeles"));
    column->addSpacing(twips(240));
    open_ = button("cmdAbrir", QStringLiteral("Ab&rir…"));
    save_ = button("cmdGuardar", QStringLiteral("&Guardar…"));
    column->addStretch(1);
    close_ = button("cmdCerrar", QStringLiteral("C&errar"));
}

Lot LotWindow::lot() const
{
    Lot lot;
    lot.name = name_->text().trimmed().toStdString();
    lot.years = years_->text().trimmed().toStdString();
    lot.profitPct = profit_->text().trimmed().toStdString();
    lot.vatPct = vat_->text().trimmed().toStdString();
    lot.services = model_->services();
    return lot;
}

void LotWindow::showLot(const Lot &lot, const QString &path)
{
    name_->setText(fromStd(lot.name));
    years_->setText(fromStd(lot.years));
    profit_->setText(fromStd(lot.profitPct));
    vat_->setText(fromStd(lot.vatPct));
    takenTerms_[0] = years_->text();
    takenTerms_[1] = profit_->text();
    takenTerms_[2] = vat_->text();
    model_->showServices(lot.services);
    table_->setCurrentIndex(model_->index(0, 0));
    report_->clear();
    chart_->setData({});
    path_ = path;
    changed_ = false;
    summary_->setText(QStringLiteral("Pulse «Calcular lote» para calcular los servicios."));
    describe();
}

void LotWindow::termEdited(QLineEdit *)
{
    model_->clearPricing();
    markChanged();
}

// A term is checked as a data field is when the user leaves it; a text the
// check refuses gives way to the one the field held before.
void LotWindow::checkTerm(QLineEdit *field)
{
    QString &taken = takenTerms_[field == years_ ? 0 : field == profit_ ? 1 : 2];
    const QString typed = field->text().trimmed();
    const FieldCheckOutcome outcome = CheckNumericField(typed.toStdString(), false);
    if (!outcome.message) {
        taken = typed;
        field->setText(typed);
        return;
    }
    field->setText(taken);
    QTimer::singleShot(0, this,
                       [message = QString::fromUtf8(outcome.message->data(), qsizetype(outcome.message->size()))] {
                           prompter().inform(message);
                       });
}

// Whatever changes, the figures shown go: they no longer belong to the lot.
void LotWindow::markChanged()
{
    changed_ = true;
    report_->clear();
    chart_->setData({});
    summary_->setText(QStringLiteral("El lote ha cambiado: pulse «Calcular lote» para ver sus cifras."));
    describe();
}

// Which file the lot is, beneath the table by its name (its folder where
// the pointer rests) and whole in the table's description for a screen reader.
void LotWindow::describe()
{
    const QString unsaved = changed_ && !path_.isEmpty() ? QStringLiteral(" Hay cambios sin guardar.") : QString();
    const QString whole = shownFileName(QDir::toNativeSeparators(path_));
    if (path_.isEmpty()) {
        file_->setText(QStringLiteral("Este lote aún no se ha guardado en ningún fichero."));
        file_->setToolTip(QString());
    } else {
        file_->setText(QStringLiteral("Fichero: %1").arg(shownFileName(QFileInfo(path_).fileName())) + unsaved);
        file_->setToolTip(whole);
    }
    const QString aboutFile = path_.isEmpty() ? file_->text() : QStringLiteral("Fichero: %1.").arg(whole) + unsaved;
    table_->setAccessibleDescription(summary_->text() + QLatin1Char(' ') + aboutFile);
}

QString LotWindow::folder() const { return path_.isEmpty() ? QDir::currentPath() : QFileInfo(path_).absolutePath(); }

QString LotWindow::suggestedFile() const
{
    if (!path_.isEmpty())
        return path_;
    QString name = name_->text().trimmed();
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return QDir(folder()).filePath((name.isEmpty() ? QStringLiteral("lote") : name) + QStringLiteral(".csv"));
}

bool LotWindow::calculate()
{
    LotPricingContext context;
    context.folder = filePathBytes(folder());
    context.reference = workspace_.reference;
    const Lot shown = lot();
    LotPricing pricing = priceLot(shown, context);
    if (!pricing.priced()) {
        prompter().inform(fromStd(pricing.refusal));
        const LotTerm wrong = readLotTerms(shown).wrongTerm;
        QLineEdit *const fields[] = {name_, years_, profit_, vat_};
        fields[int(wrong)]->setFocus();
        return false;
    }
    const LotTotals &totals = pricing.totals;
    summary_->setText(QStringLiteral("Servicios calculados: %1. Rechazados: %2.").arg(totals.priced).arg(totals.refused)
                      + (totals.refused ? QStringLiteral(" La columna «Observaciones» dice por qué.") : QString()));
    report_->clear();
    report_->write(lotReport(shown, pricing, ServiceLines::InTheTable));
    chart_->setData(lotChartColumns(pricing));
    model_->showPricing(std::move(pricing));
    describe();
    emit lotPriced(model_->pricing()->totals);
    return true;
}

bool LotWindow::ensurePriced() { return model_->pricing() || calculate(); }

// The report with the chart below the totals.
void LotWindow::print()
{
    if (!ensurePriced())
        return;
    ReportPrinter printer(windowTitle());
    printer.setChart(chart_->size(), [this](QPainter &painter, const QRectF &box) { chart_->drawInto(painter, box); });
    printer.print(printedLotReport(lot(), *model_->pricing(), printingMoment()));
}

// The report as a picture and, as text, the report and then the services
// with their figures as rows a spreadsheet pastes.
void LotWindow::copy()
{
    if (!ensurePriced())
        return;
    const NumberLocale locale = systemNumberLocale();
    const QString text = fromStd(renderAlignedPlainText(lotReport(lot(), *model_->pricing()), locale) + "\n"
                                 + lotTabSeparatedRows(lot(), *model_->pricing(), locale.decimalSeparator));
    auto *data = new QMimeData;
    data->setImageData(report_->picture());
    data->setText(text);
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setMimeData(data);
}

bool LotWindow::mayDropLot()
{
    if (!changed_)
        return true;
    return mayDropChanges(unsavedLotQuestion(name_->text()), [this] { return saveToFile(); });
}

void LotWindow::openFile()
{
    if (!mayDropLot())
        return;
    const QString path = chooseFileToOpen();
    if (path.isEmpty())
        return;
    LotFileReading reading = loadLotFile(filePathBytes(path));
    if (!reading.lot) {
        prompter().inform(lotNotReadMessage(path, reading.refusal));
        return;
    }
    showLot(*reading.lot, path);
    table_->setFocus();
}

bool LotWindow::saveToFile()
{
    QString path = chooseFileToSave(suggestedFile());
    if (path.isEmpty())
        return false;
    path = withCsvExtension(path);
    if (const std::optional<std::string> cause = saveLotFile(filePathBytes(path), lot())) {
        prompter().inform(lotNotSavedMessage(path, *cause));
        return false;
    }
    path_ = path;
    changed_ = false;
    describe();
    return true;
}

void LotWindow::reject()
{
    if (mayDropLot())
        QDialog::reject();
}

}   // namespace rotavex
