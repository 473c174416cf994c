#include "main_window.h"

#include "entry/ui/input_form.h"
#include "entry/ui/input_windows.h"
#include "reference/ui/reference_choice.h"
#include "report/ui/number_locale.h"
#include "results/ui/results_window.h"
#include "status_indicators.h"
#include "widgets/child_window.h"
#include "widgets/design_font.h"
#include "widgets/enter_key.h"
#include "widgets/prompter.h"
#include "widgets/twips.h"
#include "widgets/window_placement.h"
#include "widgets/wrapping_button.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

namespace rotavex {

namespace {

struct ToolbarButton {
    QPushButton *MainToolbar::*button;
    const char *name;
    const char *caption;
    int left, width;   // twips
    const char *tooltip;
};

constexpr ToolbarButton ToolbarButtons[] = {
    {&MainToolbar::general, "cmdDatosgen", "Datos generales", 0, 1335, ""},
    {&MainToolbar::vehicle, "cmdVehi", "Datos del Vehículo", 1320, 1335, ""},
    {&MainToolbar::running, "cmdMovi", "Datos de Circulación", 2640, 1335, ""},
    {&MainToolbar::trip, "cmdTray", "Selección de Trayecto", 3960, 1335, ""},
    {&MainToolbar::calculate, "cmdCalc", "Calcular Costes", 5280, 1695, ""},
    {&MainToolbar::results, "cmdResul", "Ver ventana de Resultados", 7200, 1455,
     "Tenga en cuenta que si no ha realizado el cálculo, aún no habrá resultados."},
    {&MainToolbar::minimise, "cmdMin", "Minimizar Ventana Actual", 8880, 1575, ""},
    {&MainToolbar::inputLayout, "cmdDatos", "Vista de datos", 10440, 1455, ""},
};

// Where the data windows go in the input-window layout, in the order they
// are placed.
struct LayoutPlace {
    DataWindow window;
    int left, top;   // twips
};

constexpr LayoutPlace InputLayout[] = {
    {DataWindow::Trip, 7365, 5820},
    {DataWindow::Running, 150, 4815},
    {DataWindow::General, 150, 120},
    {DataWindow::Vehicle, 7365, 120},
};

// The toolbar strip keeps Tab and Shift+Tab among its own buttons, round
// and round, as a child window keeps them among its controls; F6 leaves it.
class ToolbarStrip : public QWidget {
public:
    bool focusNextPrevChild(bool next) override
    {
        const QList<QPushButton *> buttons = findChildren<QPushButton *>(Qt::FindDirectChildrenOnly);
        const qsizetype at = buttons.indexOf(qobject_cast<QPushButton *>(QApplication::focusWidget()));
        if (at < 0 || buttons.isEmpty())
            return QWidget::focusNextPrevChild(next);
        const qsizetype count = buttons.size();
        buttons[(at + (next ? 1 : count - 1)) % count]->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
};

}   // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(ApplicationTitle);
    setFont(designFont());

    inputs_ = std::make_unique<InputWindows>(workspace_);
    // The set of reference values the last run left in use, before anything
    // can calculate.
    reference_ = new ReferenceChoice(workspace_, this);
    referenceStartMessage_ = reference_->restoreRemembered().value_or(QString());
    results_ = new ResultsWindow;

    auto *client = new QWidget;
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createToolbar());
    mdi_ = new QMdiArea;
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    layout->addWidget(mdi_, 1);
    setCentralWidget(client);

    createMenus();
    createStatusBar();
    createChildWindows();
    connectMenus();
    connectToolbar();

    // The client area (toolbar, child windows and status bar) has its design
    // size, centred on the screen; the menu bar comes on top of it. A screen
    // too small for it gets the window within its free area, and the work
    // area scrolls to the child windows beyond.
    sizeAndCentreOnScreen(this, QSize(twips(11895), twips(8550) + menuBar()->sizeHint().height()));
}

MainWindow::~MainWindow()
{
    // The windows read the workspace while they go, so they go first.
    delete takeCentralWidget();
}

QAction *MainWindow::addItem(QMenu *menu, const char *name, const QString &caption, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

void MainWindow::createMenus()
{
    auto separator = [](QMenu *menu, const char *name) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(name));
    };

    QMenu *file = menuBar()->addMenu(QStringLiteral("&Archivo"));
    file->setObjectName(QStringLiteral("archivo"));
    commands_.save = addItem(file, "guardar", QStringLiteral("&Guardar Datos Personalizados"));
    commands_.load = addItem(file, "cargar", QStringLiteral("&Cargar Datos Personalizados"));
    separator(file, "mnudif");
    commands_.exit = addItem(file, "salir", QStringLiteral("&Salir"));

    QMenu *calculation = menuBar()->addMenu(QStringLiteral("&Cálculo"));
    calculation->setObjectName(QStringLiteral("calculo"));
    commands_.observatory = addItem(calculation, "obser", QStringLiteral("&Ver Datos del Observatorio"));
    commands_.reference = addItem(calculation, "mnuRefer", QStringLiteral("Valores de &referencia…"));
    commands_.check = addItem(calculation, "mnuCheck", QStringLiteral("Com&probar datos"),
                              QKeySequence(Qt::CTRL | Qt::Key_P));
    separator(calculation, "mnudif2");
    commands_.calculate = addItem(calculation, "mnuCalc", QStringLiteral("&Calcular"),
                                  QKeySequence(Qt::CTRL | Qt::Key_C));
    commands_.compare = addItem(calculation, "mnuCompara", QStringLiteral("C&omparar con el Observatorio"));
    commands_.lot = addItem(calculation, "mnuLote", QStringLiteral("&Lote de servicios…"));
    commands_.revision = addItem(calculation, "mnuRevision", QStringLiteral("R&evisión de precios…"));

    QMenu *windows = menuBar()->addMenu(QStringLiteral("&Ventanas"));
    windows->setObjectName(QStringLiteral("ventana"));
    commands_.showGeneral = addItem(windows, "gen", QStringLiteral("Datos &Generales"));
    commands_.showVehicle = addItem(windows, "vehi", QStringLiteral("Datos del ve&hículo"));
    commands_.showRunning = addItem(windows, "cir", QStringLiteral("Datos de &Circulación"));
    commands_.showTrip = addItem(windows, "tray", QStringLiteral("Tra&yecto"));
    commands_.showResults = addItem(windows, "res", QStringLiteral("&Resultados"));
    separator(windows, "def");
    commands_.inputLayout = addItem(windows, "entrada", QStringLiteral("Ver ventanas de &entrada de datos"),
                                    QKeySequence(Qt::CTRL | Qt::Key_E));
    commands_.minimise = addItem(windows, "min", QStringLiteral("&Minimizar actual"),
                                 QKeySequence(Qt::CTRL | Qt::Key_M));
    commands_.cascade = addItem(windows, "cascada", QStringLiteral("Organizar en cascada"));

    QMenu *help = menuBar()->addMenu(QStringLiteral("Ayuda"));
    help->setObjectName(QStringLiteral("mnuhelp"));
    commands_.help = addItem(help, "mnuhelpsi", QStringLiteral("Ayuda"));
    commands_.about = addItem(help, "mnuAcerca", QStringLiteral("Acerca de..."));
}

void MainWindow::connectMenus()
{
    connect(commands_.exit, &QAction::triggered, this, &MainWindow::exitProgram);
    connect(commands_.calculate, &QAction::triggered, this, &MainWindow::calculateCommand);
    const std::pair<QAction *, QMdiSubWindow *> activators[] = {
        {commands_.showGeneral, frame(DataWindow::General)},
        {commands_.showVehicle, frame(DataWindow::Vehicle)},
        {commands_.showRunning, frame(DataWindow::Running)},
        {commands_.showTrip, frame(DataWindow::Trip)},
        {commands_.showResults, resultsFrame_},
    };
    for (const auto &[action, child] : activators)
        connect(action, &QAction::triggered, this, [this, child = child] { activateChild(child); });
    connect(commands_.inputLayout, &QAction::triggered, this, &MainWindow::showInputLayout);
    connect(commands_.minimise, &QAction::triggered, this, &MainWindow::minimiseActiveChild);
    connect(commands_.cascade, &QAction::triggered, mdi_, &QMdiArea::cascadeSubWindows);
    auto *toToolbar = new QShortcut(QKeySequence(Qt::Key_F6), this);
    connect(toToolbar, &QShortcut::activated, this, &MainWindow::switchFocusToOrFromToolbar);
}

QWidget *MainWindow::createToolbar()
{
    auto *strip = new ToolbarStrip;
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setFixedHeight(twips(540));
    for (const ToolbarButton &design : ToolbarButtons) {
        auto *button = new WrappingButton(QString::fromUtf8(design.caption), strip);
        toolbar_.*design.button = button;
        button->setObjectName(QString::fromLatin1(design.name));
        button->setGeometry(twipRect(design.left, 0, design.width, 495));
        button->setFont(designFont(true));
        button->setToolTip(QString::fromUtf8(design.tooltip));
        // Clicked, a button acts on the active child and leaves the focus
        // with it; the keyboard reaches the buttons with F6, then Tab.
        button->setFocusPolicy(Qt::TabFocus);
    }
    pressFocusedButtonOnEnter(strip);
    toolbarStrip_ = strip;
    return strip;
}

// F6 goes from the active child to the toolbar and back, as it goes from
// pane to pane in most desktop programs: a child window keeps Tab among
// its own controls.
void MainWindow::switchFocusToOrFromToolbar()
{
    if (!toolbarStrip_->isAncestorOf(QApplication::focusWidget())) {
        toolbar_.general->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    if (QMdiSubWindow *active = mdi_->activeSubWindow()) {
        QWidget *last = active->widget()->focusWidget();
        (last ? last : static_cast<QWidget *>(active))->setFocus(Qt::ShortcutFocusReason);
    }
}

void MainWindow::connectToolbar()
{
    const std::pair<QPushButton *, QMdiSubWindow *> restorers[] = {
        {toolbar_.general, frame(DataWindow::General)},
        {toolbar_.vehicle, frame(DataWindow::Vehicle)},
        {toolbar_.running, frame(DataWindow::Running)},
        {toolbar_.trip, frame(DataWindow::Trip)},
        {toolbar_.results, resultsFrame_},
    };
    for (const auto &[button, child] : restorers)
        connect(button, &QPushButton::clicked, this, [this, child = child] { restoreAndActivateChild(child); });
    // These buttons are the menu's own commands.
    const std::pair<QPushButton *, QAction *> shared[] = {
        {toolbar_.calculate, commands_.calculate},
        {toolbar_.minimise, commands_.minimise},
        {toolbar_.inputLayout, commands_.inputLayout},
    };
    for (const auto &[button, action] : shared) {
        connect(button, &QPushButton::clicked, action, &QAction::trigger);
        connect(action, &QAction::enabledChanged, button, &QPushButton::setEnabled);
    }
}

void MainWindow::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    auto panel = [bar](const char *name, const QString &text, bool stretch) {
        auto *label = new QLabel(text);
        label->setObjectName(QString::fromLatin1(name));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        label->setMargin(1);
        if (stretch)
            bar->addWidget(label, 1);
        else
            bar->addPermanentWidget(label);
        return label;
    };
    panel("panelText", StatusText, true);
    referencePanel_ = panel("panelRefer", referencePanelText(reference_->inUse()), false);
    referencePanel_->setToolTip(QStringLiteral("Valores de referencia en uso"));
    connect(reference_, &ReferenceChoice::changed, referencePanel_,
            [this] { referencePanel_->setText(referencePanelText(reference_->inUse())); });
    QLabel *numLock = panel("panelNum", QStringLiteral("NUM"), false);
    QLabel *insert = panel("panelIns", QStringLiteral("INS"), false);
    const QLocale locale;
    datePanel_ = panel("panelDate", locale.toString(QDate::currentDate(), numericDateFormat(locale)), false);
    indicators_ = new StatusIndicators(numLock, insert, this);
}

QMdiSubWindow *MainWindow::addChild(QWidget *content)
{
    auto *frame = new ChildWindow(content);
    mdi_->addSubWindow(frame);
    return frame;
}

void MainWindow::createChildWindows()
{
    // The results window first, reduced to an icon; the general data window
    // last, so that it is the active one. Each data window stands a title
    // bar lower and to the right of the one before.
    resultsFrame_ = addChild(results_);
    resultsFrame_->show();   // at its design size, which restoring it brings back
    resultsFrame_->showMinimized();
    int offset = 0;
    for (DataWindow window : {DataWindow::Trip, DataWindow::Running, DataWindow::Vehicle, DataWindow::General}) {
        InputForm *form = inputs_->window(window);
        QMdiSubWindow *frame = addChild(form);
        dataFrames_[std::size_t(window)] = frame;
        frame->move(offset, offset);
        frame->show();
        // Placing a window in its frame takes the focus from its controls;
        // the first control in tab order gets it back for when the window
        // is first activated.
        form->tabOrder().front()->setFocus();
        offset += frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame)
                  + frame->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, frame);
    }
    mdi_->setActiveSubWindow(frame(DataWindow::General));
}

void MainWindow::activateChild(QMdiSubWindow *frame) { mdi_->setActiveSubWindow(frame); }

void MainWindow::restoreAndActivateChild(QMdiSubWindow *frame)
{
    // Activated first, as the Ventanas menu does, then restored as its
    // title bar would restore it: the frame gives the focus back to the
    // control the user left it on.
    activateChild(frame);
    if (auto *child = qobject_cast<ChildWindow *>(frame))
        child->restore();
    else if (frame->isMinimized())
        frame->showNormal();
}

void MainWindow::minimiseActiveChild()
{
    if (QMdiSubWindow *frame = mdi_->currentSubWindow())
        frame->showMinimized();
}

void MainWindow::showInputLayout()
{
    QMdiSubWindow *active = mdi_->currentSubWindow();
    showMaximized();
    resultsFrame_->showMinimized();
    for (const LayoutPlace &place : InputLayout) {
        QMdiSubWindow *placed = frame(place.window);
        placed->showNormal();
        placed->move(twipPoint(place.left, place.top));
    }
    if (active)
        mdi_->setActiveSubWindow(active);
}

void MainWindow::calculateCommand()
{
    prompter().inform(CheckAnnouncement);
    commands_.check->trigger();
}

bool MainWindow::confirmExit()
{
    for (const std::function<bool()> &mayEnd : exitSteps_)
        if (!mayEnd())
            return false;
    if (!workspace_.DataSaved) {
        switch (prompter().askYesNoCancel(SaveQuestion)) {
        case Answer::Cancel: return false;
        case Answer::Yes:
            if (saveStep_)
                saveStep_();
            break;
        case Answer::No: break;
        }
    }
    return prompter().askYesNo(ExitQuestion);
}

void MainWindow::exitProgram()
{
    if (!confirmExit())
        return;
    exitConfirmed_ = true;
    close();
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (referenceStartMessage_.isEmpty())
        return;
    // Over the main window, once it stands on the screen.
    QTimer::singleShot(0, this, [message = referenceStartMessage_] { prompter().inform(message); });
    referenceStartMessage_.clear();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // The close control runs the same two questions as "Salir", so that
    // unsaved data are never lost without a word.
    if (exitConfirmed_ || confirmExit()) {
        exitConfirmed_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

}   // namespace rotavex
