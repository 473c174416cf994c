#include "main_window.h"

#include "status_indicators.h"
#include "entry/ui/input_form.h"
#include "entry/ui/input_windows.h"
#include "results/ui/results_window.h"
#include "widgets/child_window.h"
#include "widgets/design_font.h"
#include "widgets/prompter.h"
#include "widgets/twips.h"
#include "widgets/wrapping_button.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QVBoxLayout>

namespace rotavex {

namespace {

struct ToolbarButton {
    const char *name;
    const char *caption;
    int left, width;   // twips
    const char *tooltip;
};

constexpr ToolbarButton ToolbarButtons[] = {
    {"cmdDatosgen", "Datos generales", 0, 1335, ""},
    {"cmdVehi", "Datos del Vehículo", 1320, 1335, ""},
    {"cmdMovi", "Datos de Circulación", 2640, 1335, ""},
    {"cmdTray", "Selección de Trayecto", 3960, 1335, ""},
    {"cmdCalc", "Calcular Costes", 5280, 1695, ""},
    {"cmdResul", "Ver ventana de Resultados", 7200, 1455,
     "Tenga en cuenta que si no ha realizado el cálculo, aún no habrá resultados."},
    {"cmdMin", "Minimizar Ventana Actual", 8880, 1575, ""},
    {"cmdDatos", "Vista de datos", 10440, 1455, ""},
};

// Where the data windows go in the input-window layout, in the order they
// are placed.
struct LayoutPlace {
    const char *window;
    int left, top;   // twips
};

constexpr LayoutPlace InputLayout[] = {
    {"frmTray", 7365, 5820},
    {"frmMovi", 150, 4815},
    {"frmDatos", 150, 120},
    {"frmVehi", 7365, 120},
};

} // namespace

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("MDIForm1"));
    setWindowTitle(ApplicationTitle);
    setFont(designFont());

    inputs_ = std::make_unique<InputWindows>(workspace_);
    results_ = new ResultsWindow;

    auto *client = new QWidget;
    auto *layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(createToolbar());
    mdi_ = new QMdiArea;
    mdi_->setObjectName(QStringLiteral("MDIClient"));
    layout->addWidget(mdi_, 1);
    setCentralWidget(client);

    createMenus();
    connectToolbar();
    createStatusBar();
    createChildWindows();

    // The client area (toolbar, child windows and status bar) has its design
    // size, centred on the screen; the menu bar comes on top of it.
    const QSize size(twips(11895), twips(8550) + menuBar()->sizeHint().height());
    resize(size);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - QPoint(size.width() / 2, size.height() / 2));
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
    auto separator = [](QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QString::fromLatin1(name)); };

    QMenu *file = menuBar()->addMenu(QStringLiteral("&Archivo"));
    file->setObjectName(QStringLiteral("archivo"));
    addItem(file, "guardar", QStringLiteral("&Guardar Datos Personalizados"));
    addItem(file, "cargar", QStringLiteral("&Cargar Datos Personalizados"));
    separator(file, "mnudif");
    connect(addItem(file, "salir", QStringLiteral("&Salir")), &QAction::triggered, this, &MainWindow::exitProgram);

    QMenu *calculation = menuBar()->addMenu(QStringLiteral("&Cálculo"));
    calculation->setObjectName(QStringLiteral("calculo"));
    addItem(calculation, "obser", QStringLiteral("&Ver Datos del Observatorio"));
    addItem(calculation, "mnuCheck", QStringLiteral("Com&probar datos"), QKeySequence(Qt::CTRL | Qt::Key_P));
    separator(calculation, "mnudif2");
    connect(addItem(calculation, "mnuCalc", QStringLiteral("&Calcular"), QKeySequence(Qt::CTRL | Qt::Key_C)),
            &QAction::triggered, this, &MainWindow::calculateCommand);

    QMenu *windows = menuBar()->addMenu(QStringLiteral("&Ventanas"));
    windows->setObjectName(QStringLiteral("ventana"));
    const struct { const char *name; const char *caption; const char *window; } activators[] = {
        {"gen", "Datos &Generales", "frmDatos"},
        {"vehi", "Datos del ve&hículo", "frmVehi"},
        {"cir", "Datos de &Circulación", "frmMovi"},
        {"tray", "Tra&yecto", "frmTray"},
        {"res", "&Resultados", "frmResul"},
    };
    for (const auto &item : activators) {
        const QString window = QString::fromLatin1(item.window);
        connect(addItem(windows, item.name, QString::fromUtf8(item.caption)), &QAction::triggered, this,
                [this, window] { activateChild(window); });
    }
    separator(windows, "def");
    connect(addItem(windows, "entrada", QStringLiteral("Ver ventanas de &entrada de datos"),
                    QKeySequence(Qt::CTRL | Qt::Key_E)),
            &QAction::triggered, this, &MainWindow::showInputLayout);
    connect(addItem(windows, "min", QStringLiteral("&Minimizar actual"), QKeySequence(Qt::CTRL | Qt::Key_M)),
            &QAction::triggered, this, &MainWindow::minimiseActiveChild);
    connect(addItem(windows, "cascada", QStringLiteral("Organizar en cascada")), &QAction::triggered, mdi_,
            &QMdiArea::cascadeSubWindows);

    QMenu *help = menuBar()->addMenu(QStringLiteral("Ayuda"));
    help->setObjectName(QStringLiteral("mnuhelp"));
    addItem(help, "mnuhelpsi", QStringLiteral("Ayuda"));
    addItem(help, "mnuAcerca", QStringLiteral("Acerca de..."));
}

QWidget *MainWindow::createToolbar()
{
    auto *strip = new QWidget;
    strip->setObjectName(QStringLiteral("Picture1"));
    strip->setFixedHeight(twips(540));
    for (const ToolbarButton &design : ToolbarButtons) {
        auto *button = new WrappingButton(QString::fromUtf8(design.caption), strip);
        button->setObjectName(QString::fromLatin1(design.name));
        button->setGeometry(twipRect(design.left, 0, design.width, 495));
        button->setFont(designFont(true));
        button->setToolTip(QString::fromUtf8(design.tooltip));
        // The toolbar acts on the active child; it does not take the focus
        // from it.
        button->setFocusPolicy(Qt::NoFocus);
    }
    return strip;
}

void MainWindow::connectToolbar()
{
    const struct { const char *button; const char *window; } restorers[] = {
        {"cmdDatosgen", "frmDatos"}, {"cmdVehi", "frmVehi"}, {"cmdMovi", "frmMovi"},
        {"cmdTray", "frmTray"}, {"cmdResul", "frmResul"},
    };
    for (const auto &item : restorers) {
        const QString window = QString::fromLatin1(item.window);
        connect(toolbarButton(QString::fromLatin1(item.button)), &QPushButton::clicked, this,
                [this, window] { restoreAndActivateChild(window); });
    }
    // These buttons are the menu's own commands.
    const struct { const char *button; const char *item; } shared[] = {
        {"cmdCalc", "mnuCalc"}, {"cmdMin", "min"}, {"cmdDatos", "entrada"},
    };
    for (const auto &item : shared) {
        QAction *action = menuAction(QString::fromLatin1(item.item));
        QPushButton *button = toolbarButton(QString::fromLatin1(item.button));
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
    QLabel *numLock = panel("panelNum", QStringLiteral("NUM"), false);
    QLabel *insert = panel("panelIns", QStringLiteral("INS"), false);
    panel("panelDate", QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat), false);
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
    QMdiSubWindow *results = addChild(results_);
    results->show();   // at its design size, which restoring it brings back
    results->showMinimized();
    int offset = 0;
    for (const char *name : {"frmTray", "frmMovi", "frmVehi", "frmDatos"}) {
        InputForm *form = inputs_->window(QString::fromLatin1(name));
        QMdiSubWindow *frame = addChild(form);
        frame->move(offset, offset);
        frame->show();
        // Placing a window in its frame takes the focus from its controls;
        // the first control in tab order gets it back for when the window
        // is first activated.
        form->tabOrder().front()->setFocus();
        offset += frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, frame)
            + frame->style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, frame);
    }
    mdi_->setActiveSubWindow(subWindow(QStringLiteral("frmDatos")));
}

QMdiSubWindow *MainWindow::subWindow(const QString &name) const
{
    for (QMdiSubWindow *frame : mdi_->subWindowList())
        if (frame->widget() && frame->widget()->objectName() == name)
            return frame;
    return nullptr;
}

QWidget *MainWindow::childWindow(const QString &name) const
{
    QMdiSubWindow *frame = subWindow(name);
    return frame ? frame->widget() : nullptr;
}

QAction *MainWindow::menuAction(const QString &name) const { return menuBar()->findChild<QAction *>(name); }

QPushButton *MainWindow::toolbarButton(const QString &name) const { return findChild<QPushButton *>(name); }

void MainWindow::activateChild(const QString &name)
{
    if (QMdiSubWindow *frame = subWindow(name))
        mdi_->setActiveSubWindow(frame);
}

void MainWindow::restoreAndActivateChild(const QString &name)
{
    QMdiSubWindow *frame = subWindow(name);
    if (!frame)
        return;
    if (frame->isMinimized())
        frame->showNormal();
    mdi_->setActiveSubWindow(frame);
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
    subWindow(QStringLiteral("frmResul"))->showMinimized();
    for (const LayoutPlace &place : InputLayout) {
        QMdiSubWindow *frame = subWindow(QString::fromLatin1(place.window));
        frame->showNormal();
        frame->move(twipPoint(place.left, place.top));
    }
    if (active)
        mdi_->setActiveSubWindow(active);
}

void MainWindow::calculateCommand()
{
    prompter().inform(CheckAnnouncement);
    menuAction(QStringLiteral("mnuCheck"))->trigger();
}

bool MainWindow::confirmExit()
{
    if (!workspace_.DataSaved) {
        switch (prompter().askYesNoCancel(SaveQuestion)) {
        case Answer::Cancel:
            return false;
        case Answer::Yes:
            if (saveStep_)
                saveStep_();
            break;
        case Answer::No:
            break;
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

} // namespace rotavex
