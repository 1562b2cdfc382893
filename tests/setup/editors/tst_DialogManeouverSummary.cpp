#include "DialogManeouverSummary.h"
#include "EditorSite.h"
#include "ModalScript.h"
#include "MyActionsWidget.h"

#include "Facility.h"
#include "PanelConfig.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace EditorSite;

namespace {

QTableWidget *tableOf(QWidget *dialog)
{
    return dialog->findChild<QTableWidget *>(QStringLiteral("tableWidget"));
}

QPushButton *toggleOf(QWidget *dialog)
{
    return dialog->findChild<QPushButton *>(QStringLiteral("butToglManeouvers"));
}

QStringList rows(const QTableWidget *table)
{
    QStringList out;
    for (int r = 0; r < table->rowCount(); ++r)
        out << table->item(r, 0)->text() + QLatin1Char('|') + table->item(r, 1)->text() + QLatin1Char('|')
                        + table->item(r, 2)->text();
    return out;
}

// Every maneuver of the site, panel by panel in slot order.
QStringList expectedManeuvers(const Facility &site)
{
    QStringList out;
    for (int i = 0; i < site.panelCount(); ++i) {
        const PanelConfig *p = site.getPanel(i);
        for (int s = 0; s < p->eventCount(); ++s)
            out << p->name() + QLatin1Char('|') + p->eventAt(s)->ownEventText() + QLatin1Char('|')
                            + p->eventAt(s)->describe(&site);
    }
    return out;
}

void addLogic(PanelConfig &panel, const QList<LogicEventTerm> &conditions, int act)
{
    auto m = std::make_unique<LogManeuver>();
    m->record.effect.id_blk = EventRecord::ScopePanel;
    m->record.effect.act = static_cast<unsigned char>(act);
    m->conditions = conditions;
    panel.addLogicEvent(m);
}

} // namespace

class TestDialogManeouverSummary : public QObject
{
    Q_OBJECT

private slots:
    void form();
    void emptySites();
    void listsEveryManeuverOfEveryPanel();
    void togglesToLogicManeuvers();
    void openedFromTheEventsPage();
};

void TestDialogManeouverSummary::form()
{
    Facility site;
    DialogManeouverSummary d(&site);
    QCOMPARE(d.objectName(), QStringLiteral("DialogManeouverSummary"));
    QCOMPARE(d.windowTitle(), QStringLiteral("Dialog"));
    QCOMPARE(d.minimumSize(), QSize(812, 515));
    QTableWidget *table = tableOf(&d);
    QCOMPARE(table->columnCount(), 3);
    QCOMPARE(table->horizontalHeaderItem(0)->text(), QStringLiteral("Panel"));
    QCOMPARE(table->horizontalHeaderItem(1)->text(), QStringLiteral("Input"));
    QCOMPARE(table->horizontalHeaderItem(2)->text(), QStringLiteral("Output"));
    QCOMPARE(table->columnWidth(0), 100);
    QCOMPARE(table->columnWidth(1), 350);
    QCOMPARE(table->columnWidth(2), 350);
    QCOMPARE(toggleOf(&d)->text(), QStringLiteral("Logic Events"));
    QCOMPARE(d.findChild<QPushButton *>(QStringLiteral("pushButton"))->text(), QStringLiteral("Close"));
}

void TestDialogManeouverSummary::emptySites()
{
    Facility none;
    DialogManeouverSummary a(&none);
    QCOMPARE(tableOf(&a)->rowCount(), 0);
    QVERIFY(toggleOf(&a)->isHidden());
    auto site = threePanels();
    DialogManeouverSummary b(site.get());
    QCOMPARE(tableOf(&b)->rowCount(), 0);
    QVERIFY(toggleOf(&b)->isHidden());
    DialogManeouverSummary c(nullptr);
    QCOMPARE(tableOf(&c)->rowCount(), 0);
}

void TestDialogManeouverSummary::listsEveryManeuverOfEveryPanel()
{
    auto site = threePanels();
    for (int s = 0; s < PanelConfig::EventSlotCount; ++s)
        site->getPanel(0)->setEvent(s, maneuver(EventRecord::ScopeZone, s % 250, s % 250, EventRecord::ScopePanel,
                                                0, 0, s % 11, s));
    site->getPanel(2)->setEvent(0, maneuver(EventRecord::ScopePanel, 0, 0, EventRecord::ScopeLoop, 1, 1, 2, 5));
    site->getPanel(2)->setEvent(1, maneuver(EventRecord::ScopeElement, 2, 5, EventRecord::ScopeElement, 0, 1,
                                            0, 0, 1, 3));
    DialogManeouverSummary d(site.get());
    const QStringList shown = rows(tableOf(&d));
    QCOMPARE(shown.size(), PanelConfig::EventSlotCount + 2);
    QCOMPARE(shown, expectedManeuvers(*site));
    // The remote action names its panel.
    QVERIFY(shown.last().startsWith(QStringLiteral("East|")));
    QVERIFY(shown.last().contains(QStringLiteral(" remote to panel South ")));
    QVERIFY(toggleOf(&d)->isHidden());
}

void TestDialogManeouverSummary::togglesToLogicManeuvers()
{
    auto site = threePanels();
    site->getPanel(0)->setEvent(0, maneuver(EventRecord::ScopePanel, 0, 0, EventRecord::ScopePanel, 0, 0));
    addLogic(*site->getPanel(1), {condition(EventRecord::ScopeZone, 0, 0), condition(EventRecord::ScopePanel, 0, 0)}, 2);
    addLogic(*site->getPanel(1), {condition(EventRecord::ScopeLoop, 0, 0)}, 4);
    DialogManeouverSummary d(site.get());
    QPushButton *toggle = toggleOf(&d);
    QVERIFY(!toggle->isHidden());
    QCOMPARE(tableOf(&d)->rowCount(), 1);

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(toggle->text(), QStringLiteral("Events"));
    const QStringList logic = rows(tableOf(&d));
    QCOMPARE(logic.size(), 2);
    const LogManeuver *first = site->getPanel(1)->logicEventAt(0);
    QCOMPARE(logic.at(0), QStringLiteral("South|") + first->describeConditions() + QLatin1Char('|')
                                  + first->record.describe(site.get()));
    QVERIFY(logic.at(0).section(QLatin1Char('|'), 1, 1).endsWith(QStringLiteral("; ")));
    QCOMPARE(logic.at(0).section(QLatin1Char('|'), 1, 1).count(QStringLiteral("; ")), 2);

    QTest::mouseClick(toggle, Qt::LeftButton);
    QCOMPARE(toggle->text(), QStringLiteral("Logic Events"));
    QCOMPARE(rows(tableOf(&d)), expectedManeuvers(*site));
}

void TestDialogManeouverSummary::openedFromTheEventsPage()
{
    auto site = threePanels();
    site->getPanel(1)->setEvent(0, maneuver(EventRecord::ScopePanel, 0, 0, EventRecord::ScopePanel, 0, 0));
    site->getPanel(2)->setEvent(0, maneuver(EventRecord::ScopeZone, 7, 7, EventRecord::ScopeZone, 7, 7));
    MyActionsWidget page;
    page.facility = site.get();

    QStringList seen;
    bool parentless = false;
    ModalScript script;
    script.dialog<DialogManeouverSummary>([&](DialogManeouverSummary *d) {
        seen = rows(tableOf(d));
        parentless = d->parent() == nullptr;
        // Closes on the press, before any release.
        QTest::mousePress(d->findChild<QPushButton *>(QStringLiteral("pushButton")), Qt::LeftButton);
    });
    script.start();
    page.slotSummary();
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(seen, expectedManeuvers(*site));
    QVERIFY(parentless);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestDialogManeouverSummary)
#include "tst_DialogManeouverSummary.moc"
