#include "PanelConfig.h"

#include <QXmlStreamReader>
#include <QXmlStreamWriter>
#include <QtTest>

#include <cstddef>
#include <cstring>
#include <new>
#include <memory>

class TestRecordWireForms : public QObject
{
    Q_OBJECT

private slots:
    void deviceToWire();
    void deviceDescriptionCut_data();
    void deviceDescriptionCut();
    void deviceFromWire_data();
    void deviceFromWire();
    void deviceRoundTrip();
    void zoneToWire_data();
    void zoneToWire();
    void zoneFromWire();
    void erasedRecordsDecodeToSavableValues();
    void outOfRangeIndices();
    void specialModeWire();
    void webServerWire();
    void webServerTextsStayInTheirFields();
    void recordsStartZeroed();
};

static QByteArray bytesOf(const unsigned char *record, int from, int count)
{
    return QByteArray(reinterpret_cast<const char *>(record + from), count);
}

void TestRecordWireForms::deviceToWire()
{
    auto p = std::make_unique<PanelConfig>();
    DeviceRecord *d = p->deviceAt(1, 20);
    d->type = 6;
    d->zone = 12;
    d->mode = 2;
    d->flags = 0x40;
    d->ext_type = 0x4C;
    d->description = QStringLiteral("Zona ") + QChar(0x0411);

    unsigned char record[32];
    std::memset(record, 0xEE, sizeof record);
    QVERIFY(p->deviceToWire(1, 20, record));
    QCOMPARE(int(record[0]), 6);
    QCOMPARE(bytesOf(record, 1, 8), QByteArray::fromHex("5a6f6e6120a10000"));
    for (int i = 9; i <= 24; ++i)
        QCOMPARE(int(record[i]), 0xEE);   // rest of the field not written
    QCOMPARE(int(record[25]), 12);
    QCOMPARE(int(record[26]), 0xEE);
    QCOMPARE(int(record[27]), 2);
    QCOMPARE(int(record[28]), 0x40);
    QCOMPARE(int(record[29]), 0x4C);
    QCOMPARE(int(record[30]), 0xEE);
    QCOMPARE(int(record[31]), 0xEE);
}

void TestRecordWireForms::deviceDescriptionCut_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QByteArray>("field");   // expected bytes 1..24 ('.' = untouched)

    QTest::newRow("30 characters") << QString(30, QLatin1Char('x'))
                                   << QByteArray(23, 'x') + QByteArray(1, '\0');
    QTest::newRow("23 characters") << QString(23, QLatin1Char('y'))
                                   << QByteArray(23, 'y') + QByteArray(1, '\0');
    QTest::newRow("22 characters") << QString(22, QLatin1Char('z'))
                                   << QByteArray(22, 'z') + QByteArray(2, '\0');
    QTest::newRow("empty") << QString() << QByteArray(2, '\0') + QByteArray(22, '.');
}

void TestRecordWireForms::deviceDescriptionCut()
{
    QFETCH(QString, description);
    QFETCH(QByteArray, field);

    auto p = std::make_unique<PanelConfig>();
    DeviceRecord *d = p->deviceAt(0, 0);
    d->description = description;
    d->zone = 77;
    unsigned char record[32];
    std::memset(record, '.', sizeof record);
    QVERIFY(p->deviceToWire(0, 0, record));
    QCOMPARE(bytesOf(record, 1, 24), field);
    QCOMPARE(int(record[25]), 77);
}

void TestRecordWireForms::deviceFromWire_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("readType");
    QTest::addColumn<int>("readCode");

    QTest::newRow("valid") << 5 << 0x47 << 5 << 0x47;
    QTest::newRow("type 12") << 12 << 26 << 12 << 26;
    QTest::newRow("type 13 is empty") << 13 << 1 << 0 << 1;
    QTest::newRow("type 0xFF is empty") << 0xFF << 1 << 0 << 1;
    QTest::newRow("bit 0x20 cleared") << 5 << 0x67 << 5 << 0x47;
    QTest::newRow("model 63") << 1 << 0x3F << 1 << 0x1F;
}

void TestRecordWireForms::deviceFromWire()
{
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(int, readType);
    QFETCH(int, readCode);

    auto p = std::make_unique<PanelConfig>();
    DeviceRecord *d = p->deviceAt(3, 100);
    d->actionUse = 1;
    d->eventUse = 1;
    unsigned char record[32] = {};
    record[0] = static_cast<unsigned char>(type);
    std::memcpy(record + 1, "\xc1\xa4" "A", 3);
    record[25] = 9;
    record[27] = 1;
    record[28] = 0x04;
    record[29] = static_cast<unsigned char>(code);
    QVERIFY(p->deviceFromWire(3, 100, record));
    QCOMPARE(int(d->loop), 3);
    QCOMPARE(int(d->address), 100);
    QCOMPARE(int(d->type), readType);
    QCOMPARE(int(d->ext_type), readCode);
    QCOMPARE(int(d->zone), 9);
    QCOMPARE(int(d->mode), 1);
    QCOMPARE(int(d->flags), 0x04);
    QCOMPARE(d->description, QString(2, QChar(0x0430)) + QLatin1Char('A'));
    QCOMPARE(int(d->actionUse), 1);   // use flags untouched
    QCOMPARE(int(d->eventUse), 1);
}

void TestRecordWireForms::deviceRoundTrip()
{
    auto p = std::make_unique<PanelConfig>();
    DeviceRecord r;
    r.loop = 7;
    r.address = 248;
    r.ext_type = 9;
    r.zone = 249;
    r.mode = 1;
    r.flags = 0x40;
    r.description = QString(QChar(0x0429)) + QStringLiteral(" door ") + QChar(0x044F);
    QCOMPARE(p->insertDevices(r, 1, false), 1);

    auto q = std::make_unique<PanelConfig>();
    for (int a = 248; a < 250; ++a) {
        unsigned char record[32];
        std::memset(record, 0xFF, sizeof record);
        QVERIFY(p->deviceToWire(7, a, record));
        QVERIFY(q->deviceFromWire(7, a, record));
        const DeviceRecord *x = p->deviceAt(7, a);
        const DeviceRecord *y = q->deviceAt(7, a);
        QCOMPARE(y->type, x->type);
        QCOMPARE(y->ext_type, x->ext_type);
        QCOMPARE(y->zone, x->zone);
        QCOMPARE(y->mode, x->mode);
        QCOMPARE(y->flags, x->flags);
        QCOMPARE(y->description, x->description);
    }
}

void TestRecordWireForms::zoneToWire_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QByteArray>("field");   // bytes 1..29

    QTest::newRow("28 characters") << QString(28, QLatin1Char('q'))
                                   << QByteArray(28, 'q') + QByteArray(1, '\0');
    QTest::newRow("40 characters") << QString(40, QLatin1Char('w'))
                                   << QByteArray(28, 'w') + QByteArray(1, '\0');
    QTest::newRow("27 characters") << QString(27, QLatin1Char('e'))
                                   << QByteArray(27, 'e') + QByteArray(2, '\0');
    QTest::newRow("empty") << QString() << QByteArray(2, '\0') + QByteArray(27, '.');
}

void TestRecordWireForms::zoneToWire()
{
    QFETCH(QString, description);
    QFETCH(QByteArray, field);

    auto p = std::make_unique<PanelConfig>();
    p->zoneNameAt(249) = description;
    p->zoneAt(249)->state = 2;
    unsigned char record[32];
    std::memset(record, '.', sizeof record);
    QVERIFY(p->zoneToWire(249, record));
    QCOMPARE(int(record[0]), int('.'));
    QCOMPARE(bytesOf(record, 1, 29), field);
    QCOMPARE(int(record[30]), 2);
    QCOMPARE(int(record[31]), int('.'));
}

void TestRecordWireForms::zoneFromWire()
{
    auto p = std::make_unique<PanelConfig>();
    p->zoneAt(3)->state = 1;
    unsigned char record[32];
    std::memset(record, 'k', sizeof record);   // no NUL in the field
    record[30] = 2;
    QVERIFY(p->zoneFromWire(3, record));
    QCOMPARE(p->zoneNameAt(3), QString(29, QLatin1Char('k')));
    QCOMPARE(p->zoneAt(3)->state, 1);   // rebuilt from the elements, not read
    QCOMPARE(p->zoneAt(3)->number, 3);
}

void TestRecordWireForms::erasedRecordsDecodeToSavableValues()
{
    unsigned char erased[32];
    std::memset(erased, 0xFF, sizeof erased);
    auto p = std::make_unique<PanelConfig>();
    QVERIFY(p->deviceFromWire(0, 0, erased));
    QVERIFY(p->zoneFromWire(0, erased));
    const DeviceRecord *d = p->deviceAt(0, 0);
    QCOMPARE(int(d->type), 0);
    QVERIFY(d->description.isEmpty());
    QVERIFY(p->zoneNameAt(0).isEmpty());
    QVERIFY(p->isEmpty());
    p->rebuildZoneStates();   // zone 255 of the erased record is skipped
    QCOMPARE(int(p->zoneAt(0)->hasDevices), 0);

    // Texts with bytes that would give control characters still make a
    // document that reads back.
    unsigned char odd[32] = {};
    std::memcpy(odd + 1, "\x01" "A\xa4\x1f" "B\x0b", 6);
    QVERIFY(p->deviceFromWire(0, 1, odd));
    QByteArray xml;
    {
        QXmlStreamWriter writer(&xml);
        writer.writeStartDocument();
        writer.writeStartElement(QStringLiteral("Device"));
        writer.writeAttribute(QStringLiteral("erased"), d->description);
        writer.writeAttribute(QStringLiteral("odd"), p->deviceAt(0, 1)->description);
        writer.writeAttribute(QStringLiteral("zone"), p->zoneNameAt(0));
        writer.writeEndElement();
        writer.writeEndDocument();
        QVERIFY(!writer.hasError());
    }
    QXmlStreamReader reader(xml);
    while (!reader.atEnd())
        reader.readNext();
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(p->deviceAt(0, 1)->description, QStringLiteral("AB"));
}

void TestRecordWireForms::outOfRangeIndices()
{
    auto p = std::make_unique<PanelConfig>();
    unsigned char record[32] = {1};
    QVERIFY(!p->deviceFromWire(8, 0, record));
    QVERIFY(!p->deviceFromWire(0, 250, record));
    QVERIFY(!p->deviceFromWire(-1, 0, record));
    QVERIFY(!p->deviceToWire(0, 250, record));
    QVERIFY(!p->zoneFromWire(250, record));
    QVERIFY(!p->zoneToWire(-1, record));
    QVERIFY(!p->deviceFromWire(0, 0, nullptr));
    QVERIFY(p->isEmpty());
}

void TestRecordWireForms::specialModeWire()
{
    const unsigned char bytes[10] = {1, 5, 22, 30, 8, 15, 0, 99, 0x84, 0x5A};
    SpecialMode sm;
    sm.fromWire(bytes);
    QCOMPARE(int(sm.startDay), 1);
    QCOMPARE(int(sm.endDay), 5);
    QCOMPARE(int(sm.startHour), 22);
    QCOMPARE(int(sm.startMinute), 30);
    QCOMPARE(int(sm.endHour), 8);
    QCOMPARE(int(sm.endMinute), 15);
    QCOMPARE(int(sm.startZone), 0);
    QCOMPARE(int(sm.endZone), 99);
    QCOMPARE(int(sm.mode), 0x84);
    unsigned char out[10] = {};
    sm.toWire(out);
    QCOMPARE(std::memcmp(out, bytes, 10), 0);
}

void TestRecordWireForms::webServerWire()
{
    unsigned char bytes[80];
    for (int i = 0; i < 80; ++i)
        bytes[i] = static_cast<unsigned char>(i);
    std::memcpy(bytes + 16, "admin", 6);
    std::memcpy(bytes + 48, "secret", 7);
    WebServerSettings ws;
    ws.fromWire(bytes);
    QCOMPARE(int(ws.dhcp), 0);
    QCOMPARE(int(ws.auth), 1);
    QCOMPARE(int(ws.WSEnabled), 2);
    QCOMPARE(int(ws.bidi), 3);
    QCOMPARE(int(ws.ip[0]), 4);
    QCOMPARE(int(ws.gateway[0]), 8);
    QCOMPARE(int(ws.netmask[3]), 15);
    QCOMPARE(ws.userText(), QStringLiteral("admin"));
    QCOMPARE(ws.passText(), QStringLiteral("secret"));
    unsigned char out[80];
    ws.toWire(out);
    QCOMPARE(std::memcmp(out, bytes, 80), 0);
}

void TestRecordWireForms::webServerTextsStayInTheirFields()
{
    unsigned char bytes[80];
    std::memset(bytes, 'u', sizeof bytes);   // user and pass without NUL
    WebServerSettings ws;
    ws.fromWire(bytes);
    QCOMPARE(ws.userText(), QString(32, QLatin1Char('u')));
    QCOMPARE(ws.passText(), QString(32, QLatin1Char('u')));

    ws.setUser(QString(40, QLatin1Char('x')));
    QCOMPARE(ws.userText(), QString(31, QLatin1Char('x')));
    QCOMPARE(ws.user[31], '\0');
    QCOMPARE(ws.passText(), QString(32, QLatin1Char('u')));   // neighbour untouched
    ws.setPass(QStringLiteral("p"));
    QCOMPARE(ws.passText(), QStringLiteral("p"));
}

// Builds T over memory filled with 0xAA, so a field left uninitialised shows.
template <typename T>
static T *constructOverGarbage(unsigned char (&buffer)[512])
{
    static_assert(sizeof(T) <= sizeof(buffer), "buffer too small");
    std::memset(buffer, 0xAA, sizeof buffer);
    return new (buffer) T;
}

template <typename T>
static bool allBytesZero(const T *object)
{
    const auto *bytes = reinterpret_cast<const unsigned char *>(object);
    for (size_t i = 0; i < sizeof(T); ++i) {
        if (bytes[i] != 0)
            return false;
    }
    return true;
}

void TestRecordWireForms::recordsStartZeroed()
{
    alignas(std::max_align_t) unsigned char buffer[512];

    EventRecord *event = constructOverGarbage<EventRecord>(buffer);
    QVERIFY(allBytesZero(event));
    event->~EventRecord();

    SpecialMode *mode = constructOverGarbage<SpecialMode>(buffer);
    QVERIFY(allBytesZero(mode));
    mode->~SpecialMode();

    WebServerSettings *ws = constructOverGarbage<WebServerSettings>(buffer);
    QVERIFY(allBytesZero(ws));
    ws->~WebServerSettings();

    DeviceRecord *d = constructOverGarbage<DeviceRecord>(buffer);
    QCOMPARE(int(d->loop | d->address | d->type | d->ext_type | d->zone | d->mode | d->flags
                 | d->actionUse | d->eventUse), 0);
    QVERIFY(d->description.isEmpty());
    d->~DeviceRecord();

    ZoneRecord *z = constructOverGarbage<ZoneRecord>(buffer);
    QCOMPARE(z->number | z->actionUse | z->eventUse | z->hasDevices | z->state, 0);
    QVERIFY(z->description.isEmpty());
    z->~ZoneRecord();

    LogManeuver *m = constructOverGarbage<LogManeuver>(buffer);
    QVERIFY(allBytesZero(&m->record));
    QVERIFY(m->conditions.isEmpty());
    m->~LogManeuver();
}

QTEST_APPLESS_MAIN(TestRecordWireForms)
#include "tst_RecordWireForms.moc"
