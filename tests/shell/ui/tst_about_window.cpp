// The About window: modal, closed by "Aceptar" like by its close button,
// and gone once it is closed.

#include "shell/ui/about_window.h"

#include <QPushButton>
#include <QTimer>
#include <QtTest>

using rotavex::AboutWindow;

class AboutWindowTest : public QObject {
    Q_OBJECT

    static QList<AboutWindow *> aboutWindows()
    {
        QList<AboutWindow *> found;
        for (QWidget *widget : QApplication::topLevelWidgets())
            if (auto *about = qobject_cast<AboutWindow *>(widget))
                found << about;
        return found;
    }

private slots:
    void closes_data()
    {
        QTest::addColumn<bool>("byAceptar");
        QTest::newRow("Aceptar") << true;
        QTest::newRow("close button") << false;
    }

    void closes()
    {
        QFETCH(bool, byAceptar);
        QWidget owner;
        owner.show();
        bool wasModal = false;
        QTimer::singleShot(0, [&] {
            auto *about = qobject_cast<AboutWindow *>(QApplication::activeModalWidget());
            if (!about)
                return;
            wasModal = about->windowTitle() == "ROTAVEX 3" && about->isModal();
            if (byAceptar)
                QTest::mouseClick(about->acceptButton(), Qt::LeftButton);
            else
                about->close();
        });
        bool stayedOpen = false;
        QTimer::singleShot(3000, [&] {   // never hang the run if the window stays
            if (QWidget *stuck = QApplication::activeModalWidget()) {
                stayedOpen = true;
                stuck->close();
            }
        });
        rotavex::showAboutWindow(&owner);
        QVERIFY(wasModal);
        QVERIFY(!stayedOpen);
        QVERIFY(aboutWindows().isEmpty());
    }
};

QTEST_MAIN(AboutWindowTest)
#include "tst_about_window.moc"
