#pragma once
#include <QIcon>
#include <QWidget>

#include <memory>
#include <vector>

struct DeviceRecord;
class Facility;
class PanelConfig;
class QAction;
class QKeyEvent;
class QTreeWidget;
class QTreeWidgetItem;

namespace Ui {
class MyElementsWidget;
}

// The "Elements" page of panelsetup: the site as a tree (panels, their eight
// loops, the elements of each loop, multi-address modules as a module row with
// one row per address), in-place edits of an element's description, zone and
// zone name, and the element, loop and panel commands of its context menu, the
// Delete key and the main window's toolbar.
//
// Tree rows carry the whole panel index (TreeItemKind::numberOf), never only its
// low byte. Rows standing for a module address whose first address is missing
// (placeholders) are inert: no edit, Delete or Modify acts through them.
class MyElementsWidget : public QWidget {
    Q_OBJECT
public:
    // What a selection stands for (selectedPosition's result).
    enum SelectionKind {
        SelectedNothing = 0,          // also a placeholder row
        SelectedElement = 0x1000,     // an element or module row
        SelectedLoop = 0x3000,
        SelectedPanel = 0x4000,       // also when nothing is selected: panel -1
    };

    explicit MyElementsWidget(QWidget *parent = nullptr);
    ~MyElementsWidget() override;

    // The site this page shows and edits; set by the main window right after
    // construction and whenever a site file replaces the site. Not owned.
    void setFacility(Facility *facility) { m_facility = facility; }
    Facility *facility() const { return m_facility; }

    // Rebuilds the whole tree from the facility.
    void refreshTree();
    void retranslateUi();

    QTreeWidget *treeWidget() const;

    // Panel, loop and address of the first selected row (see SelectionKind).
    int selectedPosition(int &panel, int &loop, int &address) const;
    // Adds the rows of one element of a panel / of the addresses first .. end - 1.
    void addDeviceToTree(int panel, const DeviceRecord &element, const QString &zoneName);
    void addDeviceRange(int panel, int loop, int first, int end);
    // Every panel row expanded; loop rows without rows hidden, the others shown and expanded.
    void updateLoopVisibility();
    void expandPanel(int panel);
    void expandLoop(int panel, int loop);
    // Selects the first row of the loop whose address is greater than `address`, else its last row.
    void selectNextDevice(int panel, int loop, int address);
    void setZoneName(int panel, int zone, const QString &name);

    // Stores and closes a cell editor still open when a command starts (a
    // toolbar button or menu entry takes no focus, so the editor is still there).
    void finishCellEdit();

signals:
    void signalElementAddedRemovedModified();
    void signalPanelAddedRemovedModified();

public slots:
    void slotAddPanel();
    void slotAddElement();
    void slotRemoveElement();
    void slotModifyButtonPressed();
    void doubleClickedSlot(QTreeWidgetItem *item, int column);
    void itemChangedSlot(QTreeWidgetItem *item, int column);
    void slotRemoveElement(int panel, int loop, int address);
    void slotModifyElement(int panel, int loop, int address);
    void slotAddElement(int panel, int loop, int address);
    void slotRemovePanel(int panel);
    void slotModifyPanel(int panel);
    void slotRemoveLoop(int panel, int loop);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    class LoopRows;

    PanelConfig *panelAt(int index) const;
    QTreeWidgetItem *panelRow(int panel) const;
    QTreeWidgetItem *loopRow(int panel, int loop) const;
    // The position a row stands for, as selectedPosition gives it.
    int positionOf(const QTreeWidgetItem *item, int &panel, int &loop, int &address) const;
    std::unique_ptr<QTreeWidgetItem> makePanelRow(int index, const PanelConfig &panel);
    std::unique_ptr<QTreeWidgetItem> makeModuleRow(const DeviceRecord &first, bool placeholder);
    std::unique_ptr<QTreeWidgetItem> makeElementRow(const DeviceRecord &element, const QString &zoneName,
                                                    bool placeholder);
    // The rows of one loop of a panel, under its (empty) loop row.
    void addLoopRows(QTreeWidgetItem *loopItem, const PanelConfig &panel, int loop);
    void addDevice(LoopRows &rows, const PanelConfig &panel, const DeviceRecord &element, const QString &zoneName);
    void fillElementRow(QTreeWidgetItem *row, const DeviceRecord &element, const QString &zoneName, bool placeholder);
    void refreshDeviceRow(QTreeWidgetItem *item);
    QIcon typeIcon(int type, bool faint);
    // The lowest network address from 1 to 32 no panel of the site uses; 0 when all are taken.
    int freePanelAddress() const;
    void showError(const QString &text);

    std::unique_ptr<Ui::MyElementsWidget> ui;
    Facility *m_facility = nullptr;
    int lastLoop = 0;
    int nextAddress = 0;
    int lastPanel = 0;
    QAction *m_actionAddPanel = nullptr;
    QAction *m_actionAddDevice = nullptr;
    QAction *m_actionEdit = nullptr;
    QAction *m_actionRemove = nullptr;
    QIcon m_panelIcon;
    QIcon m_loopIcon;
    QIcon m_icons[13];        // element type icons, loaded on first use
    QIcon m_faintIcons[13];
};
