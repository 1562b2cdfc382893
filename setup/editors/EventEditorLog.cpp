#include "EventEditorLog.h"

Q_LOGGING_CATEGORY(lcEventEditor, "panelsetup.editors", QtInfoMsg)
