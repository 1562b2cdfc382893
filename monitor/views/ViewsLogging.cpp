#include "ViewsLogging.h"

Q_LOGGING_CATEGORY(lcViews, "loopwatch.views")
