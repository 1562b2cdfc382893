#include "PanelConfig.h"

#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(QList<int>)

// One occupied run on a loop: start address, codes address by address.
struct Run
{
    int start;
    QList<int> codes;
};
Q_DECLARE_METATYPE(Run)
Q_DECLARE_METATYPE(QList<Run>)

class TestPanelConfigDevices : public QObject
{
    Q_OBJECT

private slots:
    void newPanelDefaults();
    void deviceAtRange();
    void insertDevices_data();
    void insertDevices();
    void insertKeepsRecordOfLastAddress();
    void insertOwnOrSharedDescriptions();
    void insertRefusesBadLoop();
    void removeDevice_data();
    void removeDevice();
    void moduleStart();
    void replaceDevice_data();
    void replaceDevice();
    void replaceWithoutRetypeKeepsOtherFields();
    void fitsInPlaceOfModule_data();
    void fitsInPlaceOfModule();
    void holdsPartialModule_data();
    void holdsPartialModule();
    void addressRangeAndLoopQueries();
    void isEmptyCountsEverything();
};

static std::unique_ptr<PanelConfig> newPanel()
{
    return std::make_unique<PanelConfig>();
}

// Places codes from start with their channel types, as a stored panel has them.
static void place(PanelConfig &p, int loop, const Run &run)
{
    for (int i = 0; i < run.codes.size(); ++i) {
        DeviceRecord *d = p.deviceAt(loop, run.start + i);
        const int code = run.codes.at(i);
        d->ext_type = static_cast<unsigned char>(code);
        d->type = code == 0 ? 0 : 1;
        d->description = QStringLiteral("old %1").arg(run.start + i);
    }
}

static QList<int> codesOf(const PanelConfig &p, int loop, int from, int to)
{
    QList<int> codes;
    for (int a = from; a <= to; ++a) {
        const DeviceRecord *d = p.deviceAt(loop, a);
        codes << (d->type == 0 ? 0 : d->ext_type);
    }
    return codes;
}

void TestPanelConfigDevices::newPanelDefaults()
{
    const auto p = newPanel();
    QVERIFY(p->isEmpty());
    QCOMPARE(p->eventCount(), 0);
    QCOMPARE(p->logicEventCount(), 0);
    for (int z = 0; z < PanelConfig::ZoneCount; ++z) {
        QCOMPARE(p->zoneAt(z)->number, z);
        QVERIFY(p->zoneNameAt(z).isEmpty());
    }
    for (int l = 0; l < PanelConfig::LoopCount; ++l) {
        for (int a = 0; a < PanelConfig::AddressCount; ++a) {
            const DeviceRecord *d = p->deviceAt(l, a);
            QCOMPARE(int(d->loop), l);
            QCOMPARE(int(d->address), a);
            QCOMPARE(int(d->type), 0);
            QCOMPARE(int(d->ext_type), 0);
        }
    }
    QCOMPARE(int(p->ledFromDay), 1);
    QCOMPARE(int(p->ledToDay), 7);
    QCOMPARE(int(p->ledFromHour), 22);
    QCOMPARE(int(p->ledFromMinute), 0);
    QCOMPARE(int(p->ledToHour), 8);
    QCOMPARE(int(p->ledToMinute), 0);
    QCOMPARE(int(p->ledToggling), 0);
    const SpecialMode *modes[] = {&p->sensibility, &p->optoheat, &p->dayNight, &p->delayed};
    const int modeValues[] = {4, 3, 2, 0};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(int(modes[i]->startDay), 1);
        QCOMPARE(int(modes[i]->endDay), 5);
        QCOMPARE(int(modes[i]->startHour), 22);
        QCOMPARE(int(modes[i]->endHour), 8);
        QCOMPARE(int(modes[i]->startZone), 0);
        QCOMPARE(int(modes[i]->endZone), 99);
        QCOMPARE(int(modes[i]->mode), modeValues[i]);
    }
    QCOMPARE(int(p->delay1), 60);
    QCOMPARE(int(p->delay2), 300);
    QCOMPARE(p->panelFlags, 6);
    QCOMPARE(p->modbusBaudrate, 3);
    QCOMPARE(p->modbusAddress, 0);
    QCOMPARE(p->address, 0);
    QVERIFY(p->name().isEmpty());
    QVERIFY(p->version.isEmpty());
    QCOMPARE(int(p->webServer.WSEnabled), 0);
}

void TestPanelConfigDevices::deviceAtRange()
{
    auto p = newPanel();
    QVERIFY(p->deviceAt(7, 249));
    QVERIFY(!p->deviceAt(8, 0));
    QVERIFY(!p->deviceAt(-1, 0));
    QVERIFY(!p->deviceAt(0, 250));
    QVERIFY(!p->deviceAt(0, -1));
    QVERIFY(!p->zoneAt(250));
    QVERIFY(!p->zoneAt(-1));
    p->zoneNameAt(250) = QStringLiteral("nowhere");   // must not touch a zone
    QVERIFY(p->zoneNameAt(250).isEmpty());
    QVERIFY(p->zoneNameAt(249).isEmpty());
}

void TestPanelConfigDevices::insertDevices_data()
{
    QTest::addColumn<QList<Run>>("before");
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("overwrite");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("codes");   // codes of addresses from .. after the call
    QTest::addColumn<QList<int>>("types");   // types of the same addresses (empty: not checked)

    QTest::newRow("4-address module at 248 refused")
        << QList<Run>{} << 13 << 248 << 1 << false << -2 << 246 << QList<int>{0, 0, 0, 0}
        << QList<int>{};
    QTest::newRow("4-address module at 246")
        << QList<Run>{} << 13 << 246 << 1 << false << 1 << 245
        << QList<int>{0, 0x4D, 0x8D, 0x8D, 0xCD} << QList<int>{0, 6, 6, 7, 7};
    QTest::newRow("three 2-zone modules from 10")
        << QList<Run>{} << 7 << 10 << 3 << false << 1 << 9
        << QList<int>{0, 0x47, 0xC7, 0x47, 0xC7, 0x47, 0xC7, 0}
        << QList<int>{0, 5, 5, 5, 5, 5, 5, 0};
    QTest::newRow("single at 249") << QList<Run>{} << 1 << 249 << 1 << false << 1 << 249
                                   << QList<int>{1} << QList<int>{1};
    QTest::newRow("panel 12Z at 237") << QList<Run>{} << 22 << 237 << 1 << false << 1 << 237
        << QList<int>{0x56, 0x96, 0x96, 0x96, 0x96, 0x96, 0x96, 0x96, 0x96, 0x96, 0x96, 0x96, 0xD6}
        << QList<int>{9, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5};
    QTest::newRow("panel 12Z at 238 refused") << QList<Run>{} << 22 << 238 << 1 << false << -2
                                              << 238 << QList<int>(12, 0) << QList<int>{};
    QTest::newRow("occupied, overwrite off")
        << QList<Run>{{11, {0x49, 0xC9}}} << 7 << 10 << 1 << false << -1 << 10
        << QList<int>{0, 0x49, 0xC9} << QList<int>{};
    QTest::newRow("occupied, overwrite frees whole old module")
        << QList<Run>{{11, {0x49, 0xC9}}} << 7 << 10 << 1 << true << 1 << 10
        << QList<int>{0x47, 0xC7, 0} << QList<int>{5, 5, 0};
    QTest::newRow("overwrite frees module reaching back before the run")
        << QList<Run>{{8, {0x4D, 0x8D, 0x8D, 0xCD}}} << 1 << 10 << 1 << true << 1 << 8
        << QList<int>{0, 0, 1, 0} << QList<int>{0, 0, 1, 0};
    QTest::newRow("overwrite keeps neighbours")
        << QList<Run>{{9, {1}}, {11, {2}}} << 4 << 10 << 1 << true << 1 << 9
        << QList<int>{1, 4, 2} << QList<int>{};
    QTest::newRow("model above 25 is single") << QList<Run>{} << 26 << 249 << 1 << false << 1
                                              << 249 << QList<int>{26} << QList<int>{12};
    QTest::newRow("start outside the loop") << QList<Run>{} << 1 << 250 << 1 << false << -2
                                            << 249 << QList<int>{0} << QList<int>{};
}

void TestPanelConfigDevices::insertDevices()
{
    QFETCH(QList<Run>, before);
    QFETCH(int, model);
    QFETCH(int, start);
    QFETCH(int, count);
    QFETCH(bool, overwrite);
    QFETCH(int, result);
    QFETCH(int, from);
    QFETCH(QList<int>, codes);
    QFETCH(QList<int>, types);

    auto p = newPanel();
    for (const Run &run : before)
        place(*p, 2, run);

    DeviceRecord r;
    r.loop = 2;
    r.address = static_cast<unsigned char>(qMin(start, 255));
    r.ext_type = static_cast<unsigned char>(model);
    r.zone = 3;
    r.mode = 1;
    QCOMPARE(p->insertDevices(r, count, overwrite), result);

    const int to = from + int(codes.size()) - 1;
    QCOMPARE(codesOf(*p, 2, from, qMin(to, 249)), codes.mid(0, qMin(to, 249) - from + 1));
    for (int i = 0; i < types.size(); ++i)
        QCOMPARE(int(p->deviceAt(2, from + i)->type), types.at(i));
    // Nothing leaked to the neighbouring loops.
    QVERIFY(p->isLoopEmpty(1));
    QVERIFY(p->isLoopEmpty(3));
}

void TestPanelConfigDevices::insertKeepsRecordOfLastAddress()
{
    auto p = newPanel();
    DeviceRecord r;
    r.loop = 0;
    r.address = 246;
    r.ext_type = 13;
    QCOMPARE(p->insertDevices(r, 1, false), 1);
    QCOMPARE(int(r.address), 249);
    QCOMPARE(int(r.type), 7);
    QCOMPARE(int(r.ext_type), 0xCD);
}

void TestPanelConfigDevices::insertOwnOrSharedDescriptions()
{
    auto p = newPanel();
    DeviceRecord r;
    r.loop = 1;
    r.address = 10;
    r.ext_type = 7;
    r.zone = 4;
    r.mode = 1;
    r.flags = 0x40;
    QCOMPARE(p->insertDevices(r, 3, false), 1);
    for (int a = 10; a < 16; ++a) {
        const DeviceRecord *d = p->deviceAt(1, a);
        QCOMPARE(d->description, QStringLiteral("Zone %1").arg(a + 1));
        QCOMPARE(int(d->zone), 4);
        QCOMPARE(int(d->mode), 1);
        QCOMPARE(int(d->flags), 0x40);
        QCOMPARE(int(d->loop), 1);
        QCOMPARE(int(d->address), a);
    }

    DeviceRecord shared;
    shared.loop = 1;
    shared.address = 20;
    shared.ext_type = 9;
    shared.description = QStringLiteral("Doors");
    QCOMPARE(p->insertDevices(shared, 2, false), 1);
    for (int a = 20; a < 24; ++a)
        QCOMPARE(p->deviceAt(1, a)->description, QStringLiteral("Doors"));
}

void TestPanelConfigDevices::insertRefusesBadLoop()
{
    auto p = newPanel();
    DeviceRecord r;
    r.loop = 8;
    r.address = 0;
    r.ext_type = 1;
    QVERIFY(p->insertDevices(r, 1, true) < 0);
    QVERIFY(p->isEmpty());
}

void TestPanelConfigDevices::removeDevice_data()
{
    QTest::addColumn<QList<Run>>("before");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("codes");

    const QList<Run> four = {{9, {1}}, {10, {0x4D, 0x8D, 0x8D, 0xCD}}, {14, {2}}};
    QTest::newRow("single") << four << 9 << 1 << 9 << QList<int>{0, 0x4D, 0x8D, 0x8D, 0xCD, 2};
    QTest::newRow("first of module") << four << 10 << 1 << 9 << QList<int>{1, 0, 0, 0, 0, 2};
    QTest::newRow("middle of module") << four << 12 << 1 << 9 << QList<int>{1, 0, 0, 0, 0, 2};
    QTest::newRow("last of module") << four << 13 << 1 << 9 << QList<int>{1, 0, 0, 0, 0, 2};
    QTest::newRow("empty address") << four << 20 << -1 << 9
                                   << QList<int>{1, 0x4D, 0x8D, 0x8D, 0xCD, 2};
    QTest::newRow("outside the loop") << four << 250 << -1 << 9
                                      << QList<int>{1, 0x4D, 0x8D, 0x8D, 0xCD, 2};
    QTest::newRow("adjacent modules of one model")
        << QList<Run>{{10, {0x47, 0xC7, 0x47, 0xC7}}} << 13 << 1 << 10
        << QList<int>{0x47, 0xC7, 0, 0};
    // Stored data with a module part that lost its first address must not
    // take the single element before it.
    QTest::newRow("orphan part after a single element")
        << QList<Run>{{5, {1, 0x8D, 0xCD}}} << 6 << 1 << 5 << QList<int>{1, 0, 0};
    QTest::newRow("orphan last part at address 0")
        << QList<Run>{{0, {0xC7, 3}}} << 0 << 1 << 0 << QList<int>{0, 3};
    // A first address near the end of the loop never clears past address 249.
    QTest::newRow("truncated 12Z module at loop end")
        << QList<Run>{{245, {0x56, 0x96, 0x96, 0x96, 0x96}}} << 247 << 1 << 244
        << QList<int>{0, 0, 0, 0, 0, 0};
    // A module followed by another element of its model where the module
    // should have ended: the run stops at the module's address count.
    QTest::newRow("module does not swallow the next one")
        << QList<Run>{{10, {0x47, 0xC7}}, {12, {0xC7}}} << 10 << 1 << 10
        << QList<int>{0, 0, 0xC7};
    QTest::newRow("address past its module's end")
        << QList<Run>{{10, {0x47, 0x87, 0xC7}}} << 12 << 1 << 10 << QList<int>{0x47, 0x87, 0};
}

void TestPanelConfigDevices::removeDevice()
{
    QFETCH(QList<Run>, before);
    QFETCH(int, address);
    QFETCH(int, result);
    QFETCH(int, from);
    QFETCH(QList<int>, codes);

    auto p = newPanel();
    for (const Run &run : before)
        place(*p, 4, run);
    QCOMPARE(p->removeDevice(4, address), result);
    QCOMPARE(codesOf(*p, 4, from, from + int(codes.size()) - 1), codes);
    if (result == 1)   // only the type is cleared
        QCOMPARE(p->deviceAt(4, address)->description, QStringLiteral("old %1").arg(address));
}

void TestPanelConfigDevices::moduleStart()
{
    auto p = newPanel();
    place(*p, 0, {10, {0x4D, 0x8D, 0x8D, 0xCD}});
    place(*p, 0, {20, {1}});
    QCOMPARE(p->moduleStart(0, 12), p->deviceAt(0, 10));
    QCOMPARE(p->moduleStart(0, 13), p->deviceAt(0, 10));
    QCOMPARE(p->moduleStart(0, 10), p->deviceAt(0, 10));
    QCOMPARE(p->moduleStart(0, 20), p->deviceAt(0, 20));
    QVERIFY(!p->moduleStart(8, 0));
    QVERIFY(!p->moduleStart(0, 250));
}

void TestPanelConfigDevices::replaceDevice_data()
{
    QTest::addColumn<QList<Run>>("before");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("newCode");
    QTest::addColumn<bool>("retype");
    QTest::addColumn<bool>("result");
    QTest::addColumn<int>("from");
    QTest::addColumn<QList<int>>("codes");

    QTest::newRow("empty address") << QList<Run>{} << 10 << 1 << true << false << 10
                                   << QList<int>{0};
    QTest::newRow("single to 2-zone module")
        << QList<Run>{{10, {1}}} << 10 << 7 << true << true << 10 << QList<int>{0x47, 0xC7};
    QTest::newRow("module to single")
        << QList<Run>{{10, {0x4D, 0x8D, 0x8D, 0xCD}}} << 10 << 2 << true << true << 10
        << QList<int>{2, 0, 0, 0};
    QTest::newRow("middle of module to single")
        << QList<Run>{{10, {0x4D, 0x8D, 0x8D, 0xCD}}} << 12 << 2 << true << true << 10
        << QList<int>{0, 0, 2, 0};
    QTest::newRow("retype that does not fit keeps the old element")
        << QList<Run>{{247, {0x4D, 0x8D, 0xCD}}} << 247 << 22 << true << false << 247
        << QList<int>{0x4D, 0x8D, 0xCD};
    QTest::newRow("retype over the next element")
        << QList<Run>{{10, {1}}, {11, {3}}} << 10 << 7 << true << true << 10
        << QList<int>{0x47, 0xC7, 0};
    QTest::newRow("single keeps new single code")
        << QList<Run>{{10, {1}}} << 10 << 3 << false << true << 10 << QList<int>{3};
    QTest::newRow("module part keeps its code without retype")
        << QList<Run>{{10, {0x47, 0xC7}}} << 10 << 7 << false << true << 10
        << QList<int>{0x47, 0xC7};
    QTest::newRow("single keeps code when a module code is given without retype")
        << QList<Run>{{10, {1}}} << 10 << 0x47 << false << true << 10 << QList<int>{1, 0};
    QTest::newRow("address outside the loop") << QList<Run>{} << 250 << 1 << true << false << 249
                                              << QList<int>{0};
}

void TestPanelConfigDevices::replaceDevice()
{
    QFETCH(QList<Run>, before);
    QFETCH(int, address);
    QFETCH(int, newCode);
    QFETCH(bool, retype);
    QFETCH(bool, result);
    QFETCH(int, from);
    QFETCH(QList<int>, codes);

    auto p = newPanel();
    for (const Run &run : before)
        place(*p, 6, run);
    DeviceRecord r;
    r.loop = 6;
    r.address = static_cast<unsigned char>(address);
    r.ext_type = static_cast<unsigned char>(newCode);
    r.type = static_cast<unsigned char>(DeviceRecord::channelType(newCode, 0));
    r.description = QStringLiteral("new");
    QCOMPARE(p->replaceDevice(r, retype), result);
    QCOMPARE(codesOf(*p, 6, from, from + int(codes.size()) - 1), codes);
}

void TestPanelConfigDevices::replaceWithoutRetypeKeepsOtherFields()
{
    auto p = newPanel();
    place(*p, 0, {30, {0x49, 0xC9}});
    p->deviceAt(0, 31)->actionUse = 1;
    DeviceRecord r;
    r.loop = 0;
    r.address = 31;
    r.type = 6;
    r.ext_type = 9;
    r.zone = 7;
    r.mode = 2;
    r.flags = 0x40;
    r.description = QStringLiteral("Door");
    QVERIFY(p->replaceDevice(r, false));
    const DeviceRecord *d = p->deviceAt(0, 31);
    QCOMPARE(int(d->zone), 7);
    QCOMPARE(int(d->mode), 2);
    QCOMPARE(int(d->flags), 0x40);
    QCOMPARE(d->description, QStringLiteral("Door"));
    QCOMPARE(int(d->ext_type), 0xC9);
    QCOMPARE(int(d->actionUse), 1);
    QCOMPARE(p->deviceAt(0, 30)->description, QStringLiteral("old 30"));
}

void TestPanelConfigDevices::fitsInPlaceOfModule_data()
{
    QTest::addColumn<QList<Run>>("before");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("fits");

    const QList<Run> module4 = {{10, {0x4D, 0x8D, 0x8D, 0xCD}}};
    QTest::newRow("single grows over free addresses") << QList<Run>{{10, {1}}} << 10 << 4 << true;
    QTest::newRow("single grows over its neighbour") << QList<Run>{{10, {1}}, {12, {2}}} << 10 << 4
                                                     << false;
    QTest::newRow("module shrinks") << module4 << 10 << 1 << true;
    QTest::newRow("module keeps its own addresses") << module4 << 10 << 4 << true;
    QTest::newRow("module grows over the next element") << QList<Run>{module4[0], {14, {3}}} << 10 << 5
                                                        << false;
    QTest::newRow("middle address over its own module") << module4 << 11 << 3 << true;
    QTest::newRow("middle address past its module") << QList<Run>{module4[0], {14, {3}}} << 12 << 3
                                                    << false;
    QTest::newRow("module after an element it must not cover")
        << QList<Run>{{9, {1}}, {10, {0x47, 0xC7}}} << 10 << 2 << true;
    QTest::newRow("past the end of the loop") << QList<Run>{{247, {1}}} << 247 << 4 << false;
    QTest::newRow("to the end of the loop") << QList<Run>{{246, {1}}} << 246 << 4 << true;
    QTest::newRow("free address") << QList<Run>{{11, {1}}} << 10 << 2 << false;
    QTest::newRow("no addresses") << QList<Run>{{10, {1}}} << 10 << 0 << false;
}

void TestPanelConfigDevices::fitsInPlaceOfModule()
{
    QFETCH(QList<Run>, before);
    QFETCH(int, address);
    QFETCH(int, count);
    QFETCH(bool, fits);

    auto p = newPanel();
    for (const Run &run : before)
        place(*p, 2, run);
    QCOMPARE(p->fitsInPlaceOfModule(2, address, count), fits);
    QVERIFY(!p->fitsInPlaceOfModule(8, address, count));
}

void TestPanelConfigDevices::holdsPartialModule_data()
{
    QTest::addColumn<QList<Run>>("stored");
    QTest::addColumn<bool>("partial");

    QTest::newRow("single elements") << QList<Run>{{10, {1, 2}}, {40, {0x0D}}} << false;
    QTest::newRow("whole modules side by side")
        << QList<Run>{{10, {0x47, 0xC7, 0x4D, 0x8D, 0x8D, 0xCD, 1}}} << false;
    QTest::newRow("whole module at the end of the loop") << QList<Run>{{246, {0x4D, 0x8D, 0x8D, 0xCD}}} << false;
    QTest::newRow("first address missing") << QList<Run>{{10, {0, 0x8D, 0x8D, 0xCD}}} << true;
    QTest::newRow("last address missing") << QList<Run>{{10, {0x4D, 0x8D, 0x8D}}} << true;
    QTest::newRow("gap in the module") << QList<Run>{{10, {0x4D, 0, 0x8D, 0xCD}}} << true;
    QTest::newRow("single inside the module") << QList<Run>{{10, {0x4D, 0x8D, 1, 0xCD}}} << true;
    QTest::newRow("last address of another model") << QList<Run>{{10, {0x4D, 0x8D, 0x8D, 0xC7}}} << true;
    QTest::newRow("first address followed by a whole module") << QList<Run>{{10, {0x47, 0x47, 0xC7}}} << true;
    QTest::newRow("part at address 250") << QList<Run>{{249, {0xC7}}} << true;
}

void TestPanelConfigDevices::holdsPartialModule()
{
    QFETCH(QList<Run>, stored);
    QFETCH(bool, partial);

    auto p = newPanel();
    for (const Run &run : stored)
        place(*p, 2, run);
    QCOMPARE(p->holdsPartialModule(2), partial);
    QVERIFY(!p->holdsPartialModule(1));
    QVERIFY(!p->holdsPartialModule(8));
}

void TestPanelConfigDevices::addressRangeAndLoopQueries()
{
    auto p = newPanel();
    place(*p, 3, {100, {1}});
    QVERIFY(p->isAddressRangeFree(3, 90, 10));
    QVERIFY(!p->isAddressRangeFree(3, 95, 6));
    QVERIFY(p->isAddressRangeFree(3, 245, 5));
    QVERIFY(!p->isAddressRangeFree(3, 246, 5));
    QVERIFY(p->isAddressRangeFree(3, 100, 0));
    QVERIFY(p->isAddressRangeFree(3, 100, -4));
    QVERIFY(!p->isAddressRangeFree(8, 0, 1));
    QVERIFY(!p->isAddressRangeFree(3, -1, 1));
    QVERIFY(!p->isLoopEmpty(3));
    QVERIFY(p->isLoopEmpty(2));
}

void TestPanelConfigDevices::isEmptyCountsEverything()
{
    {
        auto p = newPanel();
        place(*p, 7, {249, {1}});
        QVERIFY(!p->isEmpty());
    }
    {
        auto p = newPanel();
        EventRecord e;
        e.cause.id_blk = EventRecord::ScopePanel;
        QCOMPARE(p->setEvent(0, e), 0);
        QVERIFY(!p->isEmpty());
    }
    {
        // A panel holding only logic events must not be taken for empty
        // before a download overwrites it.
        auto p = newPanel();
        auto m = std::make_unique<LogManeuver>();
        QCOMPARE(p->addLogicEvent(m), 0);
        QVERIFY(!p->isEmpty());
    }
}

QTEST_APPLESS_MAIN(TestPanelConfigDevices)
#include "tst_PanelConfigDevices.moc"
