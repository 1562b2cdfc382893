#pragma once
#include <QLoggingCategory>

// Traces of loopwatch's main window and its procedures (connection, loop
// exploration, languages); on by default.
Q_DECLARE_LOGGING_CATEGORY(lcWindow)
