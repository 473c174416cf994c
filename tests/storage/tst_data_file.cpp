#include "entry/field_check.h"
#include "model/field_number.h"
#include "storage/data_file.h"
#include "storage/windows1252.h"

#include <QtTest>

using namespace rotavex;

namespace {

std::string exampleBytes(const char *name)
{
    QFile file(QStringLiteral(ROTAVEX_SOURCE_DIR "/examples/") + name);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("missing example %s", name);
    return file.readAll().toStdString();
}

// The complete example: own driver, general, fuel, tyre and annual-km data;
// insurance, vehicle (with financing) and maintenance on the observatory.
void completeExample(Workspace &ws, FieldTexts &texts)
{
    ws.BusClass = 3;
    ws.ServiceMode = true;
    ws.switches[Switch::Insurance] = true;
    ws.switches[Switch::Vehicle] = true;
    ws.switches[Switch::Financing] = true;
    ws.switches[Switch::Maintenance] = true;
    texts[Input::Salacon] = "32000";
    texts[Input::Htraba] = "1750";
    texts[Input::Cosgen] = "12";
    texts[Input::Cosgas] = "0.95";
    texts[Input::Cosneu] = "380";
    texts[Input::Vidneu] = "90000";
    texts[Input::Kmaut] = "85000";
    texts[Input::Km] = "120";
    texts[Input::Horas] = "4";
    texts[Input::Vacio] = "20";
    for (Input input : {Input::Cosseg, Input::Cosaut, Input::Vidaut, Input::Cosfin, Input::Plafin, Input::Cosman})
        texts[input] = "Observatorio";
}

std::string file(std::initializer_list<const char *> lines)
{
    std::string bytes;
    for (const char *line : lines)
        bytes += std::string(line) + "\r\n";
    return bytes;
}

}   // namespace

class DataFileTest : public QObject {
    Q_OBJECT
private slots:
    void writesTheCompleteExampleByteForByte()
    {
        Workspace ws;
        FieldTexts texts;
        completeExample(ws, texts);
        QCOMPARE(QByteArray::fromStdString(writeDataFile(ws, texts)),
                 QByteArray::fromStdString(exampleBytes("complete-example")));
    }

    void writesEmptyFieldsAsEmptyTexts()
    {
        const std::string bytes = writeDataFile(Workspace{}, FieldTexts{});
        QCOMPARE(QByteArray::fromStdString(bytes),
                 QByteArray::fromStdString(
                     file({"\"ROTAVEX\"", "0", "\"\",\"\"", "\"\",\"\"", "\"\"", "\"\"", "\"\",\"\"", "\"\"",
                           "\"\",\"\"", "\"\",\"\"", "\"\"", "#FALSE#", "\"\"", "\"\"", "\"\""})));
    }

    void quotationMarksKeepTheNumberAndTheItems_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("inside a number") << "12\"5";
        QTest::newRow("several") << "3\"0\"000\"";
        QTest::newRow("at the start") << "\"45";
        QTest::newRow("alone") << "\"";
        QTest::newRow("closing a quoted item early") << "7\",\"8";
    }
    void quotationMarksKeepTheNumberAndTheItems()
    {
        QFETCH(QString, text);
        const std::string field = text.toStdString();
        Workspace ws;
        FieldTexts texts;
        texts[Input::Salacon] = field;
        texts[Input::Htraba] = "1800";
        texts[Input::Km] = field;
        texts[Input::Horas] = "4";
        texts[Input::Vacio] = "20";
        const auto content = readDataFile(writeDataFile(ws, texts));
        QVERIFY(content);
        // Lines 3 to 11, item for item: no quotation mark split or joined one.
        QList<std::size_t> items;
        for (const auto &group : content->groups)
            items << group.size();
        QCOMPARE(items, QList<std::size_t>({2, 2, 1, 1, 2, 1, 2, 2, 1}));
        QCOMPARE(content->groups[0][1], std::optional<std::string>("1800"));
        QCOMPARE(content->horas, std::optional<std::string>("4"));
        QCOMPARE(content->vacio, std::optional<std::string>("20"));
        for (const auto &saved : {content->groups[0][0], content->km}) {
            QVERIFY(saved);
            QCOMPARE(ReadFieldNumber(*saved), ReadFieldNumber(field));
        }
    }

    void textsAreWindows1252()
    {
        Workspace ws;
        FieldTexts texts;
        texts[Input::Km] = "año€";
        const std::string bytes = writeDataFile(ws, texts);
        QVERIFY(bytes.find("\"a\xF1o\x80\"") != std::string::npos);
        QCOMPARE(*readDataFile(bytes)->km, std::string("año€"));
        QCOMPARE(windows1252FromUtf8("日"), std::string("?"));
    }

    void refusesWhatIsNotADataFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("other case") << QByteArray("\"Rotavex\"\r\n3\r\n");
        QTest::newRow("blank inside the mark") << QByteArray("\"ROTAVEX \"\r\n3\r\n");
        QTest::newRow("another program's text") << QByteArray("hello, world\r\n");
        QTest::newRow("binary") << QByteArray("\x00\xFF\x01\"ROTAVEX\"", 12);
        QTest::newRow("a 10 MB line behind the mark")
            << QByteArray("\"ROTAVEX\"\r\n") + QByteArray(10 * 1024 * 1024, '7');
    }
    void refusesWhatIsNotADataFile()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!readDataFile(bytes.toStdString()));
    }

    void shortOrMalformedFilesApplyWhatCanBeRead()
    {
        Workspace ws;
        ws.ServiceMode = true;
        FieldTexts texts;
        texts[Input::Km] = "55";
        const auto content = readDataFile("\"ROTAVEX\"\r\nthree\r\n\"30000\",\"1800\"\r\n\"10\"");
        QVERIFY(content);
        QVERIFY(!content->busClass);
        applyDataFile(*content, ws, texts);
        QCOMPARE(ws.BusClass, int16_t(0));
        QCOMPARE(texts[Input::Salacon], std::string("30000"));
        QCOMPARE(texts[Input::Cosgen], std::string("10"));   // the second item is missing: the first stays
        QVERIFY(ws.ServiceMode);                             // no flag read
        QCOMPARE(texts[Input::Km], std::string("55"));       // no trip item read
    }

    void notAFlagOrNumberLeavesTheValue()
    {
        const auto content = readDataFile(
            file({"\"ROTAVEX\"", "99999", "\"\",\"\"", "\"\",\"\"", "\"\"", "\"\"", "\"\",\"\"", "\"\"", "\"\",\"\"",
                  "\"\",\"\"", "\"\"", "TRUE", "\"1\"", "\"2\"", "\"3\""}));
        QVERIFY(content);
        QVERIFY(!content->busClass);
        QVERIFY(!content->serviceMode);
        QCOMPARE(*content->vacio, std::string("3"));
    }

    void loadingFillsOnlyGroupsWhoseSwitchIsOff()
    {
        Workspace ws;
        ws.switches[Switch::Fuel] = true;
        FieldTexts texts;
        texts[Input::Cosgas] = "Observatorio";
        texts[Input::Cosseg] = "777";
        const auto content = readDataFile(exampleBytes("complete-example"));
        QVERIFY(content);
        const std::vector<std::size_t> observatory = applyDataFile(*content, ws, texts);
        QCOMPARE(ws.BusClass, int16_t(3));
        QVERIFY(ws.ServiceMode);
        QCOMPARE(texts[Input::Cosgas], std::string("Observatorio"));   // switch on: kept
        QVERIFY(ws.ObsFuel());
        QCOMPARE(texts[Input::Cosseg], std::string());   // saved as observatory: emptied
        QCOMPARE(texts[Input::Cosaut], std::string());
        QCOMPARE(texts[Input::Salacon], std::string("32000"));
        QCOMPARE(texts[Input::Km], std::string("120"));
        QVERIFY(!ws.ObsInsurance() && !ws.DataSaved && !ws.ResultsReady);
        // Insurance, vehicle, financing and maintenance, by their place among lines 3 to 11.
        QCOMPARE(observatory, std::vector<std::size_t>({3, 6, 7, 8}));
    }

    // The groups a file saved as "Observatorio" come back on, as the
    // button of each would switch them; the rest keep the file's texts.
    void savedObservatoryGroupsComeBackOn_data()
    {
        QTest::addColumn<QString>("busClass");
        QTest::addColumn<QStringList>("savedLines");     // lines of the file written as "Observatorio"
        QTest::addColumn<QList<Switch>>("on");           // switches on afterwards
        QTest::addColumn<QList<Input>>("observatory");   // fields that show "Observatorio" afterwards
        QTest::newRow("none") << "3" << QStringList{} << QList<Switch>{} << QList<Input>{};
        QTest::newRow("driver and fuel") << "3" << QStringList{"\"30000\",\"1800\"", "\"1.2\""}
                                         << QList<Switch>{Switch::Driver, Switch::Fuel}
                                         << QList<Input>{Input::Salacon, Input::Htraba, Input::Cosgas};
        const QList<Switch> vehicle{Switch::Vehicle, Switch::Financing};
        const QList<Input> vehicleFields{Input::Cosaut, Input::Vidaut, Input::Cosfin, Input::Plafin};
        QTest::newRow("vehicle alone brings financing")
            << "3" << QStringList{"\"200000\",\"10\""} << vehicle << vehicleFields;
        QTest::newRow("financing alone brings the vehicle")
            << "3" << QStringList{"\"5\",\"5\""} << vehicle << vehicleFields;
        QTest::newRow("both, one press") << "3" << QStringList{"\"200000\",\"10\"", "\"5\",\"5\""} << vehicle
                                         << vehicleFields;
        QTest::newRow("no class: only groups without one")
            << "0" << QStringList{"\"10\",\"10\"", "\"6000\"", "\"60000\""} << QList<Switch>{Switch::General}
            << QList<Input>{Input::Cosgen};
    }
    void savedObservatoryGroupsComeBackOn()
    {
        QFETCH(QString, busClass);
        QFETCH(QStringList, savedLines);
        QFETCH(QList<Switch>, on);
        QFETCH(QList<Input>, observatory);
        std::string bytes = exampleBytes("worked-example");
        bytes.replace(bytes.find("\r\n3\r\n"), 5, "\r\n" + busClass.toStdString() + "\r\n");
        for (const QString &line : savedLines) {
            const std::string old = "\r\n" + line.toStdString() + "\r\n";
            const std::size_t at = bytes.find(old);
            QVERIFY2(at != std::string::npos, qPrintable(line));
            const std::string saved = line.contains(',') ? "\"Observatorio\",\"Observatorio\"" : "\"Observatorio\"";
            bytes.replace(at, old.size(), "\r\n" + saved + "\r\n");
        }
        const auto content = readDataFile(bytes);
        QVERIFY(content);
        Workspace ws;
        FieldTexts texts;
        applyDataFileWithObservatory(*content, ws, texts);
        QList<Switch> switchedOn;
        for (int s = 0; s < int(SwitchCount); ++s)
            if (ws.switches[Switch(s)])
                switchedOn << Switch(s);
        QCOMPARE(switchedOn, on);
        for (Input input : AllInputs)
            QCOMPARE(texts[input] == "Observatorio", observatory.contains(input));
        QCOMPARE(texts[Input::Km], std::string("100"));
    }

    void loadedTextsAreCheckedLikeTypedOnes_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("field");
        QTest::newRow("decimal comma") << "12,5"
                                       << "12.5";
        QTest::newRow("negative") << "-3"
                                  << "";
        QTest::newRow("not a number") << "doce"
                                      << "";
        QTest::newRow("huge exponent") << "1e400"
                                       << "";
        QTest::newRow("minus zero") << "-0"
                                    << "-0";
        QTest::newRow("control bytes") << "1\x01"
                                       << "";
        QTest::newRow("longest a field holds") << QString(255, '7') << QString(255, '7');
        QTest::newRow("longer than a field holds") << QString(256, '7') << "";
    }
    void loadedTextsAreCheckedLikeTypedOnes()
    {
        QFETCH(QString, item);
        QFETCH(QString, field);
        Workspace ws;
        FieldTexts texts;
        const std::string line = "\"" + item.toStdString() + "\"";
        const auto content = readDataFile(file({"\"ROTAVEX\"", "1", "\"\",\"\"", "\"\",\"\"", line.c_str()}));
        applyDataFile(*content, ws, texts);
        QCOMPARE(QString::fromStdString(texts[Input::Cosgas]), field);
    }

    void theLaterGeneralCostsItemWins()
    {
        Workspace ws;
        FieldTexts texts;
        applyDataFile(*readDataFile(file({"\"ROTAVEX\"", "2", "\"1\",\"2\"", "\"11\",\"12\""})), ws, texts);
        QCOMPARE(texts[Input::Cosgen], std::string("12"));
    }

    void savedAndLoadedBackUnchanged()
    {
        Workspace ws;
        FieldTexts texts;
        completeExample(ws, texts);
        ws.switches = ObservatorySwitches{};
        for (Input input : {Input::Cosseg, Input::Cosaut, Input::Vidaut, Input::Cosfin, Input::Plafin, Input::Cosman})
            texts[input] = "4,5";
        Workspace loaded;
        FieldTexts loadedTexts;
        applyDataFile(*readDataFile(writeDataFile(ws, texts)), loaded, loadedTexts);
        for (Input input : AllInputs)
            QCOMPARE(loadedTexts[input], NormaliseDecimalComma(texts[input]));   // a comma comes back as a point
        QCOMPARE(loaded.BusClass, ws.BusClass);
        QCOMPARE(loaded.ServiceMode, ws.ServiceMode);
    }
};

QTEST_GUILESS_MAIN(DataFileTest)
#include "tst_data_file.moc"
