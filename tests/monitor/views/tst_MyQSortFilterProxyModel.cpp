#include "MonitorViewsFixture.h"

#include "MyQSortFilterProxyModel.h"
#include "virtualActions.h"

#include <QHeaderView>
#include <QtTest>

class TestMyQSortFilterProxyModel : public QObject {
    Q_OBJECT
private slots:
    void hidesEmptyAddresses();
    void showsDetectedElement();
    void loopChangeRefilters_data();
    void loopChangeRefilters();
    void sortsByClickedColumn();

private:
    static QList<int> shownAddresses(QTableView *table);
};

QList<int> TestMyQSortFilterProxyModel::shownAddresses(QTableView *table)
{
    QList<int> l;
    QAbstractItemModel *m = table->model();
    for (int r = 0; r < m->rowCount(); ++r)
        l.append(m->index(r, PanelModel::ColAddress).data().toInt());
    return l;
}

void TestMyQSortFilterProxyModel::hidesEmptyAddresses()
{
    MonitorViewsFixture f;
    f.configure(0, 0, 1);
    f.configure(0, 5, 8);
    f.configure(0, 249, 12);
    QVERIFY(f.load());
    QVERIFY(f.createWidget());
    QCOMPARE(shownAddresses(f.table()), (QList<int>{1, 6, 250}));
    QVERIFY(qobject_cast<MyQSortFilterProxyModel *>(f.table()->model()));
}

void TestMyQSortFilterProxyModel::showsDetectedElement()
{
    MonitorViewsFixture f;
    f.configure(0, 1, 1);
    QVERIFY(f.load());
    QVERIFY(f.createWidget());
    QCOMPARE(shownAddresses(f.table()), QList<int>{2});
    // the panel answers at an address the configuration leaves empty
    f.sim->setExplore(0, 7, sim::SimPointCommands::exploreReply(0, 1, 0));
    QVERIFY(f.model->readPointState(0, 7));
    QCOMPARE(shownAddresses(f.table()), (QList<int>{2, 8}));
    const QVariant actions = f.viewIndex(7, PanelModel::ColActions).data();
    QCOMPARE(actions.value<virtualActions>().mask, quint8(5));
}

void TestMyQSortFilterProxyModel::loopChangeRefilters_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<bool>("dynamicSort");
    QTest::newRow("link down") << false << true;
    QTest::newRow("polling (dynamic sort off)") << true << false;
    QTest::newRow("link down, dynamic sort off") << false << false;
}

void TestMyQSortFilterProxyModel::loopChangeRefilters()
{
    QFETCH(bool, connected);
    QFETCH(bool, dynamicSort);
    MonitorViewsFixture f;
    f.configure(0, 1, 1);
    f.configure(0, 2, 1);
    f.configure(1, 9, 4);
    QVERIFY(f.load(0));
    QVERIFY(f.load(1));
    QVERIFY(f.createWidget());
    QCOMPARE(shownAddresses(f.table()), (QList<int>{2, 3}));
    if (!connected)
        f.model->closePort();
    f.widget->setDynamicSort(dynamicSort);

    // what the main window does on a change of loop
    f.options->currentLoop = 1;
    f.model->showLoop(1);
    f.widget->slotLoopChanged();
    QCOMPARE(shownAddresses(f.table()), QList<int>{10});

    f.options->currentLoop = 0;
    f.model->showLoop(0);
    f.widget->slotLoopChanged();
    QCOMPARE(shownAddresses(f.table()), (QList<int>{2, 3}));
}

void TestMyQSortFilterProxyModel::sortsByClickedColumn()
{
    MonitorViewsFixture f;
    f.configure(0, 3, 2);
    f.configure(0, 1, 12);
    f.configure(0, 8, 1);
    QVERIFY(f.load());
    QVERIFY(f.createWidget());
    QTableView *table = f.table();
    QCOMPARE(shownAddresses(table), (QList<int>{2, 4, 9}));
    QHeaderView *header = table->horizontalHeader();
    const QPoint addressHeader(header->sectionViewportPosition(PanelModel::ColAddress) + 5, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, addressHeader);
    QCOMPARE(shownAddresses(table), (QList<int>{9, 4, 2}));
}

QTEST_MAIN(TestMyQSortFilterProxyModel)
#include "tst_MyQSortFilterProxyModel.moc"
