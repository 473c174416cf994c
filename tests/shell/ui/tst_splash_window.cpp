// The splash builds the main window hidden when it gets the focus and hands
// over to it at the first click on its frame or the first typing key.

#include "shell/ui/splash_window.h"

#include <QFrame>
#include <QLabel>
#include <QtTest>

#include <memory>
#include <vector>

using rotavex::SplashWindow;

class SplashWindowTest : public QObject {
    Q_OBJECT

    std::vector<std::unique_ptr<QWidget>> built;   // main windows made by the factory

    std::function<QWidget *()> factory()
    {
        return [this] {
            built.push_back(std::make_unique<QWidget>());
            return built.back().get();
        };
    }

    static void activate(SplashWindow &splash)
    {
        QEvent activation(QEvent::WindowActivate);
        QApplication::sendEvent(&splash, &activation);
    }

    void expectHandedOver(SplashWindow &splash)
    {
        QCOMPARE(built.size(), std::size_t(1));
        QVERIFY(built.front()->isVisible());
        QVERIFY(!splash.isVisible());
    }

private slots:
    void cleanup() { built.clear(); }

    void focusBuildsHiddenMainWindowOnce()
    {
        SplashWindow splash(factory());
        splash.show();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        QCOMPARE(built.size(), std::size_t(1));
        QVERIFY(!built.front()->isVisible());
        QCOMPARE(splash.mainWindow(), built.front().get());

        built.front()->show();   // someone brings it up behind the splash's back
        activate(splash);
        QCOMPARE(built.size(), std::size_t(1));
        QVERIFY(!built.front()->isVisible());
    }

    void clickInFrameHandsOver_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("logo") << "imgLogo";
        QTest::newRow("version label") << "Label2";
        QTest::newRow("company label") << "lblCompanyProduct";
        QTest::newRow("publisher label") << "Label1";
        QTest::newRow("emblem") << "Image1";
        QTest::newRow("frame itself") << "Frame1";
    }

    void clickInFrameHandsOver()
    {
        QFETCH(QString, target);
        SplashWindow splash(factory());
        splash.show();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        auto *widget = splash.findChild<QWidget *>(target);
        QVERIFY(widget);
        // a point of the frame that no picture or label covers
        const QPoint point = target == "Frame1" ? QPoint(480, 420) : QPoint(5, 5);
        QTest::mouseClick(widget, Qt::LeftButton, {}, point);
        expectHandedOver(splash);
    }

    void typingKeyHandsOver_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("letter") << int(Qt::Key_R);
        QTest::newRow("digit") << int(Qt::Key_3);
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
        QTest::newRow("Backspace") << int(Qt::Key_Backspace);
    }

    void typingKeyHandsOver()
    {
        QFETCH(int, key);
        SplashWindow splash(factory());
        splash.show();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        QTest::keyClick(&splash, Qt::Key(key));
        expectHandedOver(splash);
    }

    void inputThatDoesNotCount_data()
    {
        QTest::addColumn<QPoint>("click");   // a point of the splash, or none for a key
        QTest::addColumn<int>("key");
        QTest::newRow("strip left of the frame") << QPoint(3, 200) << 0;
        QTest::newRow("strip below the frame") << QPoint(300, 457) << 0;
        QTest::newRow("Shift alone") << QPoint() << int(Qt::Key_Shift);
        QTest::newRow("function key") << QPoint() << int(Qt::Key_F5);
    }

    void inputThatDoesNotCount()
    {
        QFETCH(QPoint, click);
        QFETCH(int, key);
        SplashWindow splash(factory());
        splash.show();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        if (key)
            QTest::keyClick(&splash, Qt::Key(key));
        else
            QTest::mouseClick(&splash, Qt::LeftButton, {}, click);
        QVERIFY(splash.isVisible());
        QCOMPARE(built.size(), std::size_t(1));
        QVERIFY(!built.front()->isVisible());
    }

    void handOverBeforeFocusBuildsMainWindow()
    {
        SplashWindow splash(factory());
        QTest::keyClick(&splash, Qt::Key_A);
        expectHandedOver(splash);
    }

    void closedOtherwiseStillShowsMainWindow()
    {
        SplashWindow splash(factory());
        QSignalSpy shown(&splash, &SplashWindow::mainWindowShown);
        splash.show();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        splash.close();
        expectHandedOver(splash);
        QCOMPARE(shown.count(), 1);
    }

    void handsOverOnlyOnce()
    {
        SplashWindow splash(factory());
        QSignalSpy shown(&splash, &SplashWindow::mainWindowShown);
        splash.show();
        QVERIFY(QTest::qWaitForWindowActive(&splash));
        QTest::keyClick(&splash, Qt::Key_A);
        built.front()->hide();
        QTest::keyClick(&splash, Qt::Key_B);
        activate(splash);
        QCOMPARE(shown.count(), 1);
        QCOMPARE(built.size(), std::size_t(1));
        QVERIFY(!built.front()->isVisible());   // no later event brings it up or down again
    }
};

QTEST_MAIN(SplashWindowTest)
#include "tst_splash_window.moc"
