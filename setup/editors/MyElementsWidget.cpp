#include "MyElementsWidget.h"

#include "ui_MyElementsWidget.h"

#include "DeviceRecord.h"
#include "DialogAddPanel.h"
#include "DialogEditPanel.h"
#include "DialogElement.h"
#include "Facility.h"
#include "PanelConfig.h"
#include "TreeItemKind.h"

#include <QAbstractItemDelegate>
#include <QAction>
#include <QKeyEvent>
#include <QMessageBox>
#include <QSignalBlocker>

#include <algorithm>

namespace {

// What an element-kind row is; placeholders stand for no stored element.
constexpr int RowRole = Qt::UserRole + 2;
enum RowKind { RowElement = 0, RowModule = 1, RowPlaceholder = 2 };
// On a row of a loop: the first address after those it may hold.
constexpr int SpanEndRole = Qt::UserRole + 3;

constexpr int ColumnCount = 6;
constexpr int MaxEditLength = 32;
constexpr int MaxNetworkAddress = 32;
const QSize RowSize(20, 20);

int rowKind(const QTreeWidgetItem *item)
{
    return item->data(0, RowRole).toInt();
}

void centreColumns(QTreeWidgetItem *row)
{
    for (int column : {0, 1, 2, 4})
        row->setTextAlignment(column, Qt::AlignCenter);
}

} // namespace

// The rows of one loop row, kept in the order of their first addresses, with
// the first address after the span each row may hold (a module row its
// model's addresses, any other row none beyond its own).
class MyElementsWidget::LoopRows {
public:
    explicit LoopRows(QTreeWidgetItem *loopRow) : item(loopRow)
    {
        rows.reserve(size_t(loopRow->childCount()));
        for (int i = 0; i < loopRow->childCount(); ++i) {
            const QTreeWidgetItem *child = loopRow->child(i);
            rows.push_back({TreeItemKind::numberOf(child), child->data(0, SpanEndRole).toInt()});
        }
    }

    // After every row that starts before `address`.
    int positionFor(int address) const
    {
        const auto it = std::find_if(rows.begin(), rows.end(),
                                     [address](const Row &row) { return row.first >= address; });
        return int(it - rows.begin());
    }

    // The last module row before `position`, past the single rows after it,
    // when its span takes in `address`: a part stays with its module even where
    // a single element took one of the module's addresses.
    QTreeWidgetItem *moduleHolding(int position, int address) const
    {
        for (int i = position - 1; i >= 0; --i) {
            QTreeWidgetItem *row = item->child(i);
            if (rowKind(row) == RowElement)
                continue;
            return address < rows[size_t(i)].end ? row : nullptr;
        }
        return nullptr;
    }

    void insert(int position, std::unique_ptr<QTreeWidgetItem> row, int spanEnd)
    {
        const int first = TreeItemKind::numberOf(row.get());
        row->setData(0, SpanEndRole, spanEnd);
        item->insertChild(position, row.release());
        rows.insert(rows.begin() + position, Row{first, spanEnd});
    }

    QTreeWidgetItem *item;

private:
    struct Row {
        int first;
        int end;
    };
    std::vector<Row> rows;
};

MyElementsWidget::MyElementsWidget(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::MyElementsWidget>())
{
    ui->setupUi(this);
    m_panelIcon = QIcon(QStringLiteral(":/icons/icons/i_panel.png"));
    m_loopIcon = QIcon(QStringLiteral(":/icons/icons/i_loop.png"));

    QTreeWidget *tree = ui->treeWidget;
    tree->setAlternatingRowColors(true);
    tree->setExpandsOnDoubleClick(true);
    QPalette palette = tree->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Highlight, QColor(QStringLiteral("#6eb1f5")));
    tree->setPalette(palette);
    const int widths[ColumnCount] = {170, 95, 150, 225, 75, 350};
    for (int column = 0; column < ColumnCount; ++column)
        tree->setColumnWidth(column, widths[column]);

    tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_actionAddPanel = new QAction(this);
    m_actionAddDevice = new QAction(this);
    m_actionEdit = new QAction(this);
    m_actionRemove = new QAction(this);
    connect(m_actionAddPanel, &QAction::triggered, this, &MyElementsWidget::slotAddPanel);
    connect(m_actionAddDevice, &QAction::triggered, this, qOverload<>(&MyElementsWidget::slotAddElement));
    connect(m_actionEdit, &QAction::triggered, this, &MyElementsWidget::slotModifyButtonPressed);
    connect(m_actionRemove, &QAction::triggered, this, qOverload<>(&MyElementsWidget::slotRemoveElement));
    tree->addAction(m_actionAddPanel);
    tree->addAction(m_actionAddDevice);
    tree->addAction(m_actionEdit);
    tree->addAction(m_actionRemove);
    tree->setIconSize(RowSize);
    retranslateUi();

    connect(tree, &QTreeWidget::itemDoubleClicked, this, &MyElementsWidget::doubleClickedSlot);
    connect(tree, &QTreeWidget::itemChanged, this, &MyElementsWidget::itemChangedSlot);
}

MyElementsWidget::~MyElementsWidget() = default;

QTreeWidget *MyElementsWidget::treeWidget() const
{
    return ui->treeWidget;
}

void MyElementsWidget::retranslateUi()
{
    m_actionAddPanel->setText(tr("Add panel"));
    m_actionAddDevice->setText(tr("Add device"));
    m_actionEdit->setText(tr("Edit"));
    m_actionRemove->setText(tr("Remove"));
    ui->retranslateUi(this);
}

// ---- tree rows -------------------------------------------------------------------

PanelConfig *MyElementsWidget::panelAt(int index) const
{
    if (!m_facility || index < 0 || index >= m_facility->panelCount())
        return nullptr;
    return m_facility->getPanel(index);
}

QTreeWidgetItem *MyElementsWidget::panelRow(int panel) const
{
    QTreeWidgetItem *row = ui->treeWidget->topLevelItem(panel);
    return row && TreeItemKind::numberOf(row) == panel ? row : nullptr;
}

QTreeWidgetItem *MyElementsWidget::loopRow(int panel, int loop) const
{
    QTreeWidgetItem *row = panelRow(panel);
    return row && loop >= 0 ? row->child(loop) : nullptr;
}

QIcon MyElementsWidget::typeIcon(int type, bool faint)
{
    if (!DeviceRecord::isValidType(type) || type == 0)
        return QIcon();
    QIcon &icon = faint ? m_faintIcons[type] : m_icons[type];
    if (icon.isNull()) {
        DeviceRecord sample;
        sample.type = static_cast<unsigned char>(type);
        icon = sample.icon(faint);
    }
    return icon;
}

void MyElementsWidget::fillElementRow(QTreeWidgetItem *row, const DeviceRecord &element, const QString &zoneName,
                                      bool placeholder)
{
    row->setData(0, RowRole, placeholder ? RowPlaceholder : RowElement);
    row->setText(1, element.addressDisplayText());
    row->setText(2, element.classNames());
    row->setText(3, element.description);
    row->setText(4, placeholder ? QStringLiteral("?") : element.zoneDisplayText());
    row->setText(5, placeholder ? QStringLiteral("??????") : zoneName);
    row->setIcon(0, typeIcon(element.type, placeholder));
    row->setFlags(placeholder ? Qt::ItemIsSelectable | Qt::ItemIsEnabled
                              : Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsEnabled);
    centreColumns(row);
    row->setSizeHint(0, RowSize);

    // Later rules win: disabled, then Tech, then Sound, then placeholder grey.
    QString marker;
    QColor colour;
    if (element.mode == 0) {
        marker = QStringLiteral("(D)");
        colour = QColor(160, 160, 160);
    }
    if (element.flags & DeviceRecord::FlagTech) {
        marker = QStringLiteral("(T)");
        colour = QColor(QStringLiteral("#003bbd"));
    }
    if (element.flags & DeviceRecord::FlagSound) {
        marker = QStringLiteral("(S)");
        colour = QColor(QStringLiteral("#003bbd"));
    }
    if (placeholder)
        colour = QColor(200, 200, 200);
    row->setText(0, marker);
    for (int column = 0; column < ColumnCount; ++column) {
        if (colour.isValid())
            row->setForeground(column, colour);
        else
            row->setData(column, Qt::ForegroundRole, QVariant());
    }
}

std::unique_ptr<QTreeWidgetItem> MyElementsWidget::makeElementRow(const DeviceRecord &element,
                                                                  const QString &zoneName, bool placeholder)
{
    auto row = TreeItemKind::make(TreeItemKind::Element, element.address);
    fillElementRow(row.get(), element, zoneName, placeholder);
    return row;
}

std::unique_ptr<QTreeWidgetItem> MyElementsWidget::makeModuleRow(const DeviceRecord &first, bool placeholder)
{
    auto row = TreeItemKind::make(TreeItemKind::Element, first.address);
    row->setData(0, RowRole, placeholder ? RowPlaceholder : RowModule);
    const int count = DeviceRecord::moduleAddressCount(first.ext_type);
    row->setText(1, QString::number(first.address + 1) + QLatin1Char('-') + QString::number(first.address + count));
    row->setText(2, first.typeName());
    row->setIcon(0, typeIcon(first.type, false));
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    centreColumns(row.get());
    row->setSizeHint(0, RowSize);
    return row;
}

// Each row is placed by its own address. A module row takes in the later
// addresses of its span, also past a single element that sits on one of them;
// another module, or a part with no module row before it, keeps its own place
// in the order of addresses.
void MyElementsWidget::addDevice(LoopRows &rows, const PanelConfig &panel, const DeviceRecord &element,
                                 const QString &zoneName)
{
    const int address = element.address;
    const int code = element.ext_type;
    const int addresses = DeviceRecord::moduleAddressCount(code);
    const int position = rows.positionFor(address);
    auto row = makeElementRow(element, zoneName, false);

    if (!element.isModulePart()) {
        rows.insert(position, std::move(row), address + 1);
        return;
    }
    if (element.isFirstAddress()) {
        auto module = makeModuleRow(element, false);
        module->addChild(row.release());
        rows.insert(position, std::move(module), address + addresses);
        return;
    }

    // A middle or last address: the module row before it whose span takes it in.
    if (QTreeWidgetItem *host = rows.moduleHolding(position, address)) {
        host->addChild(row.release());
        return;
    }
    // Is its module's first address missing?
    int empties = 0;
    for (int a = address - 1; a >= 0 && a >= address - (addresses - 1); --a) {
        const DeviceRecord *before = panel.deviceAt(element.loop, a);
        if (before->type == 0) {
            ++empties;
            continue;
        }
        if (before->isFirstAddress())
            break;
    }
    if (empties != 0) {
        DeviceRecord copy = element;
        copy.address = static_cast<unsigned char>(address - 1);
        copy.description = QStringLiteral("??????");
        auto module = makeModuleRow(copy, true);
        module->addChild(makeElementRow(copy, QString(), true).release());
        module->addChild(row.release());
        rows.insert(position, std::move(module), copy.address + addresses);
        return;
    }
    // No module row to hold it: shown as a row of the loop of its own.
    rows.insert(position, std::move(row), address + 1);
}

void MyElementsWidget::addLoopRows(QTreeWidgetItem *loopItem, const PanelConfig &panel, int loop)
{
    LoopRows rows(loopItem);
    for (int address = 0; address < PanelConfig::AddressCount; ++address) {
        const DeviceRecord &element = *panel.deviceAt(loop, address);
        if (element.type == 0)
            continue;
        const ZoneRecord *zone = panel.zoneAt(element.zone);
        addDevice(rows, panel, element, zone ? zone->description : QString());
    }
}

std::unique_ptr<QTreeWidgetItem> MyElementsWidget::makePanelRow(int index, const PanelConfig &panel)
{
    auto row = TreeItemKind::make(TreeItemKind::Panel, index);
    row->setText(0, panel.name());
    row->setIcon(0, m_panelIcon);
    row->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    row->setSizeHint(0, RowSize);
    for (int loop = 0; loop < PanelConfig::LoopCount; ++loop) {
        auto loopItem = TreeItemKind::make(TreeItemKind::Loop, loop);
        loopItem->setText(0, tr("Loop ") + QString::number(loop + 1));
        loopItem->setIcon(0, m_loopIcon);
        loopItem->setSizeHint(0, RowSize);
        addLoopRows(loopItem.get(), panel, loop);
        row->addChild(loopItem.release());
    }
    return row;
}

void MyElementsWidget::refreshTree()
{
    QTreeWidget *tree = ui->treeWidget;
    const QSignalBlocker blocker(tree);
    tree->clear();
    if (!m_facility)
        return;
    // Rows are built away from the tree and handed over whole: one insertion per panel.
    for (int i = 0; i < m_facility->panelCount(); ++i)
        tree->addTopLevelItem(makePanelRow(i, *m_facility->getPanel(i)).release());
    updateLoopVisibility();
}

void MyElementsWidget::addDeviceToTree(int panel, const DeviceRecord &element, const QString &zoneName)
{
    const PanelConfig *config = panelAt(panel);
    QTreeWidgetItem *loop = loopRow(panel, element.loop);
    if (!config || !loop)
        return;
    const QSignalBlocker blocker(ui->treeWidget);
    LoopRows rows(loop);
    addDevice(rows, *config, element, zoneName);
}

void MyElementsWidget::addDeviceRange(int panel, int loop, int first, int end)
{
    const PanelConfig *config = panelAt(panel);
    QTreeWidgetItem *loopItem = loopRow(panel, loop);
    if (!config || !loopItem)
        return;
    const QSignalBlocker blocker(ui->treeWidget);
    if (config->holdsPartialModule(loop)) {
        // New rows can change how the parts of a module that lost addresses
        // are grouped (a placeholder no longer wanted, a part no longer next
        // to its module row): the loop is shown again as a rebuild shows it.
        qDeleteAll(loopItem->takeChildren());
        addLoopRows(loopItem, *config, loop);
        return;
    }
    LoopRows rows(loopItem);
    for (int address = std::max(first, 0); address < std::min(end, int(PanelConfig::AddressCount)); ++address) {
        const DeviceRecord &element = *config->deviceAt(loop, address);
        const ZoneRecord *zone = config->zoneAt(element.zone);
        addDevice(rows, *config, element, zone ? zone->description : QString());
    }
}

void MyElementsWidget::updateLoopVisibility()
{
    QTreeWidget *tree = ui->treeWidget;
    for (int p = 0; p < tree->topLevelItemCount(); ++p) {
        QTreeWidgetItem *panel = tree->topLevelItem(p);
        panel->setExpanded(true);
        for (int l = 0; l < panel->childCount(); ++l) {
            QTreeWidgetItem *loop = panel->child(l);
            const bool empty = loop->childCount() == 0;
            loop->setHidden(empty);
            if (!empty)
                loop->setExpanded(true);
        }
    }
}

void MyElementsWidget::expandPanel(int panel)
{
    if (QTreeWidgetItem *row = panelRow(panel))
        row->setExpanded(true);
}

void MyElementsWidget::expandLoop(int panel, int loop)
{
    expandPanel(panel);
    if (QTreeWidgetItem *row = loopRow(panel, loop))
        row->setExpanded(true);
}

void MyElementsWidget::selectNextDevice(int panel, int loop, int address)
{
    QTreeWidgetItem *loopItem = loopRow(panel, loop);
    if (!loopItem || loopItem->childCount() == 0)
        return;
    QTreeWidgetItem *next = loopItem->child(loopItem->childCount() - 1);
    for (int i = 0; i < loopItem->childCount(); ++i) {
        if (TreeItemKind::numberOf(loopItem->child(i)) > address) {
            next = loopItem->child(i);
            break;
        }
    }
    ui->treeWidget->setCurrentItem(next);
}

void MyElementsWidget::setZoneName(int panel, int zone, const QString &name)
{
    PanelConfig *config = panelAt(panel);
    ZoneRecord *record = config ? config->zoneAt(zone) : nullptr;
    if (record && record->description != name)
        record->description = name.left(PanelConfig::ZoneDescriptionBytes);
}

// ---- selection -------------------------------------------------------------------

int MyElementsWidget::positionOf(const QTreeWidgetItem *item, int &panel, int &loop, int &address) const
{
    panel = -1;
    loop = -1;
    switch (TreeItemKind::kindOf(item)) {
    case TreeItemKind::Panel:
        panel = TreeItemKind::numberOf(item);
        address = -1;
        return SelectedPanel;
    case TreeItemKind::Loop:
        loop = TreeItemKind::numberOf(item);
        panel = TreeItemKind::numberOf(item->parent());
        return SelectedLoop;
    case TreeItemKind::Element:
        for (const QTreeWidgetItem *up = item->parent(); up; up = up->parent()) {
            if (loop < 0 && TreeItemKind::kindOf(up) == TreeItemKind::Loop)
                loop = TreeItemKind::numberOf(up);
            else if (TreeItemKind::kindOf(up) == TreeItemKind::Panel)
                panel = TreeItemKind::numberOf(up);
        }
        if (rowKind(item) == RowPlaceholder) {
            address = -1;
            return SelectedNothing;
        }
        address = TreeItemKind::numberOf(item);
        return SelectedElement;
    default:
        if (!item) {
            address = -1;
            return SelectedPanel;
        }
        address = -1;
        return SelectedNothing;
    }
}

int MyElementsWidget::selectedPosition(int &panel, int &loop, int &address) const
{
    const QList<QTreeWidgetItem *> selected = ui->treeWidget->selectedItems();
    return positionOf(selected.value(0), panel, loop, address);
}

// ---- in-place edits --------------------------------------------------------------------

void MyElementsWidget::doubleClickedSlot(QTreeWidgetItem *item, int column)
{
    if (!item)
        return;
    const bool editable = column >= 3 && column <= 5 && TreeItemKind::kindOf(item) == TreeItemKind::Element
        && rowKind(item) == RowElement && item->childCount() == 0;
    const QSignalBlocker blocker(ui->treeWidget);
    if (editable)
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    else
        item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
}

void MyElementsWidget::refreshDeviceRow(QTreeWidgetItem *item)
{
    int panel = -1, loop = -1, address = -1;
    if (positionOf(item, panel, loop, address) != SelectedElement)
        return;
    PanelConfig *config = panelAt(panel);
    const DeviceRecord *element = config ? config->deviceAt(loop, address) : nullptr;
    if (!element)
        return;
    const ZoneRecord *zone = config->zoneAt(element->zone);
    {
        const QSignalBlocker blocker(ui->treeWidget);
        fillElementRow(item, *element, zone ? zone->description : QString(), false);
    }
    config->rebuildZoneStates();
}

void MyElementsWidget::itemChangedSlot(QTreeWidgetItem *item, int column)
{
    if (!item || TreeItemKind::kindOf(item) != TreeItemKind::Element || rowKind(item) != RowElement)
        return;
    int panel = -1, loop = -1, address = -1;
    if (positionOf(item, panel, loop, address) != SelectedElement)
        return;
    PanelConfig *config = panelAt(panel);
    DeviceRecord *element = config ? config->deviceAt(loop, address) : nullptr;
    if (!element || element->type == 0)
        return;

    switch (column) {
    case 1:
    case 2:
        refreshDeviceRow(item);
        break;
    case 3: {
        const QString text = item->text(3);
        if (text.size() <= MaxEditLength)
            element->description = text.left(PanelConfig::DeviceDescriptionBytes);
        refreshDeviceRow(item);
        break;
    }
    case 4: {
        bool ok = false;
        const int zone = item->text(4).toInt(&ok, 10);
        if (ok && zone >= 1 && zone <= PanelConfig::ZoneCount)
            element->zone = static_cast<unsigned char>(zone - 1);
        refreshDeviceRow(item);
        break;
    }
    case 5: {
        const QString text = item->text(5);
        if (text.size() > MaxEditLength || !config->zoneAt(element->zone)) {
            refreshDeviceRow(item);
            break;
        }
        setZoneName(panel, element->zone, text);
        // Every row of the zone shows the new name, but the rebuild frees the
        // row being committed: it runs once this edit has returned.
        QMetaObject::invokeMethod(
            this,
            [this, panel, loop] {
                refreshTree();
                expandPanel(panel);
                expandLoop(panel, loop);
                emit signalElementAddedRemovedModified();
            },
            Qt::QueuedConnection);
        break;
    }
    default:
        break;
    }
}

// ---- commands --------------------------------------------------------------------

// The main window's toolbar takes no focus, so a command can start while a cell
// is still being edited. The text typed there is stored first, as leaving the
// cell would store it: the command's dialog is then loaded with it and its
// rebuild shows it. Otherwise the edit would reach the tree only while signals
// are blocked (shown, never stored) or after the dialog read the element (and
// be overwritten by its Ok).
void MyElementsWidget::finishCellEdit()
{
    QTreeWidget *tree = ui->treeWidget;
    const QModelIndex index = tree->currentIndex();
    QWidget *editor = index.isValid() ? tree->indexWidget(index) : nullptr;
    if (!editor)
        return;
    QAbstractItemDelegate *delegate = tree->itemDelegateForIndex(index);
    emit delegate->commitData(editor);
    emit delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void MyElementsWidget::showError(const QString &text)
{
    QMessageBox::warning(this, tr("Error"), text, QMessageBox::Ok);
}

void MyElementsWidget::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete) {
        slotRemoveElement();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MyElementsWidget::slotAddElement()
{
    finishCellEdit();
    int panel = -1, loop = -1, address = -1;
    selectedPosition(panel, loop, address);
    slotAddElement(panel, loop, address);
}

void MyElementsWidget::slotRemoveElement()
{
    finishCellEdit();
    int panel = -1, loop = -1, address = -1;
    const int kind = selectedPosition(panel, loop, address);
    if (kind == SelectedLoop)
        slotRemoveLoop(panel, loop);
    else if (kind == SelectedPanel && panel >= 0)
        slotRemovePanel(panel);
    else if (kind == SelectedElement)
        slotRemoveElement(panel, loop, address);
}

void MyElementsWidget::slotModifyButtonPressed()
{
    finishCellEdit();
    int panel = -1, loop = -1, address = -1;
    const int kind = selectedPosition(panel, loop, address);
    if (kind == SelectedElement)
        slotModifyElement(panel, loop, address);
    else if (kind == SelectedPanel && panel >= 0)
        slotModifyPanel(panel);
}

void MyElementsWidget::slotAddElement(int panel, int loop, int /*address*/)
{
    finishCellEdit();
    const QSignalBlocker blocker(ui->treeWidget);
    if (!m_facility || m_facility->panelCount() == 0) {
        showError(tr("Error: First add one Panel  "));
        return;
    }
    int presetPanel = panel;
    int presetLoop = loop;
    int presetAddress = 0;
    if (panel == -1) {
        presetPanel = lastPanel;
        presetLoop = lastLoop;
        presetAddress = nextAddress;
    } else if (panel == lastPanel && loop == lastLoop) {
        presetAddress = nextAddress;
    }
    if (!panelAt(presetPanel))
        presetPanel = 0;

    DeviceRecord element;
    element.mode = 1;
    auto dialog = std::make_unique<DialogElement>(this, m_facility->panelNames(), element, DialogElement::AddMode,
                                                  m_facility, presetPanel, presetLoop, presetAddress);
    if (dialog->exec() != QDialog::Accepted)
        return;

    DeviceRecord record;
    dialog->takeDevice(record);
    const int quantity = dialog->quantity();
    const int chosen = dialog->panelIndex();
    PanelConfig *config = panelAt(chosen);
    if (!config)
        return;
    const int first = record.address;
    const int chosenLoop = record.loop;
    const int count = DeviceRecord::moduleAddressCount(record.ext_type) * quantity;
    if (config->insertDevices(record, quantity, false) != 1) {
        showError(tr("Error: device already exists"));
        return;
    }
    setZoneName(chosen, record.zone, dialog->zoneName());
    // The zone states go to the panel with its zones: they follow the elements.
    config->rebuildZoneStates();
    addDeviceRange(chosen, chosenLoop, first, first + count);

    const int lastWritten = first + count - 1;
    if (lastWritten <= PanelConfig::AddressCount - 2)
        nextAddress = lastWritten + 1;
    lastLoop = chosenLoop;
    lastPanel = chosen;
    updateLoopVisibility();
    emit signalElementAddedRemovedModified();
}

void MyElementsWidget::slotModifyElement(int panel, int loop, int address)
{
    finishCellEdit();
    PanelConfig *config = panelAt(panel);
    const DeviceRecord *stored = config ? config->deviceAt(loop, address) : nullptr;
    if (!stored)
        return;
    auto dialog = std::make_unique<DialogElement>(this, m_facility->panelNames(), *stored, DialogElement::ModifyMode,
                                                  m_facility, panel, loop, address);
    const bool accepted = dialog->exec() == QDialog::Accepted;
    config = panelAt(panel);
    if (!config)
        return;
    if (accepted) {
        DeviceRecord record;
        dialog->takeDevice(record);
        stored = config->deviceAt(loop, address);
        const bool modelChanged = (stored->ext_type & DeviceRecord::ModelMask)
            != (record.ext_type & DeviceRecord::ModelMask);
        // A new model takes the place of the module being modified only: one
        // that would cover another element (or run past the loop) is refused.
        if (modelChanged && stored->type != 0
            && !config->fitsInPlaceOfModule(loop, address, DeviceRecord::moduleAddressCount(record.ext_type))) {
            showError(tr("Error: device already exists"));
        } else {
            setZoneName(panel, record.zone, dialog->zoneName());
            if (config->replaceDevice(record, modelChanged)) {
                refreshTree();
                emit signalElementAddedRemovedModified();
                expandPanel(panel);
                expandLoop(panel, loop);
                if (address <= PanelConfig::AddressCount - 2)
                    nextAddress = address + 1;
                lastLoop = loop;
                lastPanel = panel;
            }
        }
    }
    config->rebuildZoneStates();
}

void MyElementsWidget::slotRemoveElement(int panel, int loop, int address)
{
    finishCellEdit();
    PanelConfig *config = panelAt(panel);
    if (!config)
        return;
    config->removeDevice(loop, address);
    config->rebuildZoneStates();
    refreshTree();
    emit signalElementAddedRemovedModified();
    expandPanel(panel);
    expandLoop(panel, loop);
    selectNextDevice(panel, loop, address);
}

void MyElementsWidget::slotRemoveLoop(int panel, int loop)
{
    finishCellEdit();
    PanelConfig *config = panelAt(panel);
    if (!config)
        return;
    for (int address = 0; address < PanelConfig::AddressCount; ++address)
        config->removeDevice(loop, address);
    config->rebuildZoneStates();
    emit signalElementAddedRemovedModified();
    refreshTree();
}

void MyElementsWidget::slotRemovePanel(int panel)
{
    finishCellEdit();
    if (!panelAt(panel))
        return;
    m_facility->removePanel(panel);
    refreshTree();
    emit signalPanelAddedRemovedModified();
}

int MyElementsWidget::freePanelAddress() const
{
    for (int address = 1; address <= MaxNetworkAddress; ++address) {
        if (!m_facility->findPanelByAddress(address))
            return address;
    }
    return 0;
}

void MyElementsWidget::slotAddPanel()
{
    finishCellEdit();
    const QSignalBlocker blocker(ui->treeWidget);
    if (!m_facility)
        return;
    const int address = freePanelAddress();
    if (address == 0) {
        showError(tr("Error: every network address from 1 to 32 is in use"));
        return;
    }
    auto dialog = std::make_unique<DialogAddPanel>(QString(), nullptr);
    if (dialog->exec() != QDialog::Accepted)
        return;

    auto panel = std::make_unique<PanelConfig>();
    QString name = dialog->name();
    if (name.isEmpty())
        name = tr("Panel ") + QString::number(m_facility->panelCount() + 1);
    panel->setName(name);
    panel->version = QStringLiteral("-.--");
    panel->phone.clear();
    panel->installer.clear();
    panel->address = address;
    panel->type = address == 1 ? 1 : 0;
    m_facility->addPanel(panel.release());
    emit signalPanelAddedRemovedModified();
    refreshTree();
}

void MyElementsWidget::slotModifyPanel(int panel)
{
    finishCellEdit();
    PanelConfig *config = panelAt(panel);
    if (!config)
        return;
    auto dialog = std::make_unique<DialogEditPanel>(config, this);
    dialog->setModal(true);
    if (dialog->exec() == QDialog::Accepted) {
        refreshTree();
        expandPanel(panel);
        emit signalPanelAddedRemovedModified();
    }
}
