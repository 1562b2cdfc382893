#include "DialogAddLogEvent.h"
#include "EditorSite.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

using namespace EditorSite;

namespace {

struct Dialog
{
    DialogAddLogEvent dialog;
    QSpinBox *number = dialog.findChild<QSpinBox *>(QStringLiteral("spinBox"));
    QComboBox *event = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxEvent"));
    QComboBox *action = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxAction"));
    QSpinBox *from = dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxLogEventFromZone"));
    QSpinBox *to = dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxLogEventToZone"));
    QSpinBox *delay = dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxDelay"));
    QSpinBox *matches = dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxMatches"));
    QFrame *range = dialog.findChild<QFrame *>(QStringLiteral("frameLogEventZoneRange"));
    QFrame *actionRange = dialog.findChild<QFrame *>(QStringLiteral("frame_action_range"));
    QLabel *eventLabel = dialog.findChild<QLabel *>(QStringLiteral("eventTypeLabel"));
    LogManeuver loaded;

    void load(const EventRecord::Effect &effect, const QList<LogicEventTerm> &conditions)
    {
        loaded.record.effect = effect;
        loaded.conditions = conditions;
        dialog.loadLogManeuver(loaded);
    }

    LogManeuver store()
    {
        LogManeuver target;
        dialog.storeLogManeuver(target);
        return target;
    }
};

EventRecord::Effect effect(int scope, int act = 0, int delay = 0, int matches = 1)
{
    return maneuver(EventRecord::ScopePanel, 0, 0, scope, 1, 9, act, delay, matches).effect;
}

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

} // namespace

class TestDialogAddLogEvent : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void conditionLists_data();
    void conditionLists();
    void stepsThroughConditions();
    void matchesRunToTheConditionCount();
    void zoneConditionRanges();
    void actionCodes();
    void editsAreStored();
    void noConditions();
};

void TestDialogAddLogEvent::form()
{
    Dialog d;
    QCOMPARE(d.dialog.objectName(), QStringLiteral("DialogAddLogEvent"));
    QCOMPARE(d.dialog.windowTitle(), QStringLiteral("Create action dialog"));
    QCOMPARE(d.dialog.size(), QSize(409, 355));
    QCOMPARE(d.dialog.maximumSize(), QSize(663, 560));
    for (const char *name : {"labelEvent", "eventTypeLabel", "lblNumEvent", "label_2", "label_4", "label",
                             "labelAction", "actionTypeLabel", "label_9", "label_3", "lblCoincidencias"})
        QVERIFY2(d.dialog.findChild<QLabel *>(QLatin1String(name)), name);
    QCOMPARE(d.dialog.findChild<QLabel *>(QStringLiteral("lblNumEvent"))->text(), QStringLiteral("Num:"));
    QCOMPARE(d.dialog.findChild<QLabel *>(QStringLiteral("lblCoincidencias"))->text(), QStringLiteral("Matches"));
    QCOMPARE(d.number->minimum(), 1);
    QCOMPARE(d.number->maximum(), 10);
    QCOMPARE(d.matches->maximum(), 10);
    QCOMPARE(d.delay->maximum(), 999);
    QCOMPARE(d.from->maximum(), 250);
    QCOMPARE(d.actionRange->frameShape(), QFrame::StyledPanel);
    QCOMPARE(d.actionRange->minimumHeight(), 10);
    QCOMPARE(items(d.event), QStringList{QStringLiteral("Alarm in device")});
    QCOMPARE(d.action->count(), 4);
    QVERIFY(d.range->isHidden());
    QVERIFY(d.actionRange->isHidden());
}

void TestDialogAddLogEvent::conditionLists_data()
{
    QTest::addColumn<int>("scope");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<QString>("current");
    QTest::newRow("panel, code 3") << 1 << 3
                                   << QStringList{"Alarm in panel", "Alarm in multiple points",
                                                  "Alarm in multiple zones", "First alarm"}
                                   << "First alarm";
    QTest::newRow("loop") << 2 << 0 << QStringList{"Alarm in loop"} << "Alarm in loop";
    QTest::newRow("zone, code 4") << 4 << 4
                                  << QStringList{"General Alarm", "MCP Alarm", "Detector Alarm", "Double zone alarm",
                                                 "Tech alarm in zone", "Zone quiescent"}
                                  << "Tech alarm in zone";
    QTest::newRow("device") << 5 << 0 << QStringList{"Alarm in device"} << "Alarm in device";
    QTest::newRow("loop, code 1 beyond the list") << 2 << 1 << QStringList{"Alarm in loop"} << QString();
}

void TestDialogAddLogEvent::conditionLists()
{
    QFETCH(int, scope);
    QFETCH(int, code);
    QFETCH(QStringList, expected);
    QFETCH(QString, current);
    Dialog d;
    const QList<LogicEventTerm> conditions = {condition(scope, 2, 2, code)};
    d.load(effect(EventRecord::ScopePanel), conditions);
    QCOMPARE(items(d.event), expected);
    QCOMPARE(d.event->currentText(), current);
    QCOMPARE(!d.range->isHidden(), scope == EventRecord::ScopeZone);
    const LogManeuver out = d.store();
    QCOMPARE(bytes(out), bytes(d.loaded));
}

void TestDialogAddLogEvent::stepsThroughConditions()
{
    Dialog d;
    const QList<LogicEventTerm> conditions = {condition(1, 0, 0, 0), condition(4, 4, 7, 2), condition(2, 3, 3, 0)};
    d.load(effect(EventRecord::ScopePanel), conditions);
    QCOMPARE(d.number->maximum(), 3);
    QCOMPARE(d.eventLabel->text(), d.loaded.describeCondition(0));

    d.event->setCurrentIndex(2);   // condition 1 changed
    d.number->setValue(2);
    QCOMPARE(d.eventLabel->text(), d.loaded.describeCondition(1));
    QCOMPARE(d.event->currentIndex(), 2);   // condition 2's own code
    QCOMPARE(d.from->value(), 5);
    QCOMPARE(d.to->value(), 8);
    d.number->setValue(1);
    QCOMPARE(d.event->currentIndex(), 2);   // the change is kept
    QCOMPARE(d.eventLabel->text(), d.loaded.describeCondition(0));   // as loaded

    // Beyond the count the number goes back.
    d.dialog.slotSpinBoxChanged(7);
    QCOMPARE(d.number->value(), 3);

    // Changed and stored without switching away.
    d.number->setValue(3);
    d.number->setValue(1);
    const LogManeuver out = d.store();
    QCOMPARE(out.conditions.size(), 3);
    QCOMPARE(int(out.conditions.at(0).event), 2);
    QCOMPARE(bytes(out).mid(16 + 8), bytes(d.loaded).mid(16 + 8));

    Dialog direct;
    direct.load(effect(EventRecord::ScopePanel), conditions);
    direct.number->setValue(2);
    direct.event->setCurrentIndex(5);
    QCOMPARE(int(direct.store().conditions.at(1).event), 5);
}

void TestDialogAddLogEvent::matchesRunToTheConditionCount()
{
    const QList<LogicEventTerm> three = {condition(1, 0, 0), condition(1, 0, 0), condition(1, 0, 0)};
    for (int stored : {7, 0, 2}) {
        Dialog d;
        d.load(effect(EventRecord::ScopePanel, 0, 0, stored), three);
        QCOMPARE(d.matches->maximum(), 3);
        QCOMPARE(d.matches->value(), qBound(1, stored, 3));
        // Untouched, the stored value stays.
        QCOMPARE(int(d.store().record.effect.matches), stored);
    }
    Dialog d;
    d.load(effect(EventRecord::ScopePanel, 0, 0, 7), three);
    d.matches->setValue(2);
    QCOMPARE(int(d.store().record.effect.matches), 2);
}

// Each zone condition shows its own range, whatever limits the one shown
// before left on the boxes, and stores it back untouched.
void TestDialogAddLogEvent::zoneConditionRanges()
{
    Dialog d;
    const QList<LogicEventTerm> conditions = {condition(4, 9, 19), condition(4, 1, 4), condition(4, 30, 40),
                                              condition(4, 9, 4)};
    d.load(effect(EventRecord::ScopePanel), conditions);
    QCOMPARE(d.from->value(), 10);
    QCOMPARE(d.to->value(), 20);
    d.number->setValue(2);
    QCOMPARE(d.from->value(), 2);
    QCOMPARE(d.to->value(), 5);
    d.number->setValue(3);
    QCOMPARE(d.from->value(), 31);
    QCOMPARE(d.to->value(), 41);
    d.number->setValue(4);   // stored end below start: both at the start
    QCOMPARE(d.from->value(), 10);
    QCOMPARE(d.to->value(), 10);
    d.number->setValue(1);
    QCOMPARE(bytes(d.store()).toHex(), bytes(d.loaded).toHex());

    // Edited, a range is stored as shown, start never above end.
    Dialog edited;
    edited.load(effect(EventRecord::ScopePanel), {condition(4, 4, 7)});
    QCOMPARE(edited.from->value(), 5);
    QCOMPARE(edited.to->value(), 8);
    edited.from->setValue(8);
    edited.to->setValue(3);
    const LogManeuver out = edited.store();
    QCOMPARE(int(out.conditions.at(0).first), 7);
    QCOMPARE(int(out.conditions.at(0).last), 7);
}

void TestDialogAddLogEvent::actionCodes()
{
    const QList<LogicEventTerm> one = {condition(1, 0, 0)};
    Dialog device;
    device.load(effect(EventRecord::ScopeElement, 5), one);
    QCOMPARE(device.action->currentText(), QStringLiteral("Device ON without reset"));
    QCOMPARE(int(device.store().record.effect.act), 5);
    QVERIFY(device.actionRange->isHidden());

    Dialog off;
    off.load(effect(EventRecord::ScopeElement, 3), one);
    QCOMPARE(off.action->currentText(), QStringLiteral("Device OFF"));
    QCOMPARE(int(off.store().record.effect.act), 3);

    Dialog panel;
    panel.load(effect(EventRecord::ScopePanel), one);
    panel.action->setCurrentIndex(10);
    QCOMPARE(panel.action->currentText(), QStringLiteral("Evacuation tone"));
    QCOMPARE(int(panel.store().record.effect.act), 10);

    Dialog zone;
    zone.load(effect(EventRecord::ScopeZone), one);
    QVERIFY(!zone.actionRange->isHidden());
    QCOMPARE(zone.action->count(), 7);

    Dialog deviceEvacuation;
    deviceEvacuation.load(effect(EventRecord::ScopeElement, 0), one);
    deviceEvacuation.action->setCurrentIndex(2);
    QCOMPARE(int(deviceEvacuation.store().record.effect.act), 2);
}

void TestDialogAddLogEvent::editsAreStored()
{
    Dialog d;
    EventRecord::Effect e = effect(EventRecord::ScopeElement, 0, 1500, 2);
    e.id_panel = 3;
    e.spare6[0] = 0x77;
    d.load(e, {condition(1, 0, 0), condition(5, 1, 9)});
    QCOMPARE(d.delay->value(), 999);
    d.delay->setValue(20);
    d.action->setCurrentIndex(1);
    const LogManeuver out = d.store();
    QCOMPARE(int(out.record.effect.delay), 20);
    QCOMPARE(int(out.record.effect.act), 1);
    QCOMPARE(int(out.record.effect.id_panel), 3);
    QCOMPARE(int(out.record.effect.spare6[0]), 0x77);
    QCOMPARE(int(out.record.effect.first), 1);
    QCOMPARE(int(out.record.effect.last), 9);
    QCOMPARE(int(out.record.cause.id_blk), 0);
    QCOMPARE(out.conditions.size(), 2);
}

void TestDialogAddLogEvent::noConditions()
{
    Dialog d;
    d.load(effect(EventRecord::ScopeZone, 2, 1200, 0), {});
    QVERIFY(!d.number->isEnabled());
    QCOMPARE(d.event->count(), 0);
    QVERIFY(!d.event->isEnabled());
    QVERIFY(d.range->isHidden());
    QCOMPARE(d.eventLabel->text(), QString());
    d.dialog.slotSpinBoxChanged(2);
    const LogManeuver out = d.store();
    QVERIFY(out.conditions.isEmpty());
    QCOMPARE(bytes(out).toHex(), bytes(d.loaded).toHex());

    // The action part can still be changed.
    Dialog edited;
    edited.load(effect(EventRecord::ScopePanel), {});
    edited.action->setCurrentIndex(4);
    QCOMPARE(int(edited.store().record.effect.act), 4);
}

QTEST_MAIN(TestDialogAddLogEvent)
#include "tst_DialogAddLogEvent.moc"
