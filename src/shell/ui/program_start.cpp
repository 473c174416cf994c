#include "program_start.h"

#include "main_window.h"
#include "program_commands.h"
#include "splash_window.h"
#include "study/ui/load_into_windows.h"
#include "widgets/modal_reach.h"
#include "widgets/program_pictures.h"
#include "widgets/program_settings.h"
#include "widgets/prompter.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTimer>
#include <QTranslator>

namespace rotavex {

void prepareApplication(QApplication &app)
{
    QApplication::setOrganizationName(ProgramOrganisation);
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setWindowIcon(applicationIcon());
    keepModalWindowsInReach(app);
    auto *qtSpanish = new QTranslator(&app);
    if (qtSpanish->load(QStringLiteral("qtbase_es"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtSpanish);
}

QWidget *buildMainWindow()
{
    auto *main = new MainWindow;
    main->setAttribute(Qt::WA_DeleteOnClose);
    new ProgramCommands(*main);
    return main;
}

void loadWhenShown(SplashWindow &splash, const QString &path)
{
    QObject::connect(&splash, &SplashWindow::mainWindowShown, &splash, [path](QWidget *shown) {
        auto *main = qobject_cast<MainWindow *>(shown);
        if (!main)
            return;
        // Once the splash has gone, so that a refusal shows over the main window.
        QTimer::singleShot(0, main, [main, path] { loadIntoWindows(path, main->study(), main->inputWindows()); });
    });
}

}   // namespace rotavex
