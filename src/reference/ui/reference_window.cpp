#include "reference_window.h"

#include "reference_choice.h"
#include "reference_table_model.h"

#include "reference/reference_file.h"
#include "report/ui/number_locale.h"
#include "storage/ui/file_name_text.h"
#include "widgets/design_font.h"
#include "widgets/enter_key.h"
#include "widgets/program_pictures.h"
#include "widgets/prompter.h"
#include "widgets/twips.h"
#include "widgets/window_placement.h"
#include "widgets/wrapping_button.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

namespace rotavex {

namespace {

const QString FileFilter = QStringLiteral("Valores de referencia (*.csv);;Todos los ficheros (*)");

// The left column of buttons; the name, the table and its notes stand to
// their right, the table as wide and as tall as its cells.
constexpr int ButtonsLeft = 120, ButtonsWidth = 1815;
constexpr int ContentLeft = 2055, NameTop = 120, TableTop = 555, Margin = 120;
constexpr int ColumnWidth = 1500, RowHeight = 285;

QPushButton *addButton(QWidget *window, const char *name, const QString &caption, int top, int height = 495)
{
    auto *button = new WrappingButton(caption, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(caption);
    button->setGeometry(twipRect(ButtonsLeft, top, ButtonsWidth, height));
    return button;
}

}   // namespace

QString unsavedReferenceQuestion(const ReferenceSet &set)
{
    return QStringLiteral("Los valores de referencia «%1» tienen cambios sin guardar. ¿Desea guardarlos?")
        .arg(QString::fromStdString(set.name));
}

QString referenceNotSavedMessage(const QString &path, const std::string &cause)
{
    return QStringLiteral("No se han podido guardar los valores de referencia en el fichero «%1»: %2.")
        .arg(shownFileName(path), QString::fromStdString(cause));
}

ReferenceWindow::ReferenceWindow(ReferenceChoice &choice, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      choice_(choice)
{
    setObjectName(QStringLiteral("frmRefer"));
    setWindowTitle(QStringLiteral("Valores de referencia"));
    setWindowIcon(observatoryIcon());
    setFont(designFont());
    setModal(true);

    auto *nameLabel = new QLabel(QStringLiteral("&Nombre"), this);
    nameLabel->setObjectName(QStringLiteral("lblNombre"));
    nameLabel->setGeometry(twipRect(ContentLeft, NameTop + 30, 735, 255));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("txtNombre"));
    name_->setGeometry(twipRect(ContentLeft + 735, NameTop, 5400, 315));
    nameLabel->setBuddy(name_);

    model_ = new ReferenceTableModel(QString::fromStdString(systemNumberLocale().decimalSeparator), this);
    table_ = new QTableView(this);
    table_->setObjectName(QStringLiteral("grdValores"));
    table_->setAccessibleName(QStringLiteral("Valores de referencia"));
    table_->setModel(model_);
    // Tab goes on to the buttons; the arrows go from cell to cell.
    table_->setTabKeyNavigation(false);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->horizontalHeader()->setDefaultSectionSize(twips(ColumnWidth));
    table_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table_->verticalHeader()->setDefaultSectionSize(twips(RowHeight));
    table_->horizontalHeader()->setHighlightSections(false);
    table_->verticalHeader()->setHighlightSections(false);
    const int frame = 2 * table_->frameWidth();
    const QSize tableSize(
        table_->verticalHeader()->sizeHint().width() + model_->columnCount() * twips(ColumnWidth) + frame,
        table_->horizontalHeader()->sizeHint().height() + model_->rowCount() * twips(RowHeight) + frame);
    table_->setGeometry(QRect(QPoint(twips(ContentLeft), twips(TableTop)), tableSize));

    inUse_ = new QLabel(this);
    inUse_->setObjectName(QStringLiteral("lblEnUso"));
    inUse_->setGeometry(twips(ContentLeft), table_->geometry().bottom() + 1 + twips(Margin), tableSize.width(),
                        twips(255));
    note_ = new QLabel(this);
    note_->setObjectName(QStringLiteral("lblNota"));
    note_->setWordWrap(true);
    note_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    note_->setGeometry(twips(ContentLeft), inUse_->geometry().bottom() + 1 + twips(60), tableSize.width(), twips(495));

    new_ = addButton(this, "cmdNuevo", QStringLiteral("Nuevo"), 120);
    open_ = addButton(this, "cmdAbrir", QStringLiteral("Abrir…"), 720);
    save_ = addButton(this, "cmdGuardar", QStringLiteral("Guardar…"), 1320);
    use_ = addButton(this, "cmdUsar", QStringLiteral("Usar estos valores"), 2040);
    builtIn_ = addButton(this, "cmdObservatorio", QStringLiteral("Volver al Observatorio 2018"), 2640, 735);
    close_ = addButton(this, "cmdCerrar", QStringLiteral("Cerrar"), 3600);

    QWidget *before = name_;
    for (QWidget *next : std::initializer_list<QWidget *>{table_, new_, open_, save_, use_, builtIn_, close_}) {
        setTabOrder(before, next);
        before = next;
    }
    pressFocusedButtonOnEnter(this);

    connect(name_, &QLineEdit::editingFinished, this, &ReferenceWindow::takeName);
    connect(model_, &ReferenceTableModel::edited, this, [this] {
        changed_ = true;
        describe();
    });
    // Told once the cell's editor has closed, so that the message box does
    // not take the focus from an editor still open.
    connect(
        model_, &ReferenceTableModel::refused, QCoreApplication::instance(),
        [](const QString &message) { prompter().inform(message); }, Qt::QueuedConnection);
    connect(new_, &QPushButton::clicked, this, &ReferenceWindow::makeNew);
    connect(open_, &QPushButton::clicked, this, &ReferenceWindow::openFile);
    connect(save_, &QPushButton::clicked, this, &ReferenceWindow::saveToFile);
    connect(use_, &QPushButton::clicked, this, &ReferenceWindow::useShown);
    connect(builtIn_, &QPushButton::clicked, &choice_, &ReferenceChoice::useBuiltIn);
    connect(close_, &QPushButton::clicked, this, &ReferenceWindow::reject);
    connect(&choice_, &ReferenceChoice::changed, this, &ReferenceWindow::describe);

    chooseFileToOpen = [this] {
        return QFileDialog::getOpenFileName(this, QStringLiteral("Abrir valores de referencia"), folder(), FileFilter,
                                            nullptr, QFileDialog::DontUseNativeDialog);
    };
    chooseFileToSave = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(this, QStringLiteral("Guardar valores de referencia"), suggested,
                                            FileFilter, nullptr, QFileDialog::DontUseNativeDialog);
    };

    if (choice_.builtInInUse())
        display(choice_.inUse(), true, QString());
    else
        display(choice_.inUse(), false, choice_.file());
    table_->setCurrentIndex(model_->index(0, 0));
    table_->setFocus();

    const int buttonsBottom = close_->geometry().bottom() + 1;
    fixAndCentreOnScreen(this, QSize(table_->geometry().right() + 1 + twips(Margin),
                                     std::max(note_->geometry().bottom(), buttonsBottom) + twips(Margin)));
}

const ReferenceSet &ReferenceWindow::shownSet() const { return model_->set(); }

void ReferenceWindow::display(const ReferenceSet &set, bool builtIn, const QString &path)
{
    shownBuiltIn_ = builtIn;
    path_ = path;
    changed_ = false;
    model_->showSet(set, !builtIn);
    name_->setText(QString::fromStdString(set.name));
    name_->setReadOnly(builtIn);
    describe();
}

// What the set shown is and which set is in use, beneath the table and in
// the table's description for a screen reader.
void ReferenceWindow::describe()
{
    QString note;
    if (shownBuiltIn_)
        note = QStringLiteral("Los valores del Observatorio 2018 no se pueden cambiar. Pulse «Nuevo» para hacer "
                              "una copia que pueda cambiar, o «Abrir…» para leer otros de un fichero.");
    else if (path_.isEmpty())
        note = QStringLiteral("Estos valores aún no se han guardado en ningún fichero.");
    else
        note = QStringLiteral("Fichero: %1").arg(shownFileName(QDir::toNativeSeparators(path_)));
    if (changed_ && !path_.isEmpty())
        note += QStringLiteral(" Hay cambios sin guardar.");
    note_->setText(note);
    table_->setAccessibleDescription(note);
    inUse_->setText(QStringLiteral("Valores en uso: %1").arg(QString::fromStdString(choice_.inUse().name)));
}

// The name as typed becomes the set's once the user leaves the field; an
// empty one is refused and the name stays.
void ReferenceWindow::takeName()
{
    if (shownBuiltIn_)
        return;
    const QString typed = name_->text().trimmed();
    const std::string &current = model_->set().name;
    if (typed.toStdString() == current) {
        name_->setText(typed);
        return;
    }
    if (typed.isEmpty()) {
        name_->setText(QString::fromStdString(current));
        prompter().inform(EmptyReferenceNameMessage);
        return;
    }
    model_->rename(typed.toStdString());
    name_->setText(typed);
    changed_ = true;
    describe();
}

// Before the set shown gives way to another: changes not saved are saved,
// or dropped, as the user answers; false when the user would rather stay.
bool ReferenceWindow::mayDropShown()
{
    takeName();
    if (!changed_)
        return true;
    return mayDropChanges(unsavedReferenceQuestion(model_->set()), [this] { return saveToFile(); });
}

QString ReferenceWindow::folder() const
{
    const QString known = !path_.isEmpty() ? path_ : choice_.file();
    return known.isEmpty() ? QDir::homePath() : QFileInfo(known).absolutePath();
}

QString ReferenceWindow::suggestedFile() const
{
    if (!path_.isEmpty())
        return path_;
    QString name = QString::fromStdString(model_->set().name);
    name.replace(QLatin1Char('/'), QLatin1Char('-'));
    return QDir(folder()).filePath(name + QStringLiteral(".csv"));
}

void ReferenceWindow::makeNew()
{
    if (!mayDropShown())
        return;
    ReferenceSet copy = model_->set();
    copy.name = "Copia de " + copy.name;
    display(copy, false, QString());
    name_->setFocus();
    name_->selectAll();
}

void ReferenceWindow::openFile()
{
    if (!mayDropShown())
        return;
    const QString path = chooseFileToOpen();
    if (path.isEmpty())
        return;
    ReferenceFileReading reading = loadReferenceFile(filePathBytes(path));
    if (!reading.set) {
        prompter().inform(unreadableReferenceMessage(path, reading.refusal));
        return;
    }
    display(*reading.set, false, path);
}

bool ReferenceWindow::saveToFile()
{
    takeName();
    QString path = chooseFileToSave(suggestedFile());
    if (path.isEmpty())
        return false;
    path = withCsvExtension(path);
    if (const std::optional<std::string> cause = saveReferenceFile(filePathBytes(path), model_->set())) {
        prompter().inform(referenceNotSavedMessage(path, *cause));
        return false;
    }
    // The built-in set saved stays the built-in one: the file is a copy to
    // start from. A set of the user's own is now that file's, and when the
    // file is the one in use, the set in use follows it.
    if (!shownBuiltIn_) {
        path_ = path;
        changed_ = false;
        if (!choice_.builtInInUse() && choice_.file() == path)
            choice_.use(model_->set(), path);
    }
    describe();
    return true;
}

// The set shown is in use from now on; one of the user's own needs its
// file first, so that the next start finds it again.
void ReferenceWindow::useShown()
{
    takeName();
    if (shownBuiltIn_) {
        choice_.useBuiltIn();
        return;
    }
    if ((changed_ || path_.isEmpty()) && !saveToFile())
        return;
    choice_.use(model_->set(), path_);
}

void ReferenceWindow::reject()
{
    if (mayDropShown())
        QDialog::reject();
}

void openReferenceWindow(QWidget *parent, ReferenceChoice &choice)
{
    ReferenceWindow window(choice, parent);
    window.exec();
}

}   // namespace rotavex
