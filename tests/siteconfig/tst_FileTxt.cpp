#include "Facility.h"
#include "FileSizeLimit.h"
#include "FileTxt.h"
#include "PanelConfig.h"

#include <QtTest>
#include <QTemporaryDir>

class TestFileTxt : public QObject
{
    Q_OBJECT

private slots:
    void emptySiteGivesEmptyFile();
    void golden_data();
    void golden();
    void panelWithNothing();
    void zonesInUseOnly();
    void cyrillicIsUtf8();
    void unopenableFileGivesFalse();
    void failedSaveKeepsOldFile();

private:
    QString write(const Facility &site, bool loops = true, bool zones = true,
                  bool actions = true);
    QTemporaryDir dir;
};

static QByteArray readBytes(const QString &fileName)
{
    QFile f(fileName);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

QString TestFileTxt::write(const Facility &site, bool loops, bool zones, bool actions)
{
    const QString fileName = dir.filePath(QStringLiteral("site.txt"));
    if (!FileTxt().writeSite(fileName, &site, loops, zones, actions))
        return QStringLiteral("<not written>");
    return QString::fromUtf8(readBytes(fileName));
}

static PanelConfig *addPanel(Facility &site, const QString &name, const QString &version)
{
    auto *panel = new PanelConfig;
    panel->setName(name);
    panel->version = version;
    site.addPanel(panel);
    return panel;
}

static void addDevice(PanelConfig &panel, int loop, int address, int type, int zone,
                      const QString &description)
{
    DeviceRecord &d = *panel.deviceAt(loop, address);
    d.type = static_cast<unsigned char>(type);
    d.ext_type = static_cast<unsigned char>(type);
    d.zone = static_cast<unsigned char>(zone);
    d.mode = 1;
    d.description = description;
}

// Two panels: the example site (Main) and a second one with a remote effect,
// an element maneuver and logic events.
static void buildSite(Facility &site)
{
    PanelConfig *main = addPanel(site, QStringLiteral("Main"), QStringLiteral("1.20"));
    addDevice(*main, 0, 0, 1, 0, QStringLiteral("Optical 1"));
    main->zoneAt(0)->description = QStringLiteral("Hall");
    EventRecord r;
    r.cause.id_blk = 4;
    r.effect.id_blk = 4;
    r.effect.act = 2;
    r.effect.matches = 1;
    main->setEvent(0, r);

    PanelConfig *second = addPanel(site, QStringLiteral("Annex"), QStringLiteral("-.--"));
    addDevice(*second, 2, 9, 3, 4, QStringLiteral("Opto-heat lobby"));
    addDevice(*second, 7, 249, 8, 4, QString());
    EventRecord e;
    e.cause.id_blk = 5;
    e.cause.first = 2;
    e.cause.last = 9;
    e.effect.id_blk = 1;
    e.effect.id_panel = 1;
    e.effect.act = 10;
    e.effect.delay = 5;
    e.effect.matches = 2;
    second->setEvent(0, e);
    auto logic = std::make_unique<LogManeuver>();
    EventRecord::Cause c;
    c.id_blk = 4;
    c.first = c.last = 2;
    logic->conditions.append(c);
    c.first = c.last = 3;
    logic->conditions.append(c);
    logic->record.effect.id_blk = 5;
    logic->record.effect.act = 0;
    logic->record.effect.first = 7;
    logic->record.effect.last = 249;
    second->addLogicEvent(logic);
    auto empty = std::make_unique<LogManeuver>();
    empty->conditions.append(EventRecord::Cause());   // scope 0
    second->addLogicEvent(empty);
}

void TestFileTxt::emptySiteGivesEmptyFile()
{
    Facility site;
    QCOMPARE(write(site), QString());
}

void TestFileTxt::golden_data()
{
    QTest::addColumn<bool>("loops");
    QTest::addColumn<bool>("zones");
    QTest::addColumn<bool>("actions");
    QTest::addColumn<QString>("expected");

    const QString mainHead = "Main\nFW version: 1.20\n";
    const QString mainLoops = "  LOOP 1\n    Address:1 Type:Optical Description:Optical 1 Zone:1 \n\n";
    const QString mainZones = "  ZONES\n    Zone:1 Description:Hall\n";
    const QString mainActions =
            "  ACTIONS\n"
            "    1   event: general alarm  in zone 1   >>>  action:  all sounders on in zone 1  with delay 0s Matches: 1\n"
            "\n"
            "  LOG ACTIONS\n";
    const QString annexHead = "Annex\nFW version: -.--\n";
    const QString annexLoops =
            "  LOOP 3\n    Address:10 Type:Opto-Heat Description:Opto-heat lobby Zone:5 \n\n"
            "  LOOP 8\n    Address:250 Type:" + DeviceRecord::classNameForType(8)
            + " Description: Zone:5 \n\n";
    const QString annexZones = "  ZONES\n    Zone:5 Description:\n";
    const QString annexActions =
            "  ACTIONS\n"
            "    1   event: alarm  in point (3,10)  >>>  action:  remote to panel 1  Evacuation tone with delay 5s Matches: 2\n"
            "\n"
            "  LOG ACTIONS\n"
            "    Logical maneuver 1:\n"
            "        event: general alarm  in zone 3 \n"
            "        event: general alarm  in zone 4 \n"
            "        action:  device on loop 8 address 250  with delay 0s Matches: 0\n"
            "\n"
            "    Logical maneuver 2:\n"
            "        EMPTY\n"
            "        action:  empty with delay 0s Matches: 0\n"
            "\n";

    QTest::newRow("all sections") << true << true << true
            << mainHead + mainLoops + mainZones + mainActions
               + annexHead + annexLoops + annexZones + annexActions;
    QTest::newRow("loops off") << false << true << true
            << mainHead + mainZones + mainActions + annexHead + annexZones + annexActions;
    QTest::newRow("zones off") << true << false << true
            << mainHead + mainLoops + mainActions + annexHead + annexLoops + annexActions;
    QTest::newRow("actions off") << true << true << false
            << mainHead + mainLoops + mainZones + annexHead + annexLoops + annexZones;
    QTest::newRow("all off") << false << false << false << mainHead + annexHead;
}

void TestFileTxt::golden()
{
    QFETCH(bool, loops);
    QFETCH(bool, zones);
    QFETCH(bool, actions);
    QFETCH(QString, expected);

    Facility site;
    buildSite(site);
    QCOMPARE(write(site, loops, zones, actions), expected);
}

void TestFileTxt::panelWithNothing()
{
    Facility site;
    addPanel(site, QStringLiteral("Empty"), QStringLiteral("2.00"));
    QCOMPARE(write(site), QStringLiteral("Empty\nFW version: 2.00\n  ZONES\n  ACTIONS\n\n  LOG ACTIONS\n"));
}

void TestFileTxt::zonesInUseOnly()
{
    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("P"), QStringLiteral("1"));
    panel->zoneAt(3)->description = QStringLiteral("Named, no element");
    addDevice(*panel, 0, 0, 1, 249, QStringLiteral("D"));
    panel->zoneAt(249)->description = QStringLiteral("Roof");
    const QString text = write(site, false, true, false);
    QCOMPARE(text, QStringLiteral("P\nFW version: 1\n  ZONES\n    Zone:250 Description:Roof\n"));
}

void TestFileTxt::cyrillicIsUtf8()
{
    Facility site;
    PanelConfig *panel = addPanel(site, QString::fromUtf8("Щит"), QStringLiteral("1"));
    addDevice(*panel, 0, 0, 1, 0, QString::fromUtf8("Датчик"));
    write(site);
    const QByteArray bytes = readBytes(dir.filePath(QStringLiteral("site.txt")));
    QVERIFY(bytes.startsWith("\xD0\xA9\xD0\xB8\xD1\x82\n"));   // no byte-order mark
    QVERIFY(bytes.contains("Description:\xD0\x94\xD0\xB0\xD1\x82\xD1\x87\xD0\xB8\xD0\xBA "));
    QVERIFY(!bytes.contains('\r'));
}

void TestFileTxt::unopenableFileGivesFalse()
{
    Facility site;
    QVERIFY(!FileTxt().writeSite(dir.filePath(QStringLiteral("no/such/folder/site.txt")), &site,
                                 true, true, true));
}

void TestFileTxt::failedSaveKeepsOldFile()
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("site.txt"));
    {
        QFile f(fileName);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("old text\n");
    }
    Facility site;
    PanelConfig *panel = addPanel(site, QStringLiteral("Big"), QStringLiteral("1"));
    for (int l = 0; l < PanelConfig::LoopCount; ++l) {
        for (int a = 0; a < PanelConfig::AddressCount; ++a)
            addDevice(*panel, l, a, 1, a, QStringLiteral("Optical detector %1").arg(a + 1));
    }

    bool written = true;
    {
        // Files may not grow beyond 4 KiB while the text is saved (a full disk).
        FileSizeLimit limit(4096);
        QVERIFY(limit.isActive());
        written = FileTxt().writeSite(fileName, &site, true, true, true);
    }

    QVERIFY(!written);
    QCOMPARE(readBytes(fileName), QByteArray("old text\n"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"site.txt"});
}

QTEST_GUILESS_MAIN(TestFileTxt)
#include "tst_FileTxt.moc"
