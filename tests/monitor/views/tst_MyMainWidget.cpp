#include "MonitorViewsFixture.h"

#include "DialogPlot.h"
#include "MyQSortFilterProxyModel.h"
#include "loopChart.h"

#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>
#include <qcustomplot.h>

using sim::SimPanel;
using sim::SimPointCommands;

namespace {
// A parent that records the keys its child passed on.
class KeyRecorder : public QWidget {
public:
    QList<QPair<int, Qt::KeyboardModifiers>> keys;

protected:
    void keyPressEvent(QKeyEvent *e) override { keys.append({e->key(), e->modifiers()}); }
};

const Qt::KeyboardModifiers CtrlShift = Qt::ControlModifier | Qt::ShiftModifier;
}

class TestMyMainWidget : public QObject {
    Q_OBJECT
private slots:
    void form();
    void panelStatistics_data();
    void panelStatistics();
    void counters_data();
    void counters();
    void totalCountsEveryPresentPoint();
    void columnsFollowOptions_data();
    void columnsFollowOptions();
    void columnsFollowSettingsChange();
    void captionsFitTheirColumns();
    void statisticsPane();
    void dynamicSort();

    void scanReadsEachDetectorOnce();
    void scanKeepsPollingAsItWas_data();
    void scanKeepsPollingAsItWas();
    void scanCancelled();
    void scanCannotStartTwice();
    void otherKeysPassedOn_data();
    void otherKeysPassedOn();

    void doubleClickCharts();

private:
    static QString text(MonitorViewsFixture &f, const char *name)
    {
        return f.widget->findChild<QLabel *>(QLatin1String(name))->text();
    }
    static bool parametersShown(MonitorViewsFixture &f)
    {
        return !f.table()->isColumnHidden(PanelModel::ColThreshold) && !f.table()->isColumnHidden(PanelModel::ColSensibility);
    }
    static bool parametersHidden(MonitorViewsFixture &f)
    {
        return f.table()->isColumnHidden(PanelModel::ColThreshold) && f.table()->isColumnHidden(PanelModel::ColSensibility);
    }
    // Presses Ctrl+Shift+D where the user's keys go: the table has the focus.
    static void scanKey(MonitorViewsFixture &f) { QTest::keyClick(f.table(), Qt::Key_D, CtrlShift); }
    static QList<QByteArray> reads(const QList<int> &addresses)
    {
        QList<QByteArray> l;
        for (int a : addresses)
            l << bytes({0x10, 0, a, 2}) << bytes({0x10, 0, a, 8});
        return l;
    }
    static void detectors(MonitorViewsFixture &f);
};

void TestMyMainWidget::detectors(MonitorViewsFixture &f)
{
    f.configure(0, 2, 1);
    f.configure(0, 5, 3);
    f.configure(0, 7, 2);    // heat: no parameters
    f.configure(0, 9, 4);    // call point
    f.configure(0, 200, 1);
    QVERIFY(f.load());
    f.sim->setParam(0, 2, 2, 30);
    f.sim->setParam(0, 2, 8, 3);
    f.sim->setParam(0, 5, 2, 44);
    f.sim->setParam(0, 5, 8, 5);
    f.sim->setParam(0, 200, 2, 12);
    f.sim->setParam(0, 200, 8, 1);
}

void TestMyMainWidget::form()
{
    MonitorViewsFixture f;
    QVERIFY(f.createWidget());
    MyMainWidget *w = f.widget.get();
    QCOMPARE(w->objectName(), QStringLiteral("MyMainWidget"));
    QVERIFY(w->styleSheet().contains(QStringLiteral("url(:/res/icons/logo_brelix.png)")));
    QVERIFY(QFile::exists(QStringLiteral(":/res/icons/logo_brelix.png")));
    QTableView *table = f.table();
    QCOMPARE(table->columnWidth(PanelModel::ColActions), 95);
    QVERIFY(table->isSortingEnabled());
    QVERIFY(!table->verticalHeader()->isVisible());
    QCOMPARE(table->verticalHeader()->defaultSectionSize(), 26);
    QCOMPARE(table->selectionBehavior(), QAbstractItemView::SelectRows);
    QCOMPARE(table->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(!(table->editTriggers() & QAbstractItemView::CurrentChanged));
    QVERIFY(!(table->editTriggers() & QAbstractItemView::SelectedClicked));
    QVERIFY(parametersHidden(f));
    auto *chart = w->findChild<loopChart *>();
    QVERIFY(chart);
    QCOMPARE(chart->parentWidget()->objectName(), QStringLiteral("chartFrame"));
    QVERIFY(chart->minimumWidth() >= 278);
    QVERIFY(chart->minimumHeight() >= 218);
    QCOMPARE(text(f, "lblComQLTYVal"), QStringLiteral("--- %"));
    QCOMPARE(w->findChild<QGroupBox *>(QStringLiteral("gbComms"))->title(), QStringLiteral("Comms statistics"));
    const std::pair<const char *, const char *> captions[] = {
        {"lblComms", "Comms:"},
        {"lblTotalErrors", "Errors:"},
        {"lblComQLTY", "Comms quality:"},
        {"lblPntInErr", "Elements In Error:"},
    };
    for (const auto &[name, caption] : captions)
        QCOMPARE(text(f, name), QString::fromLatin1(caption));
    QVERIFY(!w->plotDialog());
}

void TestMyMainWidget::panelStatistics_data()
{
    QTest::addColumn<int>("loops");
    QTest::addColumn<int>("points");
    QTest::addColumn<QString>("version");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("loopsText");
    QTest::addColumn<QString>("pointsText");
    QTest::newRow("as built") << -1 << 0 << QString() << "Panel statistics" << "Max loops: 0" << "Max points per loop: 0";
    QTest::newRow("no version") << 2 << 125 << QString() << "Panel statistics" << "Max loops: 2" << "Max points per loop: 125";
    QTest::newRow("version") << 8 << 250 << "1.23" << "Panel statistics (v1.23)" << "Max loops: 8"
                             << "Max points per loop: 250";
}

void TestMyMainWidget::panelStatistics()
{
    QFETCH(int, loops);
    QFETCH(int, points);
    QFETCH(QString, version);
    MonitorViewsFixture f;
    QVERIFY(f.createWidget());
    if (loops >= 0)
        f.widget->showPanelStatistics(quint8(loops), quint8(points), version, QStringLiteral("not shown"));
    QTEST(f.widget->findChild<QGroupBox *>(QStringLiteral("gbPanel"))->title(), "title");
    QTEST(text(f, "lblMaxLoops"), "loopsText");
    QTEST(text(f, "lblMaxElements"), "pointsText");
}

void TestMyMainWidget::counters_data()
{
    QTest::addColumn<int>("polls");
    QTest::addColumn<int>("errors");
    QTest::addColumn<int>("inError");
    QTest::addColumn<QString>("errorsText");
    QTest::addColumn<QString>("quality");
    QTest::newRow("no polls") << 0 << 0 << 0 << "0 (0.0%)" << "--- %";
    QTest::newRow("200 with 3 errors") << 200 << 3 << 2 << "3" << "98.5 %";
    QTest::newRow("all errors") << 1000 << 1000 << 7 << "1000" << "0.0 %";
    QTest::newRow("one decimal") << 3 << 1 << 1 << "1" << "66.7 %";
    QTest::newRow("no grouping") << 123456 << 0 << 0 << "0" << "100.0 %";
}

void TestMyMainWidget::counters()
{
    QFETCH(int, polls);
    QFETCH(int, errors);
    QFETCH(int, inError);
    MonitorViewsFixture f;
    QVERIFY(f.createWidget());
    f.widget->showCounters(0, polls, errors, inError, QVector<int>(10, 0));
    QCOMPARE(text(f, "lblCommsVal"), QString::number(polls));
    QTEST(text(f, "lblTotalErrorsVal"), "errorsText");
    QTEST(text(f, "lblComQLTYVal"), "quality");
    QCOMPARE(text(f, "lblPntInErrVal"), QString::number(inError));
}

void TestMyMainWidget::totalCountsEveryPresentPoint()
{
    MonitorViewsFixture f;
    f.configure(1, 0, 1);
    f.configure(1, 1, 1);
    f.configure(1, 2, 12);   // beam
    f.configure(1, 3, 11);   // remote indicator
    f.configure(1, 4, 10);
    QVERIFY(f.load(1));
    QVERIFY(f.createWidget());
    f.options->currentLoop = 1;
    f.model->showLoop(1);
    f.widget->slotLoopChanged();

    // what the main window hands over on every refresh
    QVector<int> counts;
    for (int type = 1; type <= 10; ++type)
        counts << f.model->countPointsOfType(1, quint8(type));
    int errors = 0, polls = 0;
    f.model->loopCommsTotals(1, errors, polls);
    f.widget->showCounters(f.model->countPresentPoints(1), polls, errors, f.model->countPointsInError(1), counts);

    auto *chart = f.widget->findChild<loopChart *>();
    QCOMPARE(chart->total(), 5);
    QCOMPARE(chart->largestCount(), 2);
    QCOMPARE(chart->loop(), 2);
}

void TestMyMainWidget::columnsFollowOptions_data()
{
    QTest::addColumn<QString>("on");   // options switched on, the others off
    QTest::addColumn<QList<int>>("visible");
    const QList<int> always{0, 1, 2, 12, 14, 17};
    QTest::newRow("none") << QString() << always;
    QTest::newRow("defaults") << "defaults" << QList<int>{0, 1, 2, 3, 4, 6, 8, 12, 14, 17};
    QTest::newRow("description") << "description" << QList<int>{0, 1, 2, 3, 12, 14, 17};
    QTest::newRow("zone") << "zone" << QList<int>{0, 1, 2, 4, 12, 14, 17};
    QTest::newRow("version") << "version" << QList<int>{0, 1, 2, 5, 12, 14, 17};
    QTest::newRow("numAlarms") << "numAlarms" << QList<int>{0, 1, 2, 6, 12, 14, 17};
    QTest::newRow("numFaults") << "numFaults" << QList<int>{0, 1, 2, 7, 12, 14, 17};
    QTest::newRow("normalized") << "normalized" << QList<int>{0, 1, 2, 8, 12, 14, 17};
    QTest::newRow("absoluteVals") << "absoluteVals" << QList<int>{0, 1, 2, 9, 12, 14, 17};
    QTest::newRow("absoluteMinMax") << "absoluteMinMax" << QList<int>{0, 1, 2, 10, 11, 12, 14, 17};
    QTest::newRow("comms") << "comms" << QList<int>{0, 1, 2, 12, 13, 14, 17};
}

void TestMyMainWidget::columnsFollowOptions()
{
    QFETCH(QString, on);
    MonitorViewsFixture f;
    MyConfigOptions &o = *f.options;
    if (on != QLatin1String("defaults")) {
        o.description = o.zone = o.version = o.numAlarms = o.numFaults = o.normalized = false;
        o.absoluteVals = o.absoluteMinMax = o.comms = false;
        const QHash<QString, bool *> flags{{"description", &o.description}, {"zone", &o.zone},
                                           {"version", &o.version}, {"numAlarms", &o.numAlarms},
                                           {"numFaults", &o.numFaults}, {"normalized", &o.normalized},
                                           {"absoluteVals", &o.absoluteVals}, {"absoluteMinMax", &o.absoluteMinMax},
                                           {"comms", &o.comms}};
        if (!on.isEmpty())
            *flags.value(on) = true;
    }
    QVERIFY(f.createWidget());
    QList<int> visible;
    for (int c = 0; c < PanelModel::ColumnCount; ++c)
        if (!f.table()->isColumnHidden(c))
            visible << c;
    QTEST(visible, "visible");
}

void TestMyMainWidget::columnsFollowSettingsChange()
{
    MonitorViewsFixture f;
    QVERIFY(f.createWidget());
    QTableView *table = f.table();
    QVERIFY(!table->isColumnHidden(PanelModel::ColZone));
    QVERIFY(table->isColumnHidden(PanelModel::ColCommsErrors));
    f.options->zone = false;
    f.options->comms = true;
    f.options->absoluteMinMax = true;
    emit f.options->settingsChange();
    QVERIFY(table->isColumnHidden(PanelModel::ColZone));
    QVERIFY(!table->isColumnHidden(PanelModel::ColCommsErrors));
    QVERIFY(!table->isColumnHidden(PanelModel::ColAbsoluteMin));
    QVERIFY(!table->isColumnHidden(PanelModel::ColAbsoluteMax));
    // the parameter columns follow Ctrl+Shift+D only
    QVERIFY(parametersHidden(f));
}

void TestMyMainWidget::captionsFitTheirColumns()
{
    MonitorViewsFixture f;
    QVERIFY(f.createWidget());
    QTableView *table = f.table();
    QHeaderView *header = table->horizontalHeader();
    // every column the user can bring up: all the options, then Ctrl+Shift+D
    MyConfigOptions &o = *f.options;
    o.description = o.zone = o.version = o.numAlarms = o.numFaults = o.normalized = true;
    o.absoluteVals = o.absoluteMinMax = o.comms = true;
    emit o.settingsChange();
    scanKey(f);
    QVERIFY(parametersShown(f));

    const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
    for (int c = 0; c < PanelModel::ColumnCount; ++c) {
        QVERIFY(!table->isColumnHidden(c));
        const QString caption = f.model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString();
        const int textWidth = header->fontMetrics().horizontalAdvance(caption) + 2 * margin;
        const QByteArray what = caption.toUtf8() + " is " + QByteArray::number(header->sectionSize(c))
                                + " px wide; its caption needs " + QByteArray::number(header->sectionSizeHint(c));
        QVERIFY2(header->sectionSize(c) >= header->sectionSizeHint(c), what.constData());
        QVERIFY2(header->sectionSize(c) >= textWidth, what.constData());
    }
    // widened where needed, never narrowed
    QCOMPARE(table->columnWidth(PanelModel::ColActions), 95);
    QCOMPARE(table->columnWidth(PanelModel::ColZone), header->defaultSectionSize());
}

void TestMyMainWidget::statisticsPane()
{
    MonitorViewsFixture f;
    QVERIFY(f.createWidget());
    QWidget *pane = f.widget->findChild<QWidget *>(QStringLiteral("topWidget"));
    QVERIFY(pane->isVisible());
    const int tableWidth = f.table()->width();
    f.widget->hideStatistics();
    QVERIFY(!pane->isVisible());
    QTRY_VERIFY(f.table()->width() > tableWidth);
    f.widget->showStatistics();
    QVERIFY(pane->isVisible());
}

void TestMyMainWidget::dynamicSort()
{
    MonitorViewsFixture f;
    QVERIFY(f.createWidget());
    auto *proxy = qobject_cast<MyQSortFilterProxyModel *>(f.table()->model());
    QVERIFY(proxy->dynamicSortFilter());
    f.widget->setDynamicSort(false);
    QVERIFY(!proxy->dynamicSortFilter());
    f.widget->setDynamicSort(true);
    QVERIFY(proxy->dynamicSortFilter());
}

void TestMyMainWidget::scanReadsEachDetectorOnce()
{
    MonitorViewsFixture f;
    detectors(f);
    QVERIFY(f.createWidget());
    QString title, label;
    bool modal = false;
    // look at the progress window while the scan runs
    SimPanel::instance().setCommandHandler(0x10, [&](const QByteArray &r) {
        if (auto *p = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget())) {
            title = p->windowTitle();
            label = p->labelText();
            modal = p->isVisible() && p->isWindow();
        }
        return sim::Reply::of(SimPointCommands::paramReply(0, f.sim->param(0, quint8(r.at(2)), quint8(r.at(3)))));
    });

    scanKey(f);
    QCOMPARE(f.requests(), reads({2, 5, 200}));
    QCOMPARE(title, QStringLiteral("Scaning Advanced Values"));
    QCOMPARE(label, QStringLiteral("Scaning loop for advanced values.\n Please wait..."));
    QVERIFY(modal);
    QVERIFY(!QApplication::activeModalWidget());
    QVERIFY(parametersShown(f));
    QCOMPARE(f.viewIndex(5, PanelModel::ColThreshold).data().toInt(), 44);
    QCOMPARE(f.viewIndex(200, PanelModel::ColSensibility).data().toInt(), 1);

    // pressed again: hidden, nothing read
    f.clearRequests();
    scanKey(f);
    QVERIFY(parametersHidden(f));
    QVERIFY(f.requests().isEmpty());
    // and every showing scans again
    scanKey(f);
    QCOMPARE(f.requests(), reads({2, 5, 200}));
    QVERIFY(parametersShown(f));
}

void TestMyMainWidget::scanKeepsPollingAsItWas_data()
{
    QTest::addColumn<bool>("polling");
    QTest::newRow("polling") << true;
    QTest::newRow("stopped") << false;
}

void TestMyMainWidget::scanKeepsPollingAsItWas()
{
    QFETCH(bool, polling);
    MonitorViewsFixture f;
    detectors(f);
    QVERIFY(f.createWidget());
    if (polling)
        f.model->startPolling();
    QCOMPARE(f.model->isPollingActive(), polling);
    QList<bool> pollingDuringScan;
    SimPanel::instance().setCommandHandler(0x10, [&](const QByteArray &) {
        pollingDuringScan << f.model->isPollingActive();
        return sim::Reply::of(SimPointCommands::paramReply(0, 20));
    });
    scanKey(f);
    QCOMPARE(pollingDuringScan, QList<bool>(6, false));
    QCOMPARE(f.model->isPollingActive(), polling);
    QVERIFY(f.requests(0x07).isEmpty());
}

void TestMyMainWidget::scanCancelled()
{
    MonitorViewsFixture f;
    detectors(f);
    f.configure(0, 220, 3);
    QVERIFY(f.load());
    QVERIFY(f.createWidget());
    f.model->startPolling();
    int count = 0;
    SimPanel::instance().setCommandHandler(0x10, [&](const QByteArray &) {
        if (++count == 3) {
            // the user presses Cancel while the third read is under way
            QTimer::singleShot(0, [] {
                auto *p = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
                QVERIFY(p);
                p->findChild<QPushButton *>()->click();
            });
        }
        return sim::Reply::of(SimPointCommands::paramReply(0, 20));
    });
    scanKey(f);
    // the point under way is finished, no further point is asked
    QCOMPARE(f.requests(), reads({2, 5}));
    QVERIFY(parametersHidden(f));
    QVERIFY(f.model->isPollingActive());
    QVERIFY(!QApplication::activeModalWidget());
    // the next press scans again
    f.clearRequests();
    count = 100;
    scanKey(f);
    QCOMPARE(f.requests(), reads({2, 5, 200, 220}));
    QVERIFY(parametersShown(f));
}

void TestMyMainWidget::scanCannotStartTwice()
{
    MonitorViewsFixture f;
    detectors(f);
    QVERIFY(f.createWidget());
    int count = 0;
    SimPanel::instance().setCommandHandler(0x10, [&](const QByteArray &) {
        if (++count == 1) {
            // a key held down, and another press, arrive while the scan lets events through
            QCoreApplication::postEvent(f.table(), new QKeyEvent(QEvent::KeyPress, Qt::Key_D, CtrlShift, QString(), true));
            QCoreApplication::postEvent(f.widget.get(), new QKeyEvent(QEvent::KeyPress, Qt::Key_D, CtrlShift));
        }
        return sim::Reply::of(SimPointCommands::paramReply(0, 20));
    });
    scanKey(f);
    QCoreApplication::processEvents();
    QCOMPARE(f.requests(), reads({2, 5, 200}));
    QVERIFY(parametersShown(f));
    // an auto-repeated press alone never toggles
    QKeyEvent repeat(QEvent::KeyPress, Qt::Key_D, CtrlShift, QString(), true);
    QCoreApplication::sendEvent(f.widget.get(), &repeat);
    QVERIFY(parametersShown(f));
    scanKey(f);
    QVERIFY(parametersHidden(f));
}

void TestMyMainWidget::otherKeysPassedOn_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Ctrl+D") << int(Qt::Key_D) << int(Qt::ControlModifier);
    QTest::newRow("Shift+D") << int(Qt::Key_D) << int(Qt::ShiftModifier);
    QTest::newRow("D") << int(Qt::Key_D) << int(Qt::NoModifier);
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Ctrl+Shift+E") << int(Qt::Key_E) << int(CtrlShift);
    QTest::newRow("F5") << int(Qt::Key_F5) << int(Qt::NoModifier);
}

void TestMyMainWidget::otherKeysPassedOn()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    MonitorViewsFixture f;
    detectors(f);
    KeyRecorder window;
    auto *w = new MyMainWidget(f.model.get(), f.options.get(), &window);
    window.show();
    // (the test presses the modifier keys first; they are passed on as well)
    QTest::keyClick(w, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QVERIFY(!window.keys.isEmpty());
    QCOMPARE(window.keys.last().first, key);
    QCOMPARE(window.keys.last().second, Qt::KeyboardModifiers(modifiers));
    QVERIFY(f.requests().isEmpty());
    auto *table = w->findChild<QTableView *>(QStringLiteral("tvLoop"));
    QVERIFY(table->isColumnHidden(PanelModel::ColThreshold));
    // the scan key is the widget's own
    window.keys.clear();
    QTest::keyClick(w, Qt::Key_D, CtrlShift);
    for (const auto &k : window.keys)
        QVERIFY(k.first != Qt::Key_D);
    QVERIFY(!table->isColumnHidden(PanelModel::ColThreshold));
}

void TestMyMainWidget::doubleClickCharts()
{
    MonitorViewsFixture f;
    f.configure(0, 2, 1);
    f.configure(0, 7, 3);
    QVERIFY(f.load());
    QVERIFY(f.createWidget());
    QWidget *viewport = f.table()->viewport();
    doubleClick(viewport, f.cellRect(2, PanelModel::ColDescription).center());
    QPointer<DialogPlot> first = f.widget->plotDialog();
    QVERIFY(first);
    QVERIFY(first->isVisible());
    doubleClick(viewport, f.cellRect(7, PanelModel::ColType).center());
    QCOMPARE(f.widget->plotDialog(), first.data());
    QCOMPARE(first->seriesCount(), 2);
    QCOMPARE(first->plot()->graph(0)->name(), QStringLiteral("Point 1:3"));
    QCOMPARE(first->plot()->graph(1)->name(), QStringLiteral("Point 1:8"));
    QVERIFY(f.requests().isEmpty());

    // hidden, it comes back with its series
    first->hide();
    doubleClick(viewport, f.cellRect(2, PanelModel::ColStatus).center());
    QVERIFY(first->isVisible());
    QCOMPARE(first->seriesCount(), 3);

    // closed, it goes; the next double click opens a fresh one
    first->findChild<QPushButton *>(QStringLiteral("butClose"))->click();
    QTRY_VERIFY(!first);
    QVERIFY(!f.widget->plotDialog());
    doubleClick(viewport, f.cellRect(7, PanelModel::ColDescription).center());
    QVERIFY(f.widget->plotDialog());
    QCOMPARE(f.widget->plotDialog()->seriesCount(), 1);
}

QTEST_MAIN(TestMyMainWidget)
#include "tst_MyMainWidget.moc"
