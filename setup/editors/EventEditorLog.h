#pragma once

#include <QLoggingCategory>

// Traces of the event editor ("panelsetup.editors"): rows added to the logic
// table, the conditions read from a selection, the zone filter of the action tree.
// Off by default; QT_LOGGING_RULES="panelsetup.editors.debug=true" shows them.
Q_DECLARE_LOGGING_CATEGORY(lcEventEditor)
