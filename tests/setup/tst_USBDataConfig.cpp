#include "FileSizeLimit.h"
#include "PanelConfig.h"
#include "SimPanel.h"
#include "SitePanels.h"
#include "USBDataConfig.h"
#include "USBRaw.h"

#include <QtTest>
#include <QTemporaryDir>

using sim::ReplyFault;
using sim::SimPanel;

namespace {
QList<int> range(int from, int to)   // inclusive
{
    QList<int> l;
    for (int i = from; i <= to; ++i)
        l << i;
    return l;
}

QList<int> eventGroupPages(int groups)
{
    QList<int> l;
    for (int g = 0; g < groups; ++g)
        l << 0x3A0 + g << 0x3E0 + 2 * g << 0x3E1 + 2 * g;
    return l;
}

// The sections of an upload, in the procedure's order.
bool upload(USBDataConfig &engine)
{
    if (!engine.beginDeviceWrite())
        return false;
    for (int loop = 0; loop < 8; ++loop)
        if (!engine.writeLoop(loop))
            return false;
    return engine.flushPage() && engine.writeZones() && engine.writeEvents() && engine.writeLogicEvents()
        && engine.writePanelInfo() && engine.writeNetwork() && engine.finishUpload();
}

// The sections of a download, in the procedure's order.
bool download(USBDataConfig &engine)
{
    for (int loop = 0; loop < 8; ++loop)
        if (!engine.readLoop(loop))
            return false;
    return engine.readZones() && engine.readEvents() && engine.readLogicEvents() && engine.readPanelInfo()
        && engine.readNetwork();
}

void cutConditionsToPanel(PanelConfig &p)
{
    for (int k = 0; k < p.logicEventCount(); ++k)
        while (p.logicEventAt(k)->conditions.size() > LogManeuver::MaxPanelConditions)
            p.logicEventAt(k)->conditions.removeLast();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), qint64(bytes.size()));
}

QByteArray fileBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}
}

class TestUSBDataConfig : public QObject {
    Q_OBJECT
private slots:
    void init();

    void uploadWritesEachPageOnceInOrder();
    void downloadReadsThePrescribedPagesAndRebuildsThePanel();
    void sectionFailures_data();
    void sectionFailures();
    void notConnectedTouchesNothing();
    void zoneStatesWrittenFromTheElements();
    void networkPage_data();
    void networkPage();
    void networkNeedsASuccessfulRead();
    void eventsStopAtTheFirstFreeSlot();
    void logicEventsFromTheArea();
    void twelveConditionsWriteTen();
    void logicEventWithoutConditionsHidesNoOther();
    void absentConditionsAreNotWritten();
    void webServerPatternGuardsTheBlock();
    void panelInfoReportsAFailedStepAndRunsTheRest();
    void accessCode();
    void finishUploadReportsTheLink();
    void logLines();
    void logWithoutEntriesLeavesTheFile();
    void logStopsAtAnUnreadableLine();
    void logIntoAnUnopenableFileFails();
    void logThatCannotBeWrittenKeepsTheFile_data();
    void logThatCannotBeWrittenKeepsTheFile();
    void confExportThenImport();
    void panelForgottenOnDisconnect();

private:
    QTemporaryDir m_dir;
};

void TestUSBDataConfig::init()
{
    SimPanel::instance().reset();
}

void TestUSBDataConfig::uploadWritesEachPageOnceInOrder()
{
    SimPanel &panel = SimPanel::instance();
    auto source = SitePanels::richPanel();
    USBDataConfig engine;
    engine.setPanel(source.get());
    QVERIFY(engine.connectUsb());
    QVERIFY(upload(engine));
    engine.disconnect();

    const QList<int> expected = range(0x1A0, 0x29F) + range(0x120, 0x13F) + eventGroupPages(32)
        + range(0x420, 0x43F) + range(0x450, 0x456) + QList<int>{5, 8, 9, 10, 4};
    QCOMPARE(panel.pageWrites(), expected);
    QCOMPARE(panel.pageReads(), QList<int>{4});
    QCOMPARE(panel.finishUploadCount(), 1);
    // finish-upload is the last request
    QCOMPARE(int(panel.requests().last().at(0)), 4);

    // Uploading the same again: page 4 is now unchanged and not written.
    panel.clearLogs();
    engine.setPanel(source.get());
    QVERIFY(engine.connectUsb());
    QVERIFY(upload(engine));
    engine.disconnect();
    QVERIFY(!panel.pageWrites().contains(4));
    QCOMPARE(panel.pageWrites().size(), expected.size() - 1);
}

void TestUSBDataConfig::downloadReadsThePrescribedPagesAndRebuildsThePanel()
{
    SimPanel &panel = SimPanel::instance();
    auto source = SitePanels::richPanel(100);
    USBDataConfig engine;
    engine.setPanel(source.get());
    QVERIFY(engine.connectUsb());
    QVERIFY(upload(engine));
    engine.disconnect();
    panel.clearLogs();
    panel.setInfoReply(QByteArray("2.31\0junk", 9));

    PanelConfig target;
    target.setDefaults();
    engine.setPanel(&target);
    QVERIFY(engine.connectUsb());
    QVERIFY(download(engine));
    engine.disconnect();

    QList<int> expected = range(0x1A0, 0x1BF);
    for (int loop = 1; loop < 8; ++loop)
        expected += QList<int>{0x1A0} + range(0x1A0 + 32 * loop, 0x1BF + 32 * loop);
    // 100 used slots: the first free one (100) lies in group 3
    expected += range(0x120, 0x13F) + eventGroupPages(4) + range(0x420, 0x45F) + QList<int>{5, 8, 9, 10, 4};
    QCOMPARE(panel.pageReads(), expected);
    QVERIFY(panel.pageWrites().isEmpty());
    QCOMPARE(panel.requests().size(), expected.size() + 1);   // and the information request

    QCOMPARE(target.version, QStringLiteral("2.31"));
    cutConditionsToPanel(*source);
    QCOMPARE(SitePanels::differences(*source, target), QStringList());
}

// One failed request inside each section: the section stops with false.
void TestUSBDataConfig::sectionFailures_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<int>("failAt");    // request number within the section, from 1
    QTest::addColumn<int>("fault");

    const int write = int(ReplyFault::WriteFails), silent = int(ReplyFault::NoReply);
    QTest::newRow("readLoop first page") << "readLoop" << 1 << silent;
    QTest::newRow("readLoop later page") << "readLoop" << 20 << silent;
    QTest::newRow("writeLoop") << "writeLoop" << 3 << write;
    QTest::newRow("writeLoop flush") << "flushLoop" << 1 << write;
    QTest::newRow("readZones") << "readZones" << 5 << silent;
    QTest::newRow("writeZones") << "writeZones" << 5 << write;
    QTest::newRow("writeZones last page") << "writeZones" << 32 << write;
    QTest::newRow("readEvents") << "readEvents" << 2 << silent;
    QTest::newRow("writeEvents") << "writeEvents" << 50 << write;
    QTest::newRow("writeEvents last group") << "writeEvents" << 96 << write;
    QTest::newRow("readLogicEvents") << "readLogicEvents" << 64 << silent;
    QTest::newRow("writeLogicEvents") << "writeLogicEvents" << 33 << write;
    QTest::newRow("writeLogicEvents flush") << "writeLogicEvents" << 39 << write;
    QTest::newRow("writePanelInfo identity") << "writePanelInfo" << 1 << write;
    QTest::newRow("writePanelInfo page 10") << "writePanelInfo" << 4 << write;
    QTest::newRow("readSystemInfo") << "readSystemInfo" << 1 << silent;
    QTest::newRow("readWebServer page 10") << "readWebServer" << 2 << silent;
    QTest::newRow("readNetwork") << "readNetwork" << 1 << silent;
    QTest::newRow("writeNetwork read") << "writeNetwork" << 1 << silent;
    QTest::newRow("writeNetwork write") << "writeNetwork" << 2 << write;
}

void TestUSBDataConfig::sectionFailures()
{
    QFETCH(QString, section);
    QFETCH(int, failAt);
    QFETCH(int, fault);

    SimPanel &panel = SimPanel::instance();
    panel.setPageBytes(0x3A0, 0, QByteArray::fromHex("01"));   // events to read on
    panel.setPageBytes(4, 0, QByteArray::fromHex("0101"));
    auto p = SitePanels::richPanel();
    p->address = 9;
    USBDataConfig engine;
    engine.setPanel(p.get());
    QVERIFY(engine.connectUsb());
    if (section == "writeLoop" || section == "flushLoop")
        QVERIFY(engine.beginDeviceWrite());
    if (section == "flushLoop") {
        QVERIFY(engine.writeLoop(0));
        QVERIFY(engine.writeLoop(1));
    }
    panel.injectFault(ReplyFault(fault), panel.requestCount() + failAt);

    bool ok = true;
    if (section == "readLoop") ok = engine.readLoop(1);
    else if (section == "writeLoop") ok = engine.writeLoop(0) && engine.writeLoop(1);
    else if (section == "flushLoop") ok = engine.flushPage();
    else if (section == "readZones") ok = engine.readZones();
    else if (section == "writeZones") ok = engine.writeZones();
    else if (section == "readEvents") ok = engine.readEvents();
    else if (section == "writeEvents") ok = engine.writeEvents();
    else if (section == "readLogicEvents") ok = engine.readLogicEvents();
    else if (section == "writeLogicEvents") ok = engine.writeLogicEvents();
    else if (section == "writePanelInfo") ok = engine.writePanelInfo();
    else if (section == "readSystemInfo") ok = engine.readSystemInfo();
    else if (section == "readWebServer") ok = engine.readWebServer();
    else if (section == "readNetwork") ok = engine.readNetwork();
    else if (section == "writeNetwork") ok = engine.writeNetwork();
    else QFAIL("unknown section");
    QVERIFY(!ok);
    engine.disconnect();
}

void TestUSBDataConfig::notConnectedTouchesNothing()
{
    SimPanel &panel = SimPanel::instance();
    auto p = SitePanels::richPanel();
    USBDataConfig engine;
    engine.setPanel(p.get());
    QVERIFY(!engine.readLoop(0));
    QVERIFY(!engine.writeZones());
    QVERIFY(!engine.readEvents());
    QVERIFY(!engine.readPanelInfo());
    QVERIFY(!engine.writeNetwork());
    QVERIFY(!engine.finishUpload());
    QString code;
    QVERIFY(!engine.readAccessCode(code));
    const QString log = m_dir.filePath("not-connected.txt");
    QCOMPARE(engine.readLog(LogAlarm, log), USBDataConfig::LogResult::PanelFailed);
    QVERIFY(!QFile::exists(log));
    QCOMPARE(p->eventCount(), 100);   // readEvents did not clear anything
    QCOMPARE(panel.requestCount(), 0);

    panel.setNoDevice();
    QVERIFY(!engine.connectUsb());
    QVERIFY(!engine.isConnected());
    QVERIFY(!engine.readLoop(0));
}

// The zone states sent to the panel are those of the elements being sent with
// them, also when an edit of the elements left the model's states behind.
void TestUSBDataConfig::zoneStatesWrittenFromTheElements()
{
    SimPanel &panel = SimPanel::instance();
    PanelConfig p;
    p.setDefaults();
    auto place = [&p](int address, int zone, int mode) {
        DeviceRecord r;
        r.loop = 0;
        r.address = static_cast<unsigned char>(address);
        r.ext_type = 1;
        r.zone = static_cast<unsigned char>(zone);
        r.mode = static_cast<unsigned char>(mode);
        QCOMPARE(p.insertDevices(r, 1, false), 1);
    };
    place(0, 3, 1);
    place(1, 3, 0);   // zone 3: disabled
    place(2, 9, 2);   // zone 9: in test
    p.rebuildZoneStates();
    place(3, 12, 0);  // added after the states were derived: zone 12 disabled
    QCOMPARE(p.removeDevice(0, 1), 1);   // zone 3 keeps only its enabled element

    USBDataConfig engine;
    engine.setPanel(&p);
    QVERIFY(engine.connectUsb());
    QVERIFY(engine.writeZones());
    engine.disconnect();

    auto stateOnPanel = [&panel](int zone) {
        return int(quint8(panel.page(0x120 + zone / 8).at(32 * (zone % 8) + 30)));
    };
    QCOMPARE(stateOnPanel(3), 0);
    QCOMPARE(stateOnPanel(9), 2);
    QCOMPARE(stateOnPanel(12), 1);
    QCOMPARE(stateOnPanel(0), 0);
}

void TestUSBDataConfig::networkPage_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("type");
    QTest::newRow("07 02 controller") << QByteArray::fromHex("0702") << 7 << 1;
    QTest::newRow("07 01 normal") << QByteArray::fromHex("0701") << 7 << 0;
    QTest::newRow("07 00 normal") << QByteArray::fromHex("0700") << 7 << 0;
    QTest::newRow("ff ff") << QByteArray::fromHex("ffff") << 255 << 0;
}

void TestUSBDataConfig::networkPage()
{
    QFETCH(QByteArray, page);
    QFETCH(int, address);
    QFETCH(int, type);
    SimPanel &panel = SimPanel::instance();
    panel.setPageBytes(4, 0, page);
    PanelConfig p;
    USBDataConfig engine;
    engine.setPanel(&p);
    QVERIFY(engine.connectUsb());
    QVERIFY(engine.readNetwork());
    QCOMPARE(p.address, address);
    QCOMPARE(p.type, type);
    QVERIFY(panel.pageWrites().isEmpty());

    // The low byte of a large address; the rest of the page is carried.
    p.address = 300;
    QVERIFY(engine.writeNetwork());
    QCOMPARE(panel.page(4).left(2), QByteArray::fromHex(type ? "2c02" : "2c01"));
    QCOMPARE(panel.page(4).mid(2), QByteArray(254, char(0xFF)));
    engine.disconnect();
}

void TestUSBDataConfig::networkNeedsASuccessfulRead()
{
    SimPanel &panel = SimPanel::instance();
    PanelConfig p;
    p.address = 5;
    USBDataConfig engine;
    engine.setPanel(&p);
    QVERIFY(engine.connectUsb());
    panel.injectFault(ReplyFault::ShortPayload, 0, 10);
    QVERIFY(!engine.writeNetwork());
    QVERIFY(panel.pageWrites().isEmpty());
    panel.injectFault(ReplyFault::NoReply);
    QVERIFY(!engine.readNetwork());
    QCOMPARE(p.address, 5);
    engine.disconnect();
}

void TestUSBDataConfig::eventsStopAtTheFirstFreeSlot()
{
    SimPanel &panel = SimPanel::instance();
    QByteArray causes(256, '\0');
    for (int n = 0; n < 8; ++n)
        causes[8 * n] = char(n == 5 ? 0 : 1);   // slot 5 free, slot 6 used
    panel.setPage(0x3A0, causes);
    panel.setPage(0x3E0, QByteArray(256, '\0'));
    auto p = SitePanels::richPanel();
    USBDataConfig engine;
    engine.setPanel(p.get());
    QVERIFY(engine.connectUsb());
    QVERIFY(engine.readEvents());
    QCOMPARE(p->eventCount(), 5);
    QCOMPARE(p->logicEventCount(), 0);   // emptied here, filled by the logic section
    QVERIFY(!p->eventAt(5));
    QCOMPARE(panel.pageReads().size(), 3);
    engine.disconnect();
}

void TestUSBDataConfig::logicEventsFromTheArea()
{
    SimPanel &panel = SimPanel::instance();
    for (int i = 0x420; i <= 0x45F; ++i)
        panel.setPage(i, QByteArray(256, '\0'));
    // Logic events 0..2 present, term 4 of event 1 empty, term 0 of event 3 empty.
    for (int k = 0; k < 3; ++k)
        for (int t = 0; t < 10; ++t) {
            const int i = 10 * k + t;
            if (k == 1 && t == 4)
                continue;
            panel.setPageBytes(0x420 + (i >> 5), 8 * (i & 31), QByteArray::fromHex("0200") + char(t) + QByteArray::fromHex("000102"));
        }
    panel.setPageBytes(0x420 + (40 >> 5), 8 * (40 & 31) + 8, QByteArray::fromHex("05"));   // term 1 of event 4: ignored
    panel.setPageBytes(0x450, 16, QByteArray::fromHex("01000e10"));   // header 1: delay 0x0E10 = 3600

    PanelConfig p;
    USBDataConfig engine;
    engine.setPanel(&p);
    QVERIFY(engine.connectUsb());
    QVERIFY(engine.readLogicEvents());
    engine.disconnect();
    QCOMPARE(p.logicEventCount(), 3);
    QCOMPARE(p.logicEventAt(0)->conditions.size(), 10);
    QCOMPARE(p.logicEventAt(1)->conditions.size(), 4);
    QCOMPARE(int(p.logicEventAt(1)->record.effect.delay), 3600);
    QCOMPARE(int(p.logicEventAt(1)->record.effect.id_blk), 1);
    QCOMPARE(int(p.logicEventAt(0)->conditions.at(3).event), 3);
    QCOMPARE(int(p.logicEventAt(1)->record.cause.id_blk), 0);
}

void TestUSBDataConfig::twelveConditionsWriteTen()
{
    SimPanel &panel = SimPanel::instance();
    auto p = SitePanels::richPanel();   // logic event 2 has 12 conditions
    USBDataConfig engine;
    engine.setPanel(p.get());
    QVERIFY(engine.connectUsb());
    QVERIFY(engine.writeLogicEvents());
    QCOMPARE(p->logicEventAt(2)->conditions.size(), 12);   // the model keeps them
    // Event 2's terms are indices 20..29; index 30 (event 3, term 0) holds event 3's own.
    const QByteArray terms = panel.page(0x420);
    QCOMPARE(int(terms[8 * 29]), 4);
    QCOMPARE(int(terms[8 * 29 + 2]), 9);
    QCOMPARE(int(terms[8 * 30 + 2]), 0);
    QCOMPARE(int(terms[8 * 30 + 1]), 3);

    PanelConfig back;
    engine.setPanel(&back);
    QVERIFY(engine.readLogicEvents());
    QCOMPARE(back.logicEventAt(2)->conditions.size(), 10);
    QCOMPARE(back.logicEventCount(), 5);
    engine.disconnect();
}

// A logic event without conditions is absent on the panel; written in its place
// it would end the list there and the logic events after it would be lost.
void TestUSBDataConfig::logicEventWithoutConditionsHidesNoOther()
{
    auto p = SitePanels::richPanel();
    const int before = p->logicEventCount();
    QVERIFY(before >= 3);
    p->logicEventAt(1)->conditions.clear();   // one in the middle loses its conditions
    USBDataConfig engine;
    engine.setPanel(p.get());
    QVERIFY(engine.connectUsb());
    QVERIFY(engine.writeLogicEvents());

    PanelConfig back;
    engine.setPanel(&back);
    QVERIFY(engine.readLogicEvents());
    engine.disconnect();
    QCOMPARE(back.logicEventCount(), before - 1);
    for (int k = 0, b = 0; k < before; ++k) {
        if (k == 1)
            continue;
        const LogManeuver *sent = p->logicEventAt(k);
        const LogManeuver *got = back.logicEventAt(b++);
        QCOMPARE(got->conditions.size(), qMin(int(sent->conditions.size()), LogManeuver::MaxPanelConditions));
        QCOMPARE(int(got->record.effect.delay), int(sent->record.effect.delay));
        QCOMPARE(int(got->conditions.at(0).event), int(sent->conditions.at(0).event));
    }
}

// A condition of scope 0 (a site file may carry one) is absent on the panel:
// first in its logic event it would end the panel's list there, later it would
// hide the conditions after it.
void TestUSBDataConfig::absentConditionsAreNotWritten()
{
    SimPanel &panel = SimPanel::instance();
    auto p = SitePanels::richPanel();   // logic events with 1, 2, 12, 4 and 5 zone conditions
    QCOMPARE(p->logicEventCount(), 5);
    const LogicEventTerm absent;        // all 0
    p->logicEventAt(1)->conditions.prepend(absent);
    p->logicEventAt(3)->conditions.insert(1, absent);
    p->logicEventAt(4)->conditions.append(absent);
    USBDataConfig engine;
    engine.setPanel(p.get());
    QVERIFY(engine.connectUsb());
    QVERIFY(engine.writeLogicEvents());

    // Term index 10 * k + t on page 0x420 + (index >> 5), 8 bytes each.
    auto term = [&panel](int k, int t) {
        const int i = 10 * k + t;
        return panel.page(0x420 + (i >> 5)).mid(8 * (i & 31), 8);
    };
    QCOMPARE(term(1, 0), QByteArray::fromHex("0401000000010000"));   // its first real condition
    QCOMPARE(term(1, 1), QByteArray::fromHex("0401010001020000"));
    QCOMPARE(term(1, 2), QByteArray(8, '\0'));
    QCOMPARE(term(3, 1), QByteArray::fromHex("0403010001020000"));
    QCOMPARE(term(3, 3), QByteArray::fromHex("0403030003040000"));
    QCOMPARE(term(3, 4), QByteArray(8, '\0'));
    QCOMPARE(term(4, 4), QByteArray::fromHex("0404040004050000"));
    QCOMPARE(term(4, 5), QByteArray(8, '\0'));
    // the header of logic event 1: panel scope, delay 301 high byte first
    QCOMPARE(panel.page(0x450).mid(16, 5), QByteArray::fromHex("0100012d01"));

    PanelConfig back;
    engine.setPanel(&back);
    QVERIFY(engine.readLogicEvents());
    engine.disconnect();
    QCOMPARE(back.logicEventCount(), 5);
    const int conditions[5] = {1, 2, 10, 4, 5};
    for (int k = 0; k < 5; ++k)
        QCOMPARE(int(back.logicEventAt(k)->conditions.size()), conditions[k]);
    QCOMPARE(p->logicEventAt(1)->conditions.size(), 3);   // the model keeps what it held
}

void TestUSBDataConfig::webServerPatternGuardsTheBlock()
{
    SimPanel &panel = SimPanel::instance();
    QByteArray page(256, '\0');
    page[100] = 9;
    page[101] = 2;
    page[102] = 2;   // CID: the Modbus bytes are taken all the same
    page.replace(128, 4, QByteArray::fromHex("05050001"));
    page.replace(132, 4, QByteArray::fromHex("01010101"));
    panel.setPage(9, page);
    auto p = SitePanels::richPanel();
    const WebServerSettings before = p->webServer;
    USBDataConfig engine;
    engine.setPanel(p.get());
    QVERIFY(engine.connectUsb());
    QVERIFY(engine.readWebServer());
    QCOMPARE(std::memcmp(&p->webServer, &before, 80), 0);
    QCOMPARE(p->modbusAddress, 9);
    QCOMPARE(p->rs485mode, 2);

    page.replace(128, 4, QByteArray::fromHex("05050000"));
    panel.setPage(9, page);
    QVERIFY(engine.readWebServer());
    QCOMPARE(int(p->webServer.dhcp), 1);
    QCOMPARE(int(p->webServer.bidi), 1);
    engine.disconnect();
}

void TestUSBDataConfig::panelInfoReportsAFailedStepAndRunsTheRest()
{
    SimPanel &panel = SimPanel::instance();
    QByteArray identity(256, '\0');
    identity.replace(0, 5, "North");
    identity[99] = 0x16;
    panel.setPage(5, identity);
    QByteArray sys(256, '\0');
    sys[206] = 0;
    sys[207] = 30;
    panel.setPage(8, sys);
    PanelConfig p;
    p.version = QStringLiteral("old");
    USBDataConfig engine;
    engine.setPanel(&p);
    QVERIFY(engine.connectUsb());
    panel.injectFault(ReplyFault::NoReply);   // the information request
    QVERIFY(!engine.readPanelInfo());
    QCOMPARE(p.version, QStringLiteral("old"));
    QCOMPARE(p.name(), QStringLiteral("North"));
    QCOMPARE(p.panelFlags, 0x16);
    QCOMPARE(int(p.delay1), 30);
    QCOMPARE(panel.pageReads(), (QList<int>{5, 8, 9, 10}));
    QVERIFY(engine.readPanelInfo());
    QCOMPARE(p.version, QStringLiteral("2.10"));
    engine.disconnect();
}

void TestUSBDataConfig::accessCode()
{
    SimPanel &panel = SimPanel::instance();
    USBDataConfig engine;
    PanelConfig p;
    engine.setPanel(&p);
    QVERIFY(engine.connectUsb());
    QString code = QStringLiteral(">");
    QVERIFY(engine.readAccessCode(code));
    QCOMPARE(code, QStringLiteral(">5813"));

    panel.injectFault(ReplyFault::ShortPayload, 0, 4);
    QString failed;
    QVERIFY(!engine.readAccessCode(failed));
    QVERIFY(failed.isEmpty());
    engine.disconnect();
}

void TestUSBDataConfig::finishUploadReportsTheLink()
{
    SimPanel &panel = SimPanel::instance();
    USBDataConfig engine;
    QVERIFY(engine.connectUsb());
    panel.failAtRequest(0);
    QVERIFY(!engine.finishUpload());
    QVERIFY(engine.finishUpload());
    QCOMPARE(panel.finishUploadCount(), 1);
    engine.disconnect();
}

void TestUSBDataConfig::logLines()
{
    SimPanel &panel = SimPanel::instance();
    panel.setLog(LogAlarm, {QByteArray::fromHex("41c1df42df00"), QByteArray("FIRE L1 A12")});
    const QString path = m_dir.filePath("alarm.txt");
    USBDataConfig engine;
    QVERIFY(engine.connectUsb());
    QCOMPARE(engine.readLog(LogAlarm, path), USBDataConfig::LogResult::Done);
    engine.disconnect();
    QCOMPARE(fileBytes(path), QStringLiteral("A\u0430\u0430B\u0430\nFIRE L1 A12\n").toUtf8());
    QCOMPARE(panel.requests().first(), QByteArray::fromHex("0501"));
}

void TestUSBDataConfig::logWithoutEntriesLeavesTheFile()
{
    const QString path = m_dir.filePath("empty-log.txt");
    writeFile(path, "previous\n");
    USBDataConfig engine;
    QVERIFY(engine.connectUsb());
    QCOMPARE(engine.readLog(LogFault, path), USBDataConfig::LogResult::Done);
    QCOMPARE(fileBytes(path), QByteArray("previous\n"));

    // A count that cannot be read: false, file untouched.
    SimPanel::instance().injectFault(ReplyFault::NoReply);
    QCOMPARE(engine.readLog(LogFault, path), USBDataConfig::LogResult::PanelFailed);
    QCOMPARE(fileBytes(path), QByteArray("previous\n"));
    engine.disconnect();
}

void TestUSBDataConfig::logStopsAtAnUnreadableLine()
{
    SimPanel &panel = SimPanel::instance();
    panel.setLog(LogGeneral, {QByteArray("one"), QByteArray("two"), QByteArray("three")});
    const QString path = m_dir.filePath("general.txt");
    writeFile(path, "old log\n");
    USBDataConfig engine;
    QVERIFY(engine.connectUsb());
    panel.injectFault(ReplyFault::ShortPayload, panel.requestCount() + 3, 50);   // the second line
    QCOMPARE(engine.readLog(LogGeneral, path), USBDataConfig::LogResult::PanelFailed);
    QCOMPARE(fileBytes(path), QByteArray("old log\n"));
    QCOMPARE(panel.requestCount(), 3);   // nothing read after the failed line
    engine.disconnect();
}

void TestUSBDataConfig::logIntoAnUnopenableFileFails()
{
    SimPanel::instance().setLog(LogTest, {QByteArray("T1")});
    USBDataConfig engine;
    QVERIFY(engine.connectUsb());
    QCOMPARE(engine.readLog(LogTest, m_dir.filePath("no/such/dir/test.txt")), USBDataConfig::LogResult::FileFailed);
    engine.disconnect();
}

void TestUSBDataConfig::logThatCannotBeWrittenKeepsTheFile_data()
{
    QTest::addColumn<int>("lines");
    QTest::addColumn<int>("sizeLimit");      // bytes a file may grow to
    QTest::addColumn<int>("requests");       // -1: fewer than the whole log's
    // The lines are buffered: a short log meets the full disk only when the
    // file is committed, a long one while it is being written.
    QTest::newRow("full disk at the end") << 3 << 16 << 4;
    QTest::newRow("full disk half-way") << 400 << 1000 << -1;
}

// A file that cannot be written is the file's failure, not the panel's, and
// the file the user had stays whole, with no temporary one left beside it.
void TestUSBDataConfig::logThatCannotBeWrittenKeepsTheFile()
{
    QFETCH(int, lines);
    QFETCH(int, sizeLimit);
    QFETCH(int, requests);
    SimPanel &panel = SimPanel::instance();
    QList<QByteArray> log;
    for (int i = 0; i < lines; ++i)
        log << QByteArray("FAULT L1 A") + QByteArray::number(i) + QByteArray(100, '.');
    panel.setLog(LogFault, log);
    QTemporaryDir dir;
    const QString path = dir.filePath("fault.csv");
    writeFile(path, "previous\n");

    USBDataConfig engine;
    QVERIFY(engine.connectUsb());
    USBDataConfig::LogResult result;
    {
        FileSizeLimit limit(sizeLimit);
        QVERIFY(limit.isActive());
        result = engine.readLog(LogFault, path);
    }
    engine.disconnect();
    QCOMPARE(result, USBDataConfig::LogResult::FileFailed);
    QCOMPARE(fileBytes(path), QByteArray("previous\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"fault.csv"});
    if (requests >= 0)
        QCOMPARE(panel.requestCount(), requests);
    else
        QVERIFY2(panel.requestCount() < 1 + lines, qPrintable(QString::number(panel.requestCount())));
}

void TestUSBDataConfig::confExportThenImport()
{
    const QString path = m_dir.filePath("panel.conf");
    auto source = SitePanels::richPanel(300);
    source->version = QStringLiteral("2.40");
    USBDataConfig engine;
    engine.setPanel(source.get());
    QVERIFY(engine.connectFileWriter(path));
    QVERIFY(upload(engine));
    engine.disconnect();
    QCOMPARE(QFileInfo(path).size(), qint64(1048576));
    QCOMPARE(fileBytes(path).mid(0x300, 4), QByteArray(4, char(0xFF)));   // no access code

    PanelConfig target;
    target.setDefaults();
    engine.setPanel(&target);
    QVERIFY(engine.connectFileReader(path));
    QVERIFY(download(engine));
    engine.disconnect();
    QCOMPARE(target.version, QStringLiteral("012"));
    cutConditionsToPanel(*source);
    QCOMPARE(SitePanels::differences(*source, target), QStringList());

    // An export that does not reach its end leaves the earlier file as it was.
    const QByteArray before = fileBytes(path);
    auto other = SitePanels::richPanel(3);
    engine.setPanel(other.get());
    QVERIFY(engine.connectFileWriter(path));
    QVERIFY(engine.writeZones());
    engine.disconnect();
    QCOMPARE(fileBytes(path), before);
}

void TestUSBDataConfig::panelForgottenOnDisconnect()
{
    auto p = SitePanels::richPanel();
    USBDataConfig engine;
    engine.setPanel(p.get());
    QVERIFY(engine.connectUsb());
    engine.disconnect();
    QCOMPARE(engine.panel(), nullptr);
    QVERIFY(engine.connectUsb());
    QVERIFY(!engine.readZones());   // no panel set for this procedure
    engine.disconnect();
}

QTEST_MAIN(TestUSBDataConfig)
#include "tst_USBDataConfig.moc"
