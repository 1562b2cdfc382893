#include "Facility.h"
#include "LogManeuver.h"
#include "PanelConfig.h"

#include <QtTest>

Q_DECLARE_METATYPE(EventRecord)

class TestEventTexts : public QObject
{
    Q_OBJECT

private slots:
    void causeText_data();
    void causeText();
    void effectText_data();
    void effectText();
    void remotePanelNamedByAddress_data();
    void remotePanelNamedByAddress();
    void lines();
    void conditionTexts();
    void elementActionMappings();
};

static EventRecord::Cause cause(int scope, int code, int first, int last)
{
    EventRecord::Cause c;
    c.id_blk = static_cast<unsigned char>(scope);
    c.event = static_cast<unsigned char>(code);
    c.first = static_cast<unsigned char>(first);
    c.last = static_cast<unsigned char>(last);
    return c;
}

static EventRecord record(int scope, int panel, int delay, int act, int matches, int first,
                          int last)
{
    EventRecord r;
    r.cause = cause(1, 0, 0, 0);
    r.effect.id_blk = static_cast<unsigned char>(scope);
    r.effect.id_panel = static_cast<unsigned char>(panel);
    r.effect.delay = static_cast<std::uint16_t>(delay);
    r.effect.act = static_cast<unsigned char>(act);
    r.effect.matches = static_cast<unsigned char>(matches);
    r.effect.first = static_cast<unsigned char>(first);
    r.effect.last = static_cast<unsigned char>(last);
    return r;
}

void TestEventTexts::causeText_data()
{
    QTest::addColumn<int>("scope");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("text");

    QTest::newRow("zone, single") << 4 << 0 << 2 << 2 << "general alarm  in zone 3 ";
    QTest::newRow("zone, range") << 4 << 5 << 0 << 9 << "Zone quiescent from zone 1 to zone 10 ";
    QTest::newRow("zone, tech") << 4 << 4 << 7 << 7 << "tech alarm in zone  in zone 8 ";
    QTest::newRow("zone, MCP range") << 4 << 1 << 1 << 4 << "MCP alarm  from zone 2 to zone 5 ";
    QTest::newRow("zone, multiple points") << 4 << 3 << 3 << 3 << "multiples points alarm  in zone 4 ";
    QTest::newRow("zone, other code") << 4 << 6 << 1 << 1 << "  in zone 2 ";
    QTest::newRow("loop, range") << 2 << 1 << 0 << 3 << "tech alarm from loop 1 to loop 4 ";
    QTest::newRow("loop, single") << 2 << 0 << 0 << 0 << "general alarm  in loop 1 ";
    QTest::newRow("loop, other code") << 2 << 2 << 5 << 5 << "element empty in loop 6 ";
    QTest::newRow("element") << 5 << 3 << 0 << 4 << "alarm  in point (1,5)";
    QTest::newRow("element, last address") << 5 << 0 << 7 << 249 << "alarm  in point (8,250)";
    QTest::newRow("panel, fault") << 1 << 4 << 0 << 0 << "fault in panel ";
    QTest::newRow("panel, multiple zones") << 1 << 2 << 0 << 0
                                           << "alarm in multiples zones  in panel ";
    QTest::newRow("panel, detector") << 1 << 8 << 0 << 0 << "detector alarm  in panel ";
    QTest::newRow("panel, multiple points") << 1 << 1 << 0 << 0
                                            << "alarm in multiples points  in panel ";
    QTest::newRow("panel, disablement") << 1 << 5 << 0 << 0 << "disablement active  in panel ";
    QTest::newRow("panel, no disablement") << 1 << 6 << 0 << 0
                                           << "none disablement active  in panel ";
    QTest::newRow("panel, MCP") << 1 << 7 << 0 << 0 << "MCP alarm  in panel ";
    QTest::newRow("panel, other code") << 1 << 9 << 0 << 0 << "  in panel ";
    QTest::newRow("scope 0") << 0 << 0 << 0 << 0 << "event empty ";
    QTest::newRow("scope 3") << 3 << 1 << 2 << 3 << "event empty ";
}

void TestEventTexts::causeText()
{
    QFETCH(int, scope);
    QFETCH(int, code);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, text);
    QCOMPARE(EventRecord::eventText(cause(scope, code, first, last)), text);

    EventRecord r;
    r.cause = cause(scope, code, first, last);
    QCOMPARE(r.ownEventText(), text);
}

void TestEventTexts::effectText_data()
{
    QTest::addColumn<EventRecord>("record");
    QTest::addColumn<QString>("text");

    QTest::newRow("local zone") << record(4, 0, 30, 2, 1, 4, 4)
                                << " all sounders on in zone 5  with delay 30s Matches: 1";
    QTest::newRow("zone range") << record(4, 0, 0, 6, 1, 0, 2)
                                << " Evacuation tone from zone 1 to zone 3  with delay 0s Matches: 1";
    QTest::newRow("local element") << record(5, 0, 0, 5, 0, 1, 9)
                                   << " device on without reset loop 2 address 10  with delay 0s Matches: 0";
    QTest::newRow("element, code 4") << record(5, 0, 1, 4, 1, 0, 0)
                                     << " device off loop 1 address 1  with delay 1s Matches: 1";
    QTest::newRow("remote panel by number") << record(1, 3, 5, 10, 2, 0, 0)
                                            << " remote to panel 3  Evacuation tone with delay 5s Matches: 2";
    QTest::newRow("panel, pcb sounder") << record(1, 0, 0, 8, 1, 0, 0)
                                        << " pcb sounder 2 on with delay 0s Matches: 1";
    QTest::newRow("panel, sounders off") << record(1, 0, 0, 3, 1, 0, 0)
                                         << " all sounders off with delay 0s Matches: 1";
    QTest::newRow("panel, relays off") << record(1, 0, 0, 5, 1, 0, 0)
                                       << " all relays off with delay 0s Matches: 1";
    QTest::newRow("panel, pcb sounder 1 on") << record(1, 0, 0, 6, 1, 0, 0)
                                             << " pcb sounder 1 on with delay 0s Matches: 1";
    QTest::newRow("panel, pcb sounder 1 off") << record(1, 0, 0, 7, 1, 0, 0)
                                              << " pcb sounder 1 off with delay 0s Matches: 1";
    QTest::newRow("panel, pcb sounder 2 off") << record(1, 0, 0, 9, 1, 0, 0)
                                              << " pcb sounder 2 off with delay 0s Matches: 1";
    QTest::newRow("panel, other code") << record(1, 0, 0, 11, 1, 0, 0)
                                       << "  with delay 0s Matches: 1";
    QTest::newRow("loop single") << record(2, 0, 65535, 1, 255, 7, 7)
                                 << " all outputs off in loop 8  with delay 65535s Matches: 255";
    QTest::newRow("loop, code 7") << record(2, 0, 0, 7, 1, 0, 1)
                                  << "  from loop 1 to loop 2  with delay 0s Matches: 1";
    QTest::newRow("scope 0") << record(0, 4, 0, 0, 0, 0, 0) << " empty with delay 0s Matches: 0";
}

void TestEventTexts::effectText()
{
    QFETCH(EventRecord, record);
    QFETCH(QString, text);
    QCOMPARE(record.describe(), text);
}

void TestEventTexts::remotePanelNamedByAddress_data()
{
    QTest::addColumn<int>("idPanel");
    QTest::addColumn<QString>("text");

    // The panels stand in the list in another order than their addresses.
    QTest::newRow("address 3 is the second panel")
            << 3 << " remote to panel South  all relays on with delay 0s Matches: 1";
    QTest::newRow("address 1 is the third panel")
            << 1 << " remote to panel East  all relays on with delay 0s Matches: 1";
    QTest::newRow("no panel at address 2")
            << 2 << " remote to panel Panel with address 2  all relays on with delay 0s Matches: 1";
}

void TestEventTexts::remotePanelNamedByAddress()
{
    QFETCH(int, idPanel);
    QFETCH(QString, text);

    Facility site;
    const struct { const char *name; int address; } panels[] = {
        {"North", 5}, {"South", 3}, {"East", 1}};
    for (const auto &p : panels) {
        auto *panel = new PanelConfig;
        panel->setName(QString::fromLatin1(p.name));
        panel->address = p.address;
        site.addPanel(panel);
    }
    const EventRecord r = record(1, idPanel, 0, 4, 1, 0, 0);
    QCOMPARE(r.describe(&site), text);
    QCOMPARE(r.describe(), QStringLiteral(" remote to panel %1  all relays on with delay 0s Matches: 1")
                                   .arg(idPanel));
}

void TestEventTexts::lines()
{
    EventRecord free;
    QVERIFY(free.isEmpty());
    QCOMPARE(free.maneuverLine(), QStringLiteral("EMPTY"));
    QCOMPARE(free.eventLine(), QStringLiteral("EMPTY"));
    QCOMPARE(free.actionLine(), QStringLiteral("EMPTY"));
    QCOMPARE(free.actionTextOrEmpty(), QStringLiteral("EMPTY"));

    EventRecord r = record(4, 0, 0, 2, 1, 0, 0);
    r.cause = cause(4, 0, 0, 0);
    QCOMPARE(r.eventLine(), QStringLiteral("event: general alarm  in zone 1 "));
    QCOMPARE(r.actionLine(), QStringLiteral("action:  all sounders on in zone 1  with delay 0s Matches: 1"));
    QCOMPARE(r.actionTextOrEmpty(), QStringLiteral(" all sounders on in zone 1  with delay 0s Matches: 1"));
    QCOMPARE(r.maneuverLine(),
             QStringLiteral("event: general alarm  in zone 1   >>>  action:  all sounders on in zone 1  with delay 0s Matches: 1"));
}

void TestEventTexts::conditionTexts()
{
    LogManeuver logic;
    QCOMPARE(logic.describeConditions(), QString());
    QCOMPARE(logic.describeCondition(0), QString());
    logic.conditions.append(cause(4, 0, 2, 2));
    logic.conditions.append(cause(4, 0, 3, 3));
    QCOMPARE(logic.describeConditions(),
             QStringLiteral("general alarm  in zone 3 ; general alarm  in zone 4 ; "));
    QCOMPARE(logic.describeCondition(1), QStringLiteral("general alarm  in zone 4 "));
    QCOMPARE(logic.describeCondition(2), QString());
    QCOMPARE(logic.describeCondition(-1), QString());
}

void TestEventTexts::elementActionMappings()
{
    const int codeForIndex[] = {0, 1, 2, 5, 1, 1};
    for (int i = -1; i < 6; ++i)
        QCOMPARE(EventRecord::actionCodeForIndex(i), i < 0 ? 1 : codeForIndex[i]);
    const int indexForCode[] = {0, 1, 2, 1, 1, 3, 1, 1};
    for (int c = 0; c < 8; ++c)
        QCOMPARE(EventRecord::actionCodeForDeviceIndex(c), indexForCode[c]);
    // Both ways agree on the four codes of the list.
    for (int i = 0; i < 4; ++i)
        QCOMPARE(EventRecord::actionCodeForDeviceIndex(EventRecord::actionCodeForIndex(i)), i);
}

QTEST_GUILESS_MAIN(TestEventTexts)
#include "tst_EventTexts.moc"
