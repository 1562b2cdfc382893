#pragma once

// The programs' deliberate waits (splash screens, the pauses between the steps
// of a loop exploration) go through here. They block the calling thread as the
// programs always did; tests switch them off so that no test ever sleeps.
namespace Pause {
void ms(unsigned long milliseconds);
// false: every later wait returns at once.
void setEnabled(bool enabled);
bool enabled();
} // namespace Pause
