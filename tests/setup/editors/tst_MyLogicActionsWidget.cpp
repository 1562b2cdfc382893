#include "DialogAddLogEvent.h"
#include "EditorSite.h"
#include "EventsPage.h"
#include "ModalScript.h"
#include "MyLogicActionsWidget.h"

#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QtTest>

using namespace EditorSite;

namespace {

// The logic page over the three-panel site, with five more call points on
// North's loop index 1 and one more zone (index 6), so a dozen event items exist.
struct LogicPage : EventsPage
{
    LogicPage()
        : EventsPage(logicSite(), true)
    {
    }

    static std::unique_ptr<Facility> logicSite()
    {
        auto s = threePanels();
        for (int a = 20; a < 25; ++a)
            addDevice(*s->getPanel(0), 1, a, 4, 6);
        return s;
    }

    QList<QTreeWidgetItem *> northEventItems()
    {
        QList<QTreeWidgetItem *> items = {panelItem(events, 0), zoneItem(events, 0, 2), zoneItem(events, 0, 4),
                                          zoneItem(events, 0, 6), loopItem(events, 0, 0), loopItem(events, 0, 1),
                                          loopItem(events, 0, 3), deviceItem(events, 0, 0, 0),
                                          deviceItem(events, 0, 0, 4), deviceItem(events, 0, 3, 0)};
        for (int a = 20; a < 25; ++a)
            items << deviceItem(events, 0, 1, a);
        return items;
    }

    void select(const QList<QTreeWidgetItem *> &items)
    {
        events->clearSelection();
        for (QTreeWidgetItem *item : items)
            item->setSelected(true);
    }

    QList<QByteArray> allLogic() const
    {
        QList<QByteArray> all;
        for (int i = 0; i < site->panelCount(); ++i)
            all << logicBytes(*site->getPanel(i));
        return all;
    }
};

std::unique_ptr<LogManeuver> logic(const EventRecord::Effect &effect, const QList<LogicEventTerm> &conditions)
{
    auto m = std::make_unique<LogManeuver>();
    m->record.effect = effect;
    m->conditions = conditions;
    return m;
}

EventRecord::Effect effect(int scope, int first, int last, int act = 0, int delay = 0, int matches = 1,
                           int remote = 0)
{
    return maneuver(EventRecord::ScopePanel, 0, 0, scope, first, last, act, delay, matches, remote).effect;
}

QMessageBox *openAlert(QWidget *page)
{
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    return box && box->parent() == page ? box : nullptr;
}

} // namespace

class TestMyLogicActionsWidget : public QObject
{
    Q_OBJECT

private slots:
    void logicPageForm();
    void createFromSeveralEvents();
    void createOnAnotherPanel();
    void creationFailures_data();
    void creationFailures();
    void oneEventRaisesAlert();
    void emptyLogicManeuverListedAndRemovable();
    void removeSelectedLogicManeuvers();
    void eventPressShowsThatPanel();
    void modifyLeavesUntouchedLogic_data();
    void modifyLeavesUntouchedLogic();
    void modifyStoresChangesOnlyOnOk();
};

void TestMyLogicActionsWidget::logicPageForm()
{
    LogicPage p;
    QVERIFY(p.page.isLogicMode());
    QVERIFY(p.logic->isVisible());
    QVERIFY(!p.inputs->isVisible());
    QVERIFY(!p.outputs->isVisible());
    for (const char *shown : {"pushButtonDelLog", "pushButtonMod_2"})
        QVERIFY(p.page.findChild<QPushButton *>(QLatin1String(shown))->isVisible());
    for (const char *hidden : {"pushButtonDel", "pushButtonMod"})
        QVERIFY(!p.page.findChild<QPushButton *>(QLatin1String(hidden))->isVisible());
    QVERIFY(p.page.findChild<QLabel *>(QStringLiteral("label_5"))->isVisible());
    QVERIFY(!p.page.findChild<QLabel *>(QStringLiteral("label_4"))->isVisible());
    QVERIFY(!p.page.findChild<QLabel *>(QStringLiteral("labelFilter"))->isVisible());
    QCOMPARE(p.events->selectionMode(), QAbstractItemView::ExtendedSelection);
    QCOMPARE(p.actions->selectionMode(), QAbstractItemView::SingleSelection);
    QVERIFY(p.page.findChild<QLabel *>(QStringLiteral("label_5"))->text().contains(QStringLiteral("LOGICAL MANEOUVERS")));
}

void TestMyLogicActionsWidget::createFromSeveralEvents()
{
    LogicPage p;
    const QString icons = outline(p.events) + outline(p.actions);
    const QList<QByteArray> before = p.allLogic();
    // Three zones picked with Ctrl, not in list order.
    p.press(zoneItem(p.events, 0, 6));
    p.press(zoneItem(p.events, 0, 2), Qt::ControlModifier);
    p.press(zoneItem(p.events, 0, 4), Qt::ControlModifier);
    QCOMPARE(p.events->selectedItems().size(), 3);
    p.doubleClick(deviceItem(p.actions, 0, 1, 9));

    QCOMPARE(p.panel(0).logicEventCount(), 1);
    const LogManeuver &made = *p.panel(0).logicEventAt(0);
    QCOMPARE(made.conditions.size(), 3);
    QList<QByteArray> terms;
    for (const LogicEventTerm &t : made.conditions) {
        QByteArray b(8, '\0');
        t.toWire(reinterpret_cast<unsigned char *>(b.data()));
        terms << b.toHex();
    }
    QCOMPARE(terms, (QList<QByteArray>{"0400000006060000", "0400000002020000", "0400000004040000"}));
    QByteArray e(16, '\0');
    made.record.effect.toWire(reinterpret_cast<unsigned char *>(e.data()));
    QCOMPARE(e.toHex(), QByteArray("05000000000300000000000001090000"));
    QVERIFY(made.record.cause.id_blk == 0);
    QCOMPARE(p.allLogic().mid(1), before.mid(1));

    QCOMPARE(p.page.currentPanelIndex(), 0);
    QCOMPARE(p.logic->rowCount(), 1);
    QCOMPARE(p.logic->item(0, 0)->text(), made.describeConditions());
    QCOMPARE(p.logic->item(0, 0)->type(), 0);
    // Logic maneuvers mark no use: the trees stay as they were.
    QCOMPARE(outline(p.events) + outline(p.actions), icons);
    QVERIFY(iconIs(zoneItem(p.events, 0, 2)->icon(0), QStringLiteral(":/icons/icons/i_zona.png")));
}

void TestMyLogicActionsWidget::createOnAnotherPanel()
{
    LogicPage p;
    p.select({panelItem(p.events, 1), deviceItem(p.events, 1, 0, 0)});
    p.doubleClick(deviceItem(p.actions, 0, 1, 9));   // on North, address 1
    QCOMPARE(p.panel(1).logicEventCount(), 1);
    const LogManeuver &made = *p.panel(1).logicEventAt(0);
    QCOMPARE(made.conditions.size(), 2);
    QCOMPARE(int(made.conditions.at(0).spare1), 1);
    QCOMPARE(int(made.conditions.at(0).id_blk), 1);
    QCOMPARE(int(made.conditions.at(1).spare1), 1);
    QCOMPARE(int(made.conditions.at(1).id_blk), 5);
    QCOMPARE(int(made.record.effect.id_panel), 1);
    QCOMPARE(int(made.record.effect.matches), 2);
    QCOMPARE(p.page.currentPanelIndex(), 1);
    QCOMPARE(p.logic->rowCount(), 1);
}

void TestMyLogicActionsWidget::creationFailures_data()
{
    QTest::addColumn<QString>("what");
    QTest::addColumn<QString>("message");
    QTest::newRow("eleven events") << "eleven" << QString();
    QTest::newRow("two panels") << "panels" << "Different panels cannot be selected in same logical maneuver";
    QTest::newRow("no destination") << "group" << "Please select one destination action from the action tree";
    QTest::newRow("100 logic maneuvers") << "full" << QString();
}

void TestMyLogicActionsWidget::creationFailures()
{
    QFETCH(QString, what);
    QFETCH(QString, message);

    LogicPage p;
    if (what == QLatin1String("full")) {
        for (int k = 0; k < PanelConfig::MaxLogicEvents; ++k) {
            auto m = logic(effect(EventRecord::ScopePanel, 0, 0), {condition(EventRecord::ScopePanel, 0, 0)});
            QCOMPARE(p.panel(0).addLogicEvent(m), 0);
        }
    }
    auto south = logic(effect(EventRecord::ScopePanel, 0, 0, 3), {condition(EventRecord::ScopeZone, 1, 1, 0, 1)});
    p.panel(1).addLogicEvent(south);
    p.refresh();
    p.press(panelItem(p.events, 1));   // the table shows South
    QCOMPARE(p.logic->rowCount(), 1);

    const QList<QTreeWidgetItem *> north = p.northEventItems();
    if (what == QLatin1String("eleven"))
        p.select(north.mid(0, 11));
    else if (what == QLatin1String("panels"))
        p.select({zoneItem(p.events, 0, 2), zoneItem(p.events, 1, 0)});
    else
        p.select(north.mid(0, 3));
    const QList<QByteArray> before = p.allLogic();

    ModalScript script;
    if (!message.isEmpty())
        script.messageBox(QMessageBox::Ok);
    script.start();
    if (what == QLatin1String("group"))
        p.drop(zoneItem(p.events, 0, 2), panelItem(p.actions, 0)->child(0));
    else
        p.doubleClick(deviceItem(p.actions, 0, 1, 9));
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(script.messages(), message.isEmpty() ? QStringList() : QStringList{message});
    QVERIFY(!openAlert(&p.page));

    QCOMPARE(p.allLogic(), before);
    QCOMPARE(p.page.currentPanelIndex(), 1);
    QCOMPARE(p.logic->rowCount(), 1);
}

void TestMyLogicActionsWidget::oneEventRaisesAlert()
{
    LogicPage p;
    p.select({zoneItem(p.events, 0, 2)});
    const QList<QByteArray> before = p.allLogic();
    p.doubleClick(deviceItem(p.actions, 0, 1, 9));

    // Shown without waiting for an answer, owned by the page until it closes.
    QMessageBox *box = openAlert(&p.page);
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QStringLiteral("Alert"));
    QCOMPARE(box->text(), QStringLiteral("<big>More than one event needs to be selected to create logical maneuver</big>"));
    QCOMPARE(box->icon(), QMessageBox::Warning);
    QCOMPARE(box->textFormat(), Qt::RichText);
    QPointer<QMessageBox> alive(box);
    box->button(QMessageBox::Ok)->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(alive.isNull());
    QCOMPARE(p.allLogic(), before);

    // Nothing selected: the same alert.
    p.events->clearSelection();
    p.doubleClick(deviceItem(p.actions, 0, 1, 9));
    box = openAlert(&p.page);
    QVERIFY(box);
    box->button(QMessageBox::Ok)->click();
    QCOMPARE(p.allLogic(), before);
}

// A logic maneuver without conditions stays in the site and its file: it is
// listed, opens in its dialog, and can be removed.
void TestMyLogicActionsWidget::emptyLogicManeuverListedAndRemovable()
{
    LogicPage p;
    auto a = logic(effect(EventRecord::ScopePanel, 0, 0, 1), {condition(EventRecord::ScopePanel, 0, 0),
                                                             condition(EventRecord::ScopeZone, 2, 2)});
    auto empty = logic(effect(EventRecord::ScopeZone, 4, 4, 2, 1200, 0), {});
    auto b = logic(effect(EventRecord::ScopePanel, 0, 0, 3), {condition(EventRecord::ScopeLoop, 0, 0)});
    p.panel(0).addLogicEvent(a);
    p.panel(0).addLogicEvent(empty);
    p.panel(0).addLogicEvent(b);
    p.refresh();
    QCOMPARE(p.logic->rowCount(), 3);
    QCOMPARE(p.logic->item(1, 0)->type(), 1);
    QCOMPARE(p.logic->item(1, 0)->text(), QString());

    // Its dialog: nothing to step through; a plain OK keeps it as it is.
    const QByteArray before = logicBytes(p.panel(0));
    p.selectRows(p.logic, {1});
    ModalScript script;
    script.dialog<DialogAddLogEvent>([](DialogAddLogEvent *d) {
        QVERIFY(!d->findChild<QSpinBox *>(QStringLiteral("spinBox"))->isEnabled());
        QCOMPARE(d->findChild<QComboBox *>(QStringLiteral("comboBoxEvent"))->count(), 0);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
    });
    script.start();
    QTest::mouseClick(p.page.findChild<QPushButton *>(QStringLiteral("pushButtonMod_2")), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(logicBytes(p.panel(0)), before);

    p.selectRows(p.logic, {1});
    p.pressDelete(p.logic);
    QCOMPARE(p.panel(0).logicEventCount(), 2);
    QCOMPARE(p.panel(0).logicEventAt(1)->conditions.size(), 1);
    QCOMPARE(p.logic->rowCount(), 2);
}

void TestMyLogicActionsWidget::removeSelectedLogicManeuvers()
{
    LogicPage p;
    for (int k = 0; k < 5; ++k) {
        auto m = logic(effect(EventRecord::ScopePanel, 0, 0, k), {condition(EventRecord::ScopeZone, k, k)});
        p.panel(0).addLogicEvent(m);
    }
    auto other = logic(effect(EventRecord::ScopePanel, 0, 0), {condition(EventRecord::ScopePanel, 0, 0, 0, 1)});
    p.panel(1).addLogicEvent(other);
    p.refresh();
    const QByteArray south = logicBytes(p.panel(1));

    p.selectRows(p.logic, {3, 1});
    QTest::mouseClick(p.page.findChild<QPushButton *>(QStringLiteral("pushButtonDelLog")), Qt::LeftButton);
    QCOMPARE(p.panel(0).logicEventCount(), 3);
    QList<int> acts;
    for (int k = 0; k < 3; ++k)
        acts << p.panel(0).logicEventAt(k)->record.effect.act;
    QCOMPARE(acts, (QList<int>{0, 2, 4}));
    QCOMPARE(logicBytes(p.panel(1)), south);

    // Delete with the focus in the tree does nothing.
    p.selectRows(p.logic, {0});
    p.pressDelete(p.events);
    QCOMPARE(p.panel(0).logicEventCount(), 3);
    p.pressDelete(p.logic);
    QCOMPARE(p.panel(0).logicEventCount(), 2);
}

void TestMyLogicActionsWidget::eventPressShowsThatPanel()
{
    LogicPage p;
    auto north = logic(effect(EventRecord::ScopePanel, 0, 0), {condition(EventRecord::ScopePanel, 0, 0)});
    p.panel(0).addLogicEvent(north);
    for (int k = 0; k < 2; ++k) {
        auto m = logic(effect(EventRecord::ScopePanel, 0, 0), {condition(EventRecord::ScopeZone, 0, 0, 0, 1)});
        p.panel(1).addLogicEvent(m);
    }
    p.refresh();
    QCOMPARE(p.logic->rowCount(), 1);
    p.press(zoneItem(p.events, 1, 0));
    QCOMPARE(p.page.currentPanelIndex(), 1);
    QCOMPARE(p.logic->rowCount(), 2);
    QCOMPARE(p.visibleIds(p.logic), (QList<int>{0, 1}));
}

void TestMyLogicActionsWidget::modifyLeavesUntouchedLogic_data()
{
    QTest::addColumn<QByteArray>("effect");       // 16 bytes, hex
    QTest::addColumn<QList<QByteArray>>("terms"); // 8 bytes each, hex
    const QByteArray plain("01000000000100000000000000000000");
    QTest::newRow("matches 7 of 3") << QByteArray("01000000000700000000000000000000")
                                    << QList<QByteArray>{"0100000000000000", "0400000001010000", "0200000000000000"};
    QTest::newRow("matches 0") << QByteArray("01000000000000000000000000000000")
                               << QList<QByteArray>{"0100000000000000", "0100000000000000"};
    QTest::newRow("reversed zone range") << plain << QList<QByteArray>{"0400000009040000", "0400000001010000"};
    QTest::newRow("wide range then narrow") << plain
                                            << QList<QByteArray>{"0400000009130000", "0400000001040000", "040000000f0f0000"};
    QTest::newRow("unknown condition codes") << plain
                                             << QList<QByteArray>{"0100090000000000", "0200050000000000", "0400070002020000"};
    QTest::newRow("device action 3, delay 5000") << QByteArray("05008813030200000000000001090000")
                                                 << QList<QByteArray>{"0100000000000000", "0500000000000000"};
    QTest::newRow("device action 4") << QByteArray("05000000040100000000000001090000")
                                     << QList<QByteArray>{"0500000000000000"};
    QTest::newRow("unknown action code and scope") << QByteArray("03000000200100000000000000000000")
                                                   << QList<QByteArray>{"0300000000000000"};
    QTest::newRow("spare bytes") << QByteArray("04030a000601aabbccddeeff0205a5a5")
                                 << QList<QByteArray>{"0402010b03060c0d", "0102000b00000c0d"};
}

void TestMyLogicActionsWidget::modifyLeavesUntouchedLogic()
{
    QFETCH(QByteArray, effect);
    QFETCH(QList<QByteArray>, terms);
    LogicPage p;
    auto m = std::make_unique<LogManeuver>();
    const QByteArray rawEffect = QByteArray::fromHex(effect);
    QCOMPARE(rawEffect.size(), 16);
    m->record.effect.fromWire(reinterpret_cast<const unsigned char *>(rawEffect.constData()));
    for (const QByteArray &hex : terms) {
        const QByteArray raw = QByteArray::fromHex(hex);
        QCOMPARE(raw.size(), 8);
        LogicEventTerm t;
        t.fromWire(reinterpret_cast<const unsigned char *>(raw.constData()));
        m->conditions.append(t);
    }
    p.panel(0).addLogicEvent(m);
    p.refresh();
    const QByteArray before = logicBytes(p.panel(0));

    // Step through every condition and back, then OK.
    p.selectRows(p.logic, {0});
    const int count = int(terms.size());
    ModalScript script;
    script.dialog<DialogAddLogEvent>([count](DialogAddLogEvent *d) {
        auto *number = d->findChild<QSpinBox *>(QStringLiteral("spinBox"));
        for (int n = 2; n <= count; ++n)
            number->setValue(n);
        for (int n = count - 1; n >= 1; --n)
            number->setValue(n);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
    });
    script.start();
    QTest::mouseClick(p.page.findChild<QPushButton *>(QStringLiteral("pushButtonMod_2")), Qt::LeftButton);
    QVERIFY2(script.finished(), qPrintable(script.failure()));
    QCOMPARE(logicBytes(p.panel(0)).toHex(), before.toHex());
}

void TestMyLogicActionsWidget::modifyStoresChangesOnlyOnOk()
{
    LogicPage p;
    auto m = logic(effect(EventRecord::ScopePanel, 0, 0, 0, 30, 2),
                   {condition(EventRecord::ScopePanel, 0, 0), condition(EventRecord::ScopeZone, 4, 7),
                    condition(EventRecord::ScopeLoop, 1, 1)});
    p.panel(0).addLogicEvent(m);
    p.refresh();
    const QByteArray before = logicBytes(p.panel(0));
    auto *modify = p.page.findChild<QPushButton *>(QStringLiteral("pushButtonMod_2"));
    auto edit = [](DialogAddLogEvent *d) {
        d->findChild<QSpinBox *>(QStringLiteral("spinBox"))->setValue(2);
        d->findChild<QComboBox *>(QStringLiteral("comboBoxEvent"))->setCurrentIndex(5);
        d->findChild<QSpinBox *>(QStringLiteral("spinBoxLogEventToZone"))->setValue(10);
        d->findChild<QComboBox *>(QStringLiteral("comboBoxAction"))->setCurrentIndex(10);
        d->findChild<QSpinBox *>(QStringLiteral("spinBoxDelay"))->setValue(45);
        d->findChild<QSpinBox *>(QStringLiteral("spinBoxMatches"))->setValue(3);
    };

    p.selectRows(p.logic, {0});
    ModalScript cancel;
    cancel.dialog<DialogAddLogEvent>([edit](DialogAddLogEvent *d) {
        edit(d);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Cancel);
    });
    cancel.start();
    QTest::mouseClick(modify, Qt::LeftButton);
    QVERIFY2(cancel.finished(), qPrintable(cancel.failure()));
    QCOMPARE(logicBytes(p.panel(0)), before);

    p.selectRows(p.logic, {0});
    ModalScript ok;
    ok.dialog<DialogAddLogEvent>([edit](DialogAddLogEvent *d) {
        edit(d);
        ModalScript::clickStandardButton(d, QDialogButtonBox::Ok);
    });
    ok.start();
    QTest::mouseClick(modify, Qt::LeftButton);
    QVERIFY2(ok.finished(), qPrintable(ok.failure()));
    const LogManeuver &stored = *p.panel(0).logicEventAt(0);
    QCOMPARE(stored.conditions.size(), 3);
    QCOMPARE(int(stored.conditions.at(1).event), 5);
    QCOMPARE(int(stored.conditions.at(1).first), 4);
    QCOMPARE(int(stored.conditions.at(1).last), 9);
    QCOMPARE(int(stored.conditions.at(0).event), 0);
    QCOMPARE(int(stored.record.effect.act), 10);
    QCOMPARE(int(stored.record.effect.delay), 45);
    QCOMPARE(int(stored.record.effect.matches), 3);
    QCOMPARE(p.logic->item(0, 0)->text(), stored.describeConditions());

    // Two rows selected: no dialog.
    auto second = logic(effect(EventRecord::ScopePanel, 0, 0), {condition(EventRecord::ScopePanel, 0, 0)});
    p.panel(0).addLogicEvent(second);
    p.page.updateEventTable();
    p.selectRows(p.logic, {0, 1});
    QTest::mouseClick(modify, Qt::LeftButton);
    QVERIFY(!QApplication::activeModalWidget());
}

QTEST_MAIN(TestMyLogicActionsWidget)
#include "tst_MyLogicActionsWidget.moc"
