#pragma once

#include "EventRecord.h"
#include "LogicEventTerm.h"
#include "TreeItemKind.h"

#include <QHash>
#include <QIcon>
#include <QList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class ActionTreeWidget;
struct DeviceRecord;
class Facility;
class PanelConfig;
class QTableWidget;
class QTableWidgetItem;
class QTreeWidget;
class QTreeWidgetItem;
struct LogManeuver;
struct ZoneRecord;

namespace Ui {
class MyActionsWidget;
}

// The "Events" page of panelsetup, and (as MyLogicActionsWidget, switched into
// logic mode) the "Logic events" page: the tree of event sources and the tree of
// action targets of every panel, the maneuver tables of one panel, and the
// commands that create, modify and remove maneuvers and logic maneuvers.
//
// The tables always show one panel of the site, `currentPanel`. The page keeps the
// identity of the panel it filled them from, so after the site's list changed
// (a panel removed, New, Open) it follows that panel or, when it is gone, goes
// back to the first panel; a command acts only on the panel its rows came from.
class MyActionsWidget : public QWidget
{
    Q_OBJECT

public:
    // Item codes of the trees are those of TreeItemKind.h: the kind in bits 12
    // to 15, the number in the low byte. Group nodes carry no kind; a per-loop
    // node carries its loop index.
    enum WhichTree : int {
        EventTree = 0,
        ActionTree = 1,
    };

    explicit MyActionsWidget(QWidget *parent = nullptr);
    ~MyActionsWidget() override;

    // The site being edited; written by the main window, never owned.
    Facility *facility = nullptr;

    // Refreshes the main window calls.
    void updateEventTable();
    void updateTrees();
    void clearTables();
    void retranslateUi();

    // Trees
    void refreshTreeIcons();
    void addElementToTrees(int panel, const DeviceRecord &device, const ZoneRecord *zone);
    void addDeviceItem(int panel, QTreeWidget *tree, const DeviceRecord &device, int whichTree);
    void addZoneItem(int panel, QTreeWidget *tree, const ZoneRecord &zone, int whichTree);
    void addLoopItem(int panel, QTreeWidget *tree, int loop, int whichTree);

    // Tables and filters
    void addManeuverRow(const EventRecord &record, int slot);
    void addLogicManeuverRow(const LogManeuver &maneuver, int position);
    void filterEventsByLoop(int panel, int loop);
    void filterEventsByZone(int panel, int zone);
    void filterEventsByDevice(int panel, int loop, int address);
    void filterEventsByPanel(int panel);
    void filterActionsByLoop(int panel, int loop);
    void filterActionsByZone(int panel, int zone);
    void filterActionsByDevice(int panel, int loop, int address);
    void filterActionsByPanel(int panel);
    int selectedManeuverSlot() const;
    void selectedRowIds(QTableWidget *table, QList<int> &ids) const;
    void selectManeuverRow(int row);

    // Conversions of the tree selections. They fill only what they are given:
    // the panel of the event (or condition) comes back through `panel`.
    int eventFromSelection(EventRecord &record, int &panel) const;
    int actionFromSelection(EventRecord &record, int matches, int ownPanel) const;
    int conditionFromItem(LogicEventTerm &condition, int n, int *panel = nullptr) const;

    int currentPanelIndex() const { return currentPanel; }
    int actionPanelIndex() const { return actionPanel; }
    bool isLogicMode() const { return logicMode; }

public slots:
    void slotSummary();
    void slotInputItemSelected(QTreeWidgetItem *item, int column);
    void slotOutputItemSelected(QTreeWidgetItem *item, int column);
    void slotRemoveAction();
    void slotRemoveLogAction();
    void slotModify();
    void slotModifyLog();
    void slotCreateSelectedManeouver();
    void slotCreateSelectedLogManeouver();
    void actionTreeDoubleClickedSlot(QTreeWidgetItem *item, int column);
    void tableDoubleClickedSlot(QTableWidgetItem *item);

protected:
    void setLogicMode();
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using CauseTest = std::function<bool(const EventRecord::Cause &)>;
    using EffectTest = std::function<bool(const EventRecord::Effect &)>;

    PanelConfig *panelAt(int index) const;
    PanelConfig *resolveShownPanel();
    PanelConfig *tablePanel();
    void showPanel(int index);
    void emptyTables();
    void applyEventFilter(int panel, const CauseTest &test, const QString &label);
    void applyActionFilter(int panel, const EffectTest &test);
    void removeManeuvers(QTableWidget *table);
    void deleteInTable(QWidget *focused);
    int rowId(const QTableWidget *table, int row) const;
    static int kindOf(const QTreeWidgetItem *item);
    static int numberOf(const QTreeWidgetItem *item);
    int panelIndexOf(const QTreeWidgetItem *item) const;
    bool readItem(const QTreeWidgetItem *item, unsigned char &scope, unsigned char &first,
                  unsigned char &last, int &panel) const;
    void addPanelItems(QTreeWidget *tree, int whichTree);
    void setupTree(QTreeWidget *tree);
    QIcon iconForPath(const QString &path) const;
    QIcon deviceIcon(const DeviceRecord &device, int whichTree) const;
    QIcon useIcon(const char *stem, bool used, int whichTree) const;
    void showSelectionError(const QString &text);

    ActionTreeWidget *actionsWidget = nullptr;
    int currentPanel = 0;
    int actionPanel = 0;
    std::unique_ptr<Ui::MyActionsWidget> ui;
    bool logicMode = false;

    // serial() of the panel the tables were filled from; 0 when they show none.
    std::uint64_t tablesPanelSerial = 0;
    // The maneuver table the user worked in last: the remove button acts on it.
    QTableWidget *lastManeuverTable = nullptr;
    mutable QHash<QString, QIcon> iconCache;
    mutable QHash<int, QIcon> deviceIconCache;
};
