#ifndef LOGMANEUVER_H
#define LOGMANEUVER_H

#include "EventRecord.h"
#include "LogicEventTerm.h"

#include <QList>

// A logic event: several conditions leading to one effect. Only the effect part
// of `record` belongs to the logic event; its cause part stays 0.
struct LogManeuver
{
    static constexpr int MaxPanelConditions = 10;   // conditions the panel holds

    EventRecord record;
    QList<LogicEventTerm> conditions;
};

#endif // LOGMANEUVER_H
