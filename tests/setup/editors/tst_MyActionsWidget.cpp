#include "ActionTreeWidget.h"
#include "DialogAddEvent.h"
#include "EditorSite.h"
#include "ModalScript.h"
#include "EventsPage.h"
#include "MyActionsWidget.h"

#include "Facility.h"
#include "PanelConfig.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

using namespace EditorSite;

namespace {

using Page = EventsPage;

void fill(PanelConfig &panel, int count, int scope = EventRecord::ScopeZone)
{
    for (int n = panel.eventCount(); n < count; ++n)
        panel.setEvent(n, maneuver(scope, n % 250, n % 250, EventRecord::ScopePanel, 0, 0, n % 11, n));
}

} // namespace

class TestMyActionsWidget : public QObject
{
    Q_OBJECT

private slots:
    void formAndSettings();
    void slotsInOrder();
    void treesListEachPanel();
    void treeIconsFollowUse();
    void addedElementsKeepTheOrder();
    void tableCells();
    void eventFilters_data();
    void eventFilters();
    void actionFilters_data();
    void actionFilters();
    void actionFilterOfAnotherPanel();
    void groupNodesFilterNothing();
    void createByDoubleClick_data();
    void createByDoubleClick();
    void createByDrop();
    void foreignAndEmptyDrops();
    void creationFailures_data();
    void creationFailures();
    void failedCreationKeepsShownPanel();
    void removeShownPanel_data();
    void removeShownPanel();
    void siteReplacedOrEmptied();
    void deleteInFocusedTable_data();
    void deleteInFocusedTable();
    void deleteSkipsHiddenRows();
    void removeButtonFollowsLastTable();
    void removingLastUseResetsIcon();
    void modifyLeavesUntouchedRecords_data();
    void modifyLeavesUntouchedRecords();
    void modifyStoresChangesOnlyOnOk();
    void panelsBeyond256();
    void staleTreesActOnNoPanel();
};

void TestMyActionsWidget::formAndSettings()
{
    Page p;
    MyActionsWidget &w = p.page;
    for (const char *name : {"label_2", "label", "label_3", "labelFilter", "label_4", "label_5"})
        QVERIFY2(w.findChild<QLabel *>(QLatin1String(name)), name);
    for (const char *name : {"pushButtonDel", "pushButtonMod", "pushButtonDelLog", "pushButtonMod_2"})
        QVERIFY2(w.findChild<QPushButton *>(QLatin1String(name)), name);
    auto *logic = w.findChild<QTableWidget *>(QStringLiteral("tableWidget_2"));
    QVERIFY(logic && p.inputs && p.outputs && p.events && p.actions);

    for (QTableWidget *t : {p.inputs, p.outputs, logic}) {
        QCOMPARE(t->columnCount(), 2);
        QCOMPARE(t->horizontalHeaderItem(0)->text(), QStringLiteral("Event"));
        QCOMPARE(t->horizontalHeaderItem(1)->text(), QStringLiteral("Action"));
        QCOMPARE(t->selectionBehavior(), QAbstractItemView::SelectRows);
        QVERIFY(t->alternatingRowColors());
        QCOMPARE(t->horizontalHeader()->sectionResizeMode(0), QHeaderView::Stretch);
    }
    QVERIFY(p.inputs->isVisible() && p.outputs->isVisible());
    QVERIFY(!logic->isVisible());
    QVERIFY(!w.findChild<QPushButton *>(QStringLiteral("pushButtonDelLog"))->isVisible());
    QVERIFY(!w.findChild<QLabel *>(QStringLiteral("label_5"))->isVisible());
    QLabel *filter = w.findChild<QLabel *>(QStringLiteral("labelFilter"));
    QVERIFY(!filter->isVisible());
    QVERIFY(filter->text().isEmpty());
    QVERIFY(w.findChild<QLabel *>(QStringLiteral("label_2"))->text().contains(QStringLiteral("INPUTS")));
    QVERIFY(w.findChild<QLabel *>(QStringLiteral("label_4"))->text().contains(QStringLiteral("MANEOUVERS")));

    QCOMPARE(p.events->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(p.events->dragDropMode(), QAbstractItemView::DragOnly);
    QCOMPARE(p.events->defaultDropAction(), Qt::CopyAction);
    QCOMPARE(p.actions->dragDropMode(), QAbstractItemView::DropOnly);
    for (QTreeWidget *t : {p.events, static_cast<QTreeWidget *>(p.actions)}) {
        QVERIFY(t->isHeaderHidden());
        QCOMPARE(t->iconSize(), QSize(20, 20));
        QVERIFY(!t->expandsOnDoubleClick());
        QCOMPARE(t->palette().color(QPalette::Inactive, QPalette::Highlight), QColor(QStringLiteral("#6eb1f5")));
        QCOMPARE(t->headerItem()->text(0), QStringLiteral("1"));
    }
    QVERIFY(!w.isLogicMode());
    QCOMPARE(w.currentPanelIndex(), 0);

    // After a filter the label has a text; retranslating empties it again.
    p.press(zoneItem(p.events, 0, 4));
    QVERIFY(!filter->text().isEmpty());
    w.retranslateUi();
    QVERIFY(filter->text().isEmpty());
}

void TestMyActionsWidget::slotsInOrder()
{
    const QMetaObject &mo = MyActionsWidget::staticMetaObject;
    QStringList found;
    for (int i = mo.methodOffset(); i < mo.methodCount(); ++i) {
        if (mo.method(i).methodType() == QMetaMethod::Slot)
            found << QString::fromLatin1(mo.method(i).methodSignature());
    }
    const QStringList expected = {
        QStringLiteral("slotSummary()"),
        QStringLiteral("slotInputItemSelected(QTreeWidgetItem*,int)"),
        QStringLiteral("slotOutputItemSelected(QTreeWidgetItem*,int)"),
        QStringLiteral("slotRemoveAction()"),
        QStringLiteral("slotRemoveLogAction()"),
        QStringLiteral("slotModify()"),
        QStringLiteral("slotModifyLog()"),
        QStringLiteral("slotCreateSelectedManeouver()"),
        QStringLiteral("slotCreateSelectedLogManeouver()"),
        QStringLiteral("actionTreeDoubleClickedSlot(QTreeWidgetItem*,int)"),
        QStringLiteral("tableDoubleClickedSlot(QTableWidgetItem*)"),
    };
    QCOMPARE(found, expected);
}

void TestMyActionsWidget::treesListEachPanel()
{
    Page p;
    QCOMPARE(outline(p.events),
             QStringLiteral("North\n"
                            "  Devices\n"
                            "    Loop 1\n"
                            "      1 - HALL - Z3\n"
                            "      5 - MCP 5 - Z5\n"
                            "    Loop 4\n"
                            "      1 - Heat 1 - Z5\n"
                            "  Zones\n"
                            "    3 - Entrance\n"
                            "    5 - Stairs\n"
                            "  Loops\n"
                            "    Loop 1\n"
                            "    Loop 4\n"
                            "South\n"
                            "  Devices\n"
                            "    Loop 1\n"
                            "      1 - Optical 1 - Z1\n"
                            "  Zones\n"
                            "    1 - \n"
                            "  Loops\n"
                            "    Loop 1\n"
                            "East\n"
                            "  Devices\n"
                            "    Loop 3\n"
                            "      6 - Input 6 - Z8\n"
                            "  Zones\n"
                            "    8 - \n"
                            "  Loops\n"
                            "    Loop 3\n"));
    QCOMPARE(outline(p.actions),
             QStringLiteral("North\n"
                            "  Devices\n"
                            "    Loop 2\n"
                            "      10 - RELAY - Z5\n"
                            "      11 - Sounder 11 - Z6\n"
                            "  Zones\n"
                            "    5 - Stairs\n"
                            "    6 - \n"
                            "  Loops\n"
                            "    Loop 2\n"
                            "South\n"
                            "  Devices\n"
                            "    Loop 1\n"
                            "      2 - Sounder 2 - Z1\n"
                            "  Zones\n"
                            "    1 - \n"
                            "  Loops\n"
                            "    Loop 1\n"
                            "East\n"
                            "  Devices\n"
                            "    Loop 3\n"
                            "      7 - Output 7 - Z8\n"
                            "  Zones\n"
                            "    8 - \n"
                            "  Loops\n"
                            "    Loop 3\n"));

    // Codes, flags and expansion.
    QTreeWidgetItem *north = panelItem(p.events, 0);
    QCOMPARE(north->type(), 0x4000);
    QCOMPARE(panelItem(p.events, 2)->type(), 0x4002);
    QCOMPARE(north->child(0)->type(), 0);
    QCOMPARE(north->child(1)->type(), 1);
    QCOMPARE(north->child(2)->type(), 0);
    QCOMPARE(north->child(0)->child(1)->type(), 3);   // the node of loop index 3
    QCOMPARE(deviceItem(p.events, 0, 0, 4)->type(), 0x1004);
    QCOMPARE(zoneItem(p.events, 0, 4)->type(), 0x2004);
    QCOMPARE(loopItem(p.events, 0, 3)->type(), 0x3003);
    for (QTreeWidgetItem *group : {north->child(0), north->child(1), north->child(2), north->child(0)->child(0)}) {
        QVERIFY(!(group->flags() & Qt::ItemIsSelectable));
        QVERIFY(group->flags() & Qt::ItemIsDragEnabled);
        QVERIFY(group->isExpanded());
    }
    QVERIFY(deviceItem(p.events, 0, 0, 0)->flags() & Qt::ItemIsSelectable);

    // A panel without elements keeps its three groups; no panels, empty trees.
    p.site->addPanel(new PanelConfig);
    p.refresh();
    QCOMPARE(panelItem(p.events, 3)->childCount(), 3);
    QCOMPARE(panelItem(p.actions, 3)->childCount(), 3);
    Facility empty;
    p.page.facility = &empty;
    p.refresh();
    QCOMPARE(p.events->topLevelItemCount(), 0);
    QCOMPARE(p.actions->topLevelItemCount(), 0);
}

void TestMyActionsWidget::treeIconsFollowUse()
{
    Page p;
    // Zone index 4 starts an action on the output L2/10; another maneuver acts
    // on a remote panel and marks nothing in the action tree.
    p.panel(0).setEvent(0, maneuver(EventRecord::ScopeZone, 4, 4, EventRecord::ScopeElement, 1, 9));
    p.panel(0).setEvent(1, maneuver(EventRecord::ScopePanel, 0, 0, EventRecord::ScopeZone, 5, 5, 0, 0, 1, 3));
    p.refresh();
    QVERIFY(iconIs(zoneItem(p.events, 0, 4)->icon(0), QStringLiteral(":/icons/icons/i_zona_e.png")));
    QVERIFY(iconIs(zoneItem(p.actions, 0, 4)->icon(0), QStringLiteral(":/icons/icons/i_zona.png")));
    QVERIFY(iconIs(zoneItem(p.actions, 0, 5)->icon(0), QStringLiteral(":/icons/icons/i_zona.png")));
    QVERIFY(iconIs(deviceItem(p.actions, 0, 1, 9)->icon(0), QStringLiteral(":/icons/icons/i_out_a.png")));
    QVERIFY(iconIs(deviceItem(p.actions, 0, 1, 10)->icon(0), QStringLiteral(":/icons/icons/i_sounder.png")));
    QVERIFY(iconIs(panelItem(p.events, 0)->icon(0), QStringLiteral(":/icons/icons/i_panel_e.png")));
    QVERIFY(iconIs(panelItem(p.actions, 0)->icon(0), QStringLiteral(":/icons/icons/i_panel.png")));
    QVERIFY(iconIs(loopItem(p.events, 0, 0)->icon(0), QStringLiteral(":/icons/icons/i_loop.png")));
    QVERIFY(iconIs(panelItem(p.events, 1)->icon(0), QStringLiteral(":/icons/icons/i_panel.png")));
}

// Used on their own (not in a rebuild), the add operations insert in order and
// list a zone or loop once.
void TestMyActionsWidget::addedElementsKeepTheOrder()
{
    Page p;
    PanelConfig &south = p.panel(1);
    addDevice(south, 5, 3, 2, 9);
    addDevice(south, 2, 7, 3, 4);
    addDevice(south, 2, 1, 4, 9);
    for (const auto &[loop, address] : {std::pair{5, 3}, std::pair{2, 7}, std::pair{2, 1}}) {
        const DeviceRecord *d = south.deviceAt(loop, address);
        p.page.addElementToTrees(1, *d, south.zoneAt(d->zone));
    }
    QTreeWidgetItem *top = panelItem(p.events, 1);
    QStringList nodes, zones, loops;
    for (int i = 0; i < top->child(0)->childCount(); ++i)
        nodes << top->child(0)->child(i)->text(0) + QLatin1Char(':') + QString::number(top->child(0)->child(i)->childCount());
    for (int i = 0; i < top->child(1)->childCount(); ++i)
        zones << top->child(1)->child(i)->text(0);
    for (int i = 0; i < top->child(2)->childCount(); ++i)
        loops << top->child(2)->child(i)->text(0);
    QCOMPARE(nodes, (QStringList{"Loop 1:1", "Loop 3:2", "Loop 6:1"}));
    QCOMPARE(zones, (QStringList{"1 - ", "5 - ", "10 - "}));
    QCOMPARE(loops, (QStringList{"Loop 1", "Loop 3", "Loop 6"}));
    // Devices are appended as they come: the per-loop node keeps call order.
    QCOMPARE(top->child(0)->child(1)->child(0)->text(0), QStringLiteral("8 - Opto-Heat 8 - Z5"));
    QVERIFY(top->child(0)->child(1)->isExpanded());
}

void TestMyActionsWidget::tableCells()
{
    Page p;
    p.panel(0).setEvent(0, maneuver(EventRecord::ScopeZone, 2, 2, EventRecord::ScopePanel, 0, 0, 0, 30, 1));
    p.panel(0).setEvent(1, maneuver(EventRecord::ScopePanel, 0, 0, EventRecord::ScopePanel, 0, 0, 2, 0, 1, 3));
    p.page.updateEventTable();
    QCOMPARE(p.inputs->rowCount(), 2);
    QCOMPARE(p.outputs->rowCount(), 2);
    const QString event = QStringLiteral("general alarm  in zone 3 ");
    const QString action = QStringLiteral(" all outputs on with delay 30s Matches: 1");
    QCOMPARE(p.inputs->item(0, 0)->text(), event);
    QCOMPARE(p.outputs->item(0, 0)->text(), event);
    QCOMPARE(p.inputs->item(0, 1)->text(), action);
    QCOMPARE(p.outputs->item(0, 1)->text(), action);
    const QString remote = p.panel(0).eventAt(1)->describe(p.site.get());
    QCOMPARE(p.inputs->item(1, 1)->text(), remote);
    QCOMPARE(p.outputs->item(1, 1)->text(), QStringLiteral("South ") + remote);
    for (int c = 0; c < 2; ++c) {
        QCOMPARE(p.inputs->item(1, c)->type(), 1);
        QCOMPARE(p.outputs->item(1, c)->type(), 1);
        QCOMPARE(p.inputs->item(1, c)->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    }
}

// Maneuvers of North used by the filter tests, by slot.
static void filterManeuvers(PanelConfig &north)
{
    north.setEvent(0, maneuver(EventRecord::ScopeLoop, 1, 4, EventRecord::ScopeLoop, 1, 4));      // loops 2-5
    north.setEvent(1, maneuver(EventRecord::ScopeZone, 4, 4, EventRecord::ScopeZone, 4, 4));      // zone 5
    north.setEvent(2, maneuver(EventRecord::ScopeElement, 0, 0, EventRecord::ScopeElement, 1, 9)); // L1/1 -> L2/10
    north.setEvent(3, maneuver(EventRecord::ScopePanel, 0, 0, EventRecord::ScopePanel, 0, 0));
    north.setEvent(4, maneuver(EventRecord::ScopeZone, 2, 6, EventRecord::ScopeZone, 2, 6));      // zones 3-7
    north.setEvent(5, maneuver(EventRecord::ScopeLoop, 0, 0, EventRecord::ScopeElement, 1, 10));
    north.setEvent(6, maneuver(EventRecord::ScopeElement, 3, 0, EventRecord::ScopeLoop, 1, 1, 0, 0, 1, 3)); // remote
}

void TestMyActionsWidget::eventFilters_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("number");
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QString>("label");
    QTest::newRow("loop index 0") << 0x3000 << 0 << 0 << QList<int>{5} << "Viewing events of North loop 1";
    QTest::newRow("device L1/1") << 0x1000 << 0 << 0 << QList<int>{2} << "Viewing events of North (1) loop 1 device 1";
    QTest::newRow("device L4/1") << 0x1000 << 3 << 0 << QList<int>{6} << "Viewing events of North (1) loop 4 device 1";
    QTest::newRow("zone index 4 in two ranges") << 0x2000 << 0 << 4 << QList<int>{1, 4} << "Viewing events of North zone 5";
    QTest::newRow("zone index 2") << 0x2000 << 0 << 2 << QList<int>{4} << "Viewing events of North zone 3";
    QTest::newRow("panel") << 0x4000 << 0 << 0 << QList<int>{3} << "Viewing events of panel North (1)";
}

void TestMyActionsWidget::eventFilters()
{
    QFETCH(int, kind);
    QFETCH(int, loop);
    QFETCH(int, number);
    QFETCH(QList<int>, rows);
    QFETCH(QString, label);

    Page p;
    filterManeuvers(p.panel(0));
    // The loop range 2-5 is not listed as a tree item here; add a detector on
    // loop index 3 so the loop item exists (it does: heat L4/1).
    p.refresh();
    QTreeWidgetItem *item = kind == 0x1000 ? deviceItem(p.events, 0, loop, number)
                          : kind == 0x2000 ? zoneItem(p.events, 0, number)
                          : kind == 0x3000 ? loopItem(p.events, 0, number)
                                           : panelItem(p.events, 0);
    p.press(item);
    QCOMPARE(p.visibleIds(p.inputs), rows);
    QCOMPARE(p.visibleIds(p.outputs).size(), 7);   // rebuilt, all shown
    QCOMPARE(p.page.findChild<QLabel *>(QStringLiteral("labelFilter"))->text(), label);
    QCOMPARE(p.page.currentPanelIndex(), 0);

    // A loop range covers the loops inside it.
    p.press(loopItem(p.events, 0, 3));
    QCOMPARE(p.visibleIds(p.inputs), QList<int>{0});
}

void TestMyActionsWidget::actionFilters_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("number");
    QTest::addColumn<QList<int>>("rows");
    QTest::newRow("loop index 1: range starting there") << 0x3000 << 0 << 1 << QList<int>{0};
    QTest::newRow("device L2/10") << 0x1000 << 1 << 9 << QList<int>{2};
    QTest::newRow("device L2/11") << 0x1000 << 1 << 10 << QList<int>{5};
    QTest::newRow("zone index 4: first zone only") << 0x2000 << 0 << 4 << QList<int>{1};
    QTest::newRow("panel") << 0x4000 << 0 << 0 << QList<int>{3};
}

void TestMyActionsWidget::actionFilters()
{
    QFETCH(int, kind);
    QFETCH(int, loop);
    QFETCH(int, number);
    QFETCH(QList<int>, rows);

    Page p;
    filterManeuvers(p.panel(0));
    p.refresh();
    p.press(zoneItem(p.events, 0, 4));   // an event filter first: it stays
    const QList<int> inputRows = p.visibleIds(p.inputs);
    QTreeWidgetItem *item = kind == 0x1000 ? deviceItem(p.actions, 0, loop, number)
                          : kind == 0x2000 ? zoneItem(p.actions, 0, number)
                          : kind == 0x3000 ? loopItem(p.actions, 0, number)
                                           : panelItem(p.actions, 0);
    p.press(item);
    QCOMPARE(p.visibleIds(p.outputs), rows);
    QCOMPARE(p.visibleIds(p.inputs), inputRows);
    QCOMPARE(p.page.actionPanelIndex(), 0);
    QCOMPARE(p.page.currentPanelIndex(), 0);
}

// Rows are tested by their own slot of the shown panel, and only rows whose
// action goes to the pressed item's panel stay.
void TestMyActionsWidget::actionFilterOfAnotherPanel()
{
    Page p;
    filterManeuvers(p.panel(0));
    // South's own maneuvers, which a row-by-row comparison would have mixed in.
    p.panel(1).setEvent(0, maneuver(EventRecord::ScopeLoop, 0, 0, EventRecord::ScopeLoop, 1, 1));
    p.panel(1).setEvent(6, maneuver(EventRecord::ScopeLoop, 0, 0, EventRecord::ScopeLoop, 1, 1));
    p.refresh();
    p.press(panelItem(p.events, 0));   // shows North
    QCOMPARE(p.page.currentPanelIndex(), 0);

    // South (address 3) has no loop index 1 item in its action tree; press its
    // loop index 0 item and its panel item.
    p.press(loopItem(p.actions, 1, 0));
    QCOMPARE(p.visibleIds(p.outputs), QList<int>{});
    QCOMPARE(p.page.actionPanelIndex(), 1);
    // North's slot 6 acts on loop index 1 of the panel with address 3 (South):
    // a loop item of that index on South shows it.
    addDevice(p.panel(1), 1, 3, 7, 0);
    p.page.updateTrees();
    p.press(loopItem(p.actions, 1, 1));
    QCOMPARE(p.visibleIds(p.outputs), QList<int>{6});
    // North's own loop index 1 shows the own maneuvers only.
    p.press(loopItem(p.actions, 0, 1));
    QCOMPARE(p.visibleIds(p.outputs), QList<int>{0});
}

void TestMyActionsWidget::groupNodesFilterNothing()
{
    Page p;
    filterManeuvers(p.panel(0));
    p.refresh();
    p.press(zoneItem(p.events, 0, 4));
    const QList<int> in = p.visibleIds(p.inputs);
    const QString label = p.page.findChild<QLabel *>(QStringLiteral("labelFilter"))->text();
    QTreeWidgetItem *north = panelItem(p.events, 0);
    for (QTreeWidgetItem *node : {north->child(0), north->child(1), north->child(2), north->child(0)->child(0)})
        p.press(node);
    QCOMPARE(p.visibleIds(p.inputs), in);
    QCOMPARE(p.page.findChild<QLabel *>(QStringLiteral("labelFilter"))->text(), label);
    QVERIFY(p.events->selectedItems().isEmpty() || p.events->selectedItems().first()->type() == 0x2004);
    p.press(panelItem(p.actions, 0)->child(0));
    QCOMPARE(p.visibleIds(p.outputs).size(), 7);
}

void TestMyActionsWidget::createByDoubleClick_data()
{
    QTest::addColumn<int>("stored");         // maneuvers already in the panel
    QTest::addColumn<int>("actionPanel");    // panel of the action item
    QTest::addColumn<int>("actionAddress");  // network address of that panel
    QTest::addColumn<QByteArray>("effect");  // expected 16 action bytes, hex
    QTest::newRow("empty panel: slot 0") << 0 << 0 << 3 << QByteArray("05000000000100000000000001090000");
    QTest::newRow("37 maneuvers: slot 37") << 37 << 0 << 3 << QByteArray("05000000000100000000000001090000");
    QTest::newRow("action on panel address 3: remote 3") << 0 << 1 << 3 << QByteArray("05030000000100000000000000010000");
    QTest::newRow("other panel with the own address: remote 0") << 0 << 1 << 1 << QByteArray("05000000000100000000000000010000");
}

void TestMyActionsWidget::createByDoubleClick()
{
    QFETCH(int, stored);
    QFETCH(int, actionPanel);
    QFETCH(int, actionAddress);
    QFETCH(QByteArray, effect);

    Page p;
    fill(p.panel(0), stored);
    p.panel(1).address = actionAddress;
    p.refresh();
    const QList<QByteArray> before = p.allManeuvers();

    p.press(zoneItem(p.events, 0, 4));
    QTreeWidgetItem *target = actionPanel == 0 ? deviceItem(p.actions, 0, 1, 9) : deviceItem(p.actions, 1, 0, 1);
    p.doubleClick(target);

    QCOMPARE(p.panel(0).eventCount(), stored + 1);
    const EventRecord *made = p.panel(0).eventAt(stored);
    QVERIFY(made);
    QCOMPARE(bytes(*made).left(8).toHex(), QByteArray("0400000004040000"));
    QCOMPARE(bytes(*made).mid(8).toHex(), effect);
    // Nothing else changed anywhere.
    QList<QByteArray> after = p.allManeuvers();
    QCOMPARE(after.mid(1), before.mid(1));

    // The event's use is marked; the action's only on the own panel.
    QVERIFY(iconIs(zoneItem(p.events, 0, 4)->icon(0), QStringLiteral(":/icons/icons/i_zona_e.png")));
    const bool local = actionPanel == 0;
    QCOMPARE(iconIs(target->icon(0), local ? QStringLiteral(":/icons/icons/i_out_a.png")
                                           : QStringLiteral(":/icons/icons/i_sounder.png")),
             true);
    // The table shows North filtered by the zone; the new maneuver is listed.
    QCOMPARE(p.page.currentPanelIndex(), 0);
    QVERIFY(p.visibleIds(p.inputs).contains(stored));
    QCOMPARE(p.inputs->rowCount(), stored + 1);
}

void TestMyActionsWidget::createByDrop()
{
    Page p;
    p.panel(1).setEvent(0, maneuver(EventRecord::ScopePanel, 0, 0, EventRecord::ScopePanel, 0, 0));
    p.refresh();
    QTreeWidgetItem *source = zoneItem(p.events, 0, 4);
    p.press(source);
    const QString eventsBefore = outline(p.events);
    const int eventItems = p.events->topLevelItemCount();

    // Shift proposes a move; the drop stays a copy, so the source keeps its item.
    QCOMPARE(p.drop(source, deviceItem(p.actions, 0, 1, 9)), Qt::CopyAction);
    QCOMPARE(p.panel(0).eventCount(), 1);
    QCOMPARE(bytes(*p.panel(0).eventAt(0)).toHex(),
             QByteArray("0400000004040000" "05000000000100000000000001090000"));
    QCOMPARE(outline(p.events), eventsBefore);
    QCOMPARE(p.events->topLevelItemCount(), eventItems);
    QVERIFY(zoneItem(p.events, 0, 4));
    QCOMPARE(p.panel(1).eventCount(), 1);
    QCOMPARE(p.actions->selectedItems(), QList<QTreeWidgetItem *>{deviceItem(p.actions, 0, 1, 9)});

    // A second drop of the same source onto a zone of the action tree.
    QCOMPARE(p.drop(source, zoneItem(p.actions, 0, 5)), Qt::CopyAction);
    QCOMPARE(p.panel(0).eventCount(), 2);
    QCOMPARE(bytes(*p.panel(0).eventAt(1)).mid(8).toHex(), QByteArray("04000000000100000000000005050000"));
    QCOMPARE(outline(p.events), eventsBefore);
}

void TestMyActionsWidget::foreignAndEmptyDrops()
{
    Page p;
    p.press(zoneItem(p.events, 0, 4));
    const QList<QByteArray> before = p.allManeuvers();

    // Text from another program, and a drop that can only be a move.
    QMimeData text;
    text.setText(QStringLiteral("hello"));
    QCOMPARE(p.drop(nullptr, deviceItem(p.actions, 0, 1, 9), &text), Qt::IgnoreAction);
    std::unique_ptr<QMimeData> items(p.events->model()->mimeData({p.events->indexFromItem(zoneItem(p.events, 0, 4))}));
    QDropEvent moveOnly(centreOf(deviceItem(p.actions, 0, 1, 9)), Qt::MoveAction, items.get(), Qt::LeftButton,
                        Qt::NoModifier);
    QApplication::sendEvent(p.actions->viewport(), &moveOnly);
    QVERIFY(!moveOnly.isAccepted());
    // Empty space: accepted, nothing asked for.
    p.actions->collapseAll();
    QSignalSpy requests(p.actions, &ActionTreeWidget::createEvent);
    p.drop(zoneItem(p.events, 0, 4), nullptr);
    QCOMPARE(requests.count(), 0);
    QCOMPARE(p.allManeuvers(), before);
}

void TestMyActionsWidget::creationFailures_data()
{
    QTest::addColumn<QString>("gesture");   // "dclick" or "drop"
    QTest::addColumn<bool>("selectEvent");
    QTest::addColumn<bool>("onGroup");
    QTest::addColumn<bool>("fullPanel");
    QTest::addColumn<QString>("message");
    QTest::newRow("no event source") << "dclick" << false << false << false
                                     << "Please select one event source from the event tree";
    QTest::newRow("dropped on a group node") << "drop" << true << true << false
                                             << "Please select one destination action from the action tree";
    QTest::newRow("1024 maneuvers: silent") << "dclick" << true << false << true << QString();
    QTest::newRow("1024 maneuvers by drop: silent") << "drop" << true << false << true << QString();
}

void TestMyActionsWidget::creationFailures()
{
    QFETCH(QString, gesture);
    QFETCH(bool, selectEvent);
    QFETCH(bool, onGroup);
    QFETCH(bool, fullPanel);
    QFETCH(QString, message);

    Page p;
    if (fullPanel)
        fill(p.panel(0), PanelConfig::EventSlotCount);
    p.panel(1).setEvent(0, maneuver(EventRecord::ScopePanel, 0, 0, EventRecord::ScopePanel, 0, 0));
    p.refresh();
    p.press(panelItem(p.events, 1));   // the tables show South
    if (selectEvent)
        p.events->setCurrentItem(zoneItem(p.events, 0, 4));
    else
        p.events->clearSelection();
    const QList<QByteArray> before = p.allManeuvers();
    const QList<int> rows = p.visibleIds(p.inputs);

    ModalScript script;
    if (!message.isEmpty())
        script.messageBox(QMessageBox::Ok);
    script.start();
    QTreeWidgetItem *target = onGroup ? panelItem(p.actions, 0)->child(1) : deviceItem(p.actions, 0, 1, 9);
    if (gesture == QLatin1String("drop"))
        p.drop(zoneItem(p.events, 0, 4), target);
    else
        p.doubleClick(target);
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(script.messages(), message.isEmpty() ? QStringList() : QStringList{message});

    QCOMPARE(p.allManeuvers(), before);
    QCOMPARE(p.page.currentPanelIndex(), 1);
    QCOMPARE(p.visibleIds(p.inputs), rows);
}

// After a refused creation the page still acts on the panel its rows show.
void TestMyActionsWidget::failedCreationKeepsShownPanel()
{
    Page p;
    fill(p.panel(0), PanelConfig::EventSlotCount);
    fill(p.panel(1), 3, EventRecord::ScopePanel);
    fill(p.panel(2), 2);
    p.refresh();
    p.press(panelItem(p.events, 1));
    p.press(zoneItem(p.events, 0, 4));   // North's zone, but the action goes nowhere:
    p.press(panelItem(p.events, 1));     // back to South
    p.events->setCurrentItem(zoneItem(p.events, 0, 4));
    p.doubleClick(deviceItem(p.actions, 0, 1, 9));   // North is full: refused
    QCOMPARE(p.page.currentPanelIndex(), 1);
    QCOMPARE(p.inputs->rowCount(), 3);

    const QByteArray north = maneuverBytes(p.panel(0));
    const QByteArray east = maneuverBytes(p.panel(2));
    const EventRecord kept = *p.panel(1).eventAt(2);
    p.selectRows(p.inputs, {0, 1});
    p.pressDelete(p.inputs);
    QCOMPARE(maneuverBytes(p.panel(0)), north);
    QCOMPARE(maneuverBytes(p.panel(2)), east);
    QCOMPARE(p.panel(1).eventCount(), 1);
    QCOMPARE(bytes(*p.panel(1).eventAt(0)), bytes(kept));
}

void TestMyActionsWidget::removeShownPanel_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<bool>("refreshed");   // the main window refreshed before Delete
    QTest::newRow("last panel, refreshed") << 2 << true;
    QTest::newRow("last panel, not refreshed") << 2 << false;
    QTest::newRow("middle panel, refreshed") << 1 << true;
    QTest::newRow("middle panel, not refreshed") << 1 << false;
}

void TestMyActionsWidget::removeShownPanel()
{
    QFETCH(int, shown);
    QFETCH(bool, refreshed);

    Page p;
    fill(p.panel(0), 5);
    fill(p.panel(1), 4);
    fill(p.panel(2), 3);
    p.refresh();
    p.press(panelItem(p.events, shown));
    QCOMPARE(p.page.currentPanelIndex(), shown);
    p.selectRows(p.inputs, {0, 1, 2});

    p.site->removePanel(shown);
    if (refreshed) {
        p.refresh();
        QCOMPARE(p.page.currentPanelIndex(), 0);
        QCOMPARE(p.inputs->rowCount(), 5);   // the first panel now
        QVERIFY(p.inputs->selectedItems().isEmpty());
    }
    const QList<QByteArray> before = p.allManeuvers();
    p.pressDelete(p.inputs);
    QCOMPARE(p.allManeuvers(), before);
    // The tables are up to date either way.
    QCOMPARE(p.page.currentPanelIndex(), 0);
    QCOMPARE(p.inputs->rowCount(), 5);

    // Pressing another panel's item follows it to its new place.
    p.refresh();
    p.press(panelItem(p.events, 1));
    const int kept = p.panel(1).eventCount();
    p.site->removePanel(0);
    p.refresh();
    QCOMPARE(p.page.currentPanelIndex(), 0);
    QCOMPARE(p.inputs->rowCount(), kept);
}

void TestMyActionsWidget::siteReplacedOrEmptied()
{
    Page p;
    fill(p.panel(1), 4);
    fill(p.panel(2), 3);
    p.refresh();
    p.press(panelItem(p.events, 2));
    p.page.clearTables();
    QCOMPARE(p.page.currentPanelIndex(), 0);
    QCOMPARE(p.inputs->rowCount(), 0);
    p.press(panelItem(p.events, 1));
    QCOMPARE(p.inputs->rowCount(), 4);

    // Open: another site replaces this one.
    auto opened = threePanels();
    fill(*opened->getPanel(0), 2);
    p.page.facility = opened.get();
    p.refresh();
    QCOMPARE(p.page.currentPanelIndex(), 0);
    QCOMPARE(p.inputs->rowCount(), 2);

    // New: every panel removed, the tables cleared.
    while (opened->panelCount() > 0)
        opened->removePanel(0);
    p.refresh();
    p.page.clearTables();
    QCOMPARE(p.inputs->rowCount(), 0);
    QCOMPARE(p.outputs->rowCount(), 0);
    p.pressDelete(p.inputs);
    p.page.slotModify();
    p.page.slotRemoveLogAction();

    // A first panel added afterwards is shown.
    auto *first = new PanelConfig;
    fill(*first, 1);
    opened->addPanel(first);
    p.refresh();
    QCOMPARE(p.inputs->rowCount(), 1);
}

void TestMyActionsWidget::deleteInFocusedTable_data()
{
    QTest::addColumn<QString>("table");
    QTest::newRow("outputs") << "tableWidgetOutputs";
    QTest::newRow("inputs") << "tableWidgetInputs";
}

void TestMyActionsWidget::deleteInFocusedTable()
{
    QFETCH(QString, table);
    Page p;
    fill(p.panel(0), 10);
    p.refresh();
    QList<QByteArray> slotBytes;
    for (int s = 0; s < 10; ++s)
        slotBytes << bytes(*p.panel(0).eventAt(s));
    const QList<QByteArray> others = p.allManeuvers().mid(1);

    QTableWidget *focused = p.page.findChild<QTableWidget *>(table);
    QTableWidget *other = focused == p.inputs ? p.outputs : p.inputs;
    p.selectRows(other, {0, 9});      // another selection, not to be touched
    p.selectRows(focused, {7, 3});
    p.pressDelete(focused);

    QCOMPARE(p.panel(0).eventCount(), 8);
    const QList<int> left = {0, 1, 2, 4, 5, 6, 8, 9};
    for (int s = 0; s < 8; ++s)
        QCOMPARE(bytes(*p.panel(0).eventAt(s)), slotBytes.at(left.at(s)));
    QCOMPARE(p.allManeuvers().mid(1), others);
    QCOMPARE(p.inputs->rowCount(), 8);
    QVERIFY(zoneItem(p.events, 0, 4));   // trees rebuilt

    // Delete with the focus outside the tables does nothing.
    p.selectRows(p.inputs, {0});
    const QByteArray now = maneuverBytes(p.panel(0));
    p.pressDelete(p.events);
    QCOMPARE(maneuverBytes(p.panel(0)), now);
}

// Rows selected before an action-tree press hid them are not removed: Delete
// reaches only the rows on display.
void TestMyActionsWidget::deleteSkipsHiddenRows()
{
    Page p;
    for (int n = 0; n < 6; ++n) {
        const bool zone = n == 1 || n == 3;
        p.panel(0).setEvent(n, maneuver(EventRecord::ScopePanel, 0, 0,
                                        zone ? EventRecord::ScopeZone : EventRecord::ScopePanel,
                                        zone ? 4 : 0, zone ? 4 : 0, 0, n));
    }
    p.refresh();
    QList<QByteArray> kept;
    for (int s : {0, 2, 4, 5})
        kept << bytes(*p.panel(0).eventAt(s));
    p.outputs->setFocus();
    p.outputs->selectAll();
    QCOMPARE(p.outputs->selectedItems().size(), 12);
    p.press(zoneItem(p.actions, 0, 4));
    QCOMPARE(p.visibleIds(p.outputs), (QList<int>{1, 3}));
    QCOMPARE(p.outputs->selectionModel()->selectedRows().size(), 6);   // hidden rows stay selected
    p.pressDelete(p.outputs);
    QCOMPARE(p.panel(0).eventCount(), 4);
    for (int s = 0; s < 4; ++s)
        QCOMPARE(bytes(*p.panel(0).eventAt(s)), kept.at(s));
}

void TestMyActionsWidget::removeButtonFollowsLastTable()
{
    Page p;
    fill(p.panel(0), 6);
    p.refresh();
    auto *button = p.page.findChild<QPushButton *>(QStringLiteral("pushButtonDel"));
    const EventRecord slot5 = *p.panel(0).eventAt(5);

    p.selectRows(p.inputs, {1});
    p.outputs->setFocus(Qt::MouseFocusReason);
    p.selectRows(p.outputs, {5});
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(p.panel(0).eventCount(), 5);
    for (int s = 0; s < 5; ++s)
        QVERIFY(bytes(*p.panel(0).eventAt(s)) != bytes(slot5));

    p.inputs->setFocus(Qt::MouseFocusReason);
    p.selectRows(p.inputs, {0});
    const EventRecord slot1 = *p.panel(0).eventAt(1);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(p.panel(0).eventCount(), 4);
    QCOMPARE(bytes(*p.panel(0).eventAt(0)), bytes(slot1));
}

void TestMyActionsWidget::removingLastUseResetsIcon()
{
    Page p;
    p.panel(0).setEvent(0, maneuver(EventRecord::ScopeZone, 4, 4, EventRecord::ScopeElement, 1, 9));
    p.refresh();
    QVERIFY(iconIs(zoneItem(p.events, 0, 4)->icon(0), QStringLiteral(":/icons/icons/i_zona_e.png")));
    p.selectRows(p.inputs, {0});
    p.pressDelete(p.inputs);
    QCOMPARE(p.panel(0).eventCount(), 0);
    QVERIFY(iconIs(zoneItem(p.events, 0, 4)->icon(0), QStringLiteral(":/icons/icons/i_zona.png")));
    QVERIFY(iconIs(deviceItem(p.actions, 0, 1, 9)->icon(0), QStringLiteral(":/icons/icons/i_out.png")));
}

void TestMyActionsWidget::modifyLeavesUntouchedRecords_data()
{
    QTest::addColumn<QByteArray>("record");   // 24 bytes, hex
    // cause: scope, panel byte, event, spare, first, last, 2 spare;
    // effect: scope, remote, delay (host order), act, matches, 6 spare, first, last, 2 spare
    QTest::newRow("unknown panel event code") << QByteArray("010012000000000001000000000100000000000000000000");
    QTest::newRow("unknown action code") << QByteArray("0100000000000000010000002a0100000000000000000000");
    QTest::newRow("device action 3") << QByteArray("040000000404000005000000030100000000000001090000");
    QTest::newRow("device action 4") << QByteArray("040000000404000005000000040100000000000001090000");
    QTest::newRow("device action 9") << QByteArray("040000000404000005000000090100000000000001090000");
    QTest::newRow("delay 5000") << QByteArray("0200000001010000" "01008813000100000000000000000000");
    QTest::newRow("matches 0") << QByteArray("010000000000000001000000000000000000000000000000");
    QTest::newRow("matches 7") << QByteArray("010000000000000001000000000700000000000000000000");
    QTest::newRow("zone range reversed") << QByteArray("040000000904000001000000000100000000000000000000");
    QTest::newRow("zone beyond 250") << QByteArray("0400010003ff0000040000000601000000000000f0fa0000");
    QTest::newRow("spare bytes set") << QByteArray("0507000b000a0c0d01030a000501aabbccddeeff0102a5a5");
    QTest::newRow("unknown action scope") << QByteArray("0100000000000000" "03000000000100000000000000000000");
}

static EventRecord recordFromHex(const QByteArray &hex)
{
    const QByteArray raw = QByteArray::fromHex(hex);
    EventRecord r;
    r.cause.fromWire(reinterpret_cast<const unsigned char *>(raw.constData()));
    r.effect.fromWire(reinterpret_cast<const unsigned char *>(raw.constData()) + 8);
    return r;
}

void TestMyActionsWidget::modifyLeavesUntouchedRecords()
{
    QFETCH(QByteArray, record);
    QCOMPARE(record.size(), 48);
    Page p;
    fill(p.panel(0), 2);
    const EventRecord odd = recordFromHex(record);
    QVERIFY(!odd.isEmpty());
    p.panel(0).setEvent(2, odd);
    p.refresh();
    const QByteArray before = maneuverBytes(p.panel(0));
    const QString icons = outline(p.events);

    ModalScript script;
    script.dialog<DialogAddEvent>([](DialogAddEvent *d) {
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
    });
    script.start();
    Page::doubleClickAt(p.inputs->viewport(), p.inputs->visualItemRect(p.inputs->item(2, 0)).center());
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(maneuverBytes(p.panel(0)).toHex(), before.toHex());
    QCOMPARE(outline(p.events), icons);
}

void TestMyActionsWidget::modifyStoresChangesOnlyOnOk()
{
    Page p;
    p.panel(0).setEvent(0, maneuver(EventRecord::ScopeZone, 2, 6, EventRecord::ScopePanel, 0, 0, 0, 30, 1));
    p.panel(0).setEvent(1, maneuver(EventRecord::ScopeZone, 4, 4, EventRecord::ScopeElement, 1, 9));
    p.refresh();
    const QByteArray before = maneuverBytes(p.panel(0));
    auto *modify = p.page.findChild<QPushButton *>(QStringLiteral("pushButtonMod"));

    // Cancel after changing everything.
    p.selectRows(p.inputs, {0});
    ModalScript cancel;
    cancel.dialog<DialogAddEvent>([](DialogAddEvent *d) {
        d->findChild<QComboBox *>(QStringLiteral("comboBoxEvent"))->setCurrentIndex(3);
        d->findChild<QComboBox *>(QStringLiteral("comboBoxAction"))->setCurrentIndex(10);
        d->findChild<QSpinBox *>(QStringLiteral("spinBoxDelay"))->setValue(99);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Cancel);
    });
    cancel.start();
    QTest::mouseClick(modify, Qt::LeftButton);
    QVERIFY2(cancel.finished(), qPrintable(cancel.failure()));
    QCOMPARE(maneuverBytes(p.panel(0)), before);

    // OK stores the changed fields into the same slot.
    p.selectRows(p.inputs, {0});
    ModalScript ok;
    ok.dialog<DialogAddEvent>([](DialogAddEvent *d) {
        d->findChild<QComboBox *>(QStringLiteral("comboBoxEvent"))->setCurrentIndex(3);
        d->findChild<QComboBox *>(QStringLiteral("comboBoxAction"))->setCurrentIndex(10);
        d->findChild<QSpinBox *>(QStringLiteral("spinBoxDelay"))->setValue(99);
        d->findChild<QSpinBox *>(QStringLiteral("spinBoxEventToZone"))->setValue(9);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
    });
    ok.start();
    QTest::mouseClick(modify, Qt::LeftButton);
    QVERIFY2(ok.finished(), qPrintable(ok.failure()));
    const EventRecord &changed = *p.panel(0).eventAt(0);
    QCOMPARE(int(changed.cause.event), 3);
    QCOMPARE(int(changed.effect.act), 10);
    QCOMPARE(int(changed.effect.delay), 99);
    QCOMPARE(int(changed.cause.first), 2);
    QCOMPARE(int(changed.cause.last), 8);
    QCOMPARE(bytes(*p.panel(0).eventAt(1)), before.mid(before.indexOf(':') + 1 + 24, 24));
    QCOMPARE(p.inputs->item(0, 1)->text(), changed.describe(p.site.get()));

    // Nothing selected: no dialog.
    p.inputs->clearSelection();
    QTest::mouseClick(modify, Qt::LeftButton);
    QVERIFY(!QApplication::activeModalWidget());
}

// Panel items keep the full index: a maneuver made from panel 256 lands there.
void TestMyActionsWidget::panelsBeyond256()
{
    Page p(panels(258));
    p.press(panelItem(p.events, 256));
    QCOMPARE(p.page.currentPanelIndex(), 256);
    p.events->setCurrentItem(zoneItem(p.events, 256, 0));
    p.actions->setCurrentItem(deviceItem(p.actions, 256, 0, 1));
    p.page.actionTreeDoubleClickedSlot(nullptr, 0);
    QCOMPARE(p.panel(256).eventCount(), 1);
    QCOMPARE(p.panel(0).eventCount(), 0);
    QCOMPARE(int(p.panel(256).eventAt(0)->effect.id_panel), 0);
    QCOMPARE(p.page.currentPanelIndex(), 256);
    // An action on panel 257 (address 258): its low byte, 2.
    p.events->setCurrentItem(zoneItem(p.events, 256, 0));
    p.actions->setCurrentItem(deviceItem(p.actions, 257, 0, 1));
    p.page.actionTreeDoubleClickedSlot(nullptr, 0);
    QCOMPARE(int(p.panel(256).eventAt(1)->effect.id_panel), 2);
}

// Trees built before a panel was removed name no panel: their items neither
// filter nor make a maneuver for the panel that took their place.
void TestMyActionsWidget::staleTreesActOnNoPanel()
{
    Page p;
    fill(p.panel(2), 2);
    p.refresh();
    QTreeWidgetItem *southZone = zoneItem(p.events, 1, 0);
    QTreeWidgetItem *southSounder = deviceItem(p.actions, 1, 0, 1);
    p.site->removePanel(0);   // South is now panel 0, East panel 1
    p.page.updateEventTable();
    const QList<QByteArray> before = p.allManeuvers();

    p.press(southZone);
    QCOMPARE(p.page.currentPanelIndex(), 0);
    ModalScript script;
    script.messageBox(QMessageBox::Ok);
    script.start();
    p.doubleClick(southSounder);
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(script.messages(), QStringList{QStringLiteral("Please select one event source from the event tree")});
    QCOMPARE(p.allManeuvers(), before);

    // Rebuilt, the same gesture works on the panel the items now stand for.
    p.refresh();
    p.press(zoneItem(p.events, 0, 0));
    p.doubleClick(deviceItem(p.actions, 0, 0, 1));
    QCOMPARE(p.panel(0).eventCount(), 1);
    QCOMPARE(p.panel(0).name(), QStringLiteral("South"));
    QCOMPARE(p.allManeuvers().at(1), before.at(1));
}

QTEST_MAIN(TestMyActionsWidget)
#include "tst_MyActionsWidget.moc"
