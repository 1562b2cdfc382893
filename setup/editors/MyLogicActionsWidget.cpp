#include "MyLogicActionsWidget.h"

MyLogicActionsWidget::MyLogicActionsWidget(QWidget *parent)
    : MyActionsWidget(parent)
{
    setLogicMode();
}
