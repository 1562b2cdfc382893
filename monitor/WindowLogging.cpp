#include "WindowLogging.h"

Q_LOGGING_CATEGORY(lcWindow, "loopwatch.window")
