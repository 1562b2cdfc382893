#pragma once

#include "MyActionsWidget.h"

// The "Logic events" page: the events page switched into logic mode (the logic
// maneuver table, several event items selectable at once).
class MyLogicActionsWidget : public MyActionsWidget
{
    Q_OBJECT

public:
    explicit MyLogicActionsWidget(QWidget *parent = nullptr);
};
