#include "PanelConfig.h"
#include "SitePanels.h"

#include <QtTest>

// A download fills a copy of the panel and hands it back whole, so the copy
// must carry every field, also those no transfer touches.
class tst_PanelConfigCopy : public QObject {
    Q_OBJECT
private slots:
    void carriesEverything();
    void logicEventsAreCopiedNotShared();
    void replacesWhatWasThere();
};

void tst_PanelConfigCopy::carriesEverything()
{
    auto source = SitePanels::richPanel(200);
    source->version = "2.31";
    source->panelEventUse = 1;
    source->loopActionUse[5] = 1;
    source->deviceAt(2, 10)->eventUse = 1;
    source->zoneAt(7)->actionUse = 1;
    PanelConfig copy;
    copy.copyFrom(*source);
    QCOMPARE(SitePanels::differences(*source, copy), QStringList());
    QCOMPARE(copy.version, QStringLiteral("2.31"));
    QCOMPARE(int(copy.panelEventUse), 1);
    QCOMPARE(int(copy.loopActionUse[5]), 1);
    QCOMPARE(int(copy.deviceAt(2, 10)->eventUse), 1);
    QCOMPARE(int(copy.zoneAt(7)->actionUse), 1);
    QCOMPARE(copy.zoneAt(7)->hasDevices, source->zoneAt(7)->hasDevices);
    QCOMPARE(copy.logicEventAt(2)->conditions.size(), 12);   // more than the panel holds, kept
    QCOMPARE(copy.eventCount(), 200);
    QCOMPARE(copy.isEmpty(), false);
}

void tst_PanelConfigCopy::logicEventsAreCopiedNotShared()
{
    auto source = SitePanels::richPanel();
    PanelConfig copy;
    copy.copyFrom(*source);
    QVERIFY(copy.logicEventAt(0) != source->logicEventAt(0));
    copy.logicEventAt(0)->conditions.clear();
    copy.removeLogicEvent(1);
    QCOMPARE(source->logicEventAt(0)->conditions.size(), 1);
    QCOMPARE(source->logicEventCount(), 5);
    copy.copyFrom(copy);   // onto itself: nothing changes
    QCOMPARE(copy.logicEventCount(), 4);
}

void tst_PanelConfigCopy::replacesWhatWasThere()
{
    auto full = SitePanels::fullPanel();
    PanelConfig empty;
    full->copyFrom(empty);
    QVERIFY(full->isEmpty());
    QCOMPARE(SitePanels::differences(empty, *full), QStringList());
}

QTEST_MAIN(tst_PanelConfigCopy)
#include "tst_PanelConfigCopy.moc"
