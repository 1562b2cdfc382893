#include "DialogEditPanel.h"
#include "ModalScript.h"
#include "PanelConfig.h"
#include "ZoneStateList.h"

#include <QListWidget>
#include <QMimeData>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

namespace {

// Any warning fails the test but the offscreen platform's note on size hints.
void failOnAnyWarning()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^(?!This plugin does not support propagateSizeHints).*")));
}

// One element per entry of `modes` in the zone, at the next free address of loop 0 (or loop 5).
void addZone(PanelConfig &p, int zone, const QList<int> &modes, int loop = 0)
{
    for (int mode : modes) {
        int a = 0;
        while (p.deviceAt(loop, a)->type != 0)
            ++a;
        DeviceRecord *d = p.deviceAt(loop, a);
        d->type = 1;
        d->ext_type = 1;
        d->zone = static_cast<unsigned char>(zone);
        d->mode = static_cast<unsigned char>(mode);
    }
}

QList<int> modesOfZone(const PanelConfig &p, int zone)
{
    QList<int> modes;
    for (int l = 0; l < PanelConfig::LoopCount; ++l)
        for (int a = 0; a < PanelConfig::AddressCount; ++a) {
            const DeviceRecord *d = p.deviceAt(l, a);
            if (d->type != 0 && d->zone == zone)
                modes << d->mode;
        }
    return modes;
}

QStringList texts(const QListWidget *list)
{
    QStringList t;
    for (int i = 0; i < list->count(); ++i)
        t << list->item(i)->text();
    return t;
}

struct Lists {
    explicit Lists(PanelConfig &panel) : dialog(&panel)
    {
        dialog.show();
        lists[0] = dialog.findChild<QListWidget *>(QStringLiteral("enabZonesList"));
        lists[1] = dialog.findChild<QListWidget *>(QStringLiteral("disabZonesList"));
        lists[2] = dialog.findChild<QListWidget *>(QStringLiteral("testZonesList"));
        dialog.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(3);
    }
    QListWidget *list(int state) const { return lists[state]; }

    // Presses the row, as the user does to start the drag.
    void press(int state, int row)
    {
        QListWidget *l = list(state);
        QTest::mousePress(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(l->item(row)).center());
    }

    // The row's own drag data, as the source list hands it to a drag.
    std::unique_ptr<QMimeData> dragData(int state, int row) const
    {
        QListWidget *l = list(state);
        return std::unique_ptr<QMimeData>(l->model()->mimeData({l->model()->index(row, 0)}));
    }

    // Enter, move and drop on the empty part of a list; true when the drop was accepted.
    static bool drop(QListWidget *target, const QMimeData *data, Qt::DropActions actions = Qt::CopyAction,
                     int *rowsAtTheDrop = nullptr)
    {
        const QPoint at(5, target->viewport()->height() - 5);
        QDragEnterEvent enter(at, actions, data, Qt::LeftButton, {});
        QApplication::sendEvent(target->viewport(), &enter);
        QDragMoveEvent move(at, actions, data, Qt::LeftButton, {});
        QApplication::sendEvent(target->viewport(), &move);
        QDropEvent dropped(QPointF(at), actions, data, Qt::LeftButton, {});
        QApplication::sendEvent(target->viewport(), &dropped);
        const bool accepted = dropped.isAccepted();
        if (rowsAtTheDrop)
            *rowsAtTheDrop = target->count();
        QCoreApplication::processEvents();   // the lists are rebuilt after the drop
        return accepted && dropped.dropAction() == Qt::CopyAction;
    }

    bool drag(int fromState, int row, int toState)
    {
        press(fromState, row);
        const auto data = dragData(fromState, row);
        return drop(list(toState), data.get());
    }

    DialogEditPanel dialog;
    QListWidget *lists[3] = {};
};

} // namespace

class TestZoneStateLists : public QObject {
    Q_OBJECT
private slots:
    void listedByState();
    void dragSetsEveryElementOfTheZone_data();
    void dragSetsEveryElementOfTheZone();
    void rowsSkipZonesOfOtherStates();
    void listsRebuiltAfterTheDrop();
    void dropOfferingAMoveEndsAsACopy();
    void foreignDropsChangeNothing_data();
    void foreignDropsChangeNothing();
    void dropIntoItsOwnListRefused();
    void dropWithoutAPressChangesNothing();
    void escapeKeepsTheDroppedStates();
};

void TestZoneStateLists::listedByState()
{
    PanelConfig p;
    addZone(p, 2, {1, 1});
    addZone(p, 4, {1, 0, 1});
    addZone(p, 6, {0}, 0);
    addZone(p, 6, {2}, 3);   // later in loop order than the disabled one
    p.zoneAt(2)->description = QStringLiteral("Stairs");
    p.zoneAt(9)->description = QStringLiteral("no elements");
    Lists lists(p);
    QCOMPARE(texts(lists.list(0)), QStringList({"Zone 3: Stairs"}));
    QCOMPARE(texts(lists.list(1)), QStringList({"Zone 5: "}));
    QCOMPARE(texts(lists.list(2)), QStringList({"Zone 7: "}));
    QVERIFY(qobject_cast<ZoneStateList *>(lists.list(0)));
}

void TestZoneStateLists::dragSetsEveryElementOfTheZone_data()
{
    QTest::addColumn<QList<int>>("modes");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<int>("enable");

    QTest::newRow("disabled to enabled") << QList<int>({1, 0, 1}) << 1 << 0 << 1;
    QTest::newRow("enabled to disabled") << QList<int>({1, 1}) << 0 << 1 << 0;
    QTest::newRow("enabled to test") << QList<int>({1, 1, 1}) << 0 << 2 << 2;
    QTest::newRow("test to disabled") << QList<int>({2, 1}) << 2 << 1 << 0;
}

void TestZoneStateLists::dragSetsEveryElementOfTheZone()
{
    QFETCH(QList<int>, modes);
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(int, enable);
    failOnAnyWarning();

    PanelConfig p;
    addZone(p, 1, {1});
    addZone(p, 11, modes);
    addZone(p, 11, {modes.first()}, 7);
    Lists lists(p);
    const int row = int(texts(lists.list(from)).indexOf(QStringLiteral("Zone 12: ")));
    QVERIFY(row >= 0);
    QVERIFY(lists.drag(from, row, to));
    QCOMPARE(modesOfZone(p, 11), QList<int>(modes.size() + 1, enable));
    QCOMPARE(modesOfZone(p, 1), QList<int>({1}));
    QVERIFY(texts(lists.list(to)).contains(QStringLiteral("Zone 12: ")));
    QVERIFY(!texts(lists.list(from)).contains(QStringLiteral("Zone 12: ")));
    int shown = 0;
    for (int s = 0; s < 3; ++s)
        shown += int(texts(lists.list(s)).count(QStringLiteral("Zone 12: ")));
    QCOMPARE(shown, 1);
    // After the rebuild every list takes drops again.
    for (int s = 0; s < 3; ++s)
        QCOMPARE(lists.list(s)->dragDropMode(), QAbstractItemView::DragDrop);
}

void TestZoneStateLists::rowsSkipZonesOfOtherStates()
{
    PanelConfig p;
    addZone(p, 2, {1});
    addZone(p, 3, {0});
    addZone(p, 4, {1});
    addZone(p, 8, {1});
    Lists lists(p);
    QCOMPARE(texts(lists.list(0)), QStringList({"Zone 3: ", "Zone 5: ", "Zone 9: "}));
    QCOMPARE(lists.dialog.zoneIndexOfRow(lists.list(0)->item(1), 0), 4);
    QCOMPARE(lists.dialog.zoneIndexOfRow(lists.list(1)->item(0), 1), 3);
    QVERIFY(lists.drag(0, 1, 1));
    QCOMPARE(modesOfZone(p, 4), QList<int>({0}));
    QCOMPARE(modesOfZone(p, 2), QList<int>({1}));
    QCOMPARE(modesOfZone(p, 8), QList<int>({1}));
    QCOMPARE(texts(lists.list(1)), QStringList({"Zone 4: ", "Zone 5: "}));
}

void TestZoneStateLists::listsRebuiltAfterTheDrop()
{
    failOnAnyWarning();
    PanelConfig p;
    addZone(p, 0, {1});
    addZone(p, 1, {0});
    Lists lists(p);
    lists.press(0, 0);
    const auto data = lists.dragData(0, 0);
    int rowsAtTheDrop = -1;
    QVERIFY(Lists::drop(lists.list(1), data.get(), Qt::CopyAction, &rowsAtTheDrop));
    // The receiving list still held the copy it inserted when the drop returned:
    // the rebuild came after, not inside its change notification.
    QCOMPARE(rowsAtTheDrop, 2);
    QCOMPARE(texts(lists.list(1)), QStringList({"Zone 1: ", "Zone 2: "}));
    QCOMPARE(lists.list(0)->count(), 0);
}

void TestZoneStateLists::dropOfferingAMoveEndsAsACopy()
{
    failOnAnyWarning();
    PanelConfig p;
    addZone(p, 0, {1, 1});
    addZone(p, 1, {0});
    Lists lists(p);
    // A drag started from a list offers a copy only ...
    for (int s = 0; s < 3; ++s)
        QCOMPARE(lists.list(s)->model()->supportedDragActions(), Qt::DropActions(Qt::CopyAction));
    // ... and a drop that is offered a move as well still ends as a copy, so
    // the view that started the drag never removes the row it came from.
    lists.press(0, 0);
    const auto data = lists.dragData(0, 0);
    QVERIFY(Lists::drop(lists.list(1), data.get(), Qt::CopyAction | Qt::MoveAction));
    QCOMPARE(modesOfZone(p, 0), QList<int>({0, 0}));
    QCOMPARE(modesOfZone(p, 1), QList<int>({0}));
    QCOMPARE(texts(lists.list(1)), QStringList({"Zone 1: ", "Zone 2: "}));
}

void TestZoneStateLists::foreignDropsChangeNothing_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("text from another program") << 0;
    QTest::newRow("rows of another item view") << 1;
    QTest::newRow("our rows offered as a move only") << 2;
}

void TestZoneStateLists::foreignDropsChangeNothing()
{
    QFETCH(int, kind);
    failOnAnyWarning();
    PanelConfig p;
    addZone(p, 0, {1, 1});
    addZone(p, 1, {0});
    Lists lists(p);
    const QStringList before[3] = {texts(lists.list(0)), texts(lists.list(1)), texts(lists.list(2))};

    lists.press(0, 0);   // a press leaves a zone remembered: the foreign drop must not use it
    std::unique_ptr<QMimeData> data;
    QStandardItemModel other;
    other.appendRow(new QStandardItem(QStringLiteral("Zone 1: ")));
    Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    if (kind == 0) {
        data = std::make_unique<QMimeData>();
        data->setText(QStringLiteral("Zone 1: "));
    } else if (kind == 1) {
        data.reset(other.mimeData({other.index(0, 0)}));
    } else {
        data = lists.dragData(0, 0);
        actions = Qt::MoveAction;
    }
    QVERIFY(!Lists::drop(lists.list(1), data.get(), actions));
    QVERIFY(!Lists::drop(lists.list(2), data.get(), actions));
    QCOMPARE(modesOfZone(p, 0), QList<int>({1, 1}));
    QCOMPARE(modesOfZone(p, 1), QList<int>({0}));
    for (int s = 0; s < 3; ++s)
        QCOMPARE(texts(lists.list(s)), before[s]);
}

void TestZoneStateLists::dropIntoItsOwnListRefused()
{
    PanelConfig p;
    addZone(p, 0, {1});
    addZone(p, 1, {1});
    Lists lists(p);
    lists.press(0, 1);
    QCOMPARE(lists.list(0)->dragDropMode(), QAbstractItemView::DragOnly);
    QCOMPARE(lists.list(1)->dragDropMode(), QAbstractItemView::DragDrop);
    const auto data = lists.dragData(0, 1);
    QVERIFY(!Lists::drop(lists.list(0), data.get()));
    QCOMPARE(texts(lists.list(0)), QStringList({"Zone 1: ", "Zone 2: "}));
    QCOMPARE(modesOfZone(p, 1), QList<int>({1}));
}

void TestZoneStateLists::dropWithoutAPressChangesNothing()
{
    PanelConfig p;
    addZone(p, 0, {1});
    addZone(p, 5, {0});
    Lists lists(p);
    lists.press(0, 0);
    QVERIFY(lists.drag(0, 0, 1));             // zone 1 disabled; the lists are rebuilt
    const auto data = lists.dragData(1, 0);
    QVERIFY(Lists::drop(lists.list(0), data.get()));   // no press since the rebuild
    QCOMPARE(modesOfZone(p, 0), QList<int>({0}));
    QCOMPARE(modesOfZone(p, 5), QList<int>({0}));
    QCOMPARE(texts(lists.list(0)), QStringList());    // the dropped copy is gone again
    QCOMPARE(texts(lists.list(1)), QStringList({"Zone 1: ", "Zone 6: "}));
}

void TestZoneStateLists::escapeKeepsTheDroppedStates()
{
    PanelConfig p;
    addZone(p, 3, {1, 1});
    ModalScript script;
    script.dialog<DialogEditPanel>([](DialogEditPanel *d) {
        auto *enabled = d->findChild<QListWidget *>(QStringLiteral("enabZonesList"));
        auto *tested = d->findChild<QListWidget *>(QStringLiteral("testZonesList"));
        QTest::mousePress(enabled->viewport(), Qt::LeftButton, {}, enabled->visualItemRect(enabled->item(0)).center());
        const std::unique_ptr<QMimeData> data(enabled->model()->mimeData({enabled->model()->index(0, 0)}));
        Lists::drop(tested, data.get());
        QTest::keyClick(d, Qt::Key_Escape);
    });
    script.start();
    DialogEditPanel dialog(&p);
    dialog.setModal(true);
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(modesOfZone(p, 3), QList<int>({2, 2}));
}

QTEST_MAIN(TestZoneStateLists)
#include "tst_ZoneStateLists.moc"
