#ifndef LOGICEVENTTERM_H
#define LOGICEVENTTERM_H

#include "EventRecord.h"

// One condition of a logic event: the 8-byte layout of an event slot's cause
// part. Scope 0 marks an absent condition on the panel.
using LogicEventTerm = EventRecord::Cause;

#endif // LOGICEVENTTERM_H
