#include "model/switch_groups.h"

#include <QtTest>

using namespace rotavex;

class SwitchGroupsTest : public QObject {
    Q_OBJECT
private slots:
    void classDependentButtonsNeedAClass_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("needsClass");
        QTest::newRow("driver") << "cmdCocon" << false;
        QTest::newRow("general costs") << "cmdCogen" << false;
        QTest::newRow("vehicle") << "cmdCosaut" << true;
        QTest::newRow("maintenance") << "cmdCosman" << true;
        QTest::newRow("annual km") << "cmdKm" << true;
        QTest::newRow("fuel") << "cmdCogas" << true;
        QTest::newRow("tyres") << "cmdCosneu" << true;
        QTest::newRow("insurance") << "cmdCosseg" << true;
    }
    void classDependentButtonsNeedAClass()
    {
        QFETCH(QString, button);
        QFETCH(bool, needsClass);
        Workspace ws;
        FieldTexts texts;
        for (Input input : AllInputs)
            texts[input] = "5";
        const SwitchGroup &group = switchGroupOfButton(button.toStdString());
        const ToggleOutcome outcome = ToggleObservatorySource(ws, group, texts);
        QCOMPARE(outcome.refused, needsClass);
        for (const SwitchPart &part : group.parts) {
            QCOMPARE(switchFlag(ws, part.sw), !needsClass);
            for (Input field : part.fields)
                QCOMPARE(texts[field], needsClass ? std::string("5") : std::string("Observatorio"));
        }
    }

    void switchingBackEmptiesTheFields()
    {
        Workspace ws;
        ws.BusClass = 2;
        FieldTexts texts;
        texts[Input::Cosneu] = "400";
        texts[Input::Vidneu] = "90000";
        const SwitchGroup &tyres = switchGroupOfButton("cmdCosneu");
        ToggleObservatorySource(ws, tyres, texts);
        QVERIFY(ws.ObsTyres);
        ToggleObservatorySource(ws, tyres, texts);
        QVERIFY(!ws.ObsTyres);
        QCOMPARE(texts[Input::Cosneu], std::string());
        QCOMPARE(texts[Input::Vidneu], std::string());
    }

    void vehicleButtonDrivesBothGroups()
    {
        Workspace ws;
        ws.BusClass = 3;
        FieldTexts texts;
        const SwitchGroup &vehicle = switchGroupOfButton("cmdCosaut");
        const ToggleOutcome on = ToggleObservatorySource(ws, vehicle, texts);
        QCOMPARE(on.changes.size(), std::size_t(2));
        QVERIFY(ws.ObsVehicle && ws.ObsFinancing);
        for (Input field : {Input::Cosaut, Input::Vidaut, Input::Cosfin, Input::Plafin})
            QCOMPARE(texts[field], std::string("Observatorio"));
        ToggleObservatorySource(ws, vehicle, texts);
        QVERIFY(!ws.ObsVehicle && !ws.ObsFinancing);
    }

    void unknownClassCountsAsNone()
    {
        Workspace ws;
        ws.BusClass = 9;
        FieldTexts texts;
        QVERIFY(ToggleObservatorySource(ws, switchGroupOfButton("cmdCogas"), texts).refused);
        QVERIFY(!ws.ObsFuel);
    }

    void turningOffNeedsNoClass()
    {
        Workspace ws;
        ws.BusClass = 1;
        FieldTexts texts;
        const SwitchGroup &fuel = switchGroupOfButton("cmdCogas");
        ToggleObservatorySource(ws, fuel, texts);
        ws.BusClass = 0;
        QVERIFY(!ToggleObservatorySource(ws, fuel, texts).refused);
        QVERIFY(!ws.ObsFuel);
    }
};

QTEST_GUILESS_MAIN(SwitchGroupsTest)
#include "tst_switch_groups.moc"
