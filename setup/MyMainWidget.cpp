#include "MyMainWidget.h"
#include "ui_MyMainWidget.h"

#include "MyActionsWidget.h"
#include "MyElementsWidget.h"
#include "MyLogicActionsWidget.h"

#include <QVBoxLayout>

namespace {
constexpr int LogicTab = 2;

std::unique_ptr<Ui::MyMainWidget> setUpForm(QWidget *widget)
{
    auto form = std::make_unique<Ui::MyMainWidget>();
    form->setupUi(widget);
    return form;
}
} // namespace

MyMainWidget::MyMainWidget(QWidget *parent)
    : QWidget(parent),
      ui(setUpForm(this)),
      elementsWidget(new MyElementsWidget(this)),
      actionsWidget(new MyActionsWidget(this)),
      logicActionsWidget(new MyLogicActionsWidget(this))
{
    auto *elementsLayout = new QVBoxLayout(ui->tab_1);
    elementsLayout->addWidget(elementsWidget);
    auto *eventsLayout = new QVBoxLayout(ui->tab_2);
    eventsLayout->setContentsMargins(0, 0, 0, 0);
    eventsLayout->addWidget(actionsWidget);

    ui->tabWidget->setTabText(0, tr("Elements"));
    ui->tabWidget->setTabText(1, tr("Events"));
    ui->tabWidget->setCurrentIndex(0);
    connect(ui->tabWidget, &QTabWidget::currentChanged, this, &MyMainWidget::tabChangedSlot);
}

MyMainWidget::~MyMainWidget() = default;

void MyMainWidget::tabChangedSlot(int tab)
{
    if (tab == 0)
        emit elementTabEnteredSignal();
    else
        emit elementTabLeavedSignal();
}

bool MyMainWidget::elementTabCurrent() const
{
    return ui->tabWidget->currentIndex() == 0;
}

void MyMainWidget::setAdvancedMode(bool on)
{
    const bool present = ui->tabWidget->indexOf(logicActionsWidget) >= 0;
    if (on) {
        logicActionsWidget->setVisible(true);
        if (!present)
            ui->tabWidget->insertTab(LogicTab, logicActionsWidget, tr("Logic events"));
    } else {
        logicActionsWidget->hide();
        if (present)
            ui->tabWidget->removeTab(LogicTab);
    }
}

void MyMainWidget::retranslateUi()
{
    ui->tabWidget->setTabText(0, tr("Elements"));
    ui->tabWidget->setTabText(1, tr("Events"));
    if (ui->tabWidget->count() > LogicTab)
        ui->tabWidget->setTabText(LogicTab, tr("Logic events"));
}
