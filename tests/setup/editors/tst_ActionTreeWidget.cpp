#include "ActionTreeWidget.h"

#include <QMimeData>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

namespace {

// A drag source and the action tree, side by side.
struct Trees
{
    QWidget window;
    QTreeWidget source{&window};
    ActionTreeWidget tree{&window};
    QTreeWidgetItem *dragged = nullptr;
    QTreeWidgetItem *first = nullptr;
    QTreeWidgetItem *second = nullptr;
    QTreeWidgetItem *group = nullptr;

    Trees()
    {
        window.resize(600, 400);
        source.setGeometry(0, 0, 290, 400);
        tree.setGeometry(300, 0, 290, 400);
        source.setDragEnabled(true);
        tree.setAcceptDrops(true);
        tree.setDragDropMode(QAbstractItemView::DropOnly);
        dragged = new QTreeWidgetItem(&source, QStringList{QStringLiteral("zone")}, 0x2004);
        first = new QTreeWidgetItem(&tree, QStringList{QStringLiteral("first")}, 0x4000);
        group = new QTreeWidgetItem(first, QStringList{QStringLiteral("Devices")}, 0);
        group->setFlags(Qt::ItemIsEnabled | Qt::ItemIsDragEnabled);
        second = new QTreeWidgetItem(&tree, QStringList{QStringLiteral("second")}, 0x4001);
        tree.expandAll();
        window.show();
    }

    std::unique_ptr<QMimeData> items() const
    {
        return std::unique_ptr<QMimeData>(source.model()->mimeData({source.indexFromItem(dragged)}));
    }

    QPoint at(QTreeWidgetItem *item) const { return tree.visualItemRect(item).center(); }

    // Enter, move and drop as the drag loop delivers them; Shift proposes a move.
    Qt::DropAction drop(const QMimeData *data, QPoint at, Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction,
                        bool *entered = nullptr)
    {
        QDragEnterEvent enter(at, offered, data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(tree.viewport(), &enter);
        if (entered)
            *entered = enter.isAccepted();
        QDragMoveEvent move(at, offered, data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(tree.viewport(), &move);
        QDropEvent dropEvent(at, offered, data, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(tree.viewport(), &dropEvent);
        return dropEvent.isAccepted() ? dropEvent.dropAction() : Qt::IgnoreAction;
    }
};

} // namespace

class TestActionTreeWidget : public QObject
{
    Q_OBJECT

private slots:
    void dropOnItemAsksForCreation();
    void dropOnGroupSelectsNothing();
    void dropOnEmptySpace();
    void foreignDropsIgnored_data();
    void foreignDropsIgnored();
};

void TestActionTreeWidget::dropOnItemAsksForCreation()
{
    Trees t;
    t.first->setSelected(true);
    QSignalSpy spy(&t.tree, &ActionTreeWidget::createEvent);
    bool entered = false;
    const auto data = t.items();
    QCOMPARE(t.drop(data.get(), t.at(t.second), Qt::CopyAction | Qt::MoveAction, &entered), Qt::CopyAction);
    QVERIFY(entered);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QTreeWidgetItem *>(), t.second);
    QCOMPARE(spy.at(0).at(1).toInt(), 0);
    QCOMPARE(t.tree.selectedItems(), QList<QTreeWidgetItem *>{t.second});
    // Nothing inserted, nothing taken from the source.
    QCOMPARE(t.tree.topLevelItemCount(), 2);
    QCOMPARE(t.first->childCount(), 1);
    QCOMPARE(t.source.topLevelItemCount(), 1);
}

void TestActionTreeWidget::dropOnGroupSelectsNothing()
{
    Trees t;
    t.second->setSelected(true);
    QSignalSpy spy(&t.tree, &ActionTreeWidget::createEvent);
    const auto data = t.items();
    t.drop(data.get(), t.at(t.group));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<QTreeWidgetItem *>(), t.group);
    QVERIFY(t.tree.selectedItems().isEmpty());
}

void TestActionTreeWidget::dropOnEmptySpace()
{
    Trees t;
    QSignalSpy spy(&t.tree, &ActionTreeWidget::createEvent);
    const auto data = t.items();
    t.drop(data.get(), QPoint(t.tree.viewport()->width() - 4, t.tree.viewport()->height() - 4));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(t.tree.topLevelItemCount(), 2);
}

void TestActionTreeWidget::foreignDropsIgnored_data()
{
    QTest::addColumn<bool>("ourData");
    QTest::addColumn<int>("offered");
    QTest::newRow("plain text") << false << int(Qt::CopyAction | Qt::MoveAction);
    QTest::newRow("a move only") << true << int(Qt::MoveAction);
}

void TestActionTreeWidget::foreignDropsIgnored()
{
    QFETCH(bool, ourData);
    QFETCH(int, offered);
    Trees t;
    t.first->setSelected(true);
    QSignalSpy spy(&t.tree, &ActionTreeWidget::createEvent);
    QMimeData text;
    text.setText(QStringLiteral("0x4001"));
    const auto items = t.items();
    bool entered = true;
    QCOMPARE(t.drop(ourData ? items.get() : &text, t.at(t.second), Qt::DropActions(offered), &entered),
             Qt::IgnoreAction);
    QVERIFY(!entered);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(t.tree.selectedItems(), QList<QTreeWidgetItem *>{t.first});
}

QTEST_MAIN(TestActionTreeWidget)
#include "tst_ActionTreeWidget.moc"
