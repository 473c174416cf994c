#include "storage/valid_utf8.h"

#include <QtTest>

using namespace rotavex;

class ValidUtf8Test : public QObject {
    Q_OBJECT
private slots:
    void eachIllFormedSequenceBecomesOneReplacement_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain text") << QByteArray("datos 2018") << QString("datos 2018");
        QTest::newRow("two, three and four bytes")
            << QByteArray("\xc3\xb1\xe2\x82\xac\xf0\x9f\x9a\x8c") << QString::fromUtf8("ñ€🚌");
        QTest::newRow("control characters stay") << QByteArray("a\tb\x01") << QString("a\tb\x01");
        QTest::newRow("byte that starts nothing") << QByteArray("a\xff"
                                                                "b")
                                                  << QString("a\uFFFD"
                                                             "b");
        QTest::newRow("lone continuation bytes") << QByteArray("\x80\xbf") << QString("\uFFFD\uFFFD");
        QTest::newRow("two-byte overlong") << QByteArray("\xc0\xaf") << QString("\uFFFD\uFFFD");
        QTest::newRow("three-byte overlong") << QByteArray("\xe0\x80\xaf") << QString("\uFFFD\uFFFD\uFFFD");
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << QString("\uFFFD\uFFFD\uFFFD");
        QTest::newRow("past U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << QString("\uFFFD\uFFFD\uFFFD\uFFFD");
        QTest::newRow("cut short at the end") << QByteArray("x\xf0\x9f\x9a") << QString("x\uFFFD");
        QTest::newRow("cut short before a letter") << QByteArray("\xe2\x82z") << QString("\uFFFDz");
    }
    void eachIllFormedSequenceBecomesOneReplacement()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        const std::string repaired = validUtf8(bytes.toStdString());
        QCOMPARE(QString::fromStdString(repaired), text);
        QCOMPARE(QByteArray::fromStdString(repaired), text.toUtf8());   // nothing Qt would have had to repair
    }
};

QTEST_GUILESS_MAIN(ValidUtf8Test)
#include "tst_valid_utf8.moc"
