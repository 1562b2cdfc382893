#include "Facility.h"
#include "PanelConfig.h"

#include <QPointer>
#include <QSet>
#include <QtTest>

class TestFacility : public QObject
{
    Q_OBJECT

private slots:
    void emptyFacility();
    void getPanelIndices_data();
    void getPanelIndices();
    void removePanel();
    void namesAndAddresses();
    void markManeuverUse_data();
    void markManeuverUse();
    void markIgnoresOutOfRangeBytes_data();
    void markIgnoresOutOfRangeBytes();
    void markUsedElementsRecomputes();
    void ownsItsPanels();
    void panelSerialsNeverRepeat();
};

static PanelConfig *panel(const QString &name, int address)
{
    auto *p = new PanelConfig;
    p->setName(name);
    p->address = address;
    return p;
}

void TestFacility::emptyFacility()
{
    Facility f;
    QCOMPARE(f.panelCount(), 0);
    QVERIFY(f.panelNames().isEmpty());
    QVERIFY(!f.getPanel(0));
    QVERIFY(!f.getPanel(-1));
    QVERIFY(!f.findPanelByAddress(0));
    QCOMPARE(f.markUsedElements(), 0);
    QCOMPARE(f.markManeuverUse(0, 0), 0);
}

void TestFacility::getPanelIndices_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("expected");   // panel position, -1 null
    QTest::newRow("first") << 0 << 0;
    QTest::newRow("last") << 2 << 2;
    QTest::newRow("equal to count gives last") << 3 << 2;
    QTest::newRow("above count") << 4 << -1;
    QTest::newRow("negative") << -1 << -1;
    QTest::newRow("far") << 1000000 << -1;
}

void TestFacility::getPanelIndices()
{
    QFETCH(int, index);
    QFETCH(int, expected);
    Facility f;
    PanelConfig *panels[3] = {panel("A", 1), panel("B", 2), panel("C", 3)};
    for (PanelConfig *p : panels)
        QCOMPARE(f.addPanel(p), 0);
    QCOMPARE(f.getPanel(index), expected < 0 ? nullptr : panels[expected]);
}

void TestFacility::removePanel()
{
    Facility f;
    PanelConfig *a = panel("A", 1);
    PanelConfig *b = panel("B", 2);
    f.addPanel(a);
    f.addPanel(b);
    f.removePanel(-1);
    f.removePanel(2);
    QCOMPARE(f.panelCount(), 2);
    f.removePanel(0);
    QCOMPARE(f.panelCount(), 1);
    QCOMPARE(f.getPanel(0), b);
    f.addPanel(b);   // already held: not listed twice, so not deleted twice
    QCOMPARE(f.panelCount(), 1);
    f.addPanel(nullptr);
    QCOMPARE(f.panelCount(), 1);
}

void TestFacility::namesAndAddresses()
{
    Facility f;
    f.addPanel(panel("North", 5));
    f.addPanel(panel("South", 5));
    f.addPanel(panel("North", 9));
    QCOMPARE(f.panelNames(), (QStringList{"North", "South", "North"}));
    QVERIFY(f.panelNameExists("South"));
    QVERIFY(!f.panelNameExists("south"));
    QCOMPARE(f.findPanelByAddress(5), f.getPanel(0));
    QCOMPARE(f.findPanelByAddress(9), f.getPanel(2));
    QVERIFY(!f.findPanelByAddress(7));
    QCOMPARE(f.panelName(5), QStringLiteral("North"));
    QCOMPARE(f.panelName(7), QStringLiteral("Panel with address 7"));
}

struct Mark
{
    int causeScope, causeFirst, causeLast;
    int effectScope, idPanel, effectFirst, effectLast;
};
Q_DECLARE_METATYPE(Mark)

// Flags read back as a text: P/p panel event/action, L<n>/l<n> loop,
// Z<n>/z<n> zone, D<l>.<a>/d<l>.<a> element.
static QString flagsOf(const PanelConfig &p)
{
    QStringList flags;
    if (p.panelEventUse) flags << "P";
    if (p.panelActionUse) flags << "p";
    for (int l = 0; l < PanelConfig::LoopCount; ++l) {
        if (p.loopEventUse[l]) flags << QStringLiteral("L%1").arg(l);
        if (p.loopActionUse[l]) flags << QStringLiteral("l%1").arg(l);
    }
    for (int z = 0; z < PanelConfig::ZoneCount; ++z) {
        if (p.zoneAt(z)->eventUse) flags << QStringLiteral("Z%1").arg(z);
        if (p.zoneAt(z)->actionUse) flags << QStringLiteral("z%1").arg(z);
    }
    for (int l = 0; l < PanelConfig::LoopCount; ++l) {
        for (int a = 0; a < PanelConfig::AddressCount; ++a) {
            if (p.deviceAt(l, a)->eventUse) flags << QStringLiteral("D%1.%2").arg(l).arg(a);
            if (p.deviceAt(l, a)->actionUse) flags << QStringLiteral("d%1.%2").arg(l).arg(a);
        }
    }
    return flags.join(' ');
}

static EventRecord maneuver(const Mark &m)
{
    EventRecord e;
    e.cause.id_blk = static_cast<unsigned char>(m.causeScope);
    e.cause.first = static_cast<unsigned char>(m.causeFirst);
    e.cause.last = static_cast<unsigned char>(m.causeLast);
    e.effect.id_blk = static_cast<unsigned char>(m.effectScope);
    e.effect.id_panel = static_cast<unsigned char>(m.idPanel);
    e.effect.first = static_cast<unsigned char>(m.effectFirst);
    e.effect.last = static_cast<unsigned char>(m.effectLast);
    return e;
}

void TestFacility::markManeuverUse_data()
{
    QTest::addColumn<Mark>("mark");
    QTest::addColumn<QString>("flags");
    QTest::newRow("element to zone") << Mark{5, 0, 4, 4, 0, 9, 9} << "z9 D0.4";
    QTest::newRow("element to remote zone") << Mark{5, 0, 4, 4, 2, 9, 9} << "D0.4";
    QTest::newRow("zone range marks first zone") << Mark{4, 3, 6, 1, 0, 0, 0} << "p Z3";
    QTest::newRow("panel to loop") << Mark{1, 0, 0, 2, 0, 6, 6} << "P l6";
    QTest::newRow("loop to element") << Mark{2, 7, 7, 5, 0, 1, 20} << "L7 d1.20";
    QTest::newRow("element without element there") << Mark{5, 0, 5, 5, 0, 1, 21} << "";
}

void TestFacility::markManeuverUse()
{
    QFETCH(Mark, mark);
    QFETCH(QString, flags);
    Facility f;
    PanelConfig *p = panel("A", 1);
    f.addPanel(p);
    p->deviceAt(0, 4)->type = 1;
    p->deviceAt(1, 20)->type = 7;
    QCOMPARE(p->setEvent(0, maneuver(mark)), 0);
    QCOMPARE(f.markManeuverUse(0, 0), 0);
    QCOMPARE(flagsOf(*p), flags);
}

void TestFacility::markIgnoresOutOfRangeBytes_data()
{
    QTest::addColumn<Mark>("mark");
    QTest::newRow("loop 8") << Mark{2, 8, 8, 2, 0, 200, 200};
    QTest::newRow("zone 250") << Mark{4, 250, 255, 4, 0, 255, 255};
    QTest::newRow("element loop 9") << Mark{5, 9, 0, 5, 0, 255, 0};
    QTest::newRow("element address 250") << Mark{5, 0, 250, 5, 0, 0, 255};
    QTest::newRow("unknown scopes") << Mark{3, 0, 0, 7, 0, 0, 0};
}

void TestFacility::markIgnoresOutOfRangeBytes()
{
    QFETCH(Mark, mark);
    Facility f;
    PanelConfig *p = panel("A", 1);
    f.addPanel(p);
    p->setEvent(0, maneuver(mark));
    QCOMPARE(f.markManeuverUse(0, 0), 0);
    QCOMPARE(flagsOf(*p), QString());
    QCOMPARE(f.markManeuverUse(1, 0), 0);    // no such panel
    QCOMPARE(f.markManeuverUse(-1, 0), 0);
    QCOMPARE(f.markManeuverUse(0, 1024), 0);
}

void TestFacility::markUsedElementsRecomputes()
{
    Facility f;
    PanelConfig *a = panel("A", 1);
    PanelConfig *b = panel("B", 2);
    f.addPanel(a);
    f.addPanel(b);
    a->deviceAt(0, 4)->type = 1;
    a->setEvent(0, maneuver({5, 0, 4, 4, 0, 9, 9}));
    a->setEvent(1, maneuver({4, 2, 2, 4, 0, 9, 9}));
    b->setEvent(0, maneuver({1, 0, 0, 1, 0, 0, 0}));
    b->zoneAt(100)->actionUse = 1;   // stale
    QCOMPARE(f.markUsedElements(), 0);
    QCOMPARE(flagsOf(*a), QStringLiteral("Z2 z9 D0.4"));
    QCOMPARE(flagsOf(*b), QStringLiteral("P p"));

    a->removeEvent(0);
    f.markUsedElements();
    QCOMPARE(flagsOf(*a), QStringLiteral("Z2 z9"));   // z9 still set by the other maneuver
    a->removeEvent(0);
    f.markUsedElements();
    QCOMPARE(flagsOf(*a), QString());

    // Logic events set no use flags.
    auto m = std::make_unique<LogManeuver>();
    m->record.effect.id_blk = 1;
    m->conditions.append(maneuver({1, 0, 0, 0, 0, 0, 0}).cause);
    QCOMPARE(a->addLogicEvent(m), 0);
    f.markUsedElements();
    QCOMPARE(flagsOf(*a), QString());
}

void TestFacility::ownsItsPanels()
{
    QPointer<Facility> f = new Facility;
    QObject parent;
    f->setParent(&parent);
    f->addPanel(panel("A", 1));
    f->addPanel(panel("B", 2));
    // Deleted with its parent, and the panels with it (checked by the
    // leak sanitizer in sanitized builds).
    delete f.data();
    QVERIFY(f.isNull());
}

void TestFacility::panelSerialsNeverRepeat()
{
    // A panel made after another was removed is a different panel, even when
    // it takes the same place in the list (and possibly in memory).
    Facility f;
    f.addPanel(panel("A", 1));
    f.addPanel(panel("B", 2));
    const std::uint64_t a = f.getPanel(0)->serial();
    const std::uint64_t b = f.getPanel(1)->serial();
    QVERIFY(a != 0);
    QVERIFY(a != b);
    QSet<std::uint64_t> seen{a, b};
    for (int i = 0; i < 50; ++i) {
        f.removePanel(0);
        f.addPanel(panel("C", 3));
        const std::uint64_t s = f.getPanel(1)->serial();
        QVERIFY2(!seen.contains(s), "a serial came back");
        seen.insert(s);
    }
}

QTEST_APPLESS_MAIN(TestFacility)
#include "tst_Facility.moc"
