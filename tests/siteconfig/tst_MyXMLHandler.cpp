#include "Facility.h"
#include "FileXML.h"
#include "PanelConfig.h"

#include <QtTest>
#include <QTemporaryDir>

#include <cstring>

// Reads site files made up for each case and checks the records through
// "key=value" probes of the resulting facility:
//   result, panels
//   p<i>.name / version / installer / phone / type / address / panelFlags
//   p<i>.bidi / ip / gateway / netmask / user / pass (the 32 bytes in hex, trailing zeros cut)
//   p<i>.dev(l,a)   "type zone ext_type mode flags description" or "-" for no element
//   p<i>.zone(n)    the zone's description
//   p<i>.events     used slots;  p<i>.ev(s)  cause hex/effect hex, "-" for a free slot
//   p<i>.logic      logic events;  p<i>.cond(j)  conditions of logic event j, as cause hex list
//   p<i>.leffect(j) effect hex of logic event j
class TestMyXMLHandler : public QObject
{
    Q_OBJECT

private slots:
    void read_data();
    void read();
    void readIntoANonEmptySite();
    void panelBoundCountsOneFile();
    void manyManeuversAndLogicEvents();
    void truncatedFileKeepsWhatWasRead();

private:
    QTemporaryDir dir;
};

static QByteArray site(const QByteArray &panels)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<CONFIG Version=\"v2.32\">"
           "<Installation>" + panels + "</Installation></CONFIG>\n";
}

static QByteArray panel(const QByteArray &body, const QByteArray &attributes = "name=\"P\"")
{
    return "<Panel " + attributes + ">" + body + "</Panel>";
}

static QByteArray repeated(const QByteArray &text, int times)
{
    QByteArray all;
    for (int i = 0; i < times; ++i)
        all += text;
    return all;
}

static QString hex(const unsigned char *bytes, int n)
{
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(bytes), n).toHex());
}

static QString fieldHex(const char *field)
{
    QByteArray b(field, WebServerSettings::TextSize);
    while (!b.isEmpty() && b.endsWith('\0'))
        b.chop(1);
    return QString::fromLatin1(b.toHex());
}

static QString ip(const unsigned char *b)
{
    return FileXML::ipToString(b);
}

static QString probe(const Facility &f, const QString &key)
{
    if (key == QLatin1String("panels"))
        return QString::number(f.panelCount());
    static const QRegularExpression re(QStringLiteral(R"(^p(\d+)\.(\w+)(?:\((\d+)(?:,(\d+))?\))?$)"));
    const QRegularExpressionMatch m = re.match(key);
    if (!m.hasMatch())
        return QStringLiteral("bad key");
    const int index = m.captured(1).toInt();
    if (index >= f.panelCount())
        return QStringLiteral("no panel");
    const PanelConfig &p = *f.getPanel(index);
    const QString what = m.captured(2);
    const int x = m.captured(3).toInt();
    const int y = m.captured(4).toInt();
    const WebServerSettings &ws = p.webServer;
    if (what == QLatin1String("name")) return p.name();
    if (what == QLatin1String("version")) return p.version;
    if (what == QLatin1String("installer")) return p.installer;
    if (what == QLatin1String("phone")) return p.phone;
    if (what == QLatin1String("type")) return QString::number(p.type);
    if (what == QLatin1String("address")) return QString::number(p.address);
    if (what == QLatin1String("panelFlags")) return QString::number(p.panelFlags);
    if (what == QLatin1String("bidi")) return QString::number(ws.bidi);
    if (what == QLatin1String("ws"))
        return QStringLiteral("%1 %2 %3").arg(ws.WSEnabled).arg(ws.dhcp).arg(ws.auth);
    if (what == QLatin1String("ip")) return ip(ws.ip);
    if (what == QLatin1String("gateway")) return ip(ws.gateway);
    if (what == QLatin1String("netmask")) return ip(ws.netmask);
    if (what == QLatin1String("user")) return fieldHex(ws.user);
    if (what == QLatin1String("pass")) return fieldHex(ws.pass);
    if (what == QLatin1String("delays")) return QStringLiteral("%1 %2").arg(p.delay1).arg(p.delay2);
    if (what == QLatin1String("dayNight")) {
        unsigned char w[SpecialMode::WireSize];
        p.dayNight.toWire(w);
        return hex(w, SpecialMode::WireSize);
    }
    if (what == QLatin1String("dev")) {
        const DeviceRecord *d = p.deviceAt(x, y);
        if (!d || d->type == 0)
            return QStringLiteral("-");
        return QStringLiteral("%1 %2 %3 %4 %5 %6").arg(d->type).arg(d->zone).arg(d->ext_type)
                .arg(d->mode).arg(d->flags).arg(d->description);
    }
    if (what == QLatin1String("zone")) return p.zoneAt(x)->description;
    if (what == QLatin1String("events")) return QString::number(p.eventCount());
    if (what == QLatin1String("ev")) {
        unsigned char c[8], e[16];
        std::memset(e, 0, sizeof e);
        p.eventToWire(x, c, e);
        if (c[0] == 0)
            return QStringLiteral("-");
        return hex(c, 8) + QLatin1Char('/') + hex(e, 16);
    }
    if (what == QLatin1String("logic")) return QString::number(p.logicEventCount());
    if (what == QLatin1String("cond")) {
        QStringList list;
        for (const LogicEventTerm &t : p.logicEventAt(x)->conditions) {
            unsigned char c[8];
            t.toWire(c);
            list << hex(c, 8);
        }
        return list.join(QLatin1Char(' '));
    }
    if (what == QLatin1String("leffect")) {
        unsigned char e[16];
        p.logicEventAt(x)->record.effect.toWire(e);
        return hex(e, 16);
    }
    return QStringLiteral("bad key");
}

void TestMyXMLHandler::read_data()
{
    QTest::addColumn<QByteArray>("xml");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QStringList>("probes");

    const QByteArray m = "<maneuvers><maneuver>";
    const QByteArray me = "</maneuver></maneuvers>";

    // Documents and panels.
    QTest::newRow("empty file") << QByteArray() << false << QStringList{"panels=0"};
    QTest::newRow("document element other than CONFIG")
            << QByteArray("<Installation>" + panel("") + "</Installation>") << false
            << QStringList{"panels=0"};
    QTest::newRow("other version, no date")
            << QByteArray("<CONFIG Version=\"v9\"><Installation>" + panel("")
                          + "</Installation></CONFIG>")
            << true << QStringList{"panels=1", "p0.name=P"};
    QTest::newRow("panel without attributes")
            << site("<Panel/>") << true
            << QStringList{"panels=1", "p0.name=", "p0.version=", "p0.installer=", "p0.phone=",
                           "p0.panelFlags=6", "p0.delays=60 300", "p0.dayNight=0105160008000063" "0200"};
    QTest::newRow("panel texts, escaped and Cyrillic")
            << site(panel("", QString::fromUtf8("name=\"Щит &amp; &lt;1&gt;\" version=\"1.2\" "
                                                "installer=\"Ivan\" phone=\"+1 2\"").toUtf8()))
            << true
            << QStringList{QString::fromUtf8("p0.name=Щит & <1>"), "p0.version=1.2",
                           "p0.installer=Ivan", "p0.phone=+1 2"};
    QTest::newRow("network type 1") << site(panel("<network type=\"1\" address=\"7\"/>")) << true
                                    << QStringList{"p0.type=1", "p0.address=7"};
    QTest::newRow("network type 2") << site(panel("<network type=\"2\"/>")) << true
                                    << QStringList{"p0.type=0"};
    QTest::newRow("not a number reads 0")
            << site(panel("<network address=\"x7\"/><SpecialModes panelFlags=\"\"/>")) << true
            << QStringList{"p0.address=0", "p0.panelFlags=0"};
    QTest::newRow("delays keep their low 16 bits")
            << site(panel("<delayed delay1=\"70000\" delay2=\"-1\"/>")) << true
            << QStringList{"p0.delays=4464 65535"};

    // Web server.
    QTest::newRow("bidi 0") << site(panel("<WebServer WSEnabled=\"1\" bidi=\"0\"/>")) << true
                            << QStringList{"p0.bidi=1", "p0.ws=1 0 0"};
    QTest::newRow("bidi 1") << site(panel("<WebServer bidi=\"1\"/>")) << true
                            << QStringList{"p0.bidi=0"};
    QTest::newRow("bidi 7") << site(panel("<WebServer bidi=\"7\"/>")) << true
                            << QStringList{"p0.bidi=0"};
    QTest::newRow("options byte wins over bidi")
            << site(panel("<WebServer options=\"14\" bidi=\"1\"/>")) << true
            << QStringList{"p0.bidi=14"};
    QTest::newRow("ip 10.0.0 leaves the fourth byte")
            << site(panel("<WebServer ip=\"1.2.3.4\"/><WebServer ip=\"10.0.0\"/>")) << true
            << QStringList{"p0.ip=10.0.0.4"};
    QTest::newRow("ip 10..1.2") << site(panel("<WebServer ip=\"10..1.2\"/>")) << true
                                << QStringList{"p0.ip=10.0.1.2"};
    QTest::newRow("address of five pieces skipped")
            << site(panel("<WebServer gateway=\"1.2.3.4\"/>"
                          "<WebServer gateway=\"9.9.9.9.9\" netmask=\"1.2.3.4.5.6.7.8.9\"/>"))
            << true << QStringList{"p0.gateway=1.2.3.4", "p0.netmask=0.0.0.0"};
    QTest::newRow("user with per cent and blank")
            << site(panel("<WebServer user=\"a% b\" pass=\" \"/>")) << true
            << QStringList{"p0.user=" + QString::fromLatin1(QByteArray("a% b").toHex()),
                           "p0.pass=20"};
    QTest::newRow("user of 32 bytes kept whole")
            << site(panel("<WebServer user=\"0123456789abcdef0123456789ABCDEF\"/>")) << true
            << QStringList{"p0.user="
                           + QString::fromLatin1(QByteArray("0123456789abcdef0123456789ABCDEF").toHex())};
    QTest::newRow("pass of 33 bytes skipped")
            << site(panel("<WebServer pass=\"old\"/>"
                          "<WebServer pass=\"0123456789abcdef0123456789ABCDEFx\"/>"))
            << true << QStringList{"p0.pass=" + QString::fromLatin1(QByteArray("old").toHex())};
    QTest::newRow("user outside Latin-1")
            << site(panel(QString::fromUtf8("<WebServer user=\"Юé\"/>").toUtf8())) << true
            << QStringList{"p0.user=3fe9"};

    // Elements and zones.
    QTest::newRow("device type 300")
            << site(panel("<loop number=\"2\"><Device address=\"5\" type=\"300\" zone=\"4\" "
                          "ext_type=\"77\" mode=\"1\" flags=\"64\" description=\"D\"/></loop>"))
            << true << QStringList{"p0.dev(2,5)=44 4 77 1 64 D"};
    QTest::newRow("loop outside 0..7 skipped")
            << site(panel("<loop number=\"8\"><Device address=\"1\" type=\"1\"/></loop>"
                          "<loop number=\"-1\"><Device address=\"2\" type=\"1\"/></loop>"))
            << true << QStringList{"p0.dev(0,1)=-", "p0.dev(0,2)=-", "p0.dev(7,1)=-"};
    QTest::newRow("loop without number keeps the last")
            << site(panel("<loop number=\"3\"/><loop><Device address=\"1\" type=\"2\"/></loop>"))
            << true << QStringList{"p0.dev(3,1)=2 0 0 0 0 "};
    QTest::newRow("device address outside 0..249 skipped")
            << site(panel("<loop number=\"0\"><Device address=\"250\" type=\"1\"/>"
                          "<Device address=\"256\" type=\"1\"/><Device address=\"-1\" type=\"1\"/>"
                          "</loop>"))
            << true << QStringList{"p0.dev(0,0)=-", "p0.dev(0,249)=-"};
    // An element's zone is its record byte: any byte is kept, 250..255 too.
    QTest::newRow("device zone 250 kept")
            << site(panel("<loop number=\"1\"><Device address=\"0\" type=\"1\" zone=\"250\"/></loop>"))
            << true << QStringList{"p0.dev(1,0)=1 250 0 0 0 "};
    QTest::newRow("device zone 255 kept")
            << site(panel("<loop number=\"1\"><Device address=\"0\" type=\"1\" zone=\"255\"/></loop>"))
            << true << QStringList{"p0.dev(1,0)=1 255 0 0 0 "};
    QTest::newRow("device zone that is not a byte not taken")
            << site(panel("<loop number=\"1\"><Device address=\"0\" type=\"1\" zone=\"256\"/>"
                          "<Device address=\"1\" type=\"1\" zone=\"-1\"/>"
                          "<Device address=\"2\" type=\"1\" zone=\"4x\"/>"
                          "<Device address=\"3\" type=\"1\" zone=\"511\"/></loop>"))
            << true << QStringList{"p0.dev(1,0)=1 0 0 0 0 ", "p0.dev(1,1)=1 0 0 0 0 ",
                                   "p0.dev(1,2)=1 0 0 0 0 ", "p0.dev(1,3)=1 0 0 0 0 "};
    QTest::newRow("zones") << site(panel("<zones><Zone number=\"249\" description=\"Last\"/>"
                                         "<Zone number=\"250\" description=\"Beyond\"/>"
                                         "<Zone number=\"-1\" description=\"Before\"/></zones>"))
                           << true << QStringList{"p0.zone(249)=Last", "p0.zone(0)="};

    // Maneuvers.
    QTest::newRow("DeviceEvent example")
            << site(panel(m + "<DeviceEvent id_blk=\"5\" event=\"3\" loop=\"1\" address=\"7\"/>" + me))
            << true
            << QStringList{"p0.events=1",
                           "p0.ev(0)=0500030001070000/00000000000000000000000000000000"};
    QTest::newRow("PanelEvent with scope 4")
            << site(panel(m + "<PanelEvent id_blk=\"4\" event=\"2\" i_zona=\"9\"/>" + me)) << true
            << QStringList{"p0.events=1",
                           "p0.ev(0)=0400020000000000/00000000000000000000000000000000"};
    QTest::newRow("effects by scope")
            << site(panel("<maneuvers>"
                          "<maneuver><PanelEvent id_blk=\"1\" event=\"4\"/>"
                          "<PanelAction id_blk=\"1\" id_panel=\"3\" delay=\"258\" matches=\"2\" act=\"10\"/></maneuver>"
                          "<maneuver><LoopEvent id_blk=\"2\" event=\"1\" i_loop=\"0\" f_loop=\"3\"/>"
                          "<LoopAction id_blk=\"2\" delay=\"5\" act=\"1\" matches=\"1\" i_loop=\"2\" f_loop=\"5\"/></maneuver>"
                          "<maneuver><ZoneEvent id_blk=\"4\" i_zona=\"2\" f_zona=\"2\"/>"
                          "<ZoneAction id_blk=\"4\" act=\"2\" i_zona=\"4\" f_zona=\"4\"/></maneuver>"
                          "<maneuver><DeviceEvent id_blk=\"5\" loop=\"1\" address=\"7\"/>"
                          "<DeviceAction id_blk=\"5\" act=\"5\" loop=\"1\" address=\"9\"/></maneuver>"
                          "</maneuvers>"))
            << true
            << QStringList{"p0.events=4",
                           "p0.ev(0)=0100040000000000/010302010a0200000000000000000000",
                           "p0.ev(1)=0200010000030000/0200050001010000000000000205" "0000",
                           "p0.ev(2)=0400000002020000/0400000002000000000000000404" "0000",
                           "p0.ev(3)=0500000001070000/0500000005000000000000000109" "0000"};
    QTest::newRow("free maneuvers leave no gap")
            << site(panel("<maneuvers><maneuver/>"
                          "<maneuver><ZoneAction id_blk=\"4\" act=\"1\"/></maneuver>"
                          "<maneuver><PanelEvent id_blk=\"0\" event=\"1\"/></maneuver>"
                          "<maneuver><PanelEvent id_blk=\"1\" event=\"2\"/></maneuver>"
                          "<maneuver/>"
                          "<maneuver><PanelEvent id_blk=\"1\" event=\"3\"/></maneuver>"
                          "</maneuvers>"))
            << true
            << QStringList{"p0.events=2",
                           "p0.ev(0)=0100020000000000/00000000000000000000000000000000",
                           "p0.ev(1)=0100030000000000/00000000000000000000000000000000",
                           "p0.ev(2)=-"};
    QTest::newRow("two maneuvers in each of two panels")
            << site(panel(m + "<PanelEvent id_blk=\"1\" event=\"1\"/></maneuver><maneuver>"
                          "<PanelEvent id_blk=\"1\" event=\"2\"/>" + me)
                    + panel(m + "<PanelEvent id_blk=\"1\" event=\"3\"/></maneuver><maneuver>"
                            "<PanelEvent id_blk=\"1\" event=\"4\"/>" + me, ""))
            << true
            << QStringList{"panels=2", "p0.events=2", "p1.events=2",
                           "p0.ev(1)=0100020000000000/00000000000000000000000000000000",
                           "p1.ev(0)=0100030000000000/00000000000000000000000000000000",
                           "p1.ev(1)=0100040000000000/00000000000000000000000000000000"};

    // Logic events.
    QTest::newRow("ZoneEvent in a logManeuver")
            << site(panel("<logManeuvers><logManeuver>"
                          "<ZoneEvent id_blk=\"4\" event=\"0\" i_zona=\"2\" f_zona=\"2\"/>"
                          "<LogZoneEvent id_blk=\"4\" event=\"1\" i_zona=\"3\" f_zona=\"3\"/>"
                          "<ZoneAction id_blk=\"4\" id_panel=\"2\" delay=\"7\" act=\"1\" matches=\"3\" "
                          "i_zona=\"11\" f_zona=\"11\"/>"
                          "</logManeuver></logManeuvers>"))
            << true
            << QStringList{"p0.events=0", "p0.logic=1", "p0.cond(0)=0400000002020000",
                           "p0.leffect(0)=0402070001030000000000000b0b0000"};
    QTest::newRow("panel byte of the conditions")
            << site(panel("<logManeuvers><logManeuver>"
                          "<ZoneEvent id_blk=\"4\" event=\"1\" i_zona=\"2\" f_zona=\"3\" panel=\"2\"/>"
                          "<DeviceEvent panel=\"300\" id_blk=\"5\" loop=\"1\" address=\"7\"/>"
                          "<PanelEvent id_blk=\"1\" event=\"3\"/>"
                          "<PanelAction id_blk=\"1\" matches=\"3\"/>"
                          "</logManeuver></logManeuvers>"))
            << true
            << QStringList{"p0.logic=1", "p0.cond(0)=0402010002030000 052c000001070000 0100030000000000"};
    // A maneuver's cause keeps that byte 0.
    QTest::newRow("panel attribute of a maneuver's cause not read")
            << site(panel(m + "<ZoneEvent id_blk=\"4\" event=\"1\" i_zona=\"2\" f_zona=\"2\" panel=\"1\"/>" + me))
            << true
            << QStringList{"p0.events=1", "p0.ev(0)=0400010002020000/00000000000000000000000000000000"};
    QTest::newRow("LogZoneEvent outside changes nothing")
            << site(panel(m + "<LogZoneEvent id_blk=\"4\" event=\"1\"/>" + me)) << true
            << QStringList{"p0.events=0"};
    QTest::newRow("nested logManeuver")
            << site(panel("<logManeuver><PanelEvent id_blk=\"1\" event=\"1\"/>"
                          "<logManeuver><PanelEvent id_blk=\"1\" event=\"2\"/></logManeuver>"
                          "</logManeuver>"))
            << true
            << QStringList{"p0.logic=2", "p0.cond(0)=0100010000000000",
                           "p0.cond(1)=0100020000000000", "p0.events=0"};
    QTest::newRow("panel ends inside a logManeuver")
            << site(panel("<logManeuver><PanelEvent id_blk=\"1\" event=\"1\"/>"
                          "<Panel name=\"Q\"/><PanelEvent id_blk=\"1\" event=\"2\"/></logManeuver>"))
            << true
            << QStringList{"panels=2", "p0.logic=1", "p0.cond(0)=0100010000000000",
                           "p1.logic=0", "p1.events=1"};

    // Nothing before the first panel.
    QTest::newRow("elements before the first Panel ignored")
            << site("<loop number=\"0\"><Device address=\"0\" type=\"1\"/></loop>"
                    "<zones><Zone number=\"0\" description=\"Z\"/></zones>"
                    "<maneuvers><maneuver><PanelEvent id_blk=\"1\"/></maneuver></maneuvers>"
                    "<logManeuver><ZoneEvent id_blk=\"4\"/></logManeuver>"
                    "<WebServer WSEnabled=\"1\" user=\"x\"/><network address=\"9\"/>"
                    + panel(""))
            << true
            << QStringList{"panels=1", "p0.dev(0,0)=-", "p0.zone(0)=", "p0.events=0",
                           "p0.logic=0", "p0.ws=0 0 0", "p0.user=", "p0.address=0"};

    // Nor after the last one: a closed panel takes nothing more.
    QTest::newRow("elements after the last Panel ignored")
            << site(panel("<maneuvers><maneuver><PanelEvent id_blk=\"1\" event=\"3\"/></maneuver></maneuvers>")
                    + "<maneuvers><maneuver><PanelEvent id_blk=\"1\" event=\"9\"/></maneuver></maneuvers>"
                      "<loop number=\"0\"><Device address=\"0\" type=\"1\"/></loop>")
            << true
            << QStringList{"panels=1", "p0.events=1", "p0.ev(0)=0100030000000000/00000000000000000000000000000000",
                           "p0.dev(0,0)=-"};

    // Hostile files: the panel count is what the read would hold in memory.
    const QByteArray prolog = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    QByteArray references;
    for (int i = 0; i < 4; ++i)
        references += "&p;";
    QTest::newRow("internal DTD entity of empty panels referenced many times")
            << prolog + "<!DOCTYPE CONFIG [<!ENTITY p \"" + repeated("<Panel/>", 500) + "\">]>\n"
               "<CONFIG><Installation>" + references + "</Installation></CONFIG>\n"
            << false << QStringList{"panels=0"};
    QTest::newRow("external DTD")
            << prolog + "<!DOCTYPE CONFIG SYSTEM \"site.dtd\">\n"
               "<CONFIG><Installation>" + panel("") + "</Installation></CONFIG>\n"
            << false << QStringList{"panels=0"};
    QTest::newRow("DTD without declarations")
            << prolog + "<!DOCTYPE CONFIG []>\n<CONFIG><Installation>" + panel("")
               + "</Installation></CONFIG>\n"
            << false << QStringList{"panels=0"};
    QTest::newRow("256 panels read")
            << site(repeated("<Panel/>", 256)) << true << QStringList{"panels=256"};
    QTest::newRow("stops at the 257th panel")
            << site(repeated("<Panel/>", 257)) << false << QStringList{"panels=256"};
    QTest::newRow("many plain panels stop at the 257th")
            << site(repeated("<Panel/>", 2000)) << false << QStringList{"panels=256"};
}

void TestMyXMLHandler::read()
{
    QFETCH(QByteArray, xml);
    QFETCH(bool, ok);
    QFETCH(QStringList, probes);

    const QString fileName = dir.filePath(QStringLiteral("case.xml"));
    {
        QFile f(fileName);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QCOMPARE(f.write(xml), xml.size());
    }
    Facility target;
    QCOMPARE(FileXML(nullptr).readXml(fileName, &target), ok);
    for (const QString &p : probes) {
        const qsizetype eq = p.indexOf(QLatin1Char('='));
        QCOMPARE(probe(target, p.left(eq)), p.mid(eq + 1));
    }
}

// Panels read into a site that already holds some are appended after them.
void TestMyXMLHandler::readIntoANonEmptySite()
{
    const QString fileName = dir.filePath(QStringLiteral("append.xml"));
    {
        QFile f(fileName);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray xml = site(panel("<network address=\"4\"/>"));
        QCOMPARE(f.write(xml), xml.size());
    }
    Facility target;
    auto *existing = new PanelConfig;
    existing->address = 1;
    target.addPanel(existing);
    QVERIFY(FileXML(nullptr).readXml(fileName, &target));
    QCOMPARE(target.panelCount(), 2);
    QCOMPARE(target.getPanel(0)->address, 1);
    QCOMPARE(target.getPanel(1)->address, 4);
}

// The bound on panels holds per file, whatever the site held before.
void TestMyXMLHandler::panelBoundCountsOneFile()
{
    const QString fileName = dir.filePath(QStringLiteral("bound.xml"));
    {
        QFile f(fileName);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        const QByteArray xml = site(repeated("<Panel/>", 256));
        QCOMPARE(f.write(xml), xml.size());
    }
    Facility target;
    target.addPanel(new PanelConfig);
    QVERIFY(FileXML(nullptr).readXml(fileName, &target));
    QCOMPARE(target.panelCount(), 257);
}

void TestMyXMLHandler::manyManeuversAndLogicEvents()
{
    QByteArray body = "<maneuvers>";
    for (int i = 0; i < 1025; ++i)
        body += "<maneuver><PanelEvent id_blk=\"1\" event=\"" + QByteArray::number(i % 9)
                + "\"/><PanelAction id_blk=\"1\" act=\"" + QByteArray::number(i % 11) + "\"/></maneuver>";
    body += "</maneuvers><logManeuvers>";
    for (int i = 0; i < 101; ++i) {
        body += "<logManeuver>";
        for (int k = 0; k < 12; ++k)
            body += "<ZoneEvent id_blk=\"4\" i_zona=\"" + QByteArray::number(k) + "\"/>";
        body += "<PanelAction id_blk=\"1\"/></logManeuver>";
    }
    body += "</logManeuvers>";
    const QString fileName = dir.filePath(QStringLiteral("many.xml"));
    {
        QFile f(fileName);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(site(panel(body) + panel("<maneuvers><maneuver><PanelEvent id_blk=\"1\"/>"
                                         "</maneuver></maneuvers>")));
    }
    Facility target;
    QVERIFY(FileXML(nullptr).readXml(fileName, &target));
    QCOMPARE(target.panelCount(), 2);
    const PanelConfig &p = *target.getPanel(0);
    QCOMPARE(p.eventCount(), PanelConfig::EventSlotCount);   // the 1025th has no slot
    QCOMPARE(int(p.eventAt(1023)->cause.event), 1023 % 9);
    QCOMPARE(int(p.eventAt(1023)->effect.act), 1023 % 11);
    QCOMPARE(p.logicEventCount(), 101);   // no limit of 100 when reading
    QCOMPARE(p.logicEventAt(100)->conditions.size(), 12);
    QCOMPARE(target.getPanel(1)->eventCount(), 1);
}

void TestMyXMLHandler::truncatedFileKeepsWhatWasRead()
{
    Facility source;
    for (int i = 0; i < 2; ++i) {
        auto *p = new PanelConfig;
        p->setName(QStringLiteral("Panel %1").arg(i + 1));
        for (int a = 0; a < 50; ++a) {
            DeviceRecord &d = *p->deviceAt(0, a);
            d.type = 1;
            d.ext_type = 1;
            d.description = QStringLiteral("Optical %1").arg(a + 1);
        }
        source.addPanel(p);
    }
    const QString whole = dir.filePath(QStringLiteral("whole.xml"));
    QVERIFY(FileXML(&source).writeXml(whole));
    QFile f(whole);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const qsizetype second = bytes.indexOf("<Panel", bytes.indexOf("<Panel") + 1);
    const qsizetype cut = bytes.indexOf("Optical 20\"", second);
    QVERIFY(second > 0 && cut > second);

    const QString truncated = dir.filePath(QStringLiteral("truncated.xml"));
    QFile t(truncated);
    QVERIFY(t.open(QIODevice::WriteOnly));
    t.write(bytes.left(cut));
    t.close();

    Facility target;
    QVERIFY(!FileXML(nullptr).readXml(truncated, &target));
    QCOMPARE(target.panelCount(), 2);
    QCOMPARE(target.getPanel(0)->deviceAt(0, 49)->type, (unsigned char)1);
    QCOMPARE(target.getPanel(1)->name(), QStringLiteral("Panel 2"));
    QCOMPARE(target.getPanel(1)->deviceAt(0, 17)->description, QStringLiteral("Optical 18"));
    QCOMPARE(target.getPanel(1)->deviceAt(0, 19)->type, (unsigned char)0);
}

QTEST_GUILESS_MAIN(TestMyXMLHandler)
#include "tst_MyXMLHandler.moc"
