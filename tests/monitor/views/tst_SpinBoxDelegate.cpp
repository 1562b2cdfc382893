#include "MonitorViewsFixture.h"

#include <QSpinBox>
#include <QtTest>

// Columns 15 and 16 are shown by Ctrl+Shift+D after a scan; these tests show
// them directly so that only the editors' own requests reach the panel.
class TestSpinBoxDelegate : public QObject {
    Q_OBJECT
private slots:
    void walkingSendsNothing_data();
    void walkingSendsNothing();
    void typingWritesOnce_data();
    void typingWritesOnce();
    void untouchedEditorWritesNothing_data();
    void untouchedEditorWritesNothing();
    void incompleteTypingWritesNothing_data();
    void incompleteTypingWritesNothing();
    void stepWithArrowWrites();
    void editorRange_data();
    void editorRange();
    void pointWithoutParameters();
    void refusedWriteKeepsValue();

private:
    void setUp(MonitorViewsFixture &f);
    static QSpinBox *openEditor(MonitorViewsFixture &f);
    // Keys go where the user's keys go: to the widget with the focus.
    static void type(const QString &text)
    {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
};

void TestSpinBoxDelegate::setUp(MonitorViewsFixture &f)
{
    f.configure(0, 2, 1);
    f.configure(0, 3, 3);
    f.configure(0, 4, 2);   // heat detector: no parameters
    f.configure(0, 5, 1);
    QVERIFY(f.load());
    f.sim->setParam(0, 2, 2, 30);
    f.sim->setParam(0, 2, 8, 3);
    f.sim->setParam(0, 3, 2, 40);
    f.sim->setParam(0, 3, 8, 4);
    QVERIFY(f.model->readPointThreshold(0, 2));
    QVERIFY(f.model->readPointSensibility(0, 2));
    QVERIFY(f.model->readPointThreshold(0, 3));
    QVERIFY(f.model->readPointSensibility(0, 3));
    // address 5 never read: its cells hold 0
    QVERIFY(f.createWidget());
    f.table()->setColumnHidden(PanelModel::ColThreshold, false);
    f.table()->setColumnHidden(PanelModel::ColSensibility, false);
    f.clearRequests();
}

QSpinBox *TestSpinBoxDelegate::openEditor(MonitorViewsFixture &f)
{
    return f.table()->viewport()->findChild<QSpinBox *>();
}

void TestSpinBoxDelegate::walkingSendsNothing_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("right") << int(Qt::Key_Right);
    QTest::newRow("left") << int(Qt::Key_Left);
    QTest::newRow("down") << int(Qt::Key_Down);
    QTest::newRow("up") << int(Qt::Key_Up);
    QTest::newRow("tab") << int(Qt::Key_Tab);
}

void TestSpinBoxDelegate::walkingSendsNothing()
{
    QFETCH(int, key);
    MonitorViewsFixture f;
    setUp(f);
    QTableView *table = f.table();
    table->setFocus();
    const bool vertical = key == Qt::Key_Up || key == Qt::Key_Down;
    // start beside the parameter columns, or on one of them for the vertical walk
    const int startColumn = key == Qt::Key_Left ? PanelModel::ColActions
                            : vertical           ? PanelModel::ColThreshold
                                                 : PanelModel::ColTotalComms;
    const int startAddress = key == Qt::Key_Up ? 5 : 2;
    table->setCurrentIndex(f.viewIndex(startAddress, startColumn));
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(table, Qt::Key(key));
        QVERIFY(!openEditor(f));
    }
    QVERIFY(f.requests().isEmpty());
    QCOMPARE(int(f.model->loopPoint(0, 2).threshold), 30);
    QCOMPARE(int(f.model->loopPoint(0, 5).threshold), 0);
}

void TestSpinBoxDelegate::typingWritesOnce_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("column");
    QTest::addColumn<QByteArray>("typed");
    QTest::addColumn<int>("parameter");
    QTest::addColumn<int>("value");
    QTest::newRow("threshold") << 2 << int(PanelModel::ColThreshold) << QByteArray("45") << 2 << 45;
    QTest::newRow("threshold never read") << 5 << int(PanelModel::ColThreshold) << QByteArray("45") << 2 << 45;
    QTest::newRow("threshold never read, the minimum") << 5 << int(PanelModel::ColThreshold) << QByteArray("10") << 2 << 10;
    QTest::newRow("sensibility") << 3 << int(PanelModel::ColSensibility) << QByteArray("2") << 8 << 2;
}

void TestSpinBoxDelegate::typingWritesOnce()
{
    QFETCH(int, address);
    QFETCH(int, column);
    QFETCH(QByteArray, typed);
    QFETCH(int, parameter);
    QFETCH(int, value);
    MonitorViewsFixture f;
    setUp(f);
    QTableView *table = f.table();
    table->setFocus();
    table->setCurrentIndex(f.viewIndex(address, column));
    type(QString::fromLatin1(typed));
    QSpinBox *editor = openEditor(f);
    QVERIFY(editor);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QTRY_VERIFY(!openEditor(f));
    QCOMPARE(f.requests(), (QList<QByteArray>{bytes({0x14, 0, address, parameter, value}),
                                              bytes({0x10, 0, address, parameter})}));
    QCOMPARE(f.sim->param(0, address, parameter), quint8(value));
    QCOMPARE(f.viewIndex(address, column).data().toInt(), value);
    // moving on afterwards sends nothing more
    QTest::keyClick(table, Qt::Key_Right);
    QTest::keyClick(table, Qt::Key_Down);
    QCOMPARE(f.requests().size(), 2);
}

void TestSpinBoxDelegate::untouchedEditorWritesNothing_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("closeKey");
    QTest::newRow("read threshold, Enter") << 2 << int(PanelModel::ColThreshold) << int(Qt::Key_Enter);
    QTest::newRow("never read, Enter") << 5 << int(PanelModel::ColThreshold) << int(Qt::Key_Enter);
    QTest::newRow("never read sensibility, Tab") << 5 << int(PanelModel::ColSensibility) << int(Qt::Key_Tab);
    QTest::newRow("read sensibility, Escape") << 3 << int(PanelModel::ColSensibility) << int(Qt::Key_Escape);
}

void TestSpinBoxDelegate::untouchedEditorWritesNothing()
{
    QFETCH(int, address);
    QFETCH(int, column);
    QFETCH(int, closeKey);
    MonitorViewsFixture f;
    setUp(f);
    QTableView *table = f.table();
    const QModelIndex index = f.viewIndex(address, column);
    const int before = index.data().toInt();
    const QRect cell = f.cellRect(address, column);
    doubleClick(table->viewport(), cell.center());
    QSpinBox *editor = openEditor(f);
    QVERIFY(editor);
    // the editor opens on the value read, a value never read shows as the minimum
    QCOMPARE(editor->value(), qMax(before, editor->minimum()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(closeKey));
    QTRY_VERIFY(!openEditor(f));
    QVERIFY(f.requests().isEmpty());
    QCOMPARE(index.data().toInt(), before);
    // and no chart for a parameter cell
    QVERIFY(!f.widget->plotDialog());
}

void TestSpinBoxDelegate::incompleteTypingWritesNothing_data()
{
    QTest::addColumn<int>("address");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("closeKey");
    QTest::newRow("never read, 4 and Enter") << 5 << "4" << int(Qt::Key_Enter);
    QTest::newRow("never read, emptied and Enter") << 5 << "4\b" << int(Qt::Key_Return);
    QTest::newRow("read, 4 and Enter") << 2 << "4" << int(Qt::Key_Enter);
}

// A typed text that is no threshold falls back to the value the box held when
// the editor closes; on a cell never read that is the minimum, which the user
// never entered.
void TestSpinBoxDelegate::incompleteTypingWritesNothing()
{
    QFETCH(int, address);
    QFETCH(QString, typed);
    QFETCH(int, closeKey);
    MonitorViewsFixture f;
    setUp(f);
    QTableView *table = f.table();
    table->setFocus();
    const QModelIndex index = f.viewIndex(address, PanelModel::ColThreshold);
    const int before = index.data().toInt();
    table->setCurrentIndex(index);
    for (QChar c : typed) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
        else
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    QVERIFY(openEditor(f));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(closeKey));
    QTRY_VERIFY(!openEditor(f));
    QVERIFY(f.requests().isEmpty());
    QCOMPARE(index.data().toInt(), before);
    QCOMPARE(int(f.sim->param(0, quint8(address), 2)), address == 2 ? 30 : 0);
}

void TestSpinBoxDelegate::stepWithArrowWrites()
{
    MonitorViewsFixture f;
    setUp(f);
    QTableView *table = f.table();
    table->setFocus();
    table->setCurrentIndex(f.viewIndex(2, PanelModel::ColThreshold));
    QTest::keyClick(table, Qt::Key_F2);
    QVERIFY(openEditor(f));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!openEditor(f));
    QCOMPARE(f.requests(), (QList<QByteArray>{bytes({0x14, 0, 2, 2, 31}), bytes({0x10, 0, 2, 2})}));

    // up and back down again: the value read stays, nothing is written
    f.clearRequests();
    QTest::keyClick(table, Qt::Key_F2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!openEditor(f));
    QVERIFY(f.requests().isEmpty());
}

void TestSpinBoxDelegate::editorRange_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("threshold") << int(PanelModel::ColThreshold) << 10 << 60;
    QTest::newRow("sensibility") << int(PanelModel::ColSensibility) << 1 << 5;
}

void TestSpinBoxDelegate::editorRange()
{
    QFETCH(int, column);
    MonitorViewsFixture f;
    setUp(f);
    doubleClick(f.table()->viewport(), f.cellRect(2, column).center());
    QSpinBox *editor = openEditor(f);
    QVERIFY(editor);
    QTEST(editor->minimum(), "minimum");
    QTEST(editor->maximum(), "maximum");
    QCOMPARE(editor->singleStep(), 1);
    QVERIFY(editor->prefix().isEmpty());
    QVERIFY(editor->suffix().isEmpty());
    // the editor covers its cell
    QCOMPARE(editor->geometry(), f.table()->visualRect(f.viewIndex(2, column)));
}

void TestSpinBoxDelegate::pointWithoutParameters()
{
    MonitorViewsFixture f;
    setUp(f);
    QTableView *table = f.table();
    table->setFocus();
    table->setCurrentIndex(f.viewIndex(4, PanelModel::ColThreshold));
    type(QStringLiteral("45"));
    QVERIFY(openEditor(f));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QTRY_VERIFY(!openEditor(f));
    QVERIFY(f.requests().isEmpty());
    QVERIFY(!f.viewIndex(4, PanelModel::ColThreshold).data().isValid());
}

void TestSpinBoxDelegate::refusedWriteKeepsValue()
{
    MonitorViewsFixture f;
    setUp(f);
    f.sim->setWriteParamStatus(1);
    QTableView *table = f.table();
    table->setFocus();
    table->setCurrentIndex(f.viewIndex(2, PanelModel::ColThreshold));
    type(QStringLiteral("45"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
    QTRY_VERIFY(!openEditor(f));
    QCOMPARE(f.requests(), QList<QByteArray>{bytes({0x14, 0, 2, 2, 45})});
    QCOMPARE(f.viewIndex(2, PanelModel::ColThreshold).data().toInt(), 30);
}

QTEST_MAIN(TestSpinBoxDelegate)
#include "tst_SpinBoxDelegate.moc"
