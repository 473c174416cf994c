#include "storage/data_file_path.h"

#include <QtTest>

using namespace rotavex;

class DataFilePathTest : public QObject {
    Q_OBJECT
private slots:
    void joinsFolderAndName_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::addColumn<char>("separator");
        QTest::addColumn<QString>("path");

        QTest::newRow("folder") << "C:\\Datos"
                                << "empresa" << '\\' << "C:\\Datos\\empresa";
        QTest::newRow("drive root") << "C:\\"
                                    << "empresa" << '\\' << "C:\\empresa";
        QTest::newRow("volume root") << "/"
                                     << "empresa" << '/' << "/empresa";
        QTest::newRow("extension kept") << "/home/ana"
                                        << "datos.txt" << '/' << "/home/ana/datos.txt";
        QTest::newRow("blanks kept") << "/home/ana"
                                     << " bus 1 " << '/' << "/home/ana/ bus 1 ";
        QTest::newRow("empty name") << "/home/ana"
                                    << "" << '/' << "/home/ana/";
        QTest::newRow("folder typed as name") << "/home/ana"
                                              << "/home/ana" << '/' << "/home/ana//home/ana";
        QTest::newRow("other separator is a character") << "C:/Datos"
                                                        << "x" << '\\' << "C:/Datos\\x";
        QTest::newRow("non-ASCII") << "/home/año"
                                   << "camión" << '/' << "/home/año/camión";
    }
    void joinsFolderAndName()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        QFETCH(char, separator);
        QFETCH(QString, path);
        const std::string joined = joinDataFilePath(folder.toStdString(), name.toStdString(), separator);
        QCOMPARE(QString::fromStdString(joined), path);
    }
};

QTEST_GUILESS_MAIN(DataFilePathTest)
#include "tst_data_file_path.moc"
