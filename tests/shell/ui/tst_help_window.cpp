// The help window: one window however often it is opened, independent of the
// main window, showing the built-in document with its title, contents and
// sections.

#include "shell/ui/help_document.h"
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

struct Document {
    QTextDocument text;
    Document() { text.setHtml(rotavex::helpDocumentHtml()); }

    QTextBlock find(const QString &line) const
    {
        for (QTextBlock block = text.begin(); block.isValid(); block = block.next())
            if (block.text() == line)
                return block;
        return {};
    }
};

const QStringList Headings = {
    "1. ¿Qué es ROTAVEX?",
    "2. Instalación y Requisitos Mínimos",
    "3. Ventanas y Botones",
    "4. El Observatorio de Costes del Transporte de Viajeros en Autobús en la Dizezirad de Valdoria",
    "5. Introducción de datos",
    "6. Trabajar con los resultados. Copiarlos y pegarlos",
    "7. Guardar y Cargar datos",
    "8.Cambios en la versión 2018",
};

} // namespace

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

    void titleIsCentredAndBold()
    {
        Document document;
        const QTextBlock title = document.find("ROTAVEX 3 Versión 2018");
        QVERIFY(title.isValid());
        QCOMPARE(title.blockNumber(), 0);
        QVERIFY(title.blockFormat().alignment() & Qt::AlignHCenter);
        QVERIFY(wholeBlockBold(title));
        QVERIFY(title.next().text().trimmed().isEmpty());
    }

    void contentsEntries_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("entry");
        const QStringList entries = {
            "¿Qué es ROTAVEX 3?", "Instalación y Requisitos Mínimos", "Ventanas y Botones",
            "El Observatorio de Costes del Transporte de Viajeros en Autobús", "Introducción de datos",
            "Guardar y Cargar datos", "Trabajar con los resultados. Copiarlos y pegarlos.",
            "Cambios en la versión 2018"};
        for (int i = 0; i < entries.size(); ++i)
            QTest::addRow("%d", i + 1) << i << entries[i];
    }

    void contentsEntries()
    {
        QFETCH(int, position);
        QFETCH(QString, entry);
        Document document;
        const QTextBlock block = document.find(entry);
        QVERIFY2(block.isValid(), qPrintable(entry));
        QTextList *list = block.textList();
        QVERIFY(list);   // numbered, with the text hanging beside its number
        QCOMPARE(list->format().style(), QTextListFormat::ListDecimal);
        QCOMPARE(list->count(), 8);
        QCOMPARE(list->itemNumber(block), position);
        QCOMPARE(list->itemText(block), QString("%1.").arg(position + 1));
    }

    void sectionHeadings_data()
    {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("nextHeading");
        for (int i = 0; i < Headings.size(); ++i)
            QTest::addRow("%d", i + 1) << Headings[i] << Headings.value(i + 1);
    }

    void sectionHeadings()
    {
        QFETCH(QString, heading);
        QFETCH(QString, nextHeading);
        Document document;
        const QTextBlock block = document.find(heading);
        QVERIFY2(block.isValid(), qPrintable(heading));
        QVERIFY(!block.textList());
        QVERIFY(wholeBlockBold(block));

        // then justified plain paragraphs, up to the next heading in order
        int paragraphs = 0;
        QTextBlock text = block.next();
        for (; text.isValid() && text.text() != nextHeading; text = text.next()) {
            QVERIFY2(!Headings.contains(text.text()), qPrintable(text.text()));
            if (text.text().trimmed().isEmpty())
                continue;
            ++paragraphs;
            QVERIFY(text.blockFormat().alignment() & Qt::AlignJustify);
            QVERIFY(!wholeBlockBold(text));
            QVERIFY(text.text().split(' ').size() > 25);   // real prose, not a stub
        }
        QVERIFY(paragraphs >= 1);
        QCOMPARE(text.isValid(), !nextHeading.isEmpty());
    }
};

QTEST_MAIN(HelpWindowTest)
#include "tst_help_window.moc"
