#include "DialogAddEvent.h"
#include "EditorSite.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QtTest>

using namespace EditorSite;

Q_DECLARE_METATYPE(EventRecord)

namespace {

struct Dialog
{
    DialogAddEvent dialog;
    QComboBox *event = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxEvent"));
    QComboBox *action = dialog.findChild<QComboBox *>(QStringLiteral("comboBoxAction"));
    QSpinBox *from = dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxEventFromZone"));
    QSpinBox *to = dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxEventToZone"));
    QSpinBox *delay = dialog.findChild<QSpinBox *>(QStringLiteral("spinBoxDelay"));
    QFrame *range = dialog.findChild<QFrame *>(QStringLiteral("frameZoneRange"));

    // Loads, lets `edit` play the user, and stores back as after OK.
    EventRecord roundTrip(EventRecord record, const std::function<void()> &edit = {})
    {
        dialog.loadManeuver(record);
        if (edit)
            edit();
        dialog.storeManeuver(record);
        return record;
    }
};

QStringList items(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

} // namespace

class TestDialogAddEvent : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void listsByScope_data();
    void listsByScope();
    void zoneRangeCoupling();
    void actionCodes_data();
    void actionCodes();
    void plainOkKeepsRecord_data();
    void plainOkKeepsRecord();
    void editsAreStored();
    void labelsShowTheLoadedManeuver();
};

void TestDialogAddEvent::form()
{
    Dialog d;
    QCOMPARE(d.dialog.objectName(), QStringLiteral("DialogAddEvent"));
    QCOMPARE(d.dialog.windowTitle(), QStringLiteral("Create action dialog"));
    QCOMPARE(d.dialog.size(), QSize(486, 258));
    QCOMPARE(d.dialog.minimumSize(), QSize(486, 147));
    QCOMPARE(d.dialog.maximumSize(), QSize(663, 560));
    for (const char *name : {"labelAction", "eventTypeLabel", "label_2", "label", "label_4", "label_3",
                             "labelAction_2", "actionTypeLabel", "label_9"})
        QVERIFY2(d.dialog.findChild<QLabel *>(QLatin1String(name)), name);
    QVERIFY(d.dialog.findChild<QLabel *>(QStringLiteral("labelAction"))->text().contains(QStringLiteral("EVENT")));
    QCOMPARE(d.dialog.findChild<QLabel *>(QStringLiteral("eventTypeLabel"))->text(), QStringLiteral("EventType"));
    QCOMPARE(d.from->minimum(), 1);
    QCOMPARE(d.from->maximum(), 250);
    QCOMPARE(d.to->maximum(), 250);
    QCOMPARE(d.delay->maximum(), 999);
    QVERIFY(!d.event->isEditable());
    auto *buttons = d.dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    // Preloaded with the device lists.
    QCOMPARE(items(d.event), QStringList{QStringLiteral("Alarm in device")});
    QCOMPARE(d.action->count(), 4);
    QVERIFY(d.range->isHidden());
}

void TestDialogAddEvent::listsByScope_data()
{
    QTest::addColumn<int>("eventScope");
    QTest::addColumn<int>("actionScope");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<bool>("range");
    const QStringList shared = {"All outputs ON", "All outputs OFF", "All sounders ON", "All sounders OFF",
                                "All relays ON", "All relays OFF"};
    QTest::newRow("panel") << 1 << 1
                           << QStringList{"Alarm in panel", "Alarm in multiple points", "Alarm in multiple zones",
                                          "Technical alarm in panel", "Fault", "Disablement active",
                                          "None disablement active", "MCP Alarm", "Detector Alarm"}
                           << shared + QStringList{"PCB Sounder 1 ON", "PCB Sounder 1 OFF", "PCB Sounder 2 ON",
                                                   "PCB Sounder 2 OFF", "Evacuation tone"}
                           << false;
    QTest::newRow("loop") << 2 << 2 << QStringList{"Alarm in loop", "Technical alarm in loop"}
                          << shared + QStringList{"Evacuation tone"} << false;
    QTest::newRow("zone") << 4 << 4
                          << QStringList{"General Alarm", "MCP Alarm", "Detector Alarm", "Double zone alarm",
                                         "Technical alarm in zone", "Zone quiescent"}
                          << shared + QStringList{"Evacuation tone"} << true;
    QTest::newRow("device") << 5 << 5 << QStringList{"Alarm in device"}
                            << QStringList{"Device ON", "Device OFF", "Evacuation tone", "Device ON without reset"}
                            << false;
    QTest::newRow("other scopes") << 3 << 0 << QStringList{} << QStringList{} << false;
}

void TestDialogAddEvent::listsByScope()
{
    QFETCH(int, eventScope);
    QFETCH(int, actionScope);
    QFETCH(QStringList, events);
    QFETCH(QStringList, actions);
    QFETCH(bool, range);
    Dialog d;
    const EventRecord record = maneuver(eventScope, 1, 1, actionScope, 1, 1);
    d.dialog.loadManeuver(record);
    QCOMPARE(items(d.event), events);
    QCOMPARE(items(d.action), actions);
    QCOMPARE(!d.range->isHidden(), range);
    // A loop maneuver keeps its range; nothing at all changes on a plain OK.
    EventRecord stored = record;
    d.dialog.storeManeuver(stored);
    QCOMPARE(bytes(stored), bytes(record));
}

void TestDialogAddEvent::zoneRangeCoupling()
{
    Dialog d;
    const EventRecord record = maneuver(EventRecord::ScopeZone, 2, 6, EventRecord::ScopePanel, 0, 0);
    d.dialog.loadManeuver(record);
    QCOMPARE(d.from->value(), 3);
    QCOMPARE(d.to->value(), 7);
    QCOMPARE(d.to->minimum(), 3);
    QCOMPARE(d.from->maximum(), 7);
    EventRecord stored = record;
    d.dialog.storeManeuver(stored);
    QCOMPARE(int(stored.cause.first), 2);
    QCOMPARE(int(stored.cause.last), 6);

    // The user raises the start above the end: the end follows.
    d.to->setMaximum(250);
    d.from->setMaximum(250);
    d.from->setValue(7);
    d.to->setValue(4);
    QCOMPARE(d.to->value(), 7);
    d.dialog.storeManeuver(stored);
    QCOMPARE(int(stored.cause.first), 6);
    QCOMPARE(int(stored.cause.last), 6);

    // A range stored end below start shows both at the start and, untouched,
    // is stored as it was.
    Dialog reversed;
    const EventRecord odd = maneuver(EventRecord::ScopeZone, 9, 4, EventRecord::ScopePanel, 0, 0);
    EventRecord kept = reversed.roundTrip(odd);
    QCOMPARE(reversed.from->value(), 10);
    QCOMPARE(reversed.to->value(), 10);
    QCOMPARE(bytes(kept), bytes(odd));
    // Edited, it is stored as shown.
    Dialog edited;
    kept = edited.roundTrip(odd, [&edited] { edited.to->setValue(12); });
    QCOMPARE(int(kept.cause.first), 9);
    QCOMPARE(int(kept.cause.last), 11);
}

void TestDialogAddEvent::actionCodes_data()
{
    QTest::addColumn<int>("scope");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("shown");     // list position on loading
    QTest::addColumn<int>("chosen");    // position the user picks, -1 none
    QTest::addColumn<int>("stored");
    QTest::newRow("device on without reset") << 5 << 5 << 3 << -1 << 5;
    QTest::newRow("device code 3 untouched") << 5 << 3 << 1 << -1 << 3;
    QTest::newRow("device code 4 untouched") << 5 << 4 << 1 << -1 << 4;
    QTest::newRow("device code 3, user picks ON") << 5 << 3 << 1 << 0 << 0;
    QTest::newRow("device evacuation") << 5 << 0 << 0 << 2 << 2;
    QTest::newRow("device on without reset chosen") << 5 << 0 << 0 << 3 << 5;
    QTest::newRow("panel evacuation") << 1 << 0 << 0 << 10 << 10;
    QTest::newRow("zone evacuation") << 4 << 0 << 0 << 6 << 6;
    QTest::newRow("loop relays off") << 2 << 0 << 0 << 5 << 5;
    QTest::newRow("panel code 20 untouched") << 1 << 20 << -1 << -1 << 20;
    QTest::newRow("zone code 8 replaced") << 4 << 8 << -1 << 2 << 2;
}

void TestDialogAddEvent::actionCodes()
{
    QFETCH(int, scope);
    QFETCH(int, code);
    QFETCH(int, shown);
    QFETCH(int, chosen);
    QFETCH(int, stored);
    Dialog d;
    const EventRecord record = maneuver(EventRecord::ScopePanel, 0, 0, scope, 1, 9, code);
    const EventRecord out = d.roundTrip(record, [&] {
        QCOMPARE(d.action->currentIndex(), shown);
        if (chosen >= 0)
            d.action->setCurrentIndex(chosen);
    });
    QCOMPARE(int(out.effect.act), stored);
}

void TestDialogAddEvent::plainOkKeepsRecord_data()
{
    QTest::addColumn<EventRecord>("record");
    QTest::newRow("unknown panel event") << maneuver(1, 0, 0, 1, 0, 0, 0, 0, 1, 0, 12);
    QTest::newRow("unknown zone event") << maneuver(4, 3, 3, 1, 0, 0, 0, 0, 1, 0, 6);
    QTest::newRow("delay 5000") << maneuver(2, 1, 1, 1, 0, 0, 0, 5000);
    QTest::newRow("delay 999") << maneuver(2, 1, 1, 1, 0, 0, 0, 999);
    QTest::newRow("matches 0") << maneuver(1, 0, 0, 1, 0, 0, 0, 0, 0);
    QTest::newRow("matches 9") << maneuver(5, 2, 7, 5, 1, 9, 1, 0, 9);
    QTest::newRow("zone above 250") << maneuver(4, 251, 255, 4, 240, 250, 6);
    QTest::newRow("remote, device action 4") << maneuver(4, 0, 0, 5, 1, 9, 4, 17, 1, 3);
    QTest::newRow("free event scope") << maneuver(0, 0, 0, 0, 0, 0, 3, 3, 3);
}

void TestDialogAddEvent::plainOkKeepsRecord()
{
    QFETCH(EventRecord, record);
    record.cause.spare3 = 0x5A;
    record.effect.spare6[2] = 0xA5;
    Dialog d;
    QCOMPARE(bytes(d.roundTrip(record)).toHex(), bytes(record).toHex());
}

void TestDialogAddEvent::editsAreStored()
{
    Dialog d;
    const EventRecord record = maneuver(EventRecord::ScopeZone, 2, 6, EventRecord::ScopeZone, 4, 4, 1, 30, 7);
    const EventRecord out = d.roundTrip(record, [&d] {
        d.event->setCurrentIndex(5);
        d.action->setCurrentIndex(6);
        d.delay->setValue(120);
        d.from->setValue(5);
    });
    QCOMPARE(int(out.cause.event), 5);
    QCOMPARE(int(out.effect.act), 6);
    QCOMPARE(int(out.effect.delay), 120);
    QCOMPARE(int(out.cause.first), 4);
    QCOMPARE(int(out.cause.last), 6);
    QCOMPARE(int(out.effect.matches), 7);   // no widget for it: kept
    QCOMPARE(int(out.effect.first), 4);
    QCOMPARE(int(out.effect.id_blk), 4);

    // A delay above 999 shows as 999; set by the user, it is stored.
    Dialog big;
    const EventRecord slow = maneuver(EventRecord::ScopePanel, 0, 0, EventRecord::ScopePanel, 0, 0, 0, 4000);
    const EventRecord out2 = big.roundTrip(slow, [&big] {
        QCOMPARE(big.delay->value(), 999);
        big.delay->setValue(998);
    });
    QCOMPARE(int(out2.effect.delay), 998);
}

void TestDialogAddEvent::labelsShowTheLoadedManeuver()
{
    Dialog d;
    const EventRecord record = maneuver(EventRecord::ScopeZone, 2, 2, EventRecord::ScopePanel, 0, 0, 0, 30, 1, 3);
    d.dialog.loadManeuver(record);
    auto *eventLabel = d.dialog.findChild<QLabel *>(QStringLiteral("eventTypeLabel"));
    auto *actionLabel = d.dialog.findChild<QLabel *>(QStringLiteral("actionTypeLabel"));
    QCOMPARE(eventLabel->text(), record.ownEventText());
    QCOMPARE(actionLabel->text(), record.describe(nullptr));
    QVERIFY(actionLabel->text().contains(QStringLiteral("remote to panel 3")));
    d.event->setCurrentIndex(3);
    d.action->setCurrentIndex(2);
    QCOMPARE(eventLabel->text(), record.ownEventText());
    QCOMPARE(actionLabel->text(), record.describe(nullptr));
}

QTEST_MAIN(TestDialogAddEvent)
#include "tst_DialogAddEvent.moc"
