#include "shell/ui/program_start.h"
#include "shell/ui/splash_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    rotavex::prepareApplication(app);
    rotavex::SplashWindow splash(rotavex::buildMainWindow);
    splash.show();
    return app.exec();
}
