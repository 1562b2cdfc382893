#include "RecordLayout.h"

#include "PanelCharsetTable.h"
#include "PanelConfig.h"
#include "PanelMemoryMap.h"
#include "PointState.h"
#include "SimPanel.h"
#include "USBData.h"
#include "USBDataReader.h"
#include "USBRaw.h"

#include <QtTest>

#include <memory>

using sim::SimPanel;

namespace {
struct Reader : USBDataReader {
    using USBDataReader::point;
};

QString textAt(const quint8 *record, int offset, int size)
{
    return PanelCharsetTable::decode(reinterpret_cast<const char *>(record + offset), size);
}
}

// The site model, the page cache and the monitor each reach into the panel's
// element and zone records; they must agree on where every field sits.
class TestRecordLayout : public QObject {
    Q_OBJECT
private slots:
    void init();

    void siteModelWritesTheLayout();
    void monitorReadsWhatTheSiteModelUploaded();
    void zoneSlotsOfAWrittenPage();
};

void TestRecordLayout::init()
{
    SimPanel::instance().reset();
}

void TestRecordLayout::siteModelWritesTheLayout()
{
    using namespace ElementRecordLayout;
    static_assert(RecordSize == PanelMemoryMap::RecordSize);
    static_assert(ZoneRecordLayout::RecordSize == PanelMemoryMap::RecordSize);
    auto panel = std::make_unique<PanelConfig>();
    DeviceRecord &d = *panel->deviceAt(1, 9);
    d.type = 3;
    d.zone = 200;
    d.mode = 2;
    d.flags = DeviceRecord::FlagTech;
    d.ext_type = 0x45;
    d.description = QStringLiteral("Hall 2");
    quint8 record[RecordSize] = {};
    QVERIFY(panel->deviceToWire(1, 9, record));
    QCOMPARE(int(record[TypeByte]), 3);
    QCOMPARE(int(record[ZoneByte]), 200);
    QCOMPARE(int(record[ModeByte]), 2);
    QCOMPARE(int(record[FlagsByte]), int(DeviceRecord::FlagTech));
    QCOMPARE(int(record[CodeByte]), 0x45);
    QCOMPARE(textAt(record, DescriptionByte, DescriptionSize), QStringLiteral("Hall 2"));

    ZoneRecord &z = *panel->zoneAt(17);
    z.description = QStringLiteral("Stairs");
    z.state = 2;
    quint8 zoneRecord[ZoneRecordLayout::RecordSize] = {};
    QVERIFY(panel->zoneToWire(17, zoneRecord));
    QCOMPARE(int(zoneRecord[ZoneRecordLayout::StateByte]), 2);
    QCOMPARE(textAt(zoneRecord, ZoneRecordLayout::DescriptionByte, ZoneRecordLayout::DescriptionSize),
             QStringLiteral("Stairs"));
}

// An element written by the site model and uploaded through the page cache is
// the same element for the monitor; an address of that page without an element
// reads as enabled, as the page cache marks it.
void TestRecordLayout::monitorReadsWhatTheSiteModelUploaded()
{
    auto panel = std::make_unique<PanelConfig>();
    DeviceRecord &d = *panel->deviceAt(1, 9);
    d.type = 3;
    d.zone = 200;
    d.mode = 0;
    d.flags = 0x5A;
    d.ext_type = 0xC5;
    d.description = QStringLiteral("Hall 2");
    quint8 record[ElementRecordLayout::RecordSize] = {};
    QVERIFY(panel->deviceToWire(1, 9, record));
    {
        USBRaw link;
        QVERIFY(link.open());
        USBData cache(&link);
        QVERIFY(cache.beginDeviceWrite());
        QVERIFY(cache.writeDevice(1, 9, record));
        QVERIFY(cache.flushPage());
    }

    Reader reader;
    QVERIFY(reader.connect());
    QVERIFY(reader.readLoopConfig(1));
    const LoopPoint &p = reader.point(1, 9);
    QCOMPARE(int(p.type), 3);
    QCOMPARE(int(p.zone), 200);
    QCOMPARE(p.description, QStringLiteral("Hall 2"));
    QCOMPARE(int(p.enabledByte), 0);
    QCOMPARE(p.state, int(PointState::Disabled));
    QCOMPARE(int(p.configByte28), 0x5A);
    QCOMPARE(int(p.subtype), 0x05);
    const LoopPoint &free = reader.point(1, 10);
    QCOMPARE(int(free.type), 0);
    QCOMPARE(int(free.enabledByte), 1);
    QCOMPARE(free.state, 0);
}

// Zone slots of a written page that no record fills get state 0.
void TestRecordLayout::zoneSlotsOfAWrittenPage()
{
    auto panel = std::make_unique<PanelConfig>();
    panel->zoneAt(16)->description = QStringLiteral("Stairs");
    panel->zoneAt(16)->state = 1;
    quint8 record[ZoneRecordLayout::RecordSize] = {};
    QVERIFY(panel->zoneToWire(16, record));
    USBRaw link;
    QVERIFY(link.open());
    USBData cache(&link);
    QVERIFY(cache.beginZoneWrite());
    QVERIFY(cache.writeZone(16, record));
    QVERIFY(cache.flushPage());

    using namespace PanelMemoryMap;
    const QByteArray page = SimPanel::instance().page(zonePage(16));
    const auto bytes = reinterpret_cast<const quint8 *>(page.constData());
    QCOMPARE(int(bytes[zoneOffset(16) + ZoneRecordLayout::StateByte]), 1);
    QCOMPARE(textAt(bytes + zoneOffset(16), ZoneRecordLayout::DescriptionByte,
                    ZoneRecordLayout::DescriptionSize), QStringLiteral("Stairs"));
    QCOMPARE(int(bytes[zoneOffset(17) + ZoneRecordLayout::StateByte]), 0);
}

QTEST_GUILESS_MAIN(TestRecordLayout)
#include "tst_RecordLayout.moc"
