#ifndef LOGMANEUVER_H
#define LOGMANEUVER_H

#include "EventRecord.h"
#include "LogicEventTerm.h"

#include <QList>
#include <QString>

// A logic event: several conditions leading to one effect. Only the effect part
// of `record` belongs to the logic event; its cause part stays 0.
struct LogManeuver
{
    static constexpr int MaxPanelConditions = 10;   // conditions the panel holds

    EventRecord record;
    QList<LogicEventTerm> conditions;

    // Each condition's cause text followed by "; " (EventTexts.cpp).
    QString describeConditions() const;
    // The cause text of condition `index`; empty for an index outside the list.
    QString describeCondition(int index) const;
};

#endif // LOGMANEUVER_H
