#include "fixtures/observatory_buttons.h"
#include "model/switch_groups.h"

#include <QtTest>

using namespace rotavex;

namespace {

const std::string Five = "5";
const std::string Observatory = "Observatorio";
constexpr Switch AllSwitches[] = {Switch::Driver,  Switch::General,   Switch::Fuel,
                                  Switch::Vehicle, Switch::Financing, Switch::Maintenance,
                                  Switch::Tyres,   Switch::Insurance, Switch::AnnualKm};

}   // namespace

class SwitchGroupsTest : public QObject {
    Q_OBJECT
private slots:
    // Each button, pressed twice, with no class, a class no table knows and
    // class 2.
    void pressingAButtonTwice_data()
    {
        QTest::addColumn<ObservatoryGroup>("group");
        QTest::addColumn<int>("busClass");
        QTest::addColumn<QList<Switch>>("switches");
        QTest::addColumn<QList<Input>>("fields");
        QTest::addColumn<bool>("needsClass");
        for (const fixtures::ObservatoryButton &button : fixtures::ObservatoryButtons)
            for (int busClass : {0, 9, 2})
                QTest::addRow("%s, class %d", button.name, busClass)
                    << button.group << busClass << button.switches << button.fields << button.needsClass;
    }
    void pressingAButtonTwice()
    {
        QFETCH(ObservatoryGroup, group);
        QFETCH(int, busClass);
        QFETCH(QList<Switch>, switches);
        QFETCH(QList<Input>, fields);
        QFETCH(bool, needsClass);
        const bool refused = needsClass && busClass != 2;
        Workspace ws;
        ws.BusClass = int16_t(busClass);
        FieldTexts texts;
        for (Input input : AllInputs)
            texts[input] = Five;

        const ToggleOutcome on = ToggleObservatorySource(ws, switchGroup(group), texts);
        QCOMPARE(on.refused, refused);
        QList<Switch> changed;
        for (const ToggleOutcome::PartChange &change : on.changes)
            changed << change.part->sw;
        QCOMPARE(changed, refused ? QList<Switch>() : switches);
        for (Switch sw : AllSwitches)
            QCOMPARE(ws.switches[sw], !refused && switches.contains(sw));
        for (Input input : AllInputs)
            QCOMPARE(texts[input], !refused && fields.contains(input) ? Observatory : Five);

        // Switched back, the fields are empty: the earlier texts are gone.
        ToggleObservatorySource(ws, switchGroup(group), texts);
        for (Switch sw : AllSwitches)
            QVERIFY(!ws.switches[sw]);
        for (Input input : AllInputs)
            QCOMPARE(texts[input], !refused && fields.contains(input) ? std::string() : Five);
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
        QVERIFY(!ws.ObsFuel());
    }
};

QTEST_GUILESS_MAIN(SwitchGroupsTest)
#include "tst_switch_groups.moc"
