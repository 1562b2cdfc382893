#include "Facility.h"
#include "FileSizeLimit.h"
#include "FileXML.h"
#include "PanelConfig.h"

#include <QtTest>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <cstring>
#include <unistd.h>

// Attribute names of one element, in file order.
struct ElementAttributes
{
    QString name;
    QStringList attributes;
};

class TestFileXML : public QObject
{
    Q_OBJECT

private slots:
    void emptySiteHasEmptyInstallation();
    void defaultPanelGolden();
    void webServerAttributes_data();
    void webServerAttributes();
    void causeAndEffectElements_data();
    void causeAndEffectElements();
    void logicEventChildren();
    void conditionPanelByte_data();
    void conditionPanelByte();
    void loopsAndZonesWritten();
    void forbiddenCharactersNeverWritten();
    void richSiteRoundTrip();
    void scopesWithoutOwnElementRoundTrip();
    void zoneRecordsAfterOpen();
    void elementZoneByteRoundTrip_data();
    void elementZoneByteRoundTrip();
    void oldFilesWithoutExtraAttributes();
    void unopenableFileGivesFalse();
    void failedSaveKeepsOldFile_data();
    void failedSaveKeepsOldFile();

private:
    QTemporaryDir dir;
};

static QString readAll(const QString &fileName)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromUtf8(f.readAll());
}

static bool writeFile(const QString &fileName, const QByteArray &bytes)
{
    QFile f(fileName);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

static QList<ElementAttributes> elements(const QString &fileName)
{
    QList<ElementAttributes> list;
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return list;
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        ElementAttributes e;
        e.name = xml.name().toString();
        for (const QXmlStreamAttribute &a : xml.attributes())
            e.attributes << a.qualifiedName().toString();
        list << e;
    }
    return list;
}

static QStringList elementNames(const QString &fileName)
{
    QStringList names;
    for (const ElementAttributes &e : elements(fileName))
        names << e.name;
    return names;
}

static QString attributeValue(const QString &fileName, const QString &element,
                              const QString &attribute, int nth = 0)
{
    QFile f(fileName);
    if (!f.open(QIODevice::ReadOnly))
        return QString();
    QXmlStreamReader xml(&f);
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == element
            && nth-- == 0)
            return xml.attributes().value(attribute).toString();
    }
    return QStringLiteral("<no such element>");
}

static PanelConfig *addPanel(Facility &site, const QString &name)
{
    auto *panel = new PanelConfig;
    panel->setName(name);
    site.addPanel(panel);
    return panel;
}

static EventRecord::Cause cause(int scope, int event, int first, int last)
{
    EventRecord::Cause c;
    c.id_blk = static_cast<unsigned char>(scope);
    c.event = static_cast<unsigned char>(event);
    c.first = static_cast<unsigned char>(first);
    c.last = static_cast<unsigned char>(last);
    return c;
}

static EventRecord::Effect effect(int scope, int panel, int delay, int act, int matches,
                                  int first, int last)
{
    EventRecord::Effect e;
    e.id_blk = static_cast<unsigned char>(scope);
    e.id_panel = static_cast<unsigned char>(panel);
    e.delay = static_cast<std::uint16_t>(delay);
    e.act = static_cast<unsigned char>(act);
    e.matches = static_cast<unsigned char>(matches);
    e.first = static_cast<unsigned char>(first);
    e.last = static_cast<unsigned char>(last);
    return e;
}

static void setDevice(PanelConfig &panel, int loop, int address, int type, int code, int zone,
                      int mode, int flags, const QString &description)
{
    DeviceRecord &d = *panel.deviceAt(loop, address);
    d.type = static_cast<unsigned char>(type);
    d.ext_type = static_cast<unsigned char>(code);
    d.zone = static_cast<unsigned char>(zone);
    d.mode = static_cast<unsigned char>(mode);
    d.flags = static_cast<unsigned char>(flags);
    d.description = description;
}

static void setMode(SpecialMode &m, int base)
{
    m.startDay = static_cast<unsigned char>(base % 7 + 1);
    m.endDay = static_cast<unsigned char>((base + 3) % 7 + 1);
    m.startHour = static_cast<unsigned char>(base % 24);
    m.startMinute = static_cast<unsigned char>(base + 10);
    m.endHour = static_cast<unsigned char>((base + 5) % 24);
    m.endMinute = static_cast<unsigned char>(base + 20);
    m.startZone = static_cast<unsigned char>(base + 1);
    m.endZone = static_cast<unsigned char>(base + 200);
    m.mode = static_cast<unsigned char>(0x80 | base);
}

// A site that uses every part of the file. With `asRead` it is built as the
// reader gives it back: the documented losses applied.
static void buildRichSite(Facility &site, bool asRead)
{
    const QString cyr = QString::fromUtf8("Этаж 2 — склад");

    PanelConfig *a = addPanel(site, QString::fromUtf8("Главная <панель> & \"A\""));
    a->version = QStringLiteral("1.20");
    a->phone = QStringLiteral("+7 495 123-45-67");
    a->installer = QString::fromUtf8("Иван Петров");
    a->ledFromDay = 2;
    a->ledToDay = 6;
    a->ledFromHour = 19;
    a->ledFromMinute = 30;
    a->ledToHour = 7;
    a->ledToMinute = 45;
    a->ledToggling = 2;
    a->address = 1;
    a->type = asRead ? 1 : 5;   // any non-zero node type comes back as 1
    a->panelFlags = 0x76;
    a->rs485mode = 1;
    a->modbusAddress = 17;
    a->modbusBaudrate = 4;
    a->rs485_2mode = 2;
    a->modbus2Address = -3;
    a->modbus2Baudrate = 1;
    setMode(a->dayNight, 1);
    setMode(a->sensibility, 2);
    setMode(a->optoheat, 3);
    setMode(a->delayed, 4);
    a->delay1 = 45;
    a->delay2 = 65535;
    WebServerSettings &wa = a->webServer;
    wa.WSEnabled = 1;
    wa.dhcp = 0;
    wa.auth = 1;
    wa.bidi = 0x0E;
    const unsigned char ip[4] = {192, 168, 1, 10}, gw[4] = {192, 168, 1, 1},
                        nm[4] = {255, 255, 255, 0};
    std::memcpy(wa.ip, ip, 4);
    std::memcpy(wa.gateway, gw, 4);
    std::memcpy(wa.netmask, nm, 4);
    std::memcpy(wa.user, "ad%min user", 11);
    std::memcpy(wa.pass, "0123456789abcdef0123456789ABCDEF", 32);   // all 32 bytes, no NUL

    setDevice(*a, 0, 0, 1, 1, 0, 1, 0, QStringLiteral("Optical 1"));
    setDevice(*a, 0, 249, 2, 2, 249, 0, 0x40, cyr);
    setDevice(*a, 3, 10, 6, 0x4D, 7, 2, 0x04, QStringLiteral("a&b<c>\"d\"'e'"));
    setDevice(*a, 7, 128, 12, 0xFF, 100, 1, 0xFF, QString());
    a->zoneAt(0)->description = QStringLiteral("Hall");
    a->zoneAt(7)->description = cyr;
    a->zoneAt(249)->description = QStringLiteral("Last zone  ");   // trailing blanks kept
    if (!asRead) {
        // Derived and unnamed data the file does not carry.
        a->zoneAt(7)->hasDevices = 1;
        a->zoneAt(7)->state = 2;
        a->zoneAt(7)->eventUse = 1;
        a->deviceAt(0, 0)->eventUse = 1;
        a->panelEventUse = 1;
        a->loopActionUse[3] = 1;
    }

    // Every cause scope with every effect scope.
    const EventRecord::Cause causes[] = {
        cause(1, 4, 0, 0), cause(2, 1, 0, 3), cause(4, 0, 2, 2), cause(5, 3, 1, 7),
    };
    const EventRecord::Effect effects[] = {
        effect(1, 0, 5, 10, 2, 0, 0), effect(2, 3, 0, 1, 1, 2, 5),
        effect(4, 0, 30, 2, 1, 4, 4), effect(5, 32, 65535, 5, 255, 1, 9),
    };
    int slot = 0;
    for (const EventRecord::Cause &c : causes) {
        for (const EventRecord::Effect &e : effects) {
            EventRecord r;
            r.cause = c;
            r.effect = e;
            if (!asRead) {
                r.cause.spare1 = 0x11;   // spare bytes are not carried
                r.effect.spare6[2] = 0x22;
            }
            a->setEvent(slot++, r);
        }
    }
    EventRecord causeOnly;   // an effect scope without element
    causeOnly.cause = cause(4, 5, 9, 12);
    causeOnly.effect.delay = asRead ? 0 : 99;
    causeOnly.effect.act = asRead ? 0 : 3;
    a->setEvent(slot++, causeOnly);

    auto twelve = std::make_unique<LogManeuver>();
    for (int i = 0; i < 12; ++i) {
        twelve->conditions.append(cause(i % 2 ? 4 : 5, i, i, i + 1));
        twelve->conditions.last().spare1 = static_cast<unsigned char>(i % 3);   // the panel byte travels
    }
    twelve->record.effect = effect(4, 2, 7, 1, 3, 11, 11);
    if (!asRead)
        twelve->record.cause = cause(1, 1, 1, 1);   // not part of the logic event
    a->addLogicEvent(twelve);
    auto bare = std::make_unique<LogManeuver>();
    bare->record.effect = effect(1, 0, 0, 6, 1, 0, 0);
    a->addLogicEvent(bare);

    // Web server by DHCP without login: address and login fields are lost.
    PanelConfig *b = addPanel(site, QStringLiteral("B"));
    b->address = 2;
    b->webServer.WSEnabled = 1;
    b->webServer.dhcp = 1;
    b->webServer.bidi = 0;
    if (!asRead) {
        std::memcpy(b->webServer.ip, ip, 4);
        std::memcpy(b->webServer.user, "lost", 4);
    }
    setDevice(*b, 1, 5, 4, 4, 3, 1, 0, QStringLiteral("MCP"));

    // Disabled web server: only "WSEnabled" travels.
    PanelConfig *c = addPanel(site, QString());
    if (!asRead) {
        c->webServer.dhcp = 1;
        c->webServer.auth = 1;
        c->webServer.bidi = 0x0F;
        std::memcpy(c->webServer.pass, "secret", 6);
    }

    // Fixed address, no login, BIDI off only.
    PanelConfig *d = addPanel(site, QStringLiteral("D"));
    d->webServer.WSEnabled = 1;
    d->webServer.bidi = 0x01;
    const unsigned char ip2[4] = {10, 0, 0, 254};
    std::memcpy(d->webServer.ip, ip2, 4);
    if (!asRead)
        std::memcpy(d->webServer.pass, "gone", 4);   // no login: not carried

    // A read site derives its zones' hasDevices and state from its elements.
    if (asRead) {
        for (int i = 0; i < site.panelCount(); ++i)
            site.getPanel(i)->rebuildZoneStates();
    }
}

static void comparePanels(const PanelConfig &e, const PanelConfig &a)
{
    QCOMPARE(a.name(), e.name());
    QCOMPARE(a.version, e.version);
    QCOMPARE(a.phone, e.phone);
    QCOMPARE(a.installer, e.installer);
    QCOMPARE(a.panelFlags, e.panelFlags);
    const unsigned char ledE[] = {e.ledFromDay, e.ledToDay, e.ledFromHour, e.ledFromMinute,
                                  e.ledToHour, e.ledToMinute, e.ledToggling};
    const unsigned char ledA[] = {a.ledFromDay, a.ledToDay, a.ledFromHour, a.ledFromMinute,
                                  a.ledToHour, a.ledToMinute, a.ledToggling};
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(ledA), 7),
             QByteArray(reinterpret_cast<const char *>(ledE), 7));
    QCOMPARE(a.address, e.address);
    QCOMPARE(a.type, e.type);
    QCOMPARE(a.rs485mode, e.rs485mode);
    QCOMPARE(a.rs485_2mode, e.rs485_2mode);
    QCOMPARE(a.modbusBaudrate, e.modbusBaudrate);
    QCOMPARE(a.modbusAddress, e.modbusAddress);
    QCOMPARE(a.modbus2Baudrate, e.modbus2Baudrate);
    QCOMPARE(a.modbus2Address, e.modbus2Address);
    QCOMPARE(a.delay1, e.delay1);
    QCOMPARE(a.delay2, e.delay2);
    const SpecialMode *modesE[] = {&e.sensibility, &e.optoheat, &e.dayNight, &e.delayed};
    const SpecialMode *modesA[] = {&a.sensibility, &a.optoheat, &a.dayNight, &a.delayed};
    for (int i = 0; i < 4; ++i) {
        unsigned char we[SpecialMode::WireSize], wa[SpecialMode::WireSize];
        modesE[i]->toWire(we);
        modesA[i]->toWire(wa);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(wa), SpecialMode::WireSize),
                 QByteArray(reinterpret_cast<char *>(we), SpecialMode::WireSize));
    }
    unsigned char wsE[WebServerSettings::WireSize], wsA[WebServerSettings::WireSize];
    e.webServer.toWire(wsE);
    a.webServer.toWire(wsA);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(wsA), WebServerSettings::WireSize).toHex(),
             QByteArray(reinterpret_cast<char *>(wsE), WebServerSettings::WireSize).toHex());

    QCOMPARE(a.panelEventUse, e.panelEventUse);
    QCOMPARE(a.panelActionUse, e.panelActionUse);
    for (int l = 0; l < PanelConfig::LoopCount; ++l) {
        QCOMPARE(a.loopEventUse[l], e.loopEventUse[l]);
        QCOMPARE(a.loopActionUse[l], e.loopActionUse[l]);
        for (int ad = 0; ad < PanelConfig::AddressCount; ++ad) {
            const DeviceRecord &de = *e.deviceAt(l, ad);
            const DeviceRecord &da = *a.deviceAt(l, ad);
            QCOMPARE(da.type, de.type);
            if (de.type == 0)
                continue;   // a free address carries nothing
            QCOMPARE(da.loop, de.loop);
            QCOMPARE(da.address, de.address);
            QCOMPARE(da.ext_type, de.ext_type);
            QCOMPARE(da.zone, de.zone);
            QCOMPARE(da.mode, de.mode);
            QCOMPARE(da.flags, de.flags);
            QCOMPARE(da.description, de.description);
            QCOMPARE(da.actionUse, de.actionUse);
            QCOMPARE(da.eventUse, de.eventUse);
        }
    }
    for (int z = 0; z < PanelConfig::ZoneCount; ++z) {
        const ZoneRecord &ze = *e.zoneAt(z);
        const ZoneRecord &za = *a.zoneAt(z);
        QCOMPARE(za.description, ze.description);
        QCOMPARE(za.number, ze.number);
        QCOMPARE(za.actionUse, ze.actionUse);
        QCOMPARE(za.eventUse, ze.eventUse);
        QCOMPARE(za.hasDevices, ze.hasDevices);
        QCOMPARE(za.state, ze.state);
    }
    QCOMPARE(a.eventCount(), e.eventCount());
    for (int s = 0; s < PanelConfig::EventSlotCount; ++s) {
        unsigned char ce[8], ee[16], ca[8], ea[16];
        std::memset(ee, 0, 16);
        std::memset(ea, 0, 16);
        e.eventToWire(s, ce, ee);
        a.eventToWire(s, ca, ea);
        QCOMPARE(ca[0], ce[0]);
        if (ce[0] == 0)
            break;
        QCOMPARE(QByteArray(reinterpret_cast<char *>(ca), 8).toHex(),
                 QByteArray(reinterpret_cast<char *>(ce), 8).toHex());
        QCOMPARE(QByteArray(reinterpret_cast<char *>(ea), 16).toHex(),
                 QByteArray(reinterpret_cast<char *>(ee), 16).toHex());
    }
    QCOMPARE(a.logicEventCount(), e.logicEventCount());
    for (int i = 0; i < e.logicEventCount(); ++i) {
        const LogManeuver &le = *e.logicEventAt(i);
        const LogManeuver &la = *a.logicEventAt(i);
        QCOMPARE(la.conditions.size(), le.conditions.size());
        for (int k = 0; k < le.conditions.size(); ++k) {
            unsigned char we[8], wa[8];
            le.conditions.at(k).toWire(we);
            la.conditions.at(k).toWire(wa);
            QCOMPARE(QByteArray(reinterpret_cast<char *>(wa), 8).toHex(),
                     QByteArray(reinterpret_cast<char *>(we), 8).toHex());
        }
        unsigned char ce[8], ca[8], ee[16], ea[16];
        le.record.cause.toWire(ce);
        la.record.cause.toWire(ca);
        le.record.effect.toWire(ee);
        la.record.effect.toWire(ea);
        QCOMPARE(QByteArray(reinterpret_cast<char *>(ca), 8).toHex(),
                 QByteArray(reinterpret_cast<char *>(ce), 8).toHex());
        QCOMPARE(QByteArray(reinterpret_cast<char *>(ea), 16).toHex(),
                 QByteArray(reinterpret_cast<char *>(ee), 16).toHex());
    }
}

void TestFileXML::emptySiteHasEmptyInstallation()
{
    Facility site;
    const QString fileName = dir.filePath(QStringLiteral("empty.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));
    QCOMPARE(elementNames(fileName), (QStringList{"CONFIG", "Installation"}));
    QVERIFY(readAll(fileName).contains(QLatin1String("<Installation/>")));
}

void TestFileXML::defaultPanelGolden()
{
    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("Main"));
    panel->version = QStringLiteral("-.--");
    const QString fileName = dir.filePath(QStringLiteral("default.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));

    const QString date = QLocale::system().toString(QDate::currentDate(),
                                                    QStringLiteral("ddd MMM d yyyy"));
    const QString modeTail = QStringLiteral(
            R"( endDay="5" endHour="8" endMinute="0" startDay="1" startHour="22" startMinute="0" startZone="0" endZone="99")");
    const QString expected = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<CONFIG Version="v2.32" Date="%1">
    <Installation>
        <Panel name="Main" version="-.--" phone="" installer="" ledFromDay="1" ledToDay="7" ledFromHour="22" ledFromMinute="0" ledToHour="8" ledToMinute="0" ledToggling="0">
            <network type="0" address="0" rs485mode="0" modbusAddress="0" modbusBaudrate="3" rs485_2mode="0" modbus2Address="0" modbus2Baudrate="0">
                <WebServer WSEnabled="0"/>
            </network>
            <SpecialModes panelFlags="6">
                <dayNight mode="2"%2/>
                <sensibility mode="4"%2/>
                <optoheat mode="3"%2/>
                <delayed mode="0"%2 delay1="60" delay2="300"/>
            </SpecialModes>
            <zones/>
            <maneuvers/>
            <logManeuvers/>
        </Panel>
    </Installation>
</CONFIG>
)").arg(date, modeTail);
    QCOMPARE(readAll(fileName), expected);
}

void TestFileXML::webServerAttributes_data()
{
    QTest::addColumn<int>("enabled");
    QTest::addColumn<int>("dhcp");
    QTest::addColumn<int>("auth");
    QTest::addColumn<int>("options");
    QTest::addColumn<QStringList>("attributes");
    QTest::addColumn<QString>("bidi");

    const QStringList dhcpOnly{"WSEnabled", "dhcp", "auth", "bidi", "options"};
    QTest::newRow("disabled") << 0 << 1 << 1 << 0x0F << QStringList{"WSEnabled"} << "";
    QTest::newRow("dhcp, no login") << 1 << 1 << 0 << 0 << dhcpOnly << "1";
    QTest::newRow("fixed address") << 1 << 0 << 0 << 0 << QStringList{
            "WSEnabled", "dhcp", "auth", "ip", "gateway", "netmask", "bidi", "options"} << "1";
    QTest::newRow("fixed address, login") << 1 << 0 << 1 << 0 << QStringList{
            "WSEnabled", "dhcp", "auth", "ip", "gateway", "netmask", "user", "pass", "bidi",
            "options"} << "1";
    QTest::newRow("dhcp, login") << 1 << 1 << 1 << 0 << QStringList{
            "WSEnabled", "dhcp", "auth", "user", "pass", "bidi", "options"} << "1";
    QTest::newRow("only local events") << 1 << 1 << 0 << 0x02 << dhcpOnly << "0";
    QTest::newRow("bidi off") << 1 << 1 << 0 << 0x01 << dhcpOnly << "0";
}

void TestFileXML::webServerAttributes()
{
    QFETCH(int, enabled);
    QFETCH(int, dhcp);
    QFETCH(int, auth);
    QFETCH(int, options);
    QFETCH(QStringList, attributes);
    QFETCH(QString, bidi);

    Facility site;
    WebServerSettings &ws = addPanel(site, QStringLiteral("P"))->webServer;
    ws.WSEnabled = static_cast<unsigned char>(enabled);
    ws.dhcp = static_cast<unsigned char>(dhcp);
    ws.auth = static_cast<unsigned char>(auth);
    ws.bidi = static_cast<unsigned char>(options);
    const unsigned char ip[4] = {192, 168, 1, 10};
    std::memcpy(ws.ip, ip, 4);
    const QString fileName = dir.filePath(QStringLiteral("ws.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));

    for (const ElementAttributes &e : elements(fileName)) {
        if (e.name == QLatin1String("WebServer"))
            QCOMPARE(e.attributes, attributes);
    }
    QCOMPARE(attributeValue(fileName, "WebServer", "bidi"), bidi);
    if (attributes.contains(QLatin1String("ip")))
        QCOMPARE(attributeValue(fileName, "WebServer", "ip"), QStringLiteral("192.168.1.10"));
}

void TestFileXML::causeAndEffectElements_data()
{
    QTest::addColumn<int>("causeScope");
    QTest::addColumn<int>("effectScope");
    QTest::addColumn<QStringList>("children");   // "name:attr,attr"

    const QString panelAction = "PanelAction:id_blk,id_panel,delay,matches,act";
    QTest::newRow("panel -> panel") << 1 << 1 << QStringList{"PanelEvent:id_blk,event",
                                                             panelAction};
    QTest::newRow("loop -> loop") << 2 << 2 << QStringList{
            "LoopEvent:id_blk,event,i_loop,f_loop",
            "LoopAction:id_blk,id_panel,delay,act,matches,i_loop,f_loop"};
    QTest::newRow("zone -> zone") << 4 << 4 << QStringList{
            "ZoneEvent:id_blk,event,i_zona,f_zona",
            "ZoneAction:id_blk,id_panel,delay,act,matches,i_zona,f_zona"};
    QTest::newRow("element -> element") << 5 << 5 << QStringList{
            "DeviceEvent:id_blk,event,loop,address",
            "DeviceAction:id_blk,id_panel,delay,act,matches,loop,address"};
    // A scope without an element of its own travels in the loop scope's element.
    const QString loopEvent = "LoopEvent:id_blk,event,i_loop,f_loop";
    const QString loopAction = "LoopAction:id_blk,id_panel,delay,act,matches,i_loop,f_loop";
    QTest::newRow("effect of scope 3") << 1 << 3 << QStringList{"PanelEvent:id_blk,event",
                                                                loopAction};
    QTest::newRow("cause of scope 3") << 3 << 1 << QStringList{loopEvent, panelAction};
    QTest::newRow("no effect") << 1 << 0 << QStringList{"PanelEvent:id_blk,event"};
}

void TestFileXML::causeAndEffectElements()
{
    QFETCH(int, causeScope);
    QFETCH(int, effectScope);
    QFETCH(QStringList, children);

    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("P"));
    EventRecord r;
    r.cause = cause(causeScope, 1, 2, 3);
    r.effect = effect(effectScope, 0, 300, 4, 5, 6, 7);
    panel->setEvent(0, r);
    const QString fileName = dir.filePath(QStringLiteral("events.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));

    const QList<ElementAttributes> all = elements(fileName);
    QStringList found;
    bool inside = false;
    for (const ElementAttributes &e : all) {
        if (e.name == QLatin1String("maneuver")) {
            inside = true;
            continue;
        }
        if (e.name == QLatin1String("logManeuvers"))
            break;
        if (inside)
            found << e.name + QLatin1Char(':') + e.attributes.join(QLatin1Char(','));
    }
    QCOMPARE(found, children);
}

void TestFileXML::logicEventChildren()
{
    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("P"));
    auto three = std::make_unique<LogManeuver>();
    for (int z = 0; z < 3; ++z)
        three->conditions.append(cause(4, 0, z, z));
    three->record.effect = effect(1, 0, 0, 2, 1, 0, 0);
    QCOMPARE(panel->addLogicEvent(three), 0);
    auto none = std::make_unique<LogManeuver>();
    none->record.effect = effect(4, 0, 0, 1, 1, 9, 9);
    QCOMPARE(panel->addLogicEvent(none), 0);
    const QString fileName = dir.filePath(QStringLiteral("logic.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));

    QStringList names = elementNames(fileName);
    names = names.mid(names.indexOf(QLatin1String("logManeuvers")));
    QCOMPARE(names, (QStringList{"logManeuvers", "logManeuver", "ZoneEvent", "ZoneEvent",
                                 "ZoneEvent", "PanelAction", "logManeuver", "ZoneAction"}));
}

void TestFileXML::conditionPanelByte_data()
{
    QTest::addColumn<int>("scope");
    QTest::addColumn<int>("panelByte");
    QTest::addColumn<QString>("element");   // "name:attr,attr"

    QTest::newRow("zone, panel 0") << 4 << 0 << "ZoneEvent:id_blk,event,i_zona,f_zona";
    QTest::newRow("zone, panel 1") << 4 << 1 << "ZoneEvent:id_blk,event,i_zona,f_zona,panel";
    QTest::newRow("panel, panel 2") << 1 << 2 << "PanelEvent:id_blk,event,panel";
    QTest::newRow("loop, panel 7") << 2 << 7 << "LoopEvent:id_blk,event,i_loop,f_loop,panel";
    QTest::newRow("element, panel 0") << 5 << 0 << "DeviceEvent:id_blk,event,loop,address";
    QTest::newRow("element, panel 255") << 5 << 255 << "DeviceEvent:id_blk,event,loop,address,panel";
    QTest::newRow("scope 3, panel 4") << 3 << 4 << "LoopEvent:id_blk,event,i_loop,f_loop,panel";
}

// The second byte of a condition goes to the panel: it is written as "panel"
// where it is not 0 and comes back byte for byte.
void TestFileXML::conditionPanelByte()
{
    QFETCH(int, scope);
    QFETCH(int, panelByte);
    QFETCH(QString, element);

    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("P"));
    auto logic = std::make_unique<LogManeuver>();
    const bool ranged = scope != EventRecord::ScopePanel;   // a panel condition has no range
    logic->conditions.append(cause(scope, 1, ranged ? 2 : 0, ranged ? 3 : 0));
    logic->conditions.last().spare1 = static_cast<unsigned char>(panelByte);
    logic->record.effect = effect(5, 0, 0, 0, 1, 1, 9);
    QCOMPARE(panel->addLogicEvent(logic), 0);
    const QString fileName = dir.filePath(QStringLiteral("condition.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));

    QStringList found;
    bool inside = false;
    for (const ElementAttributes &e : elements(fileName)) {
        if (e.name == QLatin1String("logManeuver"))
            inside = true;
        else if (inside)
            found << e.name + QLatin1Char(':') + e.attributes.join(QLatin1Char(','));
    }
    QCOMPARE(found.value(0), element);
    if (panelByte != 0)
        QCOMPARE(attributeValue(fileName, element.section(QLatin1Char(':'), 0, 0), QStringLiteral("panel")),
                 QString::number(panelByte));

    Facility back;
    QVERIFY(FileXML(nullptr).readXml(fileName, &back));
    QCOMPARE(back.getPanel(0)->logicEventCount(), 1);
    const LogManeuver &read = *back.getPanel(0)->logicEventAt(0);
    QCOMPARE(read.conditions.size(), 1);
    unsigned char written[8], got[8];
    panel->logicEventAt(0)->conditions.at(0).toWire(written);
    read.conditions.at(0).toWire(got);
    QCOMPARE(QByteArray(reinterpret_cast<char *>(got), 8).toHex(),
             QByteArray(reinterpret_cast<char *>(written), 8).toHex());
}

void TestFileXML::loopsAndZonesWritten()
{
    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("P"));
    setDevice(*panel, 2, 0, 1, 1, 4, 1, 0, QStringLiteral("Optical 1"));
    panel->zoneAt(9)->description = QStringLiteral("Named, no element");
    panel->zoneAt(4)->description = QStringLiteral("cleared");
    panel->zoneAt(4)->description.clear();
    const QString fileName = dir.filePath(QStringLiteral("loops.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));

    QCOMPARE(elementNames(fileName).count(QLatin1String("loop")), 1);
    QCOMPARE(attributeValue(fileName, "loop", "number"), QStringLiteral("2"));
    QCOMPARE(attributeValue(fileName, "Device", "address"), QStringLiteral("0"));
    QCOMPARE(attributeValue(fileName, "Device", "zone"), QStringLiteral("4"));
    for (const ElementAttributes &e : elements(fileName)) {
        if (e.name == QLatin1String("Device"))
            QCOMPARE(e.attributes, (QStringList{"address", "type", "ext_type", "zone",
                                                "description", "mode", "flags"}));
    }
    QCOMPARE(elementNames(fileName).count(QLatin1String("Zone")), 1);
    QCOMPARE(attributeValue(fileName, "Zone", "number"), QStringLiteral("9"));
}

void TestFileXML::forbiddenCharactersNeverWritten()
{
    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("P\x01\x1F"));
    panel->phone = QStringLiteral("12") + QChar(0xFFFF) + QChar(0xD800) + QStringLiteral("34");
    panel->installer = QString::fromUtf8("tab\there\nline\r\xF0\x9F\x94\xA5");
    setDevice(*panel, 0, 0, 1, 1, 0, 1, 0, QStringLiteral("a\x08z"));
    panel->webServer.WSEnabled = 1;
    panel->webServer.dhcp = 1;
    panel->webServer.auth = 1;
    std::memcpy(panel->webServer.user, "u\x02v", 3);
    const QString fileName = dir.filePath(QStringLiteral("controls.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));

    Facility back;
    QVERIFY(FileXML(nullptr).readXml(fileName, &back));
    QCOMPARE(back.panelCount(), 1);
    PanelConfig *p = back.getPanel(0);
    QCOMPARE(p->name(), QStringLiteral("P"));
    QCOMPARE(p->phone, QStringLiteral("1234"));
    QCOMPARE(p->installer, QString::fromUtf8("tab\there\nline\r\xF0\x9F\x94\xA5"));
    QCOMPARE(p->deviceAt(0, 0)->description, QStringLiteral("az"));
    QCOMPARE(QByteArray(p->webServer.user), QByteArray("uv"));
}

void TestFileXML::richSiteRoundTrip()
{
    Facility site;
    buildRichSite(site, false);
    const QString fileName = dir.filePath(QStringLiteral("rich.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));
    QVERIFY(readAll(fileName).contains(QString::fromUtf8("Этаж 2")));   // UTF-8 text

    Facility back;
    QVERIFY(FileXML(nullptr).readXml(fileName, &back));
    Facility expected;
    buildRichSite(expected, true);
    QCOMPARE(back.panelCount(), expected.panelCount());
    for (int i = 0; i < expected.panelCount(); ++i) {
        comparePanels(*expected.getPanel(i), *back.getPanel(i));
        if (QTest::currentTestFailed())
            QFAIL(qPrintable(QStringLiteral("panel %1 differs").arg(i)));
    }

    // A second save of what was read gives the same file.
    const QString again = dir.filePath(QStringLiteral("rich2.xml"));
    QVERIFY(FileXML(&back).writeXml(again));
    QCOMPARE(readAll(again), readAll(fileName));
}

// A panel or a configuration image may hold any scope byte. A slot, condition
// or effect whose scope has no element of its own still comes back whole, in
// its place: the slots after it do not move and the logic event keeps it.
void TestFileXML::scopesWithoutOwnElementRoundTrip()
{
    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("P"));
    const int causeScopes[] = {4, 3, 6, 5, 255, 1};
    const int effectScopes[] = {4, 6, 3, 255, 5, 1};
    int slot = 0;
    for (int i = 0; i < 6; ++i) {
        EventRecord r;
        r.cause = cause(causeScopes[i], 10 + i, i, i + 1);
        r.effect = effect(effectScopes[i], i, 100 + i, 20 + i, 30 + i, 40 + i, 41 + i);
        if (causeScopes[i] == 1)
            r.cause.first = r.cause.last = 0;   // the panel scope carries no range
        if (effectScopes[i] == 1)
            r.effect.first = r.effect.last = 0;
        panel->setEvent(slot++, r);
    }
    auto logic = std::make_unique<LogManeuver>();
    logic->conditions.append(cause(3, 1, 2, 3));
    logic->conditions.append(cause(4, 0, 7, 7));
    logic->conditions.append(cause(200, 9, 8, 6));
    logic->record.effect = effect(7, 2, 60, 4, 1, 5, 6);
    QCOMPARE(panel->addLogicEvent(logic), 0);

    const QString fileName = dir.filePath(QStringLiteral("scopes.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));
    Facility back;
    QVERIFY(FileXML(nullptr).readXml(fileName, &back));
    QCOMPARE(back.panelCount(), 1);
    comparePanels(*panel, *back.getPanel(0));
    QCOMPARE(back.getPanel(0)->eventCount(), 6);
}

// A zone's state byte is derived from the modes of its elements and goes to
// the panel with the zone record: a site opened from its file uploads the same
// zone records as the site that was saved.
void TestFileXML::zoneRecordsAfterOpen()
{
    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("P"));
    setDevice(*panel, 0, 0, 1, 1, 3, 0, 0, QStringLiteral("off"));       // zone 3 disabled
    setDevice(*panel, 0, 1, 1, 1, 5, 2, 0, QStringLiteral("test"));      // zone 5 in test
    setDevice(*panel, 2, 7, 4, 4, 5, 1, 0, QStringLiteral("on"));
    setDevice(*panel, 7, 249, 2, 2, 249, 0, 0, QStringLiteral("last"));  // zone 249 disabled
    setDevice(*panel, 1, 0, 1, 1, 8, 1, 0, QStringLiteral("enabled"));   // zone 8 enabled
    panel->zoneAt(3)->description = QStringLiteral("Hall");
    panel->rebuildZoneStates();
    const QString fileName = dir.filePath(QStringLiteral("zonestates.xml"));
    QVERIFY(FileXML(&site).writeXml(fileName));

    Facility back;
    QVERIFY(FileXML(nullptr).readXml(fileName, &back));
    QCOMPARE(back.panelCount(), 1);
    for (int z = 0; z < PanelConfig::ZoneCount; ++z) {
        unsigned char saved[PanelConfig::ZoneWireSize] = {};
        unsigned char opened[PanelConfig::ZoneWireSize] = {};
        QVERIFY(panel->zoneToWire(z, saved));
        QVERIFY(back.getPanel(0)->zoneToWire(z, opened));
        QVERIFY2(std::memcmp(saved, opened, sizeof saved) == 0, qPrintable(QString::number(z)));
        QCOMPARE(back.getPanel(0)->zoneAt(z)->hasDevices, panel->zoneAt(z)->hasDevices);
    }
}

void TestFileXML::elementZoneByteRoundTrip_data()
{
    QTest::addColumn<int>("zone");
    QTest::newRow("zone 0") << 0;
    QTest::newRow("zone 249") << 249;
    QTest::newRow("zone 250") << 250;
    QTest::newRow("zone 255") << 255;
}

// An element as a download gives it, its zone byte whatever the panel holds,
// comes back from a save and open with the same wire form.
void TestFileXML::elementZoneByteRoundTrip()
{
    QFETCH(int, zone);
    unsigned char record[PanelConfig::DeviceWireSize] = {};
    record[0] = 1;
    std::memcpy(record + 1, "Hall", 4);
    record[25] = static_cast<unsigned char>(zone);
    record[27] = 1;
    record[29] = 0x01;
    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("P"));
    QVERIFY(panel->deviceFromWire(3, 17, record));
    const QString fileName = dir.filePath(QStringLiteral("zone%1.xml").arg(zone));
    QVERIFY(FileXML(&site).writeXml(fileName));

    Facility back;
    QVERIFY(FileXML(nullptr).readXml(fileName, &back));
    QCOMPARE(back.panelCount(), 1);
    unsigned char saved[PanelConfig::DeviceWireSize] = {};
    unsigned char opened[PanelConfig::DeviceWireSize] = {};
    QVERIFY(panel->deviceToWire(3, 17, saved));
    QVERIFY(back.getPanel(0)->deviceToWire(3, 17, opened));
    QCOMPARE(QByteArray(reinterpret_cast<const char *>(opened), sizeof opened),
             QByteArray(reinterpret_cast<const char *>(saved), sizeof saved));
    QCOMPARE(int(opened[25]), zone);
}

void TestFileXML::oldFilesWithoutExtraAttributes()
{
    // A file of the original form: no LED bytes, no "options" and no panel
    // byte on the conditions, also not on those of the second panel.
    const QByteArray old = R"(<?xml version="1.0" encoding="UTF-8"?>
<CONFIG Version="v2.31" Date="Mon Jan 5 2026">
    <Installation>
        <Panel name="Old" version="1.10" phone="" installer="">
            <network type="0" address="4">
                <WebServer WSEnabled="1" dhcp="1" auth="0" bidi="0"/>
            </network>
        </Panel>
        <Panel name="Second" version="1.10" phone="" installer="">
            <logManeuvers>
                <logManeuver>
                    <ZoneEvent id_blk="4" event="0" i_zona="1" f_zona="1"/>
                    <DeviceEvent id_blk="5" event="0" loop="0" address="1"/>
                    <DeviceAction id_blk="5" id_panel="0" delay="0" act="0" matches="2" loop="0" address="1"/>
                </logManeuver>
            </logManeuvers>
        </Panel>
    </Installation>
</CONFIG>
)";
    const QString fileName = dir.filePath(QStringLiteral("old.xml"));
    QVERIFY(writeFile(fileName, old));
    Facility back;
    QVERIFY(FileXML(nullptr).readXml(fileName, &back));
    QCOMPARE(back.panelCount(), 2);
    const PanelConfig *p = back.getPanel(0);
    PanelConfig fresh;
    QCOMPARE(p->ledFromDay, fresh.ledFromDay);
    QCOMPARE(p->ledToDay, fresh.ledToDay);
    QCOMPARE(p->ledFromHour, fresh.ledFromHour);
    QCOMPARE(p->ledToHour, fresh.ledToHour);
    QCOMPARE(p->ledToggling, fresh.ledToggling);
    QCOMPARE(p->webServer.bidi, (unsigned char)1);   // "bidi" 0 alone gives 1
    QCOMPARE(p->address, 4);
    QCOMPARE(back.getPanel(1)->logicEventCount(), 1);
    QStringList conditions;
    for (const LogicEventTerm &t : back.getPanel(1)->logicEventAt(0)->conditions) {
        unsigned char w[8];
        t.toWire(w);
        conditions << QString::fromLatin1(QByteArray(reinterpret_cast<char *>(w), 8).toHex());
    }
    QCOMPARE(conditions, (QStringList{"0400000001010000", "0500000000010000"}));
}

void TestFileXML::unopenableFileGivesFalse()
{
    Facility site;
    addPanel(site, QStringLiteral("P"));
    QVERIFY(!FileXML(&site).writeXml(dir.filePath(QStringLiteral("no/such/folder/x.xml"))));
    Facility back;
    QVERIFY(!FileXML(nullptr).readXml(dir.filePath(QStringLiteral("missing.xml")), &back));
    QCOMPARE(back.panelCount(), 0);
}

void TestFileXML::failedSaveKeepsOldFile_data()
{
    QTest::addColumn<bool>("diskFull");
    QTest::newRow("unwritable folder") << false;
    QTest::newRow("disk full") << true;
}

void TestFileXML::failedSaveKeepsOldFile()
{
    QFETCH(bool, diskFull);

    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("site.xml"));
    const QByteArray oldContents = "<CONFIG><Installation/></CONFIG>\n";
    QVERIFY(writeFile(fileName, oldContents));

    Facility site;
    buildRichSite(site, false);
    bool written = true;
    if (diskFull) {
        // Files may not grow beyond 2 KiB while the site is saved.
        FileSizeLimit limit(2048);
        QVERIFY(limit.isActive());
        written = FileXML(&site).writeXml(fileName);
    } else {
        if (geteuid() == 0)
            QSKIP("folder permissions do not bind the superuser");
        QVERIFY(QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner));
        written = FileXML(&site).writeXml(fileName);
        QFile::setPermissions(folder.path(),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    QVERIFY(!written);
    QFile f(fileName);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(f.readAll(), oldContents);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"site.xml"});
}

QTEST_GUILESS_MAIN(TestFileXML)
#include "tst_FileXML.moc"
