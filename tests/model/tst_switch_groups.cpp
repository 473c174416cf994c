#include "model/switch_groups.h"

#include <QtTest>

Q_DECLARE_METATYPE(rotavex::ObservatoryGroup)

using namespace rotavex;

class SwitchGroupsTest : public QObject {
    Q_OBJECT
private slots:
    void classDependentButtonsNeedAClass_data()
    {
        QTest::addColumn<ObservatoryGroup>("group");
        QTest::addColumn<bool>("needsClass");
        QTest::newRow("driver") << ObservatoryGroup::Driver << false;
        QTest::newRow("general costs") << ObservatoryGroup::General << false;
        QTest::newRow("vehicle") << ObservatoryGroup::Vehicle << true;
        QTest::newRow("maintenance") << ObservatoryGroup::Maintenance << true;
        QTest::newRow("annual km") << ObservatoryGroup::AnnualKm << true;
        QTest::newRow("fuel") << ObservatoryGroup::Fuel << true;
        QTest::newRow("tyres") << ObservatoryGroup::Tyres << true;
        QTest::newRow("insurance") << ObservatoryGroup::Insurance << true;
    }
    void classDependentButtonsNeedAClass()
    {
        QFETCH(ObservatoryGroup, group);
        QFETCH(bool, needsClass);
        Workspace ws;
        FieldTexts texts;
        for (Input input : AllInputs)
            texts[input] = "5";
        const ToggleOutcome outcome = ToggleObservatorySource(ws, switchGroup(group), texts);
        QCOMPARE(outcome.refused, needsClass);
        for (const SwitchPart &part : switchGroup(group).parts) {
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
        const SwitchGroup &tyres = switchGroup(ObservatoryGroup::Tyres);
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
        const SwitchGroup &vehicle = switchGroup(ObservatoryGroup::Vehicle);
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
        QVERIFY(ToggleObservatorySource(ws, switchGroup(ObservatoryGroup::Fuel), texts).refused);
        QVERIFY(!ws.ObsFuel);
    }

    void turningOffNeedsNoClass()
    {
        Workspace ws;
        ws.BusClass = 1;
        FieldTexts texts;
        const SwitchGroup &fuel = switchGroup(ObservatoryGroup::Fuel);
        ToggleObservatorySource(ws, fuel, texts);
        ws.BusClass = 0;
        QVERIFY(!ToggleObservatorySource(ws, fuel, texts).refused);
        QVERIFY(!ws.ObsFuel);
    }
};

QTEST_GUILESS_MAIN(SwitchGroupsTest)
#include "tst_switch_groups.moc"
