#include "PanelConfig.h"

#include <QtTest>

#include <cstring>
#include <memory>

// Slot contents are identified by the cause's event code.
Q_DECLARE_METATYPE(QList<int>)

class TestPanelConfigEvents : public QObject
{
    Q_OBJECT

private slots:
    void slotsStayCompact_data();
    void slotsStayCompact();
    void copiesBothPartsWhole();
    void wireSlotsStayCompact();
    void eventToWire();
    void scopeQueries();
    void clearEvents();
    void logicEventsOwnedAndLimited();
    void refusedLogicEventStaysWithCaller();
    void removeAndClearLogicEvents();
    void zoneStates_data();
    void zoneStates();
    void setZoneEnable();
    void setZoneEnableZoneBytes_data();
    void setZoneEnableZoneBytes();
    void titleAndUseFlags();
};

static EventRecord used(int code)
{
    EventRecord e;
    e.cause.id_blk = EventRecord::ScopeZone;
    e.cause.event = static_cast<unsigned char>(code);
    e.effect.id_blk = EventRecord::ScopePanel;
    return e;
}

static EventRecord freeRecord()
{
    EventRecord e;
    e.cause.event = 99;   // a free record with leftover bytes
    return e;
}

static QList<int> slotCodes(const PanelConfig &p)
{
    QList<int> codes;
    for (int s = 0; s < PanelConfig::EventSlotCount; ++s) {
        if (const EventRecord *e = p.eventAt(s))
            codes << e->cause.event;
    }
    return codes;
}

// Steps: op 'a' set slot to used(code), 'f' set slot to a free record,
// 'r' remove slot. Each step is {op, slot, code, expected result}.
struct Step
{
    char op;
    int slot;
    int code;
    int result;
};
Q_DECLARE_METATYPE(QList<Step>)

void TestPanelConfigEvents::slotsStayCompact_data()
{
    QTest::addColumn<int>("initial");   // slots 0..initial-1 hold codes 0..initial-1
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QList<int>>("codes");

    QTest::newRow("remove slot 3 of 10")
        << 10 << QList<Step>{{'r', 3, 0, 1}} << QList<int>{0, 1, 2, 4, 5, 6, 7, 8, 9};
    QTest::newRow("remove a free slot") << 3 << QList<Step>{{'r', 5, 0, 0}} << QList<int>{0, 1, 2};
    QTest::newRow("remove outside the table")
        << 3 << QList<Step>{{'r', 1024, 0, 0}, {'r', -1, 0, 0}} << QList<int>{0, 1, 2};
    QTest::newRow("free record into a used slot")
        << 5 << QList<Step>{{'f', 1, 0, 0}} << QList<int>{0, 2, 3, 4};
    QTest::newRow("used record beyond the count goes to the first free slot")
        << 2 << QList<Step>{{'a', 700, 50, 0}} << QList<int>{0, 1, 50};
    QTest::newRow("re-setting a used slot counts once")
        << 3 << QList<Step>{{'a', 1, 40, 0}, {'a', 1, 41, 0}} << QList<int>{0, 41, 2};
    QTest::newRow("free record beyond the count changes nothing")
        << 3 << QList<Step>{{'f', 10, 0, 0}} << QList<int>{0, 1, 2};
    QTest::newRow("slot 1024 refused") << 1 << QList<Step>{{'a', 1024, 7, -1}, {'a', -1, 7, -1}}
                                       << QList<int>{0};
    QTest::newRow("remove last used slot") << 3 << QList<Step>{{'r', 2, 0, 1}} << QList<int>{0, 1};
    QTest::newRow("mixed")
        << 6
        << QList<Step>{{'r', 0, 0, 1}, {'f', 2, 0, 0}, {'a', 900, 60, 0}, {'r', 3, 0, 1},
                       {'a', 0, 61, 0}}
        << QList<int>{61, 2, 4, 60};
}

void TestPanelConfigEvents::slotsStayCompact()
{
    QFETCH(int, initial);
    QFETCH(QList<Step>, steps);
    QFETCH(QList<int>, codes);

    auto p = std::make_unique<PanelConfig>();
    for (int s = 0; s < initial; ++s)
        QCOMPARE(p->setEvent(s, used(s)), 0);
    for (const Step &step : steps) {
        int result = 0;
        switch (step.op) {
        case 'a': result = p->setEvent(step.slot, used(step.code)); break;
        case 'f': result = p->setEvent(step.slot, freeRecord()); break;
        case 'r': result = p->removeEvent(step.slot); break;
        }
        QCOMPARE(result, step.result);
    }
    QCOMPARE(slotCodes(*p), codes);
    QCOMPARE(p->eventCount(), int(codes.size()));
    // Used slots first, then only free ones.
    for (int s = 0; s < PanelConfig::EventSlotCount; ++s)
        QCOMPARE(p->eventAt(s) != nullptr, s < p->eventCount());
}

void TestPanelConfigEvents::copiesBothPartsWhole()
{
    auto p = std::make_unique<PanelConfig>();
    EventRecord e = used(3);
    e.cause.spare1 = 0x11;
    e.cause.spare6[1] = 0x22;
    e.effect.spare6[5] = 0x33;
    e.effect.spare14[0] = 0x44;
    e.effect.delay = 300;
    e.effect.first = 7;
    e.effect.last = 9;
    p->setEvent(0, e);
    p->setEvent(1, used(4));
    p->setEvent(2, e);
    p->removeEvent(1);   // slot 2 moves down to 1
    const EventRecord *moved = p->eventAt(1);
    QVERIFY(moved);
    QCOMPARE(std::memcmp(moved, &e, sizeof(EventRecord)), 0);
}

void TestPanelConfigEvents::wireSlotsStayCompact()
{
    // A panel whose slot table has a hole: slot 2 free, 3 used.
    auto p = std::make_unique<PanelConfig>();
    unsigned char effect[16] = {1, 0, 0, 5, 2, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int s = 0; s < 5; ++s) {
        unsigned char cause[8] = {static_cast<unsigned char>(s == 2 ? 0 : 4), 0,
                                  static_cast<unsigned char>(s), 0, 1, 1, 0, 0};
        p->setEventFromWire(s, cause, effect);
    }
    QCOMPARE(p->eventCount(), 4);
    QCOMPARE(slotCodes(*p), (QList<int>{0, 1, 3, 4}));
    // The same slot read twice counts once.
    unsigned char again[8] = {4, 0, 9, 0, 1, 1, 0, 0};
    p->setEventFromWire(0, again, effect);
    QCOMPARE(p->eventCount(), 4);
    QCOMPARE(slotCodes(*p).first(), 9);
    p->setEventFromWire(1024, again, effect);
    p->setEventFromWire(-1, again, effect);
    QCOMPARE(p->eventCount(), 4);
}

void TestPanelConfigEvents::eventToWire()
{
    auto p = std::make_unique<PanelConfig>();
    EventRecord e = used(2);
    e.effect.delay = 300;
    e.effect.act = 5;
    e.effect.matches = 2;
    p->setEvent(0, e);

    unsigned char cause[8];
    unsigned char effect[16];
    p->eventToWire(0, cause, effect);
    QCOMPARE(int(cause[0]), 4);
    QCOMPARE(int(cause[2]), 2);
    // The delay is in host order; the page cache makes it big-endian.
    quint16 delay;
    std::memcpy(&delay, effect + 2, 2);
    QCOMPARE(int(delay), 300);
    QCOMPARE(int(effect[4]), 5);
    QCOMPARE(int(effect[5]), 2);

    std::memset(cause, 0xAA, sizeof cause);
    std::memset(effect, 0xBB, sizeof effect);
    p->eventToWire(1, cause, effect);
    QCOMPARE(int(cause[0]), 0);
    for (int i = 1; i < 8; ++i)
        QCOMPARE(int(cause[i]), 0xAA);
    for (unsigned char b : effect)
        QCOMPARE(int(b), 0xBB);
    p->eventToWire(5000, cause, effect);
    QCOMPARE(int(cause[0]), 0);
}

void TestPanelConfigEvents::scopeQueries()
{
    auto p = std::make_unique<PanelConfig>();
    EventRecord loopRange;
    loopRange.cause.id_blk = EventRecord::ScopeLoop;
    loopRange.cause.first = 1;
    loopRange.cause.last = 3;
    EventRecord zone;
    zone.cause.id_blk = EventRecord::ScopeZone;
    zone.cause.first = zone.cause.last = 40;
    EventRecord element;
    element.cause.id_blk = EventRecord::ScopeElement;
    element.cause.first = 2;
    element.cause.last = 17;
    p->setEvent(0, loopRange);
    p->setEvent(1, zone);
    p->setEvent(2, element);

    QVERIFY(!p->hasLoopEvent(0));
    QVERIFY(p->hasLoopEvent(1));
    QVERIFY(p->hasLoopEvent(2));
    QVERIFY(p->hasLoopEvent(3));
    QVERIFY(!p->hasLoopEvent(4));
    QVERIFY(p->hasZoneEvent(40));
    QVERIFY(!p->hasZoneEvent(41));
    QVERIFY(p->hasDeviceEvent(2, 17));
    QVERIFY(!p->hasDeviceEvent(17, 2));
    QVERIFY(!p->hasPanelEvent());

    EventRecord single;
    single.cause.id_blk = EventRecord::ScopeLoop;
    single.cause.first = single.cause.last = 2;
    p->setEvent(0, single);
    QVERIFY(p->hasLoopEvent(2));
    QVERIFY(!p->hasLoopEvent(1));
    QVERIFY(!p->hasLoopEvent(3));
}

void TestPanelConfigEvents::clearEvents()
{
    auto p = std::make_unique<PanelConfig>();
    for (int s = 0; s < PanelConfig::EventSlotCount; ++s)
        QCOMPARE(p->setEvent(s, used(s & 0xFF)), 0);
    QCOMPARE(p->eventCount(), 1024);
    QVERIFY(p->eventAt(1023));
    p->clearEvents();
    QCOMPARE(p->eventCount(), 0);
    QVERIFY(!p->eventAt(0));
}

void TestPanelConfigEvents::logicEventsOwnedAndLimited()
{
    auto p = std::make_unique<PanelConfig>();
    for (int i = 0; i < PanelConfig::MaxLogicEvents; ++i) {
        auto m = std::make_unique<LogManeuver>();
        m->record.effect.act = static_cast<unsigned char>(i);
        QCOMPARE(p->addLogicEvent(m), 0);
        QVERIFY(!m);   // the panel took it
    }
    QCOMPARE(p->logicEventCount(), 100);
    QCOMPARE(int(p->logicEventAt(99)->record.effect.act), 99);
    QVERIFY(!p->logicEventAt(100));
    QVERIFY(!p->logicEventAt(-1));
}

void TestPanelConfigEvents::refusedLogicEventStaysWithCaller()
{
    auto p = std::make_unique<PanelConfig>();
    for (int i = 0; i < PanelConfig::MaxLogicEvents; ++i) {
        auto m = std::make_unique<LogManeuver>();
        p->addLogicEvent(m);
    }
    auto extra = std::make_unique<LogManeuver>();
    LogManeuver *raw = extra.get();
    QCOMPARE(p->addLogicEvent(extra), -1);
    QCOMPARE(extra.get(), raw);   // still the caller's; freed by its owner
    QCOMPARE(p->logicEventCount(), 100);

    std::unique_ptr<LogManeuver> none;
    auto q = std::make_unique<PanelConfig>();
    QCOMPARE(q->addLogicEvent(none), -1);
    QCOMPARE(q->logicEventCount(), 0);
}

void TestPanelConfigEvents::removeAndClearLogicEvents()
{
    auto p = std::make_unique<PanelConfig>();
    for (int i = 0; i < 3; ++i) {
        auto m = std::make_unique<LogManeuver>();
        m->record.effect.act = static_cast<unsigned char>(i);
        for (int t = 0; t < 12; ++t)
            m->conditions.append(LogicEventTerm());
        p->addLogicEvent(m);
    }
    QCOMPARE(p->logicEventAt(0)->conditions.size(), 12);
    QCOMPARE(p->removeLogicEvent(3), 0);
    QCOMPARE(p->removeLogicEvent(-1), 0);
    QCOMPARE(p->removeLogicEvent(1), 1);
    QCOMPARE(p->logicEventCount(), 2);
    QCOMPARE(int(p->logicEventAt(1)->record.effect.act), 2);
    p->clearLogicEvents();
    QCOMPARE(p->logicEventCount(), 0);

    LogManeuver fresh;
    const EventRecord zero;
    QCOMPARE(std::memcmp(&fresh.record, &zero, sizeof(EventRecord)), 0);
    QVERIFY(fresh.conditions.isEmpty());
}

struct ZoneElement
{
    int loop;
    int address;
    int zone;
    int mode;
};
Q_DECLARE_METATYPE(QList<ZoneElement>)

void TestPanelConfigEvents::zoneStates_data()
{
    QTest::addColumn<QList<ZoneElement>>("elements");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("hasDevices");
    QTest::addColumn<int>("state");

    QTest::newRow("no element") << QList<ZoneElement>{} << 5 << 0 << 0;
    QTest::newRow("enabled") << QList<ZoneElement>{{0, 0, 5, 1}} << 5 << 1 << 0;
    QTest::newRow("disabled then in test")
        << QList<ZoneElement>{{0, 10, 5, 0}, {1, 3, 5, 2}} << 5 << 1 << 2;
    QTest::newRow("in test then disabled")
        << QList<ZoneElement>{{0, 10, 5, 2}, {1, 3, 5, 0}} << 5 << 1 << 1;
    QTest::newRow("address order within a loop")
        << QList<ZoneElement>{{2, 200, 5, 0}, {2, 100, 5, 2}} << 5 << 1 << 1;
    QTest::newRow("enabled never resets")
        << QList<ZoneElement>{{0, 1, 5, 0}, {0, 2, 5, 1}} << 5 << 1 << 1;
    QTest::newRow("zone 255 from the wire is ignored")
        << QList<ZoneElement>{{0, 1, 255, 0}} << 249 << 0 << 0;
}

void TestPanelConfigEvents::zoneStates()
{
    QFETCH(QList<ZoneElement>, elements);
    QFETCH(int, zone);
    QFETCH(int, hasDevices);
    QFETCH(int, state);

    auto p = std::make_unique<PanelConfig>();
    p->zoneAt(zone)->state = 2;          // stale values are recomputed
    p->zoneAt(zone)->hasDevices = 1;
    for (const ZoneElement &e : elements) {
        DeviceRecord *d = p->deviceAt(e.loop, e.address);
        d->type = 1;
        d->ext_type = 1;
        d->zone = static_cast<unsigned char>(e.zone);
        d->mode = static_cast<unsigned char>(e.mode);
    }
    p->rebuildZoneStates();
    QCOMPARE(int(p->zoneAt(zone)->hasDevices), hasDevices);
    QCOMPARE(p->zoneAt(zone)->state, state);
}

void TestPanelConfigEvents::setZoneEnable()
{
    auto p = std::make_unique<PanelConfig>();
    for (int a = 0; a < 3; ++a) {
        DeviceRecord *d = p->deviceAt(4, a);
        d->type = 1;
        d->zone = static_cast<unsigned char>(a == 2 ? 8 : 7);
        d->mode = 1;
    }
    p->deviceAt(4, 3)->zone = 7;   // no element there
    p->setZoneEnable(7, 2);
    p->rebuildZoneStates();
    QCOMPARE(int(p->deviceAt(4, 0)->mode), 2);
    QCOMPARE(int(p->deviceAt(4, 1)->mode), 2);
    QCOMPARE(int(p->deviceAt(4, 2)->mode), 1);
    QCOMPARE(int(p->deviceAt(4, 3)->mode), 0);
    QCOMPARE(p->zoneAt(7)->state, 2);
    QCOMPARE(p->zoneAt(8)->state, 0);
    QVERIFY(!p->isZoneUnused(7));
    QVERIFY(p->isZoneUnused(9));

    p->setZoneEnable(-1, 0);
    p->setZoneEnable(250, 0);
    QCOMPARE(int(p->deviceAt(4, 0)->mode), 2);
}

// Elements a panel or a file brings may carry zone bytes past the 250 zones;
// each of them is matched by its own value, and nothing else wraps onto it.
void TestPanelConfigEvents::setZoneEnableZoneBytes_data()
{
    QTest::addColumn<int>("zoneByte");
    QTest::addColumn<int>("zone");
    QTest::addColumn<int>("mode");
    QTest::newRow("zone 0") << 0 << 0 << 2;
    QTest::newRow("zone 249") << 249 << 249 << 2;
    QTest::newRow("zone 250") << 250 << 250 << 2;
    QTest::newRow("zone 255") << 255 << 255 << 2;
    QTest::newRow("256 does not reach zone 0") << 0 << 256 << 1;
    QTest::newRow("-1 does not reach zone 255") << 255 << -1 << 1;
}

void TestPanelConfigEvents::setZoneEnableZoneBytes()
{
    QFETCH(int, zoneByte);
    QFETCH(int, zone);
    QFETCH(int, mode);
    auto p = std::make_unique<PanelConfig>();
    DeviceRecord *d = p->deviceAt(2, 10);
    d->type = 2;
    d->zone = static_cast<unsigned char>(zoneByte);
    d->mode = 1;
    p->setZoneEnable(zone, 2);
    QCOMPARE(int(p->deviceAt(2, 10)->mode), mode);
}

void TestPanelConfigEvents::titleAndUseFlags()
{
    auto p = std::make_unique<PanelConfig>();
    p->setName(QStringLiteral("North"));
    p->address = 3;
    QCOMPARE(p->titleText(), QStringLiteral("North (3)"));
    QCOMPARE(p->name(), QStringLiteral("North"));

    p->panelEventUse = p->panelActionUse = 1;
    p->loopEventUse[7] = p->loopActionUse[0] = 1;
    p->zoneAt(249)->eventUse = p->zoneAt(0)->actionUse = 1;
    p->deviceAt(7, 249)->eventUse = p->deviceAt(0, 0)->actionUse = 1;
    p->clearUseFlags();
    QCOMPARE(int(p->panelEventUse | p->panelActionUse | p->loopEventUse[7] | p->loopActionUse[0]), 0);
    QCOMPARE(int(p->zoneAt(249)->eventUse | p->zoneAt(0)->actionUse), 0);
    QCOMPARE(int(p->deviceAt(7, 249)->eventUse | p->deviceAt(0, 0)->actionUse), 0);
}

QTEST_APPLESS_MAIN(TestPanelConfigEvents)
#include "tst_PanelConfigEvents.moc"
