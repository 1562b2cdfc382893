#pragma once

#include "LogicEventTerm.h"

#include <QDialog>
#include <QList>

#include <memory>

struct LogManeuver;

namespace Ui {
class DialogAddLogEvent;
}

// Changes one stored logic maneuver: the user steps through its conditions with
// the number box and chooses each one's event (and a zone condition's range),
// and chooses the action, the delay and the matches value. Conditions can be
// neither added nor removed here; a logic maneuver without conditions opens
// with the condition part empty and disabled.
//
// Edits live in the dialog's own copies until storeLogManeuver. As in the
// maneuver dialog, a widget left as it was shown writes nothing back.
class DialogAddLogEvent : public QDialog
{
    Q_OBJECT

public:
    explicit DialogAddLogEvent(QWidget *parent = nullptr);
    ~DialogAddLogEvent() override;

    void loadLogManeuver(const LogManeuver &maneuver);
    void storeLogManeuver(LogManeuver &target);

public slots:
    void slotSpinBoxChanged(int value);
    void fromSpinerBoxValueChanged(int value);
    void toSpinerBoxValueChanged(int value);

private:
    void fillConditionList(int scope);
    void fillActionList(int scope);
    void showCondition();
    void saveShownCondition();
    void showAction();

    std::unique_ptr<Ui::DialogAddLogEvent> ui;
    const LogManeuver *loaded = nullptr;   // the opener's working copy, not owned
    QList<LogicEventTerm> conditions;
    int shownCondition = 0;

    // What the widgets showed once the condition, or the action, was on display.
    struct ShownCondition
    {
        int event = -1;
        int fromZone = 0;
        int toZone = 0;
    } shownConditionWidgets;
    struct ShownAction
    {
        int action = -1;
        int delay = 0;
        int matches = 0;
    } shownAction;
};
