#include "DialogAddPanel.h"
#include "DialogEditPanel.h"
#include "DialogElement.h"
#include "Facility.h"
#include "ModalScript.h"
#include "MyElementsWidget.h"
#include "PanelConfig.h"
#include "TreeItemKind.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>
#include <QtTest>

#include <algorithm>
#include <memory>

namespace {

// A site and the page showing it, as the main window sets them up.
struct Site {
    Facility facility;
    MyElementsWidget widget;

    Site() { widget.setFacility(&facility); }

    PanelConfig &addPanel(const QString &name, int address = 1)
    {
        auto panel = std::make_unique<PanelConfig>();
        panel->setName(name);
        panel->address = address;
        PanelConfig &p = *panel;
        facility.addPanel(panel.release());
        return p;
    }

    QTreeWidget *tree() const { return widget.treeWidget(); }

    QAction *action(const QString &text) const
    {
        for (QAction *a : tree()->actions())
            if (a->text() == text)
                return a;
        return nullptr;
    }

    QTreeWidgetItem *loopRow(int panel, int loop) const { return tree()->topLevelItem(panel)->child(loop); }
};

// Elements as the editor stores them (whole modules through the model).
void place(PanelConfig &p, int loop, int address, int model, const QString &description = QString(), int zone = 0,
           int mode = 1, int flags = 0, int count = 1)
{
    DeviceRecord r;
    r.loop = static_cast<unsigned char>(loop);
    r.address = static_cast<unsigned char>(address);
    r.ext_type = static_cast<unsigned char>(model);
    r.zone = static_cast<unsigned char>(zone);
    r.mode = static_cast<unsigned char>(mode);
    r.flags = static_cast<unsigned char>(flags);
    r.description = description;
    QCOMPARE(p.insertDevices(r, count, false), 1);
}

// The row of an address under a loop row: the element row, or with module set the module row.
QTreeWidgetItem *findRow(QTreeWidgetItem *parent, int address, bool module = false)
{
    for (int i = 0; i < parent->childCount(); ++i) {
        QTreeWidgetItem *child = parent->child(i);
        if (TreeItemKind::numberOf(child) == address && (child->childCount() > 0) == module)
            return child;
        if (child->childCount() > 0 && !module)
            if (QTreeWidgetItem *inner = findRow(child, address, false))
                return inner;
    }
    return nullptr;
}

// What the panel's memory gets for a loop's elements and for the zones.
QByteArray wireForm(const PanelConfig &p, int loop)
{
    QByteArray bytes;
    unsigned char record[PanelConfig::DeviceWireSize];
    for (int a = 0; a < PanelConfig::AddressCount; ++a) {
        std::fill(std::begin(record), std::end(record), 0);
        p.deviceToWire(loop, a, record);
        bytes.append(reinterpret_cast<const char *>(record), sizeof record);
    }
    for (int z = 0; z < PanelConfig::ZoneCount; ++z) {
        std::fill(std::begin(record), std::end(record), 0);
        p.zoneToWire(z, record);
        bytes.append(reinterpret_cast<const char *>(record), sizeof record);
    }
    return bytes;
}

QStringList codes(const PanelConfig &p, int loop, int from, int to)
{
    QStringList list;
    for (int a = from; a <= to; ++a) {
        const DeviceRecord *d = p.deviceAt(loop, a);
        list << (d->type == 0 ? QStringLiteral("-") : QString::number(d->ext_type, 16));
    }
    return list;
}

// Addresses as a download or a site file hands them over, whole modules or
// not: "address:type:code" (0-based address, hardware code in hex), blank separated.
void storeLayout(PanelConfig &p, int loop, const QString &layout)
{
    for (const QString &token : layout.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList parts = token.split(QLatin1Char(':'));
        QCOMPARE(parts.size(), 3);
        const int address = parts[0].toInt();
        unsigned char record[PanelConfig::DeviceWireSize] = {};
        record[ElementRecordLayout::TypeByte] = static_cast<unsigned char>(parts[1].toInt());
        record[ElementRecordLayout::ZoneByte] = 2;
        record[ElementRecordLayout::ModeByte] = 1;
        record[ElementRecordLayout::CodeByte] = static_cast<unsigned char>(parts[2].toInt(nullptr, 16));
        const QByteArray name = "E" + QByteArray::number(address + 1);
        std::copy(name.begin(), name.end(), record + ElementRecordLayout::DescriptionByte);
        QVERIFY(p.deviceFromWire(loop, address, record));
    }
}

// A row as "address text", a leading "?" on a placeholder element row, and a
// module row's own rows in brackets: "13-16 [?13 14]".
QString rowOutline(const QTreeWidgetItem *row)
{
    QString text = (row->text(4) == QLatin1String("?") ? QStringLiteral("?") : QString()) + row->text(1);
    if (row->childCount() > 0) {
        QStringList inner;
        for (int i = 0; i < row->childCount(); ++i)
            inner << rowOutline(row->child(i));
        text += QStringLiteral(" [") + inner.join(QLatin1Char(' ')) + QLatin1Char(']');
    }
    return text;
}

QStringList loopOutline(const QTreeWidgetItem *loop)
{
    QStringList rows;
    for (int i = 0; i < loop->childCount(); ++i)
        rows << rowOutline(loop->child(i));
    return rows;
}

// The addresses of the element rows in the order a reader meets them, placeholders left out.
void collectElementRows(const QTreeWidgetItem *row, QList<int> &addresses)
{
    if (row->childCount() == 0) {
        if (row->text(4) != QLatin1String("?"))
            addresses << TreeItemKind::numberOf(row);
        return;
    }
    for (int i = 0; i < row->childCount(); ++i)
        collectElementRows(row->child(i), addresses);
}

// Every element row of the loop, placeholders left out, in address order: a
// stored element shown twice or not at all shows here.
QList<int> shownAddresses(const QTreeWidgetItem *loop)
{
    QList<int> addresses;
    for (int i = 0; i < loop->childCount(); ++i)
        collectElementRows(loop->child(i), addresses);
    std::sort(addresses.begin(), addresses.end());
    return addresses;
}

// The loop's own rows stand in the order of their first addresses.
bool rowsAscend(const QTreeWidgetItem *loop)
{
    for (int i = 1; i < loop->childCount(); ++i)
        if (TreeItemKind::numberOf(loop->child(i - 1)) >= TreeItemKind::numberOf(loop->child(i)))
            return false;
    return true;
}

QList<int> storedAddresses(const PanelConfig &p, int loop)
{
    QList<int> addresses;
    for (int a = 0; a < PanelConfig::AddressCount; ++a)
        if (p.deviceAt(loop, a)->type != 0)
            addresses << a;
    return addresses;
}

template <class T>
T *child(QWidget *w, const char *name)
{
    T *c = w->findChild<T *>(QLatin1String(name));
    if (!c)
        qWarning("no child %s", name);
    return c;
}

void pressOk(QWidget *dialog)
{
    ModalScript::clickStandardButton(dialog, QDialogButtonBox::Ok);
}

void pressCancel(QWidget *dialog)
{
    ModalScript::clickStandardButton(dialog, QDialogButtonBox::Cancel);
}

// Answers the element dialog: model (combo index), shown address, quantity, then Ok.
ModalScript &addElement(ModalScript &script, int modelIndex, int shownAddress, int quantity = 1, int shownLoop = 0)
{
    return script.dialog<DialogElement>([=](DialogElement *d) {
        child<QComboBox>(d, "typeComboBox")->setCurrentIndex(modelIndex);
        child<QSpinBox>(d, "addressSpinBox")->setValue(shownAddress);
        child<QSpinBox>(d, "addressSpinBoxTo")->setValue(quantity);
        if (shownLoop > 0)
            child<QSpinBox>(d, "loopSpinBox")->setValue(shownLoop);
        pressOk(d);
    });
}

constexpr int ModelOpto = 0;         // combo index of "OPTO"
constexpr int Model2Zones = 6;
constexpr int Model2Inputs = 8;
constexpr int Model1In1Out = 11;
constexpr int Model2In2Out = 12;
constexpr int ModelPanel8Z = 20;

using AddressModels = QList<QPair<int, int>>;   // (address, model)

// Any warning fails the test but the offscreen platform's note on size hints,
// which every shown window gives.
void failOnAnyWarning()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints).*")));
}

} // namespace

class TestMyElementsWidget : public QObject {
    Q_OBJECT
private slots:
    // tree
    void panelWithoutElementsShowsHiddenLoops();
    void elementAndModuleRows();
    void markers_data();
    void markers();
    void orphanModulePartsArePlaceholders();
    void placeholderRowsAreInert();
    void rowsInAddressOrder_data();
    void rowsInAddressOrder();
    void moduleRowNeverEdits();
    void inPlaceEdit_data();
    void inPlaceEdit();
    void zoneNameEditRebuildsAfterTheCommit();
    void commandStoresTheCellBeingEdited_data();
    void commandStoresTheCellBeingEdited();
    // commands
    void addDevicePresetsOnAFreshWidget();
    void addRunOfModulesAndNextPreset();
    void addAtTheLastAddressKeepsTheNextPreset();
    void addRefused_data();
    void addRefused();
    void addWithoutPanel();
    void addPresetsAnExistingPanel();
    void plainModifyKeepsOddRecords_data();
    void plainModifyKeepsOddRecords();
    void modifyChangesWhatTheUserChanged();
    void modelChange_data();
    void modelChange();
    void removeElementRemovesItsModule();
    void rowsStayInOrderAfterAdd_data();
    void rowsStayInOrderAfterAdd();
    void rowsStayInOrderAfterRemove_data();
    void rowsStayInOrderAfterRemove();
    void deleteWithNothingSelected();
    void deletePanel256Of257();
    void editPanel256OpensIt();
    void removeLoop();
    void zoneStateFollowsAddAndRemove_data();
    void zoneStateFollowsAddAndRemove();
    void addPanel_data();
    void addPanel();
    void addPanelTakesTheLowestFreeAddress();
    void addPanelWithEveryAddressTaken();
    void modifyPanel();
};

// ---- tree ----------------------------------------------------------------------------

void TestMyElementsWidget::panelWithoutElementsShowsHiddenLoops()
{
    Site site;
    site.addPanel(QStringLiteral("North"));
    site.widget.refreshTree();
    QTreeWidgetItem *panel = site.tree()->topLevelItem(0);
    QCOMPARE(panel->text(0), QStringLiteral("North"));
    QCOMPARE(panel->type(), 0x4000);
    QVERIFY(panel->isExpanded());
    QCOMPARE(panel->childCount(), 8);
    for (int l = 0; l < 8; ++l) {
        QCOMPARE(panel->child(l)->text(0), QStringLiteral("Loop %1").arg(l + 1));
        QCOMPARE(panel->child(l)->type(), 0x3000 | l);
        QVERIFY(panel->child(l)->isHidden());
    }
    QCOMPARE(site.tree()->columnCount(), 6);
    QCOMPARE(site.tree()->headerItem()->text(3), QStringLiteral("Device description"));
}

void TestMyElementsWidget::elementAndModuleRows()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("North"));
    place(p, 2, 4, 1, QStringLiteral("Hall"), 6);
    place(p, 2, 10, 13, QStringLiteral("IO"), 7);   // 2 inputs 2 outputs: 10..13
    p.zoneAt(6)->description = QStringLiteral("Ground floor");
    site.widget.refreshTree();

    QTreeWidgetItem *loop = site.loopRow(0, 2);
    QVERIFY(!loop->isHidden());
    QVERIFY(loop->isExpanded());
    QCOMPARE(loop->childCount(), 2);
    QTreeWidgetItem *single = loop->child(0);
    QCOMPARE(single->type(), 0x1000 | 4);
    const QStringList texts = {single->text(0), single->text(1), single->text(2), single->text(3), single->text(4),
                               single->text(5)};
    QCOMPARE(texts, QStringList({"", "5", "Optical", "Hall", "7", "Ground floor"}));
    QVERIFY(!single->icon(0).isNull());
    QVERIFY(single->flags() & Qt::ItemIsEditable);
    QCOMPARE(single->textAlignment(1), int(Qt::AlignCenter));

    QTreeWidgetItem *module = loop->child(1);
    QCOMPARE(module->text(1), QStringLiteral("11-14"));
    QCOMPARE(module->text(2), QStringLiteral("2 int 2 out"));
    QVERIFY(!(module->flags() & Qt::ItemIsEditable));
    QCOMPARE(module->childCount(), 4);
    QCOMPARE(module->child(3)->text(1), QStringLiteral("14"));
    QCOMPARE(module->child(3)->text(2), QStringLiteral("Output"));
}

void TestMyElementsWidget::markers_data()
{
    QTest::addColumn<int>("model");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("flags");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QColor>("colour");

    const QColor blue(QStringLiteral("#003bbd"));
    QTest::newRow("enabled") << 1 << 1 << 0 << "" << QColor();
    QTest::newRow("in test shows no marker") << 1 << 2 << 0 << "" << QColor();
    QTest::newRow("disabled") << 1 << 0 << 0 << "(D)" << QColor(160, 160, 160);
    QTest::newRow("disabled tech input") << 8 << 0 << 0x40 << "(T)" << blue;
    QTest::newRow("sound output") << 10 << 1 << 0x04 << "(S)" << blue;
}

void TestMyElementsWidget::markers()
{
    QFETCH(int, model);
    QFETCH(int, mode);
    QFETCH(int, flags);
    QFETCH(QString, marker);
    QFETCH(QColor, colour);

    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("P"));
    place(p, 0, 0, model, QStringLiteral("x"), 0, mode, flags);
    site.widget.refreshTree();
    QTreeWidgetItem *row = findRow(site.loopRow(0, 0), 0);
    QCOMPARE(row->text(0), marker);
    for (int c = 0; c < 6; ++c) {
        const QVariant fg = row->data(c, Qt::ForegroundRole);
        QCOMPARE(fg.isValid() ? fg.value<QBrush>().color() : QColor(), colour);
    }
}

void TestMyElementsWidget::orphanModulePartsArePlaceholders()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("P"));
    place(p, 0, 10, 13);            // 10..13
    p.removeDevice(0, 10);
    for (int a = 11; a <= 13; ++a)  // the module's first address is gone, its parts stay
        p.deviceAt(0, a)->type = a < 12 ? 6 : 7;
    place(p, 0, 20, 1);
    site.widget.refreshTree();

    QTreeWidgetItem *loop = site.loopRow(0, 0);
    QCOMPARE(loop->childCount(), 2);
    QTreeWidgetItem *module = loop->child(0);
    QCOMPARE(TreeItemKind::numberOf(module), 10);
    QCOMPARE(module->childCount(), 4);   // placeholder, then 11, 12, 13
    QTreeWidgetItem *placeholder = module->child(0);
    QCOMPARE(placeholder->text(1), QStringLiteral("11"));
    QCOMPARE(placeholder->text(3), QStringLiteral("??????"));
    QCOMPARE(placeholder->text(4), QStringLiteral("?"));
    QCOMPARE(placeholder->text(5), QStringLiteral("??????"));
    QCOMPARE(placeholder->foreground(1).color(), QColor(200, 200, 200));
    QVERIFY(!(placeholder->flags() & Qt::ItemIsEditable));
    QCOMPARE(module->child(1)->text(1), QStringLiteral("12"));
    QCOMPARE(module->child(3)->text(1), QStringLiteral("14"));
    QCOMPARE(TreeItemKind::numberOf(loop->child(1)), 20);
}

void TestMyElementsWidget::placeholderRowsAreInert()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("P"));
    place(p, 0, 9, 1, QStringLiteral("before"));
    p.deviceAt(0, 11)->type = 5;              // last address of a 2-zone module ...
    p.deviceAt(0, 11)->ext_type = 0xC7;       // ... whose first address 10 is empty
    site.widget.refreshTree();
    const QByteArray before = wireForm(p, 0);

    QTreeWidgetItem *module = findRow(site.loopRow(0, 0), 10, true);
    QVERIFY(module);
    // Any dialog that opened would be cancelled here; none may open.
    ModalScript guard;
    guard.pressCancel().pressCancel();
    guard.start();
    for (QTreeWidgetItem *row : {module, module->child(0)}) {
        site.tree()->setCurrentItem(row);
        int panel, loop, address = 99;
        QCOMPARE(site.widget.selectedPosition(panel, loop, address), int(MyElementsWidget::SelectedNothing));
        QTest::keyClick(site.tree(), Qt::Key_Delete);
        site.action(QStringLiteral("Edit"))->trigger();
        site.action(QStringLiteral("Remove"))->trigger();
    }
    guard.stop();
    QCOMPARE(guard.answered(), 0);
    QCOMPARE(wireForm(p, 0), before);
    QCOMPARE(p.deviceAt(0, 9)->type, 1);

    // The real address under the placeholder is an element like any other.
    QTreeWidgetItem *real = findRow(module, 11);
    site.tree()->setCurrentItem(real);
    QTest::keyClick(site.tree(), Qt::Key_Delete);
    QCOMPARE(p.deviceAt(0, 11)->type, 0);
    QCOMPARE(p.deviceAt(0, 9)->type, 1);
}

// Layouts a panel or a file can bring, complete modules or not: the loop's rows
// follow the addresses, every stored element has one row, and building the tree
// changes no stored byte.
void TestMyElementsWidget::rowsInAddressOrder_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("complete module")
        << "10:6:4d 11:6:8d 12:7:8d 13:7:cd 20:1:01" << QStringList({"11-14 [11 12 13 14]", "21"});
    QTest::newRow("first address empty, a detector inside the module")
        << "12:0:4d 13:6:8d 14:1:01 15:7:cd 20:1:01" << QStringList({"13-16 [?13 14 16]", "15", "21"});
    QTest::newRow("parts without first address between detectors")
        << "4:1:01 5:6:8d 6:7:cd 8:1:01" << QStringList({"5", "6", "7", "9"});
    QTest::newRow("module missing its last part")
        << "10:6:4d 11:6:8d 12:7:8d 14:1:01" << QStringList({"11-14 [11 12 13]", "15"});
    QTest::newRow("detector at the missing last part")
        << "10:6:4d 11:6:8d 12:7:8d 13:1:01" << QStringList({"11-14 [11 12 13]", "14"});
    QTest::newRow("module inside a module")
        << "10:6:4d 11:6:49 12:6:c9 13:7:cd" << QStringList({"11-14 [11]", "12-13 [12 13]", "14"});
    QTest::newRow("single with a module's code inside a module")
        << "10:5:47 11:1:0d 12:1:01" << QStringList({"11-12 [11]", "12", "13"});
    QTest::newRow("two adjacent modules")
        << "10:5:47 11:5:c7 12:6:49 13:6:c9" << QStringList({"11-12 [11 12]", "13-14 [13 14]"});
    QTest::newRow("two adjacent modules, the second without first address")
        << "10:5:47 11:5:c7 13:6:c9" << QStringList({"11-12 [11 12]", "13-14 [?13 14]"});
    QTest::newRow("two adjacent modules, the first without last address")
        << "10:5:47 12:6:49 13:6:c9" << QStringList({"11-12 [11]", "13-14 [13 14]"});
    QTest::newRow("module part at the first address") << "0:7:cd 1:1:01" << QStringList({"1", "2"});
    QTest::newRow("module part at address 250")
        << "240:1:01 249:7:cd" << QStringList({"241", "249-252 [?249 250]"});
    QTest::newRow("module part at address 250 beside a detector")
        << "248:1:01 249:5:c7" << QStringList({"249", "250"});
}

void TestMyElementsWidget::rowsInAddressOrder()
{
    QFETCH(QString, layout);
    QFETCH(QStringList, rows);

    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("P"));
    storeLayout(p, 3, layout);
    const QByteArray before = wireForm(p, 3);
    site.widget.refreshTree();

    QTreeWidgetItem *loop = site.loopRow(0, 3);
    QCOMPARE(loopOutline(loop), rows);
    QVERIFY(rowsAscend(loop));
    QCOMPARE(shownAddresses(loop), storedAddresses(p, 3));
    QCOMPARE(wireForm(p, 3), before);
}

void TestMyElementsWidget::moduleRowNeverEdits()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("P"));
    place(p, 0, 10, 7);
    site.widget.refreshTree();
    site.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&site.widget));
    QTreeWidgetItem *module = findRow(site.loopRow(0, 0), 10, true);
    QTreeWidgetItem *element = findRow(module, 10);
    site.tree()->scrollToItem(module);
    QTest::mouseDClick(site.tree()->viewport(), Qt::LeftButton, {},
                       site.tree()->visualItemRect(module).topLeft() + QPoint(site.tree()->columnViewportPosition(3) + 5, 5));
    QVERIFY(!(module->flags() & Qt::ItemIsEditable));
    QVERIFY(!site.tree()->viewport()->findChild<QLineEdit *>());   // no editor opened

    // A double click in column 1 of an element row leaves it not editable ...
    site.widget.doubleClickedSlot(element, 1);
    QVERIFY(!(element->flags() & Qt::ItemIsEditable));
    // ... one in column 3 makes it editable.
    site.widget.doubleClickedSlot(element, 3);
    QVERIFY(element->flags() & Qt::ItemIsEditable);
}

void TestMyElementsWidget::inPlaceEdit_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("shown");

    const QString a23 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVW");
    QTest::newRow("description") << 3 << "Stairs" << "Stairs" << 4 << "Stairs";
    QTest::newRow("description of 25 keeps 23") << 3 << a23 + "XY" << a23 << 4 << a23;
    QTest::newRow("description of 33 refused") << 3 << QString(33, QLatin1Char('d')) << "Hall" << 4 << "Hall";
    QTest::newRow("zone 12") << 4 << "12" << "Hall" << 11 << "12";
    QTest::newRow("zone 250") << 4 << "250" << "Hall" << 249 << "250";
    QTest::newRow("zone 0 refused") << 4 << "0" << "Hall" << 4 << "5";
    QTest::newRow("zone 251 refused") << 4 << "251" << "Hall" << 4 << "5";
    QTest::newRow("zone letter refused") << 4 << "x" << "Hall" << 4 << "5";
    QTest::newRow("address edit undone") << 1 << "77" << "Hall" << 4 << "4";
    QTest::newRow("type edit undone") << 2 << "Beam" << "Hall" << 4 << "Optical";
}

// Types into the cell's editor and commits with Return, as the user does; no
// warning may come out of the view (an editor freed under it warns or crashes).
static void typeIntoCell(QTreeWidget *tree, QTreeWidgetItem *row, int column, const QString &text)
{
    tree->setCurrentItem(row, column);
    row->setFlags(row->flags() | Qt::ItemIsEditable);
    tree->editItem(row, column);
    QLineEdit *editor = nullptr;
    for (QLineEdit *e : tree->viewport()->findChildren<QLineEdit *>())
        if (e->isVisible())   // editors closed before wait for their deferred deletion
            editor = e;
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
    QTest::keyClick(editor, Qt::Key_Return);
    // The view commits from a queued call, and the page rebuilds after the commit.
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void TestMyElementsWidget::inPlaceEdit()
{
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, description);
    QFETCH(int, zone);
    QFETCH(QString, shown);
    failOnAnyWarning();

    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("P"));
    place(p, 1, 3, 1, QStringLiteral("Hall"), 4);
    site.widget.refreshTree();
    site.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&site.widget));
    QSignalSpy changed(&site.widget, &MyElementsWidget::signalElementAddedRemovedModified);

    QTreeWidgetItem *row = findRow(site.loopRow(0, 1), 3);
    typeIntoCell(site.tree(), row, column, typed);
    QCOMPARE(p.deviceAt(1, 3)->description, description);
    QCOMPARE(int(p.deviceAt(1, 3)->zone), zone);
    QCOMPARE(findRow(site.loopRow(0, 1), 3)->text(column), shown);
    QCOMPARE(changed.count(), 0);
}

void TestMyElementsWidget::zoneNameEditRebuildsAfterTheCommit()
{
    failOnAnyWarning();
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("P"));
    place(p, 0, 0, 1, QStringLiteral("a"), 8);
    place(p, 3, 40, 7, QStringLiteral("b"), 8);
    place(p, 0, 1, 1, QStringLiteral("c"), 9);
    site.widget.refreshTree();
    site.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&site.widget));
    QSignalSpy changed(&site.widget, &MyElementsWidget::signalElementAddedRemovedModified);

    typeIntoCell(site.tree(), findRow(site.loopRow(0, 0), 0), 5, QStringLiteral("Boiler room"));
    QCOMPARE(p.zoneAt(8)->description, QStringLiteral("Boiler room"));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(findRow(site.loopRow(0, 0), 0)->text(5), QStringLiteral("Boiler room"));
    QCOMPARE(findRow(site.loopRow(0, 3), 40)->text(5), QStringLiteral("Boiler room"));
    QCOMPARE(findRow(site.loopRow(0, 3), 41)->text(5), QStringLiteral("Boiler room"));
    QCOMPARE(findRow(site.loopRow(0, 0), 1)->text(5), QString());
    QVERIFY(site.loopRow(0, 3)->isExpanded());

    // A name longer than 32 characters is not stored; the cell shows the stored one.
    typeIntoCell(site.tree(), findRow(site.loopRow(0, 0), 0), 5, QString(33, QLatin1Char('z')));
    QCOMPARE(p.zoneAt(8)->description, QStringLiteral("Boiler room"));
    QCOMPARE(findRow(site.loopRow(0, 0), 0)->text(5), QStringLiteral("Boiler room"));
    QCOMPARE(changed.count(), 1);
}

// The main window's toolbar takes no focus, so its commands may start while a
// cell editor is still open: the typed text is stored first, as leaving the
// cell would store it, and neither the command's dialog nor its rebuild loses
// or overwrites it.
enum class ToolbarCommand { AddElement, ModifyElement, AddPanel };
Q_DECLARE_METATYPE(ToolbarCommand)

void TestMyElementsWidget::commandStoresTheCellBeingEdited_data()
{
    QTest::addColumn<ToolbarCommand>("command");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("description");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("zoneName");

    QTest::newRow("add element, description")
        << ToolbarCommand::AddElement << 3 << "Kitchen" << "Kitchen" << 4 << "";
    QTest::newRow("modify element, description")
        << ToolbarCommand::ModifyElement << 3 << "Kitchen" << "Kitchen" << 4 << "";
    QTest::newRow("modify element, zone") << ToolbarCommand::ModifyElement << 4 << "12" << "Hall" << 11 << "";
    QTest::newRow("modify element, zone name")
        << ToolbarCommand::ModifyElement << 5 << "Boiler room" << "Hall" << 4 << "Boiler room";
    QTest::newRow("add panel, description")
        << ToolbarCommand::AddPanel << 3 << "Kitchen" << "Kitchen" << 4 << "";
}

void TestMyElementsWidget::commandStoresTheCellBeingEdited()
{
    QFETCH(ToolbarCommand, command);
    QFETCH(int, column);
    QFETCH(QString, typed);
    QFETCH(QString, description);
    QFETCH(int, zone);
    QFETCH(QString, zoneName);
    failOnAnyWarning();

    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("P"));
    place(p, 1, 3, 1, QStringLiteral("Hall"), 4);
    site.widget.refreshTree();
    site.widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&site.widget));

    QTreeWidgetItem *row = findRow(site.loopRow(0, 1), 3);
    site.tree()->setCurrentItem(row, column);
    site.tree()->editItem(row, column);
    auto *editor = qobject_cast<QLineEdit *>(site.tree()->indexWidget(site.tree()->currentIndex()));
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, typed);   // no Return: the editor stays open

    ModalScript script;
    switch (command) {
    case ToolbarCommand::AddElement:
        addElement(script, ModelOpto, 20, 1, 2);
        script.start();
        site.widget.slotAddElement();
        QCOMPARE(int(p.deviceAt(1, 19)->type), 1);
        break;
    case ToolbarCommand::ModifyElement:
        script.pressOk();
        script.start();
        site.widget.slotModifyButtonPressed();
        break;
    case ToolbarCommand::AddPanel:
        script.pressOk();
        script.start();
        site.widget.slotAddPanel();
        QCOMPARE(site.facility.panelCount(), 2);
        break;
    }
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCoreApplication::processEvents();

    QCOMPARE(p.deviceAt(1, 3)->description, description);
    QCOMPARE(int(p.deviceAt(1, 3)->zone), zone);
    row = findRow(site.loopRow(0, 1), 3);
    QCOMPARE(row->text(3), description);
    QCOMPARE(row->text(4), QString::number(zone + 1));
    QCOMPARE(p.zoneAt(4)->description, zoneName);
    QCOMPARE(row->text(5), p.zoneAt(zone)->description);
}

// ---- commands --------------------------------------------------------------------------

void TestMyElementsWidget::addDevicePresetsOnAFreshWidget()
{
    Site site;
    site.addPanel(QStringLiteral("A"));
    site.addPanel(QStringLiteral("B"), 2);
    site.widget.refreshTree();
    QStringList seen;
    ModalScript script;
    script.dialog<DialogElement>([&](DialogElement *d) {
        seen << child<QComboBox>(d, "panelComboBox")->currentText()
             << QString::number(child<QSpinBox>(d, "loopSpinBox")->value())
             << QString::number(child<QSpinBox>(d, "addressSpinBox")->value()) << d->windowTitle();
        pressCancel(d);
    });
    script.start();
    site.action(QStringLiteral("Add device"))->trigger();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(seen, QStringList({"A", "1", "1", "Add new element"}));
    QCOMPARE(site.facility.getPanel(0)->isLoopEmpty(0), true);
}

void TestMyElementsWidget::addRunOfModulesAndNextPreset()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    site.widget.refreshTree();
    QSignalSpy changed(&site.widget, &MyElementsWidget::signalElementAddedRemovedModified);

    ModalScript script;
    addElement(script, Model2Inputs, 11, 3, 3);
    int nextShown = 0;
    script.dialog<DialogElement>([&](DialogElement *d) {
        nextShown = child<QSpinBox>(d, "addressSpinBox")->value();
        pressCancel(d);
    });
    script.start();
    site.action(QStringLiteral("Add device"))->trigger();
    site.tree()->setCurrentItem(site.loopRow(0, 2));
    site.action(QStringLiteral("Add device"))->trigger();
    QVERIFY2(script.finished(), qPrintable(script.failure()));

    QCOMPARE(codes(p, 2, 9, 16), QStringList({"-", "49", "c9", "49", "c9", "49", "c9", "-"}));
    QCOMPARE(p.deviceAt(2, 10)->description, QStringLiteral("Input 11"));
    QCOMPARE(p.zoneAt(0)->description, QStringLiteral("Zone 1"));
    QCOMPARE(nextShown, 17);
    QCOMPARE(changed.count(), 1);
    QTreeWidgetItem *loop = site.loopRow(0, 2);
    QVERIFY(!loop->isHidden());
    QCOMPARE(loop->childCount(), 3);
    QCOMPARE(loop->child(2)->text(1), QStringLiteral("15-16"));
}

void TestMyElementsWidget::addAtTheLastAddressKeepsTheNextPreset()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    site.widget.refreshTree();
    int nextShown = 0;
    ModalScript script;
    addElement(script, ModelOpto, 100);
    addElement(script, ModelOpto, 250);
    script.dialog<DialogElement>([&](DialogElement *d) {
        nextShown = child<QSpinBox>(d, "addressSpinBox")->value();
        pressCancel(d);
    });
    script.start();
    for (int i = 0; i < 3; ++i)
        site.action(QStringLiteral("Add device"))->trigger();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(p.deviceAt(0, 249)->type, 1);
    QCOMPARE(nextShown, 101);   // from the first add; the one at 250 left it
}

void TestMyElementsWidget::addRefused_data()
{
    QTest::addColumn<int>("occupied");   // 0-based address holding an element, -1 none
    QTest::addColumn<int>("modelIndex");
    QTest::addColumn<int>("shownAddress");
    QTest::addColumn<int>("quantity");

    QTest::newRow("4-address module at 248 runs past the loop (-2)") << -1 << Model2In2Out << 248 << 1;
    QTest::newRow("run of three past the loop (-2)") << -1 << Model2Zones << 246 << 3;
    QTest::newRow("first address taken (-1)") << 20 << ModelOpto << 21 << 1;
    QTest::newRow("only the last address of the run taken (-1)") << 25 << Model2Zones << 21 << 3;
}

void TestMyElementsWidget::addRefused()
{
    QFETCH(int, occupied);
    QFETCH(int, modelIndex);
    QFETCH(int, shownAddress);
    QFETCH(int, quantity);

    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    if (occupied >= 0)
        place(p, 0, occupied, 2, QStringLiteral("there"), 3);
    site.widget.refreshTree();
    const QByteArray before = wireForm(p, 0);
    QSignalSpy changed(&site.widget, &MyElementsWidget::signalElementAddedRemovedModified);
    int nextShown = 0;

    ModalScript script;
    addElement(script, modelIndex, shownAddress, quantity);
    script.messageBox(QMessageBox::Ok);
    script.dialog<DialogElement>([&](DialogElement *d) {
        nextShown = child<QSpinBox>(d, "addressSpinBox")->value();
        pressCancel(d);
    });
    script.start();
    site.action(QStringLiteral("Add device"))->trigger();
    site.action(QStringLiteral("Add device"))->trigger();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(script.messages(), QStringList({"Error: device already exists"}));
    QCOMPARE(script.titles().value(1), QStringLiteral("Error"));
    QCOMPARE(wireForm(p, 0), before);   // nothing stored, zone name included
    QCOMPARE(changed.count(), 0);
    QCOMPARE(nextShown, 1);             // memories unchanged
}

void TestMyElementsWidget::addWithoutPanel()
{
    Site site;
    site.widget.refreshTree();
    ModalScript script;
    script.messageBox(QMessageBox::Ok);
    script.start();
    site.widget.slotAddElement();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(script.messages(), QStringList({"Error: First add one Panel  "}));
}

void TestMyElementsWidget::addPresetsAnExistingPanel()
{
    Site site;
    site.addPanel(QStringLiteral("A"));
    site.addPanel(QStringLiteral("B"), 2);
    site.addPanel(QStringLiteral("C"), 3);
    PanelConfig &a = *site.facility.getPanel(0);
    site.widget.refreshTree();
    QString preset;
    ModalScript script;
    script.dialog<DialogElement>([](DialogElement *d) {
        child<QComboBox>(d, "panelComboBox")->setCurrentIndex(2);
        pressOk(d);
    });
    script.dialog<DialogElement>([&](DialogElement *d) {
        preset = child<QComboBox>(d, "panelComboBox")->currentText();
        child<QSpinBox>(d, "addressSpinBox")->setValue(5);
        pressOk(d);
    });
    script.start();
    site.widget.slotAddElement();              // remembered panel: C (index 2)
    site.facility.removePanel(2);
    site.facility.removePanel(1);
    site.widget.refreshTree();
    site.widget.slotAddElement();              // C is gone: an existing panel is preset
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(preset, QStringLiteral("A"));
    QCOMPARE(a.deviceAt(0, 4)->type, 1);
}

void TestMyElementsWidget::plainModifyKeepsOddRecords_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("flags");
    QTest::addColumn<int>("zone");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("zoneName");

    const QString a23 = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVW");
    QTest::newRow("in test") << 1 << 1 << 2 << 0 << 3 << "Hall" << "Z";
    QTest::newRow("model 0") << 1 << 0 << 1 << 0 << 3 << "Hall" << "Z";
    QTest::newRow("model 40") << 3 << 40 << 1 << 0 << 3 << "Hall" << "Z";
    QTest::newRow("model 63 in test") << 12 << 63 << 2 << 0 << 3 << "Hall" << "Z";
    QTest::newRow("unknown option bits") << 1 << 1 << 1 << 0xBB << 3 << "Hall" << "Z";
    QTest::newRow("input with every bit") << 6 << 8 << 0 << 0xFF << 3 << "Door" << "Z";
    QTest::newRow("output with tech") << 7 << 10 << 1 << 0x40 << 3 << "Bell" << "Z";
    QTest::newRow("23-byte description") << 1 << 1 << 1 << 0 << 3 << a23 << "Z";
    QTest::newRow("zone 250") << 2 << 2 << 1 << 0 << 250 << "Hall" << "";
    QTest::newRow("zone 255") << 2 << 2 << 1 << 0 << 255 << "Hall" << "";
    QTest::newRow("empty zone name") << 2 << 2 << 1 << 0 << 17 << "Hall" << "";
    QTest::newRow("28-byte zone name") << 2 << 2 << 1 << 0 << 17 << "Hall"
                                       << "abcdefghijklmnopqrstuvwxyz01";
    QTest::newRow("enable byte 7") << 4 << 4 << 7 << 0 << 3 << "MCP" << "Z";
}

void TestMyElementsWidget::plainModifyKeepsOddRecords()
{
    QFETCH(int, type);
    QFETCH(int, code);
    QFETCH(int, mode);
    QFETCH(int, flags);
    QFETCH(int, zone);
    QFETCH(QString, description);
    QFETCH(QString, zoneName);

    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    DeviceRecord &d = *p.deviceAt(4, 30);
    d.type = static_cast<unsigned char>(type);
    d.ext_type = static_cast<unsigned char>(code);
    d.mode = static_cast<unsigned char>(mode);
    d.flags = static_cast<unsigned char>(flags);
    d.zone = static_cast<unsigned char>(zone);
    d.description = description;
    if (ZoneRecord *z = p.zoneAt(zone))
        z->description = zoneName;
    p.rebuildZoneStates();   // as after a download: the zone states go to the panel too
    site.widget.refreshTree();
    const QByteArray before = wireForm(p, 4);
    QSignalSpy changed(&site.widget, &MyElementsWidget::signalElementAddedRemovedModified);

    site.tree()->setCurrentItem(findRow(site.loopRow(0, 4), 30));
    ModalScript script;
    script.pressOk();
    script.start();
    site.action(QStringLiteral("Edit"))->trigger();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(script.titles(), QStringList({"Modify element"}));
    QCOMPARE(wireForm(p, 4), before);
    QCOMPARE(p.deviceAt(4, 30)->description, description);
    QCOMPARE(p.zoneNameAt(zone), zone < 250 ? zoneName : QString());
    QCOMPARE(changed.count(), 1);
}

void TestMyElementsWidget::modifyChangesWhatTheUserChanged()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    place(p, 0, 5, 12, QStringLiteral("io"), 2, 2, 0x04 | 0x80);   // 1 input 1 output at 5..6
    site.widget.refreshTree();
    site.tree()->setCurrentItem(findRow(site.loopRow(0, 0), 6));
    ModalScript script;
    script.dialog<DialogElement>([](DialogElement *d) {
        QVERIFY(!child<QCheckBox>(d, "checkBoxSndCon")->isHidden());
        QVERIFY(child<QCheckBox>(d, "checkBoxSndCon")->isChecked());
        child<QCheckBox>(d, "checkBoxEnabled")->setChecked(true);
        child<QLineEdit>(d, "descriptionLineEdit")->setText(QStringLiteral("Siren"));
        child<QSpinBox>(d, "zoneSpinBox")->setValue(9);
        child<QLineEdit>(d, "zoneDescription")->setText(QStringLiteral("Plant"));
        pressOk(d);
    });
    script.start();
    site.action(QStringLiteral("Edit"))->trigger();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    const DeviceRecord &out = *p.deviceAt(0, 6);
    QCOMPARE(int(out.mode), 1);
    QCOMPARE(out.description, QStringLiteral("Siren"));
    QCOMPARE(int(out.zone), 8);
    QCOMPARE(int(out.flags), 0x84);      // Sound kept, the unknown bit too
    QCOMPARE(int(out.ext_type), 0xCC);   // still the output address of its module
    QCOMPARE(int(out.type), 7);
    QCOMPARE(p.zoneAt(8)->description, QStringLiteral("Plant"));
    QCOMPARE(p.deviceAt(0, 5)->description, QStringLiteral("io"));
    QCOMPARE(findRow(site.loopRow(0, 0), 6)->text(3), QStringLiteral("Siren"));
}

void TestMyElementsWidget::modelChange_data()
{
    QTest::addColumn<AddressModels>("elements");
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("modelIndex");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<QStringList>("after");                 // codes of addresses 8 .. 16

    using L = AddressModels;
    QTest::newRow("single grows into free addresses")
        << L{{10, 1}, {13, 2}} << 10 << Model2Inputs << false
        << QStringList({"-", "-", "49", "c9", "-", "2", "-", "-", "-"});
    QTest::newRow("single over its neighbour refused")
        << L{{10, 1}, {11, 2}} << 10 << Model2Inputs << true
        << QStringList({"-", "-", "1", "2", "-", "-", "-", "-", "-"});
    QTest::newRow("module shrinks, its other addresses freed")
        << L{{10, 13}, {14, 3}} << 10 << Model2Zones << false
        << QStringList({"-", "-", "47", "c7", "-", "-", "3", "-", "-"});
    QTest::newRow("module grows over the next element refused")
        << L{{10, 7}, {12, 3}} << 10 << Model2In2Out << true
        << QStringList({"-", "-", "47", "c7", "3", "-", "-", "-", "-"});
    QTest::newRow("previous element untouched")
        << L{{9, 1}, {10, 7}} << 10 << Model1In1Out << false
        << QStringList({"-", "1", "4c", "cc", "-", "-", "-", "-", "-"});
}

void TestMyElementsWidget::modelChange()
{
    QFETCH(AddressModels, elements);
    QFETCH(int, address);
    QFETCH(int, modelIndex);
    QFETCH(bool, refused);
    QFETCH(QStringList, after);

    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    for (const auto &e : elements)
        place(p, 0, e.first, e.second, QStringLiteral("e%1").arg(e.first));
    site.widget.refreshTree();
    QSignalSpy changed(&site.widget, &MyElementsWidget::signalElementAddedRemovedModified);
    site.tree()->setCurrentItem(findRow(site.loopRow(0, 0), address, p.deviceAt(0, address)->isModulePart()));

    ModalScript script;
    script.dialog<DialogElement>([=](DialogElement *d) {
        child<QComboBox>(d, "typeComboBox")->setCurrentIndex(modelIndex);
        pressOk(d);
    });
    if (refused)
        script.messageBox(QMessageBox::Ok);
    script.start();
    site.action(QStringLiteral("Edit"))->trigger();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(codes(p, 0, 8, 16), after);
    QCOMPARE(script.messages(), refused ? QStringList({"Error: device already exists"}) : QStringList());
    QCOMPARE(changed.count(), refused ? 0 : 1);
}

void TestMyElementsWidget::removeElementRemovesItsModule()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    place(p, 0, 10, 13);
    place(p, 0, 14, 1);
    place(p, 0, 30, 1);
    site.widget.refreshTree();
    QSignalSpy changed(&site.widget, &MyElementsWidget::signalElementAddedRemovedModified);
    site.tree()->setCurrentItem(findRow(findRow(site.loopRow(0, 0), 10, true), 12));
    QTest::keyClick(site.tree(), Qt::Key_Delete);
    QCOMPARE(codes(p, 0, 10, 14), QStringList({"-", "-", "-", "-", "1"}));
    QCOMPARE(changed.count(), 1);
    // the next row of the loop is selected
    QCOMPARE(site.tree()->currentItem(), findRow(site.loopRow(0, 0), 14));
}

// The add and remove commands keep the rows in address order beside modules
// that lost addresses, and leave the loop as a rebuild of the tree shows it.
void TestMyElementsWidget::rowsStayInOrderAfterAdd_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("modelIndex");
    QTest::addColumn<int>("shownAddress");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("complete modules")
        << "10:5:47 11:5:c7 20:1:01" << Model2Zones << 13 << QStringList({"11-12 [11 12]", "13-14 [13 14]", "21"});
    QTest::newRow("opto at the empty first address")
        << "12:0:4d 13:6:8d 14:1:01 15:7:cd 20:1:01" << ModelOpto << 13
        << QStringList({"13", "14", "15", "16", "21"});
    QTest::newRow("opto in the gap of a module")
        << "10:6:4d 12:7:8d 13:7:cd" << ModelOpto << 12 << QStringList({"11-14 [11 13 14]", "12"});
    QTest::newRow("module after parts without first address")
        << "4:1:01 5:6:8d 6:7:cd 8:1:01" << Model2Zones << 10 << QStringList({"5", "6", "7", "9", "10-11 [10 11]"});
    QTest::newRow("opto before a placeholder")
        << "13:7:cd 20:1:01" << ModelOpto << 3 << QStringList({"3", "13-16 [?13 14]", "21"});
}

void TestMyElementsWidget::rowsStayInOrderAfterAdd()
{
    QFETCH(QString, layout);
    QFETCH(int, modelIndex);
    QFETCH(int, shownAddress);
    QFETCH(QStringList, rows);

    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("P"));
    storeLayout(p, 3, layout);
    site.widget.refreshTree();
    site.tree()->setCurrentItem(site.loopRow(0, 3));

    ModalScript script;
    addElement(script, modelIndex, shownAddress);
    script.start();
    site.action(QStringLiteral("Add device"))->trigger();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QVERIFY(p.deviceAt(3, shownAddress - 1)->type != 0);

    QTreeWidgetItem *loop = site.loopRow(0, 3);
    QCOMPARE(loopOutline(loop), rows);
    QVERIFY(rowsAscend(loop));
    QCOMPARE(shownAddresses(loop), storedAddresses(p, 3));
    site.widget.refreshTree();
    QCOMPARE(loopOutline(site.loopRow(0, 3)), rows);
}

void TestMyElementsWidget::rowsStayInOrderAfterRemove_data()
{
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("address");   // 0-based, its row is removed
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("detector inside a module without first address")
        << "12:0:4d 13:6:8d 14:1:01 15:7:cd 20:1:01" << 14 << QStringList({"13-16 [?13 14 16]", "21"});
    QTest::newRow("detector before parts without first address")
        << "4:1:01 5:6:8d 6:7:cd 8:1:01" << 4 << QStringList({"5-8 [?5 6 7]", "9"});
    QTest::newRow("detector after parts without first address")
        << "4:1:01 5:6:8d 6:7:cd 8:1:01" << 8 << QStringList({"5", "6", "7"});
    QTest::newRow("module inside a module")
        << "10:6:4d 11:6:49 12:6:c9 13:7:cd" << 11 << QStringList({"11-14 [11 14]"});
}

void TestMyElementsWidget::rowsStayInOrderAfterRemove()
{
    QFETCH(QString, layout);
    QFETCH(int, address);
    QFETCH(QStringList, rows);

    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("P"));
    storeLayout(p, 3, layout);
    site.widget.refreshTree();
    QTreeWidgetItem *row = findRow(site.loopRow(0, 3), address);
    QVERIFY(row);
    site.tree()->setCurrentItem(row);
    site.action(QStringLiteral("Remove"))->trigger();
    QCOMPARE(p.deviceAt(3, address)->type, 0);

    QTreeWidgetItem *loop = site.loopRow(0, 3);
    QCOMPARE(loopOutline(loop), rows);
    QVERIFY(rowsAscend(loop));
    QCOMPARE(shownAddresses(loop), storedAddresses(p, 3));
}

void TestMyElementsWidget::deleteWithNothingSelected()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    place(p, 0, 0, 1);
    site.widget.refreshTree();
    QSignalSpy elements(&site.widget, &MyElementsWidget::signalElementAddedRemovedModified);
    QSignalSpy panels(&site.widget, &MyElementsWidget::signalPanelAddedRemovedModified);
    site.tree()->clearSelection();
    QTest::keyClick(site.tree(), Qt::Key_Delete);
    QCOMPARE(site.facility.panelCount(), 1);
    QCOMPARE(p.deviceAt(0, 0)->type, 1);
    QCOMPARE(elements.count() + panels.count(), 0);
}

void TestMyElementsWidget::deletePanel256Of257()
{
    Site site;
    for (int i = 0; i <= 256; ++i)
        site.addPanel(QStringLiteral("P%1").arg(i), 1 + i % 32);
    place(*site.facility.getPanel(0), 0, 0, 1);
    place(*site.facility.getPanel(256), 0, 0, 1);
    site.widget.refreshTree();
    QSignalSpy panels(&site.widget, &MyElementsWidget::signalPanelAddedRemovedModified);

    QTreeWidgetItem *row = site.tree()->topLevelItem(256);
    QCOMPARE(row->text(0), QStringLiteral("P256"));
    site.tree()->setCurrentItem(row);
    int panel = -1, loop = -1, address = -1;
    QCOMPARE(site.widget.selectedPosition(panel, loop, address), int(MyElementsWidget::SelectedPanel));
    QCOMPARE(panel, 256);
    QTest::keyClick(site.tree(), Qt::Key_Delete);
    QCOMPARE(site.facility.panelCount(), 256);
    QCOMPARE(site.facility.getPanel(0)->name(), QStringLiteral("P0"));
    QCOMPARE(site.facility.getPanel(0)->deviceAt(0, 0)->type, 1);
    QCOMPARE(site.facility.getPanel(255)->name(), QStringLiteral("P255"));
    QVERIFY(!site.facility.panelNames().contains(QStringLiteral("P256")));
    QCOMPARE(site.tree()->topLevelItemCount(), 256);
    QCOMPARE(panels.count(), 1);

    // An element of panel 255 is found through its panel, not through the low byte.
    place(*site.facility.getPanel(255), 7, 249, 2);
    site.widget.refreshTree();
    site.tree()->setCurrentItem(findRow(site.loopRow(255, 7), 249));
    QCOMPARE(site.widget.selectedPosition(panel, loop, address), int(MyElementsWidget::SelectedElement));
    QCOMPARE(QList<int>({panel, loop, address}), QList<int>({255, 7, 249}));
}

void TestMyElementsWidget::editPanel256OpensIt()
{
    Site site;
    for (int i = 0; i <= 256; ++i)
        site.addPanel(QStringLiteral("P%1").arg(i), 1 + i % 32);
    site.widget.refreshTree();
    site.tree()->setCurrentItem(site.tree()->topLevelItem(256));
    QString shownName;
    ModalScript script;
    script.dialog<DialogEditPanel>([&](DialogEditPanel *d) {
        shownName = child<QLineEdit>(d, "lineEditPanelName")->text();
        child<QLineEdit>(d, "lineEditPanelName")->setText(QStringLiteral("Last"));
        pressOk(d);
    });
    script.start();
    site.action(QStringLiteral("Edit"))->trigger();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(shownName, QStringLiteral("P256"));
    QCOMPARE(site.facility.getPanel(256)->name(), QStringLiteral("Last"));
    QCOMPARE(site.facility.getPanel(0)->name(), QStringLiteral("P0"));
    QCOMPARE(site.tree()->topLevelItem(256)->text(0), QStringLiteral("Last"));
}

void TestMyElementsWidget::removeLoop()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    place(p, 3, 0, 1);
    place(p, 3, 100, 21);
    place(p, 4, 0, 1);
    site.widget.refreshTree();
    site.tree()->setCurrentItem(site.loopRow(0, 3));
    site.action(QStringLiteral("Remove"))->trigger();
    QVERIFY(p.isLoopEmpty(3));
    QVERIFY(!p.isLoopEmpty(4));
    QVERIFY(site.loopRow(0, 3)->isHidden());
}

void TestMyElementsWidget::zoneStateFollowsAddAndRemove_data()
{
    QTest::addColumn<QString>("command");   // "add disabled", "delete", "remove loop"
    QTest::addColumn<int>("state");         // of zone index 2 afterwards, as the upload sends it
    QTest::addColumn<bool>("hasElements");

    QTest::newRow("an element added disabled disables its zone") << "add disabled" << 1 << true;
    QTest::newRow("Delete on the zone's only disabled element enables it") << "delete" << 0 << true;
    QTest::newRow("removing the loop of its only disabled element enables it") << "remove loop" << 0 << true;
    QTest::newRow("Delete on the zone's last element empties it") << "delete last" << 0 << false;
}

void TestMyElementsWidget::zoneStateFollowsAddAndRemove()
{
    QFETCH(QString, command);
    QFETCH(int, state);
    QFETCH(bool, hasElements);

    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    if (command != QLatin1String("add disabled")) {
        place(p, 0, 4, 1, QString(), 2, 0);           // disabled, zone index 2
        if (command != QLatin1String("delete last"))
            place(p, 1, 7, 2, QString(), 2, 1);       // enabled, same zone, another loop
    }
    p.rebuildZoneStates();
    site.widget.refreshTree();

    ModalScript script;
    if (command == QLatin1String("add disabled")) {
        script.dialog<DialogElement>([](DialogElement *d) {
            child<QSpinBox>(d, "zoneSpinBox")->setValue(3);
            child<QCheckBox>(d, "checkBoxEnabled")->setChecked(false);
            pressOk(d);
        });
        script.start();
        site.action(QStringLiteral("Add device"))->trigger();
        QVERIFY2(script.finished(), qPrintable(script.failure()));
        QCOMPARE(p.deviceAt(0, 0)->mode, 0);
    } else if (command == QLatin1String("remove loop")) {
        site.tree()->setCurrentItem(site.loopRow(0, 0));
        site.action(QStringLiteral("Remove"))->trigger();
    } else {
        site.tree()->setCurrentItem(findRow(site.loopRow(0, 0), 4));
        QTest::keyClick(site.tree(), Qt::Key_Delete);
    }
    QCOMPARE(p.deviceAt(0, 4)->type, 0);

    unsigned char record[PanelConfig::ZoneWireSize] = {};
    QVERIFY(p.zoneToWire(2, record));
    QCOMPARE(int(record[ZoneRecordLayout::StateByte]), state);
    QCOMPARE(bool(p.zoneAt(2)->hasDevices), hasElements);
}

void TestMyElementsWidget::addPanel_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("name");

    QTest::newRow("name") << "Basement" << "Basement";
    QTest::newRow("40 characters keep 32") << QString(40, QLatin1Char('n')) << QString(32, QLatin1Char('n'));
    QTest::newRow("empty name for the third panel") << "" << "Panel 3";
}

void TestMyElementsWidget::addPanel()
{
    QFETCH(QString, typed);
    QFETCH(QString, name);

    Site site;
    site.addPanel(QStringLiteral("A"), 1);
    site.addPanel(QStringLiteral("B"), 2);
    site.widget.refreshTree();
    QSignalSpy panels(&site.widget, &MyElementsWidget::signalPanelAddedRemovedModified);
    ModalScript script;
    script.dialog<DialogAddPanel>([=](DialogAddPanel *d) {
        child<QLineEdit>(d, "lineEdit")->setText(typed);
        pressOk(d);
    });
    script.start();
    site.action(QStringLiteral("Add panel"))->trigger();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(script.titles(), QStringList({"Add new Panel"}));
    QCOMPARE(site.facility.panelCount(), 3);
    const PanelConfig &p = *site.facility.getPanel(2);
    QCOMPARE(p.name(), name);
    QCOMPARE(p.version, QStringLiteral("-.--"));
    QCOMPARE(p.address, 3);
    QCOMPARE(p.type, 0);
    QCOMPARE(panels.count(), 1);
    QCOMPARE(site.tree()->topLevelItem(2)->text(0), name);
}

void TestMyElementsWidget::addPanelTakesTheLowestFreeAddress()
{
    Site site;
    ModalScript script;
    for (int i = 0; i < 4; ++i)
        script.pressOk();
    script.pressCancel();
    script.start();
    site.widget.slotAddPanel();   // empty site: address 1, the controller
    site.widget.slotAddPanel();   // 2
    site.facility.getPanel(0)->address = 5;
    site.widget.slotAddPanel();   // 1 is free again
    site.widget.slotAddPanel();   // 3
    site.widget.slotAddPanel();   // cancelled: nothing added
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(site.facility.panelCount(), 4);
    QList<int> addresses, types;
    for (int i = 0; i < 4; ++i) {
        addresses << site.facility.getPanel(i)->address;
        types << site.facility.getPanel(i)->type;
    }
    QCOMPARE(addresses, QList<int>({5, 2, 1, 3}));
    QCOMPARE(types, QList<int>({1, 0, 1, 0}));
    QCOMPARE(site.facility.getPanel(3)->name(), QStringLiteral("Panel 4"));
}

void TestMyElementsWidget::addPanelWithEveryAddressTaken()
{
    Site site;
    for (int a = 1; a <= 32; ++a)
        site.addPanel(QStringLiteral("P%1").arg(a), a);
    ModalScript script;
    script.messageBox(QMessageBox::Ok);
    script.start();
    site.widget.slotAddPanel();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(script.messages(), QStringList({"Error: every network address from 1 to 32 is in use"}));
    QCOMPARE(site.facility.panelCount(), 32);
}

void TestMyElementsWidget::modifyPanel()
{
    Site site;
    PanelConfig &p = site.addPanel(QStringLiteral("A"));
    site.widget.refreshTree();
    QSignalSpy panels(&site.widget, &MyElementsWidget::signalPanelAddedRemovedModified);
    site.tree()->setCurrentItem(site.tree()->topLevelItem(0));
    ModalScript script;
    script.dialog<DialogEditPanel>([](DialogEditPanel *d) {
        child<QLineEdit>(d, "lineEditPanelName")->setText(QStringLiteral("Renamed"));
        d->reject();
    });
    script.dialog<DialogEditPanel>([](DialogEditPanel *d) {
        child<QLineEdit>(d, "lineEditPanelName")->setText(QStringLiteral("Renamed"));
        pressOk(d);
    });
    script.start();
    site.widget.slotModifyButtonPressed();
    QCOMPARE(p.name(), QStringLiteral("A"));
    QCOMPARE(panels.count(), 0);
    site.widget.slotModifyButtonPressed();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(p.name(), QStringLiteral("Renamed"));
    QCOMPARE(panels.count(), 1);
    QCOMPARE(site.tree()->topLevelItem(0)->text(0), QStringLiteral("Renamed"));
}

QTEST_MAIN(TestMyElementsWidget)
#include "tst_MyElementsWidget.moc"
