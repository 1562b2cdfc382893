#include "PanelMemoryMap.h"
#include "SimPanel.h"
#include "USBData.h"
#include "USBRaw.h"

#include <QtTest>
#include <memory>

using namespace PanelMemoryMap;
using sim::SimPanel;

namespace {
QByteArray rec(const quint8 *p, int n) { return QByteArray(reinterpret_cast<const char *>(p), n); }

QList<int> range(int from, int to)   // inclusive
{
    QList<int> l;
    for (int i = from; i <= to; ++i)
        l << i;
    return l;
}
}

// The page cache over the real USB link and the simulated panel.
class TestUSBData : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void readDeviceFetchesItsPage();
    void deviceReadCostsPerLoop_data();
    void deviceReadCostsPerLoop();
    void deviceWritePagesOnceInOrder();
    void writeNeverStoresOnAFailedWriteBack();
    void failedReadLeavesCacheConsistent();
    void zonesReadAndWrite();
    void eventsReadInGroups();
    void eventWriteSwapsDelayAndWritesGroups();
    void eventReadRetriesAfterFailedGroup();
    void logicAreaAndRecords();
    void logicWriteOrderAndClearing();
    void optionsPage_data();
    void optionsPage();
    void optionsAfterFailedRead();
    void identityAndSystemPages();
    void indicesOutsideTheMapRefused();

private:
    std::unique_ptr<USBRaw> m_link;
    std::unique_ptr<USBData> m_cache;
};

void TestUSBData::init()
{
    SimPanel::instance().reset();
    m_link = std::make_unique<USBRaw>();
    QVERIFY(m_link->open());
    m_cache = std::make_unique<USBData>(m_link.get());
    SimPanel::instance().clearLogs();
}

void TestUSBData::cleanup()
{
    m_cache.reset();
    m_link->close();
    m_link.reset();
}

void TestUSBData::readDeviceFetchesItsPage()
{
    SimPanel &panel = SimPanel::instance();
    QByteArray page(256, '\0');
    for (int i = 0; i < 256; ++i)
        page[i] = char(i);
    panel.setPage(0x1E1, page);

    quint8 r[32];
    QVERIFY(m_cache->beginDeviceRead());
    QVERIFY(m_cache->readDevice(2, 13, r));
    QCOMPARE(rec(r, 32), page.mid(160, 32));
    QVERIFY(m_cache->readDevice(2, 12, r));   // same page: no transfer
    QCOMPARE(rec(r, 32), page.mid(128, 32));
    m_cache->endDeviceRead();
    QVERIFY(!m_cache->hasBuffer());
    QCOMPARE(panel.pageReads(), (QList<int>{0x1A0, 0x1E1}));
}

void TestUSBData::deviceReadCostsPerLoop_data()
{
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("reads");
    QTest::newRow("loop 0") << 0 << 32;
    QTest::newRow("loop 1") << 1 << 33;
    QTest::newRow("loop 7") << 7 << 33;
}

void TestUSBData::deviceReadCostsPerLoop()
{
    QFETCH(int, loop);
    QFETCH(int, reads);
    quint8 r[32];
    QVERIFY(m_cache->beginDeviceRead());
    for (int a = 0; a < AddressesPerLoop; ++a)
        QVERIFY(m_cache->readDevice(loop, a, r));
    m_cache->endDeviceRead();
    const QList<int> pages = SimPanel::instance().pageReads();
    QCOMPARE(pages.size(), reads);
    QCOMPARE(pages.last(), 0x1A0 + 32 * loop + 31);
}

void TestUSBData::deviceWritePagesOnceInOrder()
{
    SimPanel &panel = SimPanel::instance();
    quint8 r[32];
    QVERIFY(m_cache->beginDeviceWrite());
    for (int loop = 0; loop < 2; ++loop) {
        for (int a = 0; a < AddressesPerLoop; ++a) {
            std::memset(r, 0, sizeof r);
            r[0] = quint8(loop + 1);
            r[25] = quint8(a);
            QVERIFY(m_cache->writeDevice(loop, a, r));
            if (loop == 1 && a == 0)
                QCOMPARE(panel.pageWrites().last(), 0x1BF);   // leaving loop 0 sends its last page
        }
    }
    QVERIFY(m_cache->flushPage());
    QVERIFY(!m_cache->hasBuffer());
    QCOMPARE(panel.pageWrites(), range(0x1A0, 0x1DF));
    QVERIFY(panel.pageReads().isEmpty());

    const QByteArray p = panel.page(0x1C1);   // loop 1, addresses 8..15
    QCOMPARE(int(p[0]), 2);
    QCOMPARE(int(p[25]), 8);
    // Slots that no record fills (addresses 250..255) have byte 27 set.
    const QByteArray last = panel.page(0x1BF);
    for (int slot = 2; slot < 8; ++slot)
        QCOMPARE(int(last[slot * 32 + 27]), 1);
}

void TestUSBData::writeNeverStoresOnAFailedWriteBack()
{
    SimPanel &panel = SimPanel::instance();
    quint8 r[32] = {};
    QVERIFY(m_cache->beginDeviceWrite());
    r[0] = 1;
    QVERIFY(m_cache->writeDevice(0, 0, r));
    panel.failAtRequest(0);
    r[0] = 2;
    QVERIFY(!m_cache->writeDevice(0, 8, r));   // page 0x1A0 could not be sent
    // The cache still holds page 0x1A0: writing it again sends the first record.
    QVERIFY(m_cache->writeDevice(0, 8, r));
    QVERIFY(m_cache->flushPage());
    QCOMPARE(int(panel.page(0x1A0)[0]), 1);
    QCOMPARE(int(panel.page(0x1A1)[0]), 2);
}

void TestUSBData::failedReadLeavesCacheConsistent()
{
    SimPanel &panel = SimPanel::instance();
    panel.setPage(0x1A0, QByteArray(256, char(0x10)));
    panel.setPage(0x1A1, QByteArray(256, char(0x11)));
    quint8 r[32];
    QVERIFY(m_cache->beginDeviceRead());
    // The page comes back cut short: nothing of it may end up in the cache.
    panel.injectFault(sim::ReplyFault::ShortPayload, 0, 100);
    QVERIFY(!m_cache->readDevice(0, 8, r));
    QVERIFY(m_cache->readDevice(0, 0, r));
    QCOMPARE(rec(r, 32), QByteArray(32, char(0x10)));
    QVERIFY(m_cache->readDevice(0, 8, r));
    QCOMPARE(rec(r, 32), QByteArray(32, char(0x11)));
    m_cache->endDeviceRead();

    // A failed first page: the next record asks for its page again.
    panel.injectFault(sim::ReplyFault::NoReply);
    QVERIFY(!m_cache->beginDeviceRead());
    QVERIFY(m_cache->readDevice(0, 1, r));
    QCOMPARE(rec(r, 32), QByteArray(32, char(0x10)));
    m_cache->endDeviceRead();
}

void TestUSBData::zonesReadAndWrite()
{
    SimPanel &panel = SimPanel::instance();
    quint8 r[32];
    QVERIFY(m_cache->beginZoneWrite());
    for (int z = 0; z < Zones; ++z) {
        std::memset(r, 0xFF, sizeof r);
        r[1] = quint8('A' + z % 26);
        QVERIFY(m_cache->writeZone(z, r));
    }
    QVERIFY(m_cache->flushPage());
    QCOMPARE(panel.pageWrites(), range(0x120, 0x13F));
    // byte 30 is 0 in the unused slots 250..255
    const QByteArray last = panel.page(0x13F);
    for (int slot = 2; slot < 8; ++slot)
        QCOMPARE(int(last[slot * 32 + 30]), 0);

    panel.clearLogs();
    QVERIFY(m_cache->beginZoneRead());
    for (int z = 0; z < Zones; ++z) {
        QVERIFY(m_cache->readZone(z, r));
        QCOMPARE(int(r[1]), 'A' + z % 26);
    }
    m_cache->endZoneRead();
    QCOMPARE(panel.pageReads(), range(0x120, 0x13F));
}

void TestUSBData::eventsReadInGroups()
{
    SimPanel &panel = SimPanel::instance();
    // slot 37: cause on 0x3A1 byte 40, effect on 0x3E2 byte 80; delay 300 big-endian
    panel.setPageBytes(0x3A1, 40, QByteArray::fromHex("0500010203000000"));
    panel.setPageBytes(0x3E2, 80, QByteArray::fromHex("0200012c07"));
    quint8 cause[8], effect[16];
    QVERIFY(m_cache->beginEventRead());
    for (int slot = 0; slot <= 37; ++slot)
        QVERIFY(m_cache->readNextEvent(cause, effect));
    m_cache->endEventRead();
    QCOMPARE(rec(cause, 5), QByteArray::fromHex("0500010203"));
    QCOMPARE(int(effect[0]), 2);
    QCOMPARE(int(effect[2] | (effect[3] << 8)), 300);   // host order (little-endian here)
    QCOMPARE(int(effect[4]), 7);
    QCOMPARE(panel.pageReads(), (QList<int>{0x3A0, 0x3E0, 0x3E1, 0x3A1, 0x3E2, 0x3E3}));
}

void TestUSBData::eventWriteSwapsDelayAndWritesGroups()
{
    SimPanel &panel = SimPanel::instance();
    quint8 cause[8] = {1, 0, 2, 0, 0, 0, 0, 0};
    quint8 effect[16] = {2, 0, 0x2C, 0x01, 3};   // delay 300 in host order
    QVERIFY(m_cache->beginEventWrite());
    QVERIFY(m_cache->writeEvent(0, cause, effect));
    QVERIFY(m_cache->writeEvent(50, cause, effect));
    QCOMPARE(effect[2], quint8(0x2C));   // the caller's record is not changed
    QVERIFY(m_cache->flushEventPages());
    QVERIFY(!m_cache->hasBuffer());
    QCOMPARE(panel.pageWrites(), (QList<int>{0x3A0, 0x3E0, 0x3E1, 0x3A1, 0x3E2, 0x3E3}));
    QCOMPARE(panel.page(0x3E3).mid(32, 5), QByteArray::fromHex("0200012c03"));
    QCOMPARE(panel.page(0x3A1).mid(8 * 18, 3), QByteArray::fromHex("010002"));
    // Byte 0 of every other cause and effect is 0, so the panel sees free slots.
    QCOMPARE(int(panel.page(0x3A1)[0]), 0);
    QCOMPARE(int(panel.page(0x3E2)[16]), 0);
    QVERIFY(panel.pageReads().isEmpty());
}

void TestUSBData::eventReadRetriesAfterFailedGroup()
{
    SimPanel &panel = SimPanel::instance();
    panel.setPageBytes(0x3A1, 0, QByteArray::fromHex("04"));
    quint8 cause[8], effect[16];
    QVERIFY(m_cache->beginEventRead());
    for (int slot = 0; slot < 32; ++slot)
        QVERIFY(m_cache->readNextEvent(cause, effect));
    panel.injectFault(sim::ReplyFault::NoReply, panel.requestCount() + 2);   // second page of group 1
    QVERIFY(!m_cache->readNextEvent(cause, effect));
    QVERIFY(m_cache->readNextEvent(cause, effect));
    QCOMPARE(int(cause[0]), 4);   // slot 32, from a whole group
    m_cache->endEventRead();

    // A failed first group is fetched again by the first record.
    panel.injectFault(sim::ReplyFault::NoReply);
    QVERIFY(!m_cache->beginEventRead());
    panel.setPageBytes(0x3A0, 0, QByteArray::fromHex("01"));
    QVERIFY(m_cache->readNextEvent(cause, effect));
    QCOMPARE(int(cause[0]), 1);
    m_cache->endEventRead();
}

void TestUSBData::logicAreaAndRecords()
{
    SimPanel &panel = SimPanel::instance();
    panel.setPageBytes(0x422, 80, QByteArray::fromHex("0501020304000000"));   // term 4 of event 7
    panel.setPageBytes(0x451, 16, QByteArray::fromHex("0200000a"));           // header of event 17
    quint8 terms[80], header[16];
    QVERIFY(m_cache->readLogicArea());
    QCOMPARE(panel.pageReads(), range(0x420, 0x45F));
    QVERIFY(m_cache->readLogicEvent(7, terms, header));
    QCOMPARE(rec(terms + 32, 5), QByteArray::fromHex("0501020304"));
    QVERIFY(m_cache->readLogicEvent(17, terms, header));
    QCOMPARE(int(header[0]), 2);
    QCOMPARE(int(header[2] | (header[3] << 8)), 10);   // 00 0A on the page, host order here
    QVERIFY(!m_cache->readLogicEvent(100, terms, header));
    m_cache->endLogicRead();
    QVERIFY(!m_cache->readLogicEvent(0, terms, header));

    panel.failAtRequest(panel.requestCount() + 5);
    QVERIFY(!m_cache->readLogicArea());
    QVERIFY(!m_cache->readLogicEvent(0, terms, header));
}

void TestUSBData::logicWriteOrderAndClearing()
{
    SimPanel &panel = SimPanel::instance();
    quint8 term[8] = {5, 1, 2, 3, 4, 0, 0, 0};
    quint8 header[16] = {2, 0, 0x2C, 0x01};
    QVERIFY(m_cache->beginLogicWrite());
    for (int k = 0; k < LogicEvents; ++k)
        for (int t = 0; t < TermsPerLogicEvent; ++t) {
            term[5] = quint8(k);
            QVERIFY(m_cache->writeLogicTerm(k, t, term));
        }
    for (int k = 0; k < LogicEvents; ++k)
        QVERIFY(m_cache->writeLogicHeader(k, header));
    QVERIFY(m_cache->flushPage());

    QList<int> expected = range(0x420, 0x43F) + range(0x450, 0x456);
    QCOMPARE(panel.pageWrites(), expected);
    QCOMPARE(panel.page(0x422).mid(80, 6), QByteArray::fromHex("050102030407"));
    QCOMPARE(panel.page(0x451).mid(16, 4), QByteArray::fromHex("0200012c"));
    // The header pages start cleared: slots after header 99 are 0.
    QCOMPARE(panel.page(0x456).mid(64), QByteArray(192, '\0'));
    QCOMPARE(panel.page(0x43F).mid(64), QByteArray(192, '\0'));
}

void TestUSBData::optionsPage_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("nodeType");
    QTest::addColumn<bool>("written");
    QTest::newRow("07 02 unchanged") << 7 << 2 << false;
    QTest::newRow("07 01 node type changed") << 7 << 1 << true;
    QTest::newRow("08 02 address changed") << 8 << 2 << true;
}

void TestUSBData::optionsPage()
{
    QFETCH(int, address);
    QFETCH(int, nodeType);
    QFETCH(bool, written);
    SimPanel &panel = SimPanel::instance();
    QByteArray page(256, char(0x33));
    page[0] = 7;
    page[1] = 2;
    panel.setPage(4, page);

    QVERIFY(m_cache->readOptionsPage());
    quint8 a = 0, t = 0;
    QVERIFY(m_cache->getOptions(a, t));
    QCOMPARE(int(a), 7);
    QCOMPARE(int(t), 2);
    QVERIFY(m_cache->setOptions(quint8(address), quint8(nodeType)));
    QVERIFY(m_cache->writeOptionsIfChanged());
    QCOMPARE(panel.pageWrites().size(), written ? 1 : 0);
    QCOMPARE(int(panel.page(4)[0]), address);
    QCOMPARE(int(panel.page(4)[1]), nodeType);
    QCOMPARE(panel.page(4).mid(2), QByteArray(254, char(0x33)));   // the rest is carried
}

void TestUSBData::optionsAfterFailedRead()
{
    SimPanel::instance().injectFault(sim::ReplyFault::NoReply);
    QVERIFY(!m_cache->readOptionsPage());
    quint8 a = 0, t = 0;
    QVERIFY(!m_cache->getOptions(a, t));
    QVERIFY(!m_cache->setOptions(1, 1));
    QVERIFY(!m_cache->writeOptionsIfChanged());
    QVERIFY(SimPanel::instance().pageWrites().isEmpty());
}

void TestUSBData::identityAndSystemPages()
{
    SimPanel &panel = SimPanel::instance();
    quint8 identity[128];
    std::memset(identity, 0x41, sizeof identity);
    QVERIFY(m_cache->writeIdentityPage(identity));
    QCOMPARE(panel.page(5), QByteArray(128, 'A') + QByteArray(128, '\0'));
    quint8 back[128] = {};
    QVERIFY(m_cache->readIdentityPage(back));
    QCOMPARE(rec(back, 128), QByteArray(128, 'A'));

    quint8 sys[256];
    for (int i = 0; i < 256; ++i)
        sys[i] = quint8(i);
    QVERIFY(m_cache->writeSystemPage(sys));
    quint8 sysBack[256] = {};
    QVERIFY(m_cache->readSystemPage(sysBack));
    QCOMPARE(rec(sysBack, 256), rec(sys, 256));

    panel.injectFault(sim::ReplyFault::ShortPayload, 0, 10);
    std::memset(sysBack, 0xEE, sizeof sysBack);
    QVERIFY(!m_cache->readSystemPage(sysBack));
    QCOMPARE(rec(sysBack, 256), QByteArray(256, char(0xEE)));
}

void TestUSBData::indicesOutsideTheMapRefused()
{
    quint8 r[32] = {}, e[16] = {}, c[8] = {};
    QVERIFY(m_cache->beginDeviceWrite());
    QVERIFY(!m_cache->writeDevice(8, 0, r));
    QVERIFY(!m_cache->writeDevice(0, 250, r));
    QVERIFY(!m_cache->writeDevice(-1, 0, r));
    QVERIFY(m_cache->flushPage());
    QVERIFY(m_cache->beginDeviceRead());
    QVERIFY(!m_cache->readDevice(0, 255, r));
    m_cache->endDeviceRead();
    QVERIFY(m_cache->beginZoneWrite());
    QVERIFY(!m_cache->writeZone(250, r));
    QVERIFY(m_cache->flushPage());
    QVERIFY(m_cache->beginEventWrite());
    QVERIFY(!m_cache->writeEvent(1024, c, e));
    QVERIFY(m_cache->flushEventPages());
    QVERIFY(m_cache->beginLogicWrite());
    QVERIFY(!m_cache->writeLogicTerm(100, 0, c));
    QVERIFY(!m_cache->writeLogicTerm(0, 10, c));
    QVERIFY(!m_cache->writeLogicHeader(100, e));
    QVERIFY(m_cache->flushPage());
    // Records of a section that is not open are refused too.
    QVERIFY(!m_cache->readDevice(0, 0, r));
    QVERIFY(!m_cache->writeZone(0, r));

    // Reading events stops at the end of the 1024 slots.
    QVERIFY(m_cache->beginEventRead());
    for (int slot = 0; slot < EventSlots; ++slot)
        QVERIFY(m_cache->readNextEvent(c, e));
    QVERIFY(!m_cache->readNextEvent(c, e));
    m_cache->endEventRead();
}

QTEST_GUILESS_MAIN(TestUSBData)
#include "tst_USBData.moc"
