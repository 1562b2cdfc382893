#pragma once
#include <QLoggingCategory>

// Traces of the monitor's views (editors, chart dialog); on by default.
Q_DECLARE_LOGGING_CATEGORY(lcViews)
