// The yardstick for the program's start-up: a bare Qt program with windows
// like the program's (a splash with a picture and labels, then a main window
// with a menu bar, a toolbar strip, a status bar and five child windows of
// plain widgets) and none of its rules. It quits once the main window is shown.

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QStatusBar>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>

namespace {

QWidget *plainForm(int fields)
{
    auto *form = new QWidget;
    for (int i = 0; i < fields; ++i) {
        auto *label = new QLabel(QStringLiteral("Campo %1").arg(i + 1), form);
        label->setGeometry(8, 8 + 24 * i, 160, 20);
        auto *edit = new QLineEdit(QStringLiteral("0,00"), form);
        edit->setGeometry(176, 8 + 24 * i, 90, 20);
    }
    auto *button = new QPushButton(QStringLiteral("Aceptar"), form);
    button->setGeometry(8, 16 + 24 * fields, 100, 24);
    return form;
}

QMainWindow *mainWindow()
{
    auto *main = new QMainWindow;
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->resize(1000, 700);
    for (const char *title : {"&Archivo", "&Ver", "&Ventana", "A&yuda"}) {
        QMenu *menu = main->menuBar()->addMenu(QString::fromUtf8(title));
        for (int i = 0; i < 5; ++i)
            menu->addAction(QStringLiteral("Orden %1").arg(i + 1));
    }
    QToolBar *strip = main->addToolBar(QStringLiteral("Botones"));
    for (int i = 0; i < 6; ++i)
        strip->addWidget(new QPushButton(QStringLiteral("Botón %1").arg(i + 1)));
    for (int i = 0; i < 4; ++i)
        main->statusBar()->addPermanentWidget(new QLabel(QStringLiteral("Estado %1").arg(i + 1)));
    auto *area = new QMdiArea;
    main->setCentralWidget(area);
    for (int i = 0; i < 4; ++i)
        area->addSubWindow(plainForm(12))->setWindowTitle(QStringLiteral("Datos %1").arg(i + 1));
    auto *table = new QTableWidget(30, 6);
    for (int row = 0; row < 30; ++row)
        for (int column = 0; column < 6; ++column)
            table->setItem(row, column, new QTableWidgetItem(QStringLiteral("%1,00").arg(row * column)));
    area->addSubWindow(table)->setWindowTitle(QStringLiteral("Resultados"));
    return main;
}

}   // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget splash(nullptr, Qt::Window | Qt::FramelessWindowHint);
    splash.resize(670, 460);
    auto *frame = new QFrame(&splash);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frame->setGeometry(8, 0, 656, 453);
    QPixmap picture(633, 343);
    picture.fill(Qt::white);
    auto *logo = new QLabel(frame);
    logo->setGeometry(8, 16, 633, 343);
    logo->setPixmap(picture);
    for (int i = 0; i < 3; ++i)
        (new QLabel(QStringLiteral("Etiqueta %1").arg(i + 1), frame))->setGeometry(8, 376 + 24 * i, 300, 20);
    splash.show();

    QTimer::singleShot(0, [&] {
        QMainWindow *main = mainWindow();
        splash.close();
        main->show();
        QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    });
    return app.exec();
}
