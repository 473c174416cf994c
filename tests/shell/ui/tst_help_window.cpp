// The help window: one window however often it is opened, independent of the
// main window, showing the built-in document with its title, contents and
// sections.

#include "shell/ui/help_window.h"

#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextList>
#include <QtTest>

using rotavex::HelpWindow;

namespace {

QList<HelpWindow *> openHelpWindows()
{
    QList<HelpWindow *> open;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *help = qobject_cast<HelpWindow *>(widget); help && help->isVisible())
            open << help;
    return open;
}

bool wholeBlockBold(const QTextBlock &block)
{
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
        if (fragment.fragment().charFormat().fontWeight() < QFont::Bold)
            return false;
    return block.begin() != block.end();
}

const QStringList Headings = {
    "1. ¿Qué es ROTAVEX?",
    "2. Instalación y Requisitos Mínimos",
    "3. Ventanas y Botones",
    "4. El Observatorio de Costes del Transporte de Viajeros en Autobús en la Dizezirad de Valdoria",
    "5. Introducción de datos",
    "6. Trabajar con los resultados. Copiarlos y pegarlos",
    "7. Guardar y Cargar datos",
    "8.Cambios en la versión 2018",
    "9. Comparar con el Observatorio",
    "10. Valores de referencia propios",
    "11. Lote de servicios",
    "12. Revisión de precios",
};

}   // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup()
    {
        for (HelpWindow *help : openHelpWindows())
            help->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void openingTwiceGivesOneWindow()
    {
        rotavex::showHelpWindow();
        rotavex::showHelpWindow();
        QCOMPARE(openHelpWindows().size(), 1);
        HelpWindow *help = openHelpWindows().front();
        QCOMPARE(help->windowTitle(), QString("Ayuda de ROTAVEX 3"));
        QVERIFY(help->viewer()->isReadOnly());
        QVERIFY(help->viewer()->toPlainText().startsWith("ROTAVEX 3 Versión 2018"));
    }

    void reopensAfterBeingClosed()
    {
        rotavex::showHelpWindow();
        openHelpWindows().front()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(openHelpWindows().size(), 0);
        rotavex::showHelpWindow();
        QCOMPARE(openHelpWindows().size(), 1);
    }

    void staysOpenWhenTheMainWindowCloses()
    {
        QWidget mainWindow;
        mainWindow.show();
        rotavex::showHelpWindow();
        mainWindow.close();
        QCOMPARE(openHelpWindows().size(), 1);
        HelpWindow *help = openHelpWindows().front();
        QVERIFY(help->isWindow());
        QVERIFY(!help->parentWidget());
        QVERIFY(help->testAttribute(Qt::WA_QuitOnClose));   // the program ends when it goes too
    }

    void showsTheBuiltInDocument()
    {
        rotavex::showHelpWindow();
        const QTextDocument *document = openHelpWindows().front()->viewer()->document();
        QTextBlock block = document->begin();
        QCOMPARE(block.text(), QString("ROTAVEX 3 Versión 2018"));
        QVERIFY(wholeBlockBold(block));

        // the contents, then the sections in their order, each a bold heading over prose
        QTextList *contents = nullptr;
        for (; block.isValid() && !contents; block = block.next())
            contents = block.textList();
        QVERIFY(contents);
        QCOMPARE(contents->count(), 12);
        for (const QString &heading : Headings) {
            while (block.isValid() && block.text() != heading)
                block = block.next();
            QVERIFY2(block.isValid(), qPrintable(heading));
            QVERIFY(wholeBlockBold(block));
            QVERIFY(block.next().text().split(' ').size() > 25);
        }
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_help_window.moc"
