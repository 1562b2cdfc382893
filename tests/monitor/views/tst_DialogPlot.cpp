#include "DialogPlot.h"
#include "FixedStepTimeTicker.h"

#include "ModalScript.h"
#include "MyConfigOptions.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QPushButton>
#include <QtTest>
#include <qcustomplot.h>

#include <memory>

namespace {
using History = QList<PointHistorySample>;

const QDateTime Start = QDateTime(QDate(2024, 3, 1), QTime(10, 0, 0));

// Samples half a second apart; each pair is (normalized, absolute).
History samples(const QList<QPair<int, int>> &values, int firstIndex = 0)
{
    History h;
    for (int i = 0; i < values.size(); ++i) {
        PointHistorySample s;
        s.timestamp = Start.addMSecs(qint64(firstIndex + i) * 500);
        s.normalizedValue = values.at(i).first;
        s.absoluteValue = values.at(i).second;
        h.append(s);
    }
    return h;
}

double key(int index) { return double(Start.addMSecs(qint64(index) * 500).toMSecsSinceEpoch()) / 1000.0; }
}

class TestDialogPlot : public QObject {
    Q_OBJECT
private slots:
    void init();

    void valueChoiceFollowsOptions_data();
    void valueChoiceFollowsOptions();
    void nameAndLabels();
    void statistics_data();
    void statistics();
    void coloursCycleOverEight();
    void realTimeDrawsOnlyNewSamples();
    void changeOfValueRedraws();
    void userSelectionEnablesRemove();
    void removeThenSelectAgain();
    void clearPlotThenRemove();
    void wheelWindowAndTickStep_data();
    void wheelWindowAndTickStep();
    void zoomIsBounded_data();
    void zoomIsBounded();
    void dragPastBoundKeepsSpan_data();
    void dragPastBoundKeepsSpan();
    void addedPointAsksForNewSelection();
    void legendDoubleClickRecolours();
    void closeDeletesDialog();
    void plotCoversFrame();

private:
    std::unique_ptr<DialogPlot> shownDialog();
    static QString label(DialogPlot &d, const char *name) { return d.findChild<QLabel *>(QLatin1String(name))->text(); }
    static QPushButton *button(DialogPlot &d, const char *name) { return d.findChild<QPushButton *>(QLatin1String(name)); }
    static QCheckBox *box(DialogPlot &d, const char *name) { return d.findChild<QCheckBox *>(QLatin1String(name)); }
    static void wheel(QCustomPlot *plot, int delta)
    {
        const QPointF at = plot->axisRect()->rect().center();
        QWheelEvent e(at, plot->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(plot, &e);
    }
    static void clickLegendItem(QCustomPlot *plot, int series)
    {
        QCPAbstractLegendItem *item = plot->legend->itemWithPlottable(plot->graph(series));
        QTest::mouseClick(plot, Qt::LeftButton, {}, item->rect().center());
    }

    std::unique_ptr<MyConfigOptions> options;
};

void TestDialogPlot::init()
{
    options = std::make_unique<MyConfigOptions>();
    options->setDefaults();
    options->absoluteVals = true;   // normalized and absolute: the box stays free
}

std::unique_ptr<DialogPlot> TestDialogPlot::shownDialog()
{
    auto d = std::make_unique<DialogPlot>(options.get(), nullptr);
    d->show();
    if (!QTest::qWaitForWindowExposed(d.get()))
        return nullptr;
    return d;
}

void TestDialogPlot::valueChoiceFollowsOptions_data()
{
    QTest::addColumn<bool>("normalized");
    QTest::addColumn<bool>("absolute");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("both") << true << true << true << true;
    QTest::newRow("normalized only") << true << false << false << false;
    QTest::newRow("absolute only") << false << true << true << false;
    QTest::newRow("neither") << false << false << false << false;
}

void TestDialogPlot::valueChoiceFollowsOptions()
{
    QFETCH(bool, normalized);
    QFETCH(bool, absolute);
    options->normalized = normalized;
    options->absoluteVals = absolute;
    DialogPlot d(options.get(), nullptr);
    QTEST(box(d, "cbNormalized")->isChecked(), "checked");
    QTEST(box(d, "cbNormalized")->isEnabled(), "enabled");
    QVERIFY(box(d, "cbRealTime")->isChecked());
    QVERIFY(!button(d, "butErase")->isEnabled());
}

void TestDialogPlot::nameAndLabels()
{
    DialogPlot d(options.get(), nullptr);
    QCOMPARE(d.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(d.plot()->yAxis->label(), QStringLiteral("Analogic value"));
    const std::pair<const char *, const char *> captions[] = {
        {"lblLoop", "Loop:"},
        {"lblAdd", "Address:"},
        {"lblMax", "Max value:"},
        {"lblMin", "Min value:"},
        {"lblAvg", "Average value:"},
        {"cbRealTime", "Real-time plotting"},
        {"cbNormalized", "Plot Non normalized values"},
        {"butErase", "Remove device"},
        {"butClearPlot", "Clear Plot"},
        {"butClose", "Close"},
    };
    for (const auto &[name, caption] : captions)
        QCOMPARE(d.findChild<QWidget *>(QLatin1String(name))->property("text").toString(), QString::fromLatin1(caption));
    const History h = samples({{5, 50}});
    d.addPoint(3, 250, &h);
    QCOMPARE(d.plot()->graph(0)->name(), QStringLiteral("Point 3:250"));
    QCOMPARE(label(d, "lblLoopVal"), QStringLiteral("3"));
    QCOMPARE(label(d, "lblAddVal"), QStringLiteral("250"));
    QCOMPARE(d.currentSeries(), 0);
    QVERIFY(d.plot()->graph(0)->selectable() == QCP::stWhole);
    QCOMPARE(d.plot()->graph(0)->pen().width(), 2);
}

void TestDialogPlot::statistics_data()
{
    QTest::addColumn<QList<int>>("absolute");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("avg");
    QTest::newRow("with gaps") << QList<int>{10, -1, 30, -1} << "30" << "10" << "10";
    QTest::newRow("empty") << QList<int>{} << "-1" << "-1" << "-1";
    QTest::newRow("no value at all") << QList<int>{-1, -1} << "-1" << "-1" << "0";
    QTest::newRow("truncated average") << QList<int>{1, 2} << "2" << "1" << "1";
}

void TestDialogPlot::statistics()
{
    QFETCH(QList<int>, absolute);
    QList<QPair<int, int>> values;
    for (int v : absolute)
        values.append({7, v});
    const History h = samples(values);
    DialogPlot d(options.get(), nullptr);
    d.addPoint(1, 1, &h);
    QTEST(label(d, "lblMaxVal"), "max");
    QTEST(label(d, "lblMinVal"), "min");
    QTEST(label(d, "lblAvgVal"), "avg");
    // samples without a value are drawn at -1
    QCOMPARE(d.plot()->graph(0)->data()->size(), absolute.size());
}

void TestDialogPlot::coloursCycleOverEight()
{
    const QList<QColor> palette{Qt::red, Qt::cyan, Qt::blue, Qt::darkCyan, Qt::darkRed, Qt::magenta, Qt::darkBlue,
                                Qt::darkMagenta};
    const History h;
    auto d = std::make_unique<DialogPlot>(options.get(), nullptr);
    d->addPoint(1, 1, &h);
    // the counter belongs to the program: find where it stands
    const int start = int(palette.indexOf(d->plot()->graph(0)->pen().color()));
    QVERIFY(start >= 0);
    for (int i = 1; i < 10; ++i)
        d->addPoint(1, 1 + i, &h);
    for (int i = 0; i < 10; ++i)
        QCOMPARE(d->plot()->graph(i)->pen().color(), palette.at((start + i) % 8));
    QCOMPARE(d->plot()->graph(8)->pen().color(), d->plot()->graph(0)->pen().color());

    // neither clearing nor a new dialog starts the colours again
    d->slotClearPlot();
    d->addPoint(1, 1, &h);
    QCOMPARE(d->plot()->graph(0)->pen().color(), palette.at((start + 10) % 8));
    d = std::make_unique<DialogPlot>(options.get(), nullptr);
    d->addPoint(1, 1, &h);
    QCOMPARE(d->plot()->graph(0)->pen().color(), palette.at((start + 11) % 8));
}

void TestDialogPlot::realTimeDrawsOnlyNewSamples()
{
    History h = samples({{1, 10}, {2, 20}, {3, 30}});
    History other = samples({{1, 5}}, 100);
    DialogPlot d(options.get(), nullptr);
    d.addPoint(1, 4, &h);
    QCPGraph *g = d.plot()->graph(0);
    QCOMPARE(g->data()->size(), 3);
    QCOMPARE(g->data()->at(2)->key, key(2));
    QCOMPARE(g->data()->at(2)->value, 30.0);
    // the newest time window in view, ending a quarter second after the last sample
    QCOMPARE(d.plot()->xAxis->range().upper, key(2) + 0.25);
    QCOMPARE(d.plot()->xAxis->range().size(), 20.0);

    h.append(samples({{4, 40}, {5, 50}}, 3));
    d.timeOutPlot();
    QCOMPARE(g->data()->size(), 5);
    QCOMPARE(g->data()->at(4)->value, 50.0);
    QCOMPARE(label(d, "lblMaxVal"), QStringLiteral("50"));
    QCOMPARE(label(d, "lblAvgVal"), QStringLiteral("30"));

    // a sample with the time of the last one drawn is not drawn twice
    h.append(samples({{6, 60}}, 4));
    d.timeOutPlot();
    QCOMPARE(g->data()->size(), 5);

    // the last series decides the time window
    d.addPoint(1, 5, &other);
    QCOMPARE(d.plot()->xAxis->range().upper, key(100) + 0.25);
    QCOMPARE(d.plot()->xAxis2->range(), d.plot()->xAxis->range());
}

void TestDialogPlot::changeOfValueRedraws()
{
    History h = samples({{1, 10}, {2, 20}});
    DialogPlot d(options.get(), nullptr);
    d.addPoint(1, 4, &h);
    QCOMPARE(d.plot()->graph(0)->data()->at(1)->value, 20.0);
    box(d, "cbNormalized")->click();   // now the normalized values
    QCOMPARE(d.plot()->graph(0)->data()->size(), 2);
    QCOMPARE(d.plot()->graph(0)->data()->at(0)->value, 1.0);
    QCOMPARE(d.plot()->graph(0)->data()->at(1)->value, 2.0);
    // the extremes seen under both choices stay
    QCOMPARE(label(d, "lblMaxVal"), QStringLiteral("20"));
    QCOMPARE(label(d, "lblMinVal"), QStringLiteral("1"));
}

void TestDialogPlot::userSelectionEnablesRemove()
{
    auto d = shownDialog();
    QVERIFY(d);
    const History a = samples({{1, 10}}), b = samples({{1, 99}});
    d->addPoint(1, 1, &a);
    d->addPoint(2, 2, &b);
    QCustomPlot *plot = d->plot();
    clickLegendItem(plot, 0);
    QVERIFY(plot->graph(0)->selected());
    QCOMPARE(d->currentSeries(), 0);
    QVERIFY(button(*d, "butErase")->isEnabled());
    QCOMPARE(label(*d, "lblLoopVal"), QStringLiteral("1"));
    QCOMPARE(label(*d, "lblMaxVal"), QStringLiteral("10"));
    // deselecting the last selected series disables Remove again
    const QRect area = plot->axisRect()->rect();
    QTest::mouseClick(plot, Qt::LeftButton, {}, area.bottomLeft() + QPoint(5, -5));
    QVERIFY(!plot->graph(0)->selected());
    QVERIFY(!button(*d, "butErase")->isEnabled());
}

void TestDialogPlot::removeThenSelectAgain()
{
    auto d = shownDialog();
    QVERIFY(d);
    const History a = samples({{1, 1}}), b = samples({{1, 2}}), c = samples({{1, 3}});
    d->addPoint(1, 1, &a);
    d->addPoint(1, 2, &b);
    d->addPoint(1, 3, &c);
    clickLegendItem(d->plot(), 1);
    QCOMPARE(d->currentSeries(), 1);
    button(*d, "butErase")->click();
    QCOMPARE(d->seriesCount(), 2);
    QCOMPARE(d->plot()->graph(0)->name(), QStringLiteral("Point 1:1"));
    QCOMPARE(d->plot()->graph(1)->name(), QStringLiteral("Point 1:3"));
    // the series now current was not chosen: Remove waits for a new choice
    QCOMPARE(d->currentSeries(), 0);
    QVERIFY(!button(*d, "butErase")->isEnabled());
    clickLegendItem(d->plot(), 1);
    button(*d, "butErase")->click();
    QCOMPARE(d->seriesCount(), 1);
    QCOMPARE(d->plot()->graph(0)->name(), QStringLiteral("Point 1:1"));
}

void TestDialogPlot::clearPlotThenRemove()
{
    auto d = shownDialog();
    QVERIFY(d);
    const History a = samples({{1, 1}}), b = samples({{1, 2}});
    d->addPoint(1, 1, &a);
    d->addPoint(1, 2, &b);
    clickLegendItem(d->plot(), 1);
    QVERIFY(button(*d, "butErase")->isEnabled());

    button(*d, "butClearPlot")->click();
    QCOMPARE(d->seriesCount(), 0);
    QCOMPARE(d->plot()->graphCount(), 0);
    QCOMPARE(d->currentSeries(), -1);
    QVERIFY(!button(*d, "butErase")->isEnabled());
    QVERIFY(!box(*d, "cbRealTime")->isChecked());
    // a Remove that still arrives (queued, or by a script) finds nothing to remove
    d->removeSelectedSerie();
    d->timeOutPlot();
    d->selectionChanged();
    QCOMPARE(d->plot()->graphCount(), 0);

    d->addPoint(4, 9, &a);
    QCOMPARE(d->currentSeries(), 0);
    QCOMPARE(label(*d, "lblLoopVal"), QStringLiteral("4"));
}

void TestDialogPlot::wheelWindowAndTickStep_data()
{
    QTest::addColumn<QList<int>>("deltas");
    QTest::addColumn<int>("window");
    QTest::addColumn<double>("step");
    QTest::newRow("start") << QList<int>{} << 20 << 2.0;
    QTest::newRow("five notches toward the user") << QList<int>(5, -120) << 25 << 2.0;
    QTest::newRow("six") << QList<int>(6, -120) << 26 << 5.0;
    QTest::newRow("twenty-six") << QList<int>(26, -120) << 46 << 10.0;
    QTest::newRow("seventy-one") << QList<int>(71, -120) << 91 << 20.0;
    QTest::newRow("ninety-one") << QList<int>(91, -120) << 111 << 40.0;
    QTest::newRow("away narrows") << QList<int>(3, 120) << 17 << 2.0;
    QTest::newRow("high-resolution wheel") << QList<int>(8, -15) << 21 << 2.0;
    QTest::newRow("half a notch") << QList<int>(4, -15) << 20 << 2.0;
    QTest::newRow("back and forth") << QList<int>{-120, 60, 60, -120} << 21 << 2.0;
}

void TestDialogPlot::wheelWindowAndTickStep()
{
    QFETCH(QList<int>, deltas);
    auto d = shownDialog();
    QVERIFY(d);
    const History h = samples({{1, 50}});
    d->addPoint(1, 1, &h);
    for (int delta : deltas)
        wheel(d->plot(), delta);
    QTEST(d->timeWindowSeconds(), "window");
    QTEST(d->tickStepSeconds(), "step");
    if (d->timeWindowSeconds() > 90)
        QCOMPARE(d->plot()->yAxis->range().upper, 260.0);
}

void TestDialogPlot::zoomIsBounded_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("notches");
    QTest::addColumn<int>("window");
    QTest::newRow("200 notches out") << -120 << 200 << 220;
    QTest::newRow("200 notches in") << 120 << 200 << int(DialogPlot::MinTimeWindow);
    QTest::newRow("600 notches out") << -120 << 600 << int(DialogPlot::MaxTimeWindow);
}

void TestDialogPlot::zoomIsBounded()
{
    QFETCH(int, delta);
    QFETCH(int, notches);
    auto d = shownDialog();
    QVERIFY(d);
    const History h = samples({{1, 50}, {2, 60}});
    d->addPoint(1, 1, &h);
    QCustomPlot *plot = d->plot();
    for (int i = 0; i < notches; ++i) {
        wheel(plot, delta);
        // every replot the wheel made laid out a bounded number of ticks
        QVERIFY(plot->xAxis->tickVector().size() <= FixedStepTimeTicker::MaxTicks + 2);
        QVERIFY(plot->yAxis->tickVector().size() <= 20);
    }
    QTEST(d->timeWindowSeconds(), "window");
    QVERIFY(plot->xAxis->range().size() <= DialogPlot::MaxTimeWindow);
    QVERIFY(plot->xAxis->range().lower >= 0);
    QVERIFY(plot->yAxis->range().lower >= -10);
    QVERIFY(plot->yAxis->range().upper <= 260);
    // the next tick brings the time window back
    d->timeOutPlot();
    QCOMPARE(plot->xAxis->range().size(), double(d->timeWindowSeconds()));
    QVERIFY(plot->xAxis->tickVector().size() <= FixedStepTimeTicker::MaxTicks + 2);
}

void TestDialogPlot::dragPastBoundKeepsSpan_data()
{
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("heights");   // how far the mouse travels, in plot heights or widths
    QTest::newRow("values dragged down past -10") << true << -3;
    QTest::newRow("values dragged up past 260") << true << 3;
    QTest::newRow("time dragged before zero") << false << 3;
}

void TestDialogPlot::dragPastBoundKeepsSpan()
{
    QFETCH(bool, vertical);
    QFETCH(int, heights);
    auto d = shownDialog();
    QVERIFY(d);
    // no sample yet: the time axis starts at 0, as for a point not polled yet
    const History h;
    d->addPoint(1, 1, &h);
    box(*d, "cbRealTime")->click();   // nothing puts the time axis back meanwhile
    QCustomPlot *plot = d->plot();
    QCPAxis *axis = vertical ? plot->yAxis : plot->xAxis;
    const QRect area = plot->axisRect()->rect();
    const QPoint from = area.center();
    const QPoint to = vertical ? from + QPoint(0, heights * area.height()) : from + QPoint(heights * area.width(), 0);

    QTest::mousePress(plot, Qt::LeftButton, {}, from);
    QTest::mouseMove(plot, to);
    QTest::mouseRelease(plot, Qt::LeftButton, {}, to);

    QVERIFY2(axis->range().size() > 0, qPrintable(QStringLiteral("%1 .. %2").arg(axis->range().lower).arg(axis->range().upper)));
    if (vertical) {
        QVERIFY(axis->range().lower >= -10);
        QVERIFY(axis->range().upper <= 260);
    } else {
        QVERIFY(axis->range().lower >= 0);
    }
    // the axis can still be dragged back
    const QCPRange before = axis->range();
    QTest::mousePress(plot, Qt::LeftButton, {}, from);
    QTest::mouseMove(plot, from - (to - from) / (10 * qAbs(heights)));
    QTest::mouseRelease(plot, Qt::LeftButton, {}, from - (to - from) / (10 * qAbs(heights)));
    QVERIFY(axis->range() != before);
}

void TestDialogPlot::addedPointAsksForNewSelection()
{
    auto d = shownDialog();
    QVERIFY(d);
    const History a = samples({{1, 1}}), b = samples({{1, 2}}), c = samples({{1, 3}});
    d->addPoint(1, 1, &a);
    d->addPoint(1, 2, &b);
    clickLegendItem(d->plot(), 0);
    QVERIFY(button(*d, "butErase")->isEnabled());
    // the point double-clicked in the table becomes current, not the one chosen
    d->addPoint(1, 3, &c);
    QCOMPARE(d->currentSeries(), 2);
    QCOMPARE(label(*d, "lblAddVal"), QStringLiteral("3"));
    QTest::mouseClick(button(*d, "butErase"), Qt::LeftButton);
    QCOMPARE(d->seriesCount(), 3);
    QVERIFY(!d->plot()->graph(0)->selected());
    // chosen again, the series is the one removed
    clickLegendItem(d->plot(), 0);
    QTest::mouseClick(button(*d, "butErase"), Qt::LeftButton);
    QCOMPARE(d->seriesCount(), 2);
    QCOMPARE(d->plot()->graph(0)->name(), QStringLiteral("Point 1:2"));
    QCOMPARE(d->plot()->graph(1)->name(), QStringLiteral("Point 1:3"));
}

void TestDialogPlot::legendDoubleClickRecolours()
{
    auto d = shownDialog();
    QVERIFY(d);
    const History h = samples({{1, 50}});
    d->addPoint(1, 1, &h);
    d->addPoint(1, 2, &h);
    QCustomPlot *plot = d->plot();
    clickLegendItem(plot, 1);
    QCPAbstractLegendItem *item = plot->legend->itemWithPlottable(plot->graph(1));
    QVERIFY(item->selected());
    const QColor before = plot->graph(1)->pen().color();
    const QColor chosen(12, 200, 34);
    QVERIFY(chosen != before);

    ModalScript script;
    script.dialog<QColorDialog>([&](QColorDialog *c) {
        QCOMPARE(c->currentColor(), before);
        c->setCurrentColor(chosen);
        c->accept();
    });
    script.start();
    QMouseEvent dbl(QEvent::MouseButtonDblClick, item->rect().center(), plot->mapToGlobal(item->rect().center()),
                    Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    d->slotLegendDobleClick(plot->legend, item, &dbl);
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(plot->graph(1)->pen().color(), chosen);
    QCOMPARE(plot->graph(1)->pen().width(), 2);
    QVERIFY(!item->selected());
    QVERIFY(!plot->graph(1)->selected());

    // another series' entry, or one not selected, opens nothing
    QCPAbstractLegendItem *first = plot->legend->itemWithPlottable(plot->graph(0));
    d->slotLegendDobleClick(plot->legend, first, &dbl);
    d->slotLegendDobleClick(plot->legend, item, &dbl);
    QCOMPARE(plot->graph(1)->pen().color(), chosen);
}

void TestDialogPlot::closeDeletesDialog()
{
    auto *d = new DialogPlot(options.get(), nullptr);
    const History h = samples({{1, 50}});
    d->addPoint(1, 1, &h);
    d->show();
    QSignalSpy destroyed(d, &QObject::destroyed);
    button(*d, "butClose")->click();
    QVERIFY(!d->isVisible());
    QTRY_COMPARE(destroyed.size(), 1);
}

void TestDialogPlot::plotCoversFrame()
{
    auto d = shownDialog();
    QVERIFY(d);
    d->resize(900, 640);
    QApplication::processEvents();
    const QRect frame = d->findChild<QFrame *>(QStringLiteral("frame"))->geometry();
    QCOMPARE(d->plot()->parentWidget(), d.get());
    QCOMPARE(d->plot()->geometry(), QRect(frame.topLeft(), frame.size() - QSize(2, 2)));
}

QTEST_MAIN(TestDialogPlot)
#include "tst_DialogPlot.moc"
