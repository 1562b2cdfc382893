#include "MyActionsWidget.h"
#include "ui_MyActionsWidget.h"

#include "ActionTreeWidget.h"
#include "DialogAddEvent.h"
#include "DialogAddLogEvent.h"
#include "DialogManeouverSummary.h"
#include "EventEditorLog.h"

#include "DeviceRecord.h"
#include "Facility.h"
#include "LogManeuver.h"
#include "PanelConfig.h"
#include "ZoneRecord.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPalette>
#include <QTableWidget>
#include <QTreeWidget>

#include <algorithm>

namespace {

constexpr int MaxListedLogicEvents = 100;
constexpr int MaxConditions = 10;
constexpr int GroupDevices = 0;
constexpr int GroupZones = 1;
constexpr int GroupLoops = 2;
constexpr int PanelSerialRole = Qt::UserRole;

const QColor highlightColour(0x6e, 0xb1, 0xf5);

QString iconPath(const char *stem, const char *suffix)
{
    return QStringLiteral(":/icons/icons/") + QLatin1String(stem) + QLatin1String(suffix)
            + QStringLiteral(".png");
}

QTableWidgetItem *cell(const QString &text, int id)
{
    auto *item = new QTableWidgetItem(text, id);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

// The text of a maneuver's action in the tables that name the target panel.
QString actionWithTarget(const EventRecord &record, const Facility *site)
{
    QString text;
    if (record.effect.id_panel != 0 && site)
        text = site->panelName(record.effect.id_panel) + QLatin1Char(' ');
    return text + record.describe(site);
}

// Whether an action goes to `target`, seen from the maneuver's own panel: a
// remote action names its panel by the low byte of the network address; an
// action without one goes to the own panel, or to any panel with its address
// (the creation treats those as the own panel too).
bool actionGoesTo(const EventRecord::Effect &effect, const PanelConfig &own,
                  const PanelConfig &target)
{
    if (effect.id_panel == 0)
        return target.address == own.address;
    return (target.address & 0xFF) == effect.id_panel;
}

} // namespace

MyActionsWidget::MyActionsWidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::MyActionsWidget>())
{
    ui->setupUi(this);

    actionsWidget = new ActionTreeWidget(this);
    actionsWidget->setObjectName(QStringLiteral("actionsWidget"));
    actionsWidget->setFrameShape(QFrame::WinPanel);
    actionsWidget->setColumnCount(1);
    actionsWidget->headerItem()->setText(0, QStringLiteral("1"));
    ui->layoutActionTree->addWidget(actionsWidget);

    for (QTableWidget *table : {ui->tableWidgetInputs, ui->tableWidgetOutputs, ui->tableWidget_2}) {
        table->horizontalHeader()->setStretchLastSection(true);
        table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
        table->setAlternatingRowColors(true);
        table->setSelectionBehavior(QAbstractItemView::SelectRows);
        table->installEventFilter(this);
    }
    lastManeuverTable = ui->tableWidgetInputs;

    setupTree(ui->eventsWidget);
    ui->eventsWidget->setDragEnabled(true);
    ui->eventsWidget->setDragDropMode(QAbstractItemView::DragOnly);
    ui->eventsWidget->setDefaultDropAction(Qt::CopyAction);
    ui->eventsWidget->setDropIndicatorShown(false);
    ui->eventsWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    ui->eventsWidget->setSelectionBehavior(QAbstractItemView::SelectRows);

    setupTree(actionsWidget);
    actionsWidget->setDragEnabled(true);
    actionsWidget->setAcceptDrops(true);
    actionsWidget->setDragDropMode(QAbstractItemView::DropOnly);
    actionsWidget->setSelectionMode(QAbstractItemView::SingleSelection);
    actionsWidget->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    ui->labelFilter->setText(QString());
    ui->tableWidget_2->hide();
    ui->pushButtonDelLog->hide();
    ui->pushButtonMod_2->hide();
    ui->label_5->hide();
    ui->labelFilter->hide();

    connect(ui->pushButtonDel, &QPushButton::clicked, this, &MyActionsWidget::slotRemoveAction);
    connect(ui->pushButtonMod, &QPushButton::clicked, this, &MyActionsWidget::slotModify);
    connect(ui->pushButtonDelLog, &QPushButton::clicked, this, &MyActionsWidget::slotRemoveLogAction);
    connect(ui->pushButtonMod_2, &QPushButton::clicked, this, &MyActionsWidget::slotModifyLog);
    connect(ui->eventsWidget, &QTreeWidget::itemPressed, this, &MyActionsWidget::slotInputItemSelected);
    connect(actionsWidget, &QTreeWidget::itemPressed, this, &MyActionsWidget::slotOutputItemSelected);
    connect(actionsWidget, &QTreeWidget::itemDoubleClicked, this,
            &MyActionsWidget::actionTreeDoubleClickedSlot);
    connect(actionsWidget, &ActionTreeWidget::createEvent, this,
            &MyActionsWidget::actionTreeDoubleClickedSlot);
    connect(ui->tableWidgetInputs, &QTableWidget::itemDoubleClicked, this,
            &MyActionsWidget::tableDoubleClickedSlot);
}

MyActionsWidget::~MyActionsWidget() = default;

void MyActionsWidget::setupTree(QTreeWidget *tree)
{
    tree->setColumnCount(1);
    tree->setHeaderHidden(true);
    tree->setIconSize(QSize(20, 20));
    tree->setExpandsOnDoubleClick(false);
    QPalette palette = tree->palette();
    palette.setColor(QPalette::All, QPalette::Highlight, highlightColour);
    tree->setPalette(palette);
}

void MyActionsWidget::setLogicMode()
{
    ui->tableWidgetInputs->hide();
    ui->tableWidgetOutputs->hide();
    ui->pushButtonDel->hide();
    ui->pushButtonMod->hide();
    ui->label_4->hide();
    ui->eventsWidget->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ui->tableWidget_2->show();
    ui->pushButtonDelLog->show();
    ui->pushButtonMod_2->show();
    ui->label_5->show();
    logicMode = true;
}

void MyActionsWidget::retranslateUi()
{
    ui->retranslateUi(this);
    ui->labelFilter->setText(QString());
}

// ---------------------------------------------------------------- panels

PanelConfig *MyActionsWidget::panelAt(int index) const
{
    if (!facility || index < 0 || index >= facility->panelCount())
        return nullptr;
    return facility->getPanel(index);
}

// Finds the panel the tables were filled from again: it may have moved in the
// list, or be gone (removed, or the whole site replaced), in which case the page
// goes back to the first panel of the site.
PanelConfig *MyActionsWidget::resolveShownPanel()
{
    if (!facility) {
        currentPanel = 0;
        tablesPanelSerial = 0;
        return nullptr;
    }
    if (tablesPanelSerial != 0) {
        int found = -1;
        for (int i = 0; i < facility->panelCount(); ++i) {
            if (facility->getPanel(i)->serial() == tablesPanelSerial) {
                found = i;
                break;
            }
        }
        currentPanel = std::max(found, 0);
        if (found < 0)
            tablesPanelSerial = 0;
    }
    if (!panelAt(currentPanel))
        currentPanel = 0;
    return panelAt(currentPanel);
}

// The panel the rows on display belong to; null when the tables show none or the
// site changed under them (then the tables are brought up to date instead).
PanelConfig *MyActionsWidget::tablePanel()
{
    PanelConfig *panel = panelAt(currentPanel);
    if (panel && tablesPanelSerial != 0 && panel->serial() == tablesPanelSerial)
        return panel;
    if (tablesPanelSerial != 0)
        updateEventTable();
    return nullptr;
}

void MyActionsWidget::showPanel(int index)
{
    currentPanel = index;
    tablesPanelSerial = 0;
    updateEventTable();
}

// ---------------------------------------------------------------- tables

void MyActionsWidget::emptyTables()
{
    ui->tableWidgetInputs->setRowCount(0);
    ui->tableWidgetOutputs->setRowCount(0);
    ui->tableWidget_2->setRowCount(0);
}

void MyActionsWidget::updateEventTable()
{
    PanelConfig *panel = resolveShownPanel();
    emptyTables();
    if (!panel) {
        tablesPanelSerial = 0;
        return;
    }
    tablesPanelSerial = panel->serial();
    for (int slot = 0; slot < PanelConfig::EventSlotCount; ++slot) {
        if (const EventRecord *record = panel->eventAt(slot))
            addManeuverRow(*record, slot);
    }
    // A logic maneuver without conditions is listed too: it stays in the site
    // and its file (the upload leaves it out, having nothing to send) and has
    // to be removable.
    const int logicCount = std::min(panel->logicEventCount(), MaxListedLogicEvents);
    for (int position = 0; position < logicCount; ++position)
        addLogicManeuverRow(*panel->logicEventAt(position), position);
}

void MyActionsWidget::clearTables()
{
    emptyTables();
    currentPanel = 0;
    tablesPanelSerial = 0;
}

void MyActionsWidget::addManeuverRow(const EventRecord &record, int slot)
{
    const QString eventText = record.ownEventText();
    QTableWidget *inputs = ui->tableWidgetInputs;
    const int r = inputs->rowCount();
    inputs->insertRow(r);
    inputs->setItem(r, 0, cell(eventText, slot));
    inputs->setItem(r, 1, cell(record.describe(facility), slot));

    QTableWidget *outputs = ui->tableWidgetOutputs;
    const int r2 = outputs->rowCount();
    outputs->insertRow(r2);
    outputs->setItem(r2, 0, cell(eventText, slot));
    outputs->setItem(r2, 1, cell(actionWithTarget(record, facility), slot));
}

void MyActionsWidget::addLogicManeuverRow(const LogManeuver &maneuver, int position)
{
    static int rowsAdded = 0;
    QTableWidget *table = ui->tableWidget_2;
    const int r = table->rowCount();
    table->insertRow(r);
    table->setItem(r, 0, cell(maneuver.describeConditions(), position));
    table->setItem(r, 1, cell(actionWithTarget(maneuver.record, facility), position));
    qCDebug(lcEventEditor) << "Add new logical event" << ++rowsAdded << "Row:" << r;
}

int MyActionsWidget::rowId(const QTableWidget *table, int row) const
{
    const QTableWidgetItem *item = table->item(row, 0);
    return item ? item->type() : -1;
}

void MyActionsWidget::applyEventFilter(int panel, const CauseTest &test, const QString &label)
{
    if (!panelAt(panel))
        return;
    showPanel(panel);
    const PanelConfig *shown = panelAt(currentPanel);
    QTableWidget *inputs = ui->tableWidgetInputs;
    for (int row = 0; row < inputs->rowCount(); ++row) {
        const EventRecord *record = shown->eventAt(rowId(inputs, row));
        inputs->setRowHidden(row, !(record && test(record->cause)));
    }
    ui->labelFilter->setText(label);
}

void MyActionsWidget::filterEventsByLoop(int panel, int loop)
{
    const PanelConfig *p = panelAt(panel);
    if (!p)
        return;
    applyEventFilter(panel, [loop](const EventRecord::Cause &c) {
        return c.id_blk == EventRecord::ScopeLoop && c.first <= loop && loop <= c.last;
    }, tr("Viewing events of ") + p->name() + QStringLiteral(" loop ") + QString::number(loop + 1));
}

void MyActionsWidget::filterEventsByZone(int panel, int zone)
{
    const PanelConfig *p = panelAt(panel);
    if (!p)
        return;
    applyEventFilter(panel, [zone](const EventRecord::Cause &c) {
        return c.id_blk == EventRecord::ScopeZone && c.first <= zone && zone <= c.last;
    }, tr("Viewing events of ") + p->name() + QStringLiteral(" zone ") + QString::number(zone + 1));
}

void MyActionsWidget::filterEventsByDevice(int panel, int loop, int address)
{
    const PanelConfig *p = panelAt(panel);
    if (!p)
        return;
    applyEventFilter(panel, [loop, address](const EventRecord::Cause &c) {
        return c.id_blk == EventRecord::ScopeElement && c.first == loop && c.last == address;
    }, tr("Viewing events of ") + p->titleText() + QStringLiteral(" loop ") + QString::number(loop + 1)
                     + QStringLiteral(" device ") + QString::number(address + 1));
}

void MyActionsWidget::filterEventsByPanel(int panel)
{
    const PanelConfig *p = panelAt(panel);
    if (!p)
        return;
    applyEventFilter(panel, [](const EventRecord::Cause &c) {
        return c.id_blk == EventRecord::ScopePanel;
    }, tr("Viewing events of panel ") + p->titleText());
}

// Shows the rows whose own maneuver acts on the pressed target: each row is
// tested by its own slot of the shown panel, and its action has to go to the
// pressed item's panel.
void MyActionsWidget::applyActionFilter(int panel, const EffectTest &test)
{
    actionPanel = panel;
    const PanelConfig *target = panelAt(panel);
    const PanelConfig *own = panelAt(currentPanel);
    if (!target || !own || own->serial() != tablesPanelSerial)
        return;
    QTableWidget *outputs = ui->tableWidgetOutputs;
    for (int row = 0; row < outputs->rowCount(); ++row) {
        const EventRecord *record = own->eventAt(rowId(outputs, row));
        const bool shown = record && actionGoesTo(record->effect, *own, *target) && test(record->effect);
        outputs->setRowHidden(row, !shown);
    }
}

void MyActionsWidget::filterActionsByLoop(int panel, int loop)
{
    applyActionFilter(panel, [loop](const EventRecord::Effect &e) {
        return e.id_blk == EventRecord::ScopeLoop && e.first == loop;
    });
}

void MyActionsWidget::filterActionsByZone(int panel, int zone)
{
    qCDebug(lcEventEditor) << "MyActionsWidget::filterActionsByZone" << panel << "--" << zone;
    applyActionFilter(panel, [zone](const EventRecord::Effect &e) {
        return e.id_blk == EventRecord::ScopeZone && e.first == zone;
    });
    if (panelAt(panel))
        qCDebug(lcEventEditor) << ui->tableWidgetOutputs->rowCount();
}

void MyActionsWidget::filterActionsByDevice(int panel, int loop, int address)
{
    applyActionFilter(panel, [loop, address](const EventRecord::Effect &e) {
        return e.id_blk == EventRecord::ScopeElement && e.first == loop && e.last == address;
    });
}

void MyActionsWidget::filterActionsByPanel(int panel)
{
    applyActionFilter(panel, [](const EventRecord::Effect &e) {
        return e.id_blk == EventRecord::ScopePanel;
    });
}

void MyActionsWidget::slotInputItemSelected(QTreeWidgetItem *item, int)
{
    if (!item)
        return;
    const int panel = panelIndexOf(item);
    switch (kindOf(item)) {
    case TreeItemKind::Element:
        if (item->parent())
            filterEventsByDevice(panel, item->parent()->type(), numberOf(item));
        break;
    case TreeItemKind::Zone:
        filterEventsByZone(panel, numberOf(item));
        break;
    case TreeItemKind::Loop:
        filterEventsByLoop(panel, numberOf(item));
        break;
    case TreeItemKind::Panel:
        filterEventsByPanel(panel);
        break;
    default:
        break;
    }
}

void MyActionsWidget::slotOutputItemSelected(QTreeWidgetItem *item, int)
{
    if (!item)
        return;
    const int panel = panelIndexOf(item);
    switch (kindOf(item)) {
    case TreeItemKind::Element:
        if (item->parent())
            filterActionsByDevice(panel, item->parent()->type(), numberOf(item));
        break;
    case TreeItemKind::Zone:
        filterActionsByZone(panel, numberOf(item));
        break;
    case TreeItemKind::Loop:
        filterActionsByLoop(panel, numberOf(item));
        break;
    case TreeItemKind::Panel:
        filterActionsByPanel(panel);
        break;
    default:
        break;
    }
}

// selectedItems() leaves out hidden rows: a command never reaches a maneuver
// that a filter hid after it was selected.
int MyActionsWidget::selectedManeuverSlot() const
{
    const QTableWidget *inputs = ui->tableWidgetInputs;
    const QList<QTableWidgetItem *> items = inputs->selectedItems();
    return items.isEmpty() ? -1 : rowId(inputs, items.first()->row());
}

void MyActionsWidget::selectedRowIds(QTableWidget *table, QList<int> &ids) const
{
    ids.clear();
    if (!table)
        return;
    const QList<QTableWidgetItem *> items = table->selectedItems();
    for (const QTableWidgetItem *item : items) {
        const int id = rowId(table, item->row());
        if (id >= 0 && !ids.contains(id))
            ids.append(id);
    }
}

void MyActionsWidget::selectManeuverRow(int row)
{
    QTableWidget *inputs = ui->tableWidgetInputs;
    inputs->setFocus(Qt::OtherFocusReason);
    inputs->selectRow(row);
    inputs->clearFocus();
}

// ---------------------------------------------------------------- trees

int MyActionsWidget::kindOf(const QTreeWidgetItem *item)
{
    return item->type() & TreeItemKind::KindMask;
}

int MyActionsWidget::numberOf(const QTreeWidgetItem *item)
{
    return item->type() & 0xFF;
}

// A panel item's position is its panel index, for any number of panels (the
// code's low byte would make panel 256 read as panel 0). The item also carries
// the serial of the panel it was built from: an item of a tree built before the
// site's list changed names no panel (-1) rather than the one now at its place.
int MyActionsWidget::panelIndexOf(const QTreeWidgetItem *item) const
{
    const QTreeWidgetItem *top = item;
    while (top->parent())
        top = top->parent();
    QTreeWidget *tree = top->treeWidget();
    const int index = tree ? tree->indexOfTopLevelItem(const_cast<QTreeWidgetItem *>(top)) : -1;
    const PanelConfig *panel = panelAt(index);
    if (!panel || top->data(0, PanelSerialRole).toULongLong() != panel->serial())
        return -1;
    return index;
}

QIcon MyActionsWidget::iconForPath(const QString &path) const
{
    auto it = iconCache.constFind(path);
    if (it != iconCache.constEnd())
        return *it;
    const QIcon icon(path);
    iconCache.insert(path, icon);
    return icon;
}

QIcon MyActionsWidget::useIcon(const char *stem, bool used, int whichTree) const
{
    if (!used)
        return iconForPath(iconPath(stem, ""));
    return iconForPath(iconPath(stem, whichTree == ActionTree ? "_a" : "_e"));
}

// DeviceRecord::treeIcon depends on the type and one use flag only; one icon
// per combination serves every item of that kind.
QIcon MyActionsWidget::deviceIcon(const DeviceRecord &device, int whichTree) const
{
    const bool actionTree = whichTree == ActionTree;
    const bool used = actionTree ? device.actionUse : device.eventUse;
    const int key = (device.type << 2) | (used ? 2 : 0) | (actionTree ? 1 : 0);
    auto it = deviceIconCache.constFind(key);
    if (it != deviceIconCache.constEnd())
        return *it;
    const QIcon icon = device.treeIcon(actionTree);
    deviceIconCache.insert(key, icon);
    return icon;
}

void MyActionsWidget::addPanelItems(QTreeWidget *tree, int whichTree)
{
    for (int i = 0; i < facility->panelCount(); ++i) {
        const PanelConfig *panel = facility->getPanel(i);
        auto *item = new QTreeWidgetItem(TreeItemKind::Panel | (i & 0x0FFF));
        item->setText(0, panel->name());
        item->setData(0, PanelSerialRole, QVariant::fromValue<qulonglong>(panel->serial()));
        const bool used = whichTree == ActionTree ? panel->panelActionUse : panel->panelEventUse;
        item->setIcon(0, useIcon("i_panel", used, whichTree));
        tree->insertTopLevelItem(i, item);
        const QString groups[] = {tr("Devices"), tr("Zones"), tr("Loops")};
        const int codes[] = {0, 1, 0};
        for (int g = 0; g < 3; ++g) {
            auto *group = new QTreeWidgetItem(item, codes[g]);
            group->setText(0, groups[g]);
            group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsDragEnabled);
        }
    }
}

void MyActionsWidget::updateTrees()
{
    if (facility)
        facility->markUsedElements();
    QTreeWidget *events = ui->eventsWidget;
    actionsWidget->clear();
    events->clear();
    if (!facility)
        return;

    events->setUpdatesEnabled(false);
    actionsWidget->setUpdatesEnabled(false);
    addPanelItems(events, EventTree);
    addPanelItems(actionsWidget, ActionTree);
    events->expandAll();
    actionsWidget->expandAll();
    for (int i = 0; i < facility->panelCount(); ++i) {
        const PanelConfig *panel = facility->getPanel(i);
        for (int loop = 0; loop < PanelConfig::LoopCount; ++loop) {
            for (int address = 0; address < PanelConfig::AddressCount; ++address) {
                const DeviceRecord *device = panel->deviceAt(loop, address);
                if (device->type != 0)
                    addElementToTrees(i, *device, panel->zoneAt(device->zone));
            }
        }
    }
    events->setUpdatesEnabled(true);
    actionsWidget->setUpdatesEnabled(true);
}

void MyActionsWidget::addElementToTrees(int panel, const DeviceRecord &device, const ZoneRecord *zone)
{
    if (device.isEventSourceType()) {
        addDeviceItem(panel, ui->eventsWidget, device, EventTree);
        if (zone)
            addZoneItem(panel, ui->eventsWidget, *zone, EventTree);
        addLoopItem(panel, ui->eventsWidget, device.loop, EventTree);
    }
    if (device.isOutputType()) {
        addDeviceItem(panel, actionsWidget, device, ActionTree);
        if (zone)
            addZoneItem(panel, actionsWidget, *zone, ActionTree);
        addLoopItem(panel, actionsWidget, device.loop, ActionTree);
    }
}

void MyActionsWidget::addDeviceItem(int panel, QTreeWidget *tree, const DeviceRecord &device, int whichTree)
{
    QTreeWidgetItem *top = tree ? tree->topLevelItem(panel) : nullptr;
    if (!top || top->childCount() <= GroupDevices)
        return;
    QTreeWidgetItem *group = top->child(GroupDevices);
    const int loop = device.loop;
    QTreeWidgetItem *node = nullptr;
    int insertAt = group->childCount();
    for (int c = 0; c < group->childCount(); ++c) {
        QTreeWidgetItem *child = group->child(c);
        if (child->type() == loop) {
            node = child;
            break;
        }
        if (child->type() > loop) {
            insertAt = c;
            break;
        }
    }
    if (!node) {
        node = new QTreeWidgetItem(loop);
        node->setText(0, tr("Loop ") + QString::number(loop + 1));
        node->setFlags(Qt::ItemIsEnabled | Qt::ItemIsDragEnabled);
        group->insertChild(insertAt, node);
        node->setExpanded(true);
    }
    auto *item = new QTreeWidgetItem(node, TreeItemKind::Element + device.address);
    item->setText(0, device.addressDisplayText() + QStringLiteral(" - ") + device.description
                  + QStringLiteral(" - Z") + device.zoneDisplayText());
    item->setIcon(0, deviceIcon(device, whichTree));
}

namespace {

// Inserts a zone or loop item into a group kept in ascending number order;
// nothing when the number is listed already. The group is sorted, so the
// place is found by halving.
template <typename Make>
void insertSorted(QTreeWidgetItem *group, int number, Make make)
{
    int lo = 0;
    int hi = group->childCount();
    while (lo < hi) {
        const int mid = (lo + hi) / 2;
        const int n = group->child(mid)->type() & 0xFF;
        if (n == number)
            return;
        if (n < number)
            lo = mid + 1;
        else
            hi = mid;
    }
    group->insertChild(lo, make());
}

} // namespace

void MyActionsWidget::addZoneItem(int panel, QTreeWidget *tree, const ZoneRecord &zone, int whichTree)
{
    QTreeWidgetItem *top = tree ? tree->topLevelItem(panel) : nullptr;
    if (!top || top->childCount() <= GroupZones || zone.number < 0 || zone.number >= PanelConfig::ZoneCount)
        return;
    insertSorted(top->child(GroupZones), zone.number, [&]() {
        auto *item = new QTreeWidgetItem(TreeItemKind::Zone + zone.number);
        item->setText(0, QString::number(zone.number + 1) + QStringLiteral(" - ") + zone.description);
        const bool used = whichTree == ActionTree ? zone.actionUse : zone.eventUse;
        item->setIcon(0, useIcon("i_zona", used, whichTree));
        return item;
    });
}

void MyActionsWidget::addLoopItem(int panel, QTreeWidget *tree, int loop, int whichTree)
{
    QTreeWidgetItem *top = tree ? tree->topLevelItem(panel) : nullptr;
    const PanelConfig *p = panelAt(panel);
    if (!top || !p || top->childCount() <= GroupLoops || loop < 0 || loop >= PanelConfig::LoopCount)
        return;
    insertSorted(top->child(GroupLoops), loop, [&]() {
        auto *item = new QTreeWidgetItem(TreeItemKind::Loop + loop);
        item->setText(0, tr("Loop ") + QString::number(loop + 1));
        const bool used = whichTree == ActionTree ? p->loopActionUse[loop] : p->loopEventUse[loop];
        item->setIcon(0, useIcon("i_loop", used, whichTree));
        return item;
    });
}

void MyActionsWidget::refreshTreeIcons()
{
    if (!facility)
        return;
    for (int whichTree : {int(EventTree), int(ActionTree)}) {
        QTreeWidget *tree = whichTree == EventTree ? ui->eventsWidget : static_cast<QTreeWidget *>(actionsWidget);
        const bool actionSide = whichTree == ActionTree;
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            const PanelConfig *panel = panelAt(i);
            QTreeWidgetItem *top = tree->topLevelItem(i);
            if (!panel || top->childCount() < 3 || panelIndexOf(top) != i)
                continue;
            QTreeWidgetItem *devices = top->child(GroupDevices);
            for (int n = 0; n < devices->childCount(); ++n) {
                QTreeWidgetItem *node = devices->child(n);
                for (int d = 0; d < node->childCount(); ++d) {
                    QTreeWidgetItem *item = node->child(d);
                    if (const DeviceRecord *device = panel->deviceAt(node->type(), numberOf(item)))
                        item->setIcon(0, deviceIcon(*device, whichTree));
                }
            }
            QTreeWidgetItem *zones = top->child(GroupZones);
            for (int z = 0; z < zones->childCount(); ++z) {
                QTreeWidgetItem *item = zones->child(z);
                if (const ZoneRecord *zone = panel->zoneAt(numberOf(item)))
                    item->setIcon(0, useIcon("i_zona", actionSide ? zone->actionUse : zone->eventUse, whichTree));
            }
            QTreeWidgetItem *loops = top->child(GroupLoops);
            for (int l = 0; l < loops->childCount(); ++l) {
                QTreeWidgetItem *item = loops->child(l);
                const int loop = numberOf(item);
                if (loop < PanelConfig::LoopCount) {
                    const bool used = actionSide ? panel->loopActionUse[loop] : panel->loopEventUse[loop];
                    item->setIcon(0, useIcon("i_loop", used, whichTree));
                }
            }
            top->setIcon(0, useIcon("i_panel", actionSide ? panel->panelActionUse : panel->panelEventUse,
                                    whichTree));
        }
    }
}

// ---------------------------------------------------------------- conversions

// Reads scope, range and panel from a tree item; false for items of no kind.
bool MyActionsWidget::readItem(const QTreeWidgetItem *item, unsigned char &scope, unsigned char &first,
                               unsigned char &last, int &panel) const
{
    panel = panelIndexOf(item);
    switch (kindOf(item)) {
    case TreeItemKind::Element:
        if (!item->parent())
            return false;
        scope = EventRecord::ScopeElement;
        first = static_cast<unsigned char>(item->parent()->type());
        last = static_cast<unsigned char>(numberOf(item));
        return true;
    case TreeItemKind::Zone:
        scope = EventRecord::ScopeZone;
        first = last = static_cast<unsigned char>(numberOf(item));
        return true;
    case TreeItemKind::Loop:
        scope = EventRecord::ScopeLoop;
        first = last = static_cast<unsigned char>(numberOf(item));
        return true;
    case TreeItemKind::Panel:
        scope = EventRecord::ScopePanel;
        first = last = 0;
        return true;
    default:
        return false;
    }
}

int MyActionsWidget::eventFromSelection(EventRecord &record, int &panel) const
{
    const QList<QTreeWidgetItem *> items = ui->eventsWidget->selectedItems();
    if (items.size() != 1)
        return -1;
    unsigned char scope = 0, first = 0, last = 0;
    int index = -1;
    if (!readItem(items.first(), scope, first, last, index) || !panelAt(index))
        return -1;
    record.cause.id_blk = scope;
    record.cause.spare1 = 0;
    record.cause.event = 0;
    record.cause.first = first;
    record.cause.last = last;
    panel = index;
    return 1;
}

int MyActionsWidget::actionFromSelection(EventRecord &record, int matches, int ownPanel) const
{
    const QList<QTreeWidgetItem *> items = actionsWidget->selectedItems();
    const PanelConfig *own = panelAt(ownPanel);
    if (items.size() != 1 || !own)
        return -1;
    unsigned char scope = 0, first = 0, last = 0;
    int index = -1;
    if (!readItem(items.first(), scope, first, last, index))
        return -1;
    const PanelConfig *target = panelAt(index);
    if (!target)
        return -1;
    EventRecord::Effect &effect = record.effect;
    effect.act = 0;
    effect.delay = 0;
    effect.matches = static_cast<unsigned char>(matches);
    effect.id_blk = scope;
    effect.first = first;
    effect.last = last;
    // Panels are told apart by network address: an action on a panel with the
    // own panel's address is the own panel's. Whole addresses are compared, so
    // an own panel above address 255 is not taken for a remote one.
    effect.id_panel = target->address == own->address ? 0 : static_cast<unsigned char>(target->address & 0xFF);
    return 0;
}

int MyActionsWidget::conditionFromItem(LogicEventTerm &condition, int n, int *panel) const
{
    const QList<QTreeWidgetItem *> items = ui->eventsWidget->selectedItems();
    if (n < 0 || n >= items.size())
        return -1;
    unsigned char scope = 0, first = 0, last = 0;
    int index = -1;
    if (!readItem(items.at(n), scope, first, last, index))
        return -1;
    condition.event = 0;
    condition.id_blk = scope;
    condition.first = first;
    condition.last = last;
    condition.spare1 = static_cast<unsigned char>(index);
    if (panel)
        *panel = index;
    return 1;
}

// ---------------------------------------------------------------- creation

void MyActionsWidget::showSelectionError(const QString &text)
{
    QMessageBox box;
    box.setText(text);
    box.exec();
}

void MyActionsWidget::actionTreeDoubleClickedSlot(QTreeWidgetItem *, int)
{
    const int selected = int(ui->eventsWidget->selectedItems().size());
    if (selected >= 2) {
        if (logicMode)
            slotCreateSelectedLogManeouver();
        else
            slotCreateSelectedManeouver();
        return;
    }
    if (!logicMode) {
        slotCreateSelectedManeouver();
        return;
    }
    // Shown without waiting and deleted when it closes.
    auto *box = new QMessageBox(QMessageBox::Warning, tr("Alert"),
                                QStringLiteral("<big>")
                                        + tr("More than one event needs to be selected to create logical maneuver")
                                        + QStringLiteral("</big>"),
                                QMessageBox::Ok, this, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    box->setTextFormat(Qt::RichText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(true);
    box->show();
}

// Works in local values: the page's current panel changes only when the
// maneuver was stored.
void MyActionsWidget::slotCreateSelectedManeouver()
{
    EventRecord record;
    int panelIndex = -1;
    if (eventFromSelection(record, panelIndex) != 1) {
        showSelectionError(tr("Please select one event source from the event tree"));
        return;
    }
    if (actionFromSelection(record, 1, panelIndex) != 0) {
        showSelectionError(tr("Please select one destination action from the action tree"));
        return;
    }
    PanelConfig *panel = panelAt(panelIndex);
    if (!panel)
        return;
    const int slot = panel->eventCount();
    if (slot >= PanelConfig::EventSlotCount || panel->setEvent(slot, record) != 0)
        return;
    facility->markManeuverUse(panelIndex, slot);

    currentPanel = panelIndex;
    tablesPanelSerial = 0;
    refreshTreeIcons();
    updateEventTable();
    selectManeuverRow(ui->tableWidgetInputs->rowCount() - 1);
    const QList<QTreeWidgetItem *> items = ui->eventsWidget->selectedItems();
    if (items.size() == 1)
        slotInputItemSelected(items.first(), 0);
}

void MyActionsWidget::slotCreateSelectedLogManeouver()
{
    const int n = int(ui->eventsWidget->selectedItems().size());
    if (n == 0 || n > MaxConditions)
        return;

    auto maneuver = std::make_unique<LogManeuver>();
    int panelIndex = -1;
    for (int k = 0; k < n; ++k) {
        LogicEventTerm condition;
        int conditionPanel = -1;
        if (conditionFromItem(condition, k, &conditionPanel) != 1)
            return;
        qCDebug(lcEventEditor) << k << ">" << conditionPanel;
        if (k == 0) {
            panelIndex = conditionPanel;
        } else if (conditionPanel != panelIndex) {
            showSelectionError(tr("Different panels cannot be selected in same logical maneuver"));
            return;
        }
        maneuver->conditions.append(condition);
    }
    if (actionFromSelection(maneuver->record, n, panelIndex) != 0) {
        showSelectionError(tr("Please select one destination action from the action tree"));
        return;
    }
    PanelConfig *panel = panelAt(panelIndex);
    if (!panel || panel->addLogicEvent(maneuver) != 0)
        return;   // refused: the maneuver is still ours and goes with this scope
    showPanel(panelIndex);
}

// ---------------------------------------------------------------- modify, remove

void MyActionsWidget::tableDoubleClickedSlot(QTableWidgetItem *)
{
    slotModify();
}

void MyActionsWidget::slotModify()
{
    PanelConfig *panel = tablePanel();
    const int slot = selectedManeuverSlot();
    if (!panel || slot < 0)
        return;
    const EventRecord *stored = panel->eventAt(slot);
    if (!stored)
        return;
    const std::uint64_t serial = panel->serial();
    EventRecord working = *stored;

    DialogAddEvent dialog;
    dialog.loadManeuver(working);
    if (dialog.exec() != QDialog::Accepted)
        return;
    dialog.storeManeuver(working);
    // The site may have changed while the dialog ran.
    panel = tablePanel();
    if (!panel || panel->serial() != serial || !panel->eventAt(slot))
        return;
    panel->setEvent(slot, working);
    updateEventTable();
}

void MyActionsWidget::slotModifyLog()
{
    PanelConfig *panel = tablePanel();
    QList<int> ids;
    selectedRowIds(ui->tableWidget_2, ids);
    if (!panel || ids.size() != 1)
        return;
    const int position = ids.first();
    const LogManeuver *stored = panel->logicEventAt(position);
    if (!stored)
        return;
    const std::uint64_t serial = panel->serial();
    const LogManeuver working = *stored;

    DialogAddLogEvent dialog;
    dialog.loadLogManeuver(working);
    if (dialog.exec() != QDialog::Accepted)
        return;
    LogManeuver result;
    dialog.storeLogManeuver(result);
    panel = tablePanel();
    LogManeuver *target = (panel && panel->serial() == serial) ? panel->logicEventAt(position) : nullptr;
    if (!target)
        return;
    target->record.effect = result.record.effect;
    target->conditions = result.conditions;
    updateEventTable();
}

void MyActionsWidget::removeManeuvers(QTableWidget *table)
{
    PanelConfig *panel = tablePanel();
    if (!panel)
        return;
    QList<int> slotIds;
    selectedRowIds(table, slotIds);
    std::sort(slotIds.begin(), slotIds.end());
    int removed = 0;
    for (int slot : slotIds) {
        if (panel->removeEvent(slot - removed) == 1)
            ++removed;
    }
    facility->markUsedElements();
    refreshTreeIcons();
    updateEventTable();
    updateTrees();
}

void MyActionsWidget::slotRemoveAction()
{
    removeManeuvers(lastManeuverTable);
}

void MyActionsWidget::slotRemoveLogAction()
{
    PanelConfig *panel = tablePanel();
    if (!panel)
        return;
    QList<int> positions;
    selectedRowIds(ui->tableWidget_2, positions);
    std::sort(positions.begin(), positions.end());
    int removed = 0;
    for (int position : positions) {
        if (panel->removeLogicEvent(position - removed) == 1)
            ++removed;
    }
    updateEventTable();
}

// Delete removes the rows selected in the table that has the focus.
void MyActionsWidget::deleteInTable(QWidget *focused)
{
    if (focused == ui->tableWidgetInputs || focused == ui->tableWidgetOutputs) {
        lastManeuverTable = static_cast<QTableWidget *>(focused);
        removeManeuvers(lastManeuverTable);
    } else if (focused == ui->tableWidget_2) {
        slotRemoveLogAction();
    }
}

void MyActionsWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Delete) {
        QWidget::keyPressEvent(event);
        return;
    }
    deleteInTable(focusWidget());
}

// The tables would take the Delete key for their keyboard search; the page
// handles it. A table that gets the focus becomes the one the remove button
// acts on.
bool MyActionsWidget::eventFilter(QObject *watched, QEvent *event)
{
    auto *table = qobject_cast<QTableWidget *>(watched);
    if (table && event->type() == QEvent::FocusIn
        && (table == ui->tableWidgetInputs || table == ui->tableWidgetOutputs)) {
        lastManeuverTable = table;
    } else if (table && event->type() == QEvent::KeyPress
               && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Delete) {
        deleteInTable(table);
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

// ---------------------------------------------------------------- summary

void MyActionsWidget::slotSummary()
{
    DialogManeouverSummary dialog(facility, nullptr);
    dialog.exec();
}
