#include "ProgramState.h"

Facility *currentFacility = nullptr;
bool advancedMode = true;
