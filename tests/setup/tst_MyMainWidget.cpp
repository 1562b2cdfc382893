// panelsetup's central widget: the editor tabs and the advanced-mode tab.
#include "MyActionsWidget.h"
#include "MyElementsWidget.h"
#include "MyLogicActionsWidget.h"
#include "MyMainWidget.h"

#include <QLayout>
#include <QPointer>
#include <QSignalSpy>
#include <QTabWidget>
#include <QtTest>

class tst_MyMainWidget : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void editorsSitInTheirTabs();
    void advancedModeAddsTheLogicTabOnce();
    void tabSignals();
    void removingTheCurrentLogicTabLeavesTheEventsTab();
    void retranslateWithTheAdvancedModeOffLeavesTwoTabs();

private:
    QTabWidget *tabs() const { return m_widget->findChild<QTabWidget *>("tabWidget"); }
    std::unique_ptr<MyMainWidget> m_widget;
};

void tst_MyMainWidget::init()
{
    m_widget = std::make_unique<MyMainWidget>();
    m_widget->show();
}

void tst_MyMainWidget::cleanup()
{
    m_widget.reset();
}

void tst_MyMainWidget::editorsSitInTheirTabs()
{
    QCOMPARE(m_widget->objectName(), QStringLiteral("MyMainWidget"));
    QTabWidget *t = tabs();
    QVERIFY(t);
    QCOMPARE(t->count(), 2);
    QCOMPARE(t->tabText(0), QStringLiteral("Elements"));
    QCOMPARE(t->tabText(1), QStringLiteral("Events"));
    QCOMPARE(t->currentIndex(), 0);
    QCOMPARE(t->widget(0)->objectName(), QStringLiteral("tab_1"));
    QCOMPARE(t->widget(1)->objectName(), QStringLiteral("tab_2"));
    QCOMPARE(m_widget->elementsWidget->parentWidget(), t->widget(0));
    QCOMPARE(m_widget->actionsWidget->parentWidget(), t->widget(1));
    QCOMPARE(t->widget(1)->layout()->contentsMargins(), QMargins(0, 0, 0, 0));
    QVERIFY(!m_widget->actionsWidget->isLogicMode());
    QVERIFY(m_widget->logicActionsWidget->isLogicMode());
    QVERIFY(t->styleSheet().contains("QScrollBar::handle:vertical, QScrollBar::handle:Horizontal"));
}

void tst_MyMainWidget::advancedModeAddsTheLogicTabOnce()
{
    m_widget->setAdvancedMode(true);
    m_widget->setAdvancedMode(true);
    QCOMPARE(tabs()->count(), 3);
    QCOMPARE(tabs()->widget(2), m_widget->logicActionsWidget);
    QCOMPARE(tabs()->tabText(2), QStringLiteral("Logic events"));
    m_widget->setAdvancedMode(false);
    m_widget->setAdvancedMode(false);
    QCOMPARE(tabs()->count(), 2);
    QVERIFY(m_widget->logicActionsWidget->isHidden());
}

void tst_MyMainWidget::tabSignals()
{
    m_widget->setAdvancedMode(true);
    QSignalSpy entered(m_widget.get(), &MyMainWidget::elementTabEnteredSignal);
    QSignalSpy left(m_widget.get(), &MyMainWidget::elementTabLeavedSignal);
    tabs()->setCurrentIndex(1);
    tabs()->setCurrentIndex(2);
    QCOMPARE(left.size(), 2);
    QCOMPARE(entered.size(), 0);
    tabs()->setCurrentIndex(0);
    QCOMPARE(entered.size(), 1);
}

// The logic editor goes with its tab and comes back as it was.
void tst_MyMainWidget::removingTheCurrentLogicTabLeavesTheEventsTab()
{
    m_widget->setAdvancedMode(true);
    QPointer<MyLogicActionsWidget> logic = m_widget->logicActionsWidget;
    tabs()->setCurrentIndex(2);
    QSignalSpy left(m_widget.get(), &MyMainWidget::elementTabLeavedSignal);
    m_widget->setAdvancedMode(false);
    QCOMPARE(tabs()->currentIndex(), 1);
    QCOMPARE(left.size(), 1);
    QVERIFY(logic);
    QVERIFY(logic->isHidden());
    m_widget->setAdvancedMode(true);
    QCOMPARE(tabs()->widget(2), logic.data());
}

void tst_MyMainWidget::retranslateWithTheAdvancedModeOffLeavesTwoTabs()
{
    m_widget->setAdvancedMode(false);
    m_widget->retranslateUi();
    QCOMPARE(tabs()->count(), 2);
    QCOMPARE(tabs()->tabText(1), QStringLiteral("Events"));
    m_widget->setAdvancedMode(true);
    tabs()->setTabText(2, "x");
    m_widget->retranslateUi();
    QCOMPARE(tabs()->tabText(2), QStringLiteral("Logic events"));
}

QTEST_MAIN(tst_MyMainWidget)
#include "tst_MyMainWidget.moc"
