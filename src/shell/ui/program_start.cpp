#include "program_start.h"

#include "main_window.h"
#include "program_commands.h"
#include "widgets/program_pictures.h"
#include "widgets/prompter.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace rotavex {

void prepareApplication(QApplication &app)
{
    QApplication::setApplicationName(ApplicationTitle);
    QApplication::setWindowIcon(applicationIcon());
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

}   // namespace rotavex
