#include "Pause.h"

#include <QThread>

#include <atomic>

namespace {
std::atomic<bool> g_enabled{true};
}

void Pause::ms(unsigned long milliseconds)
{
    if (g_enabled && milliseconds > 0)
        QThread::msleep(milliseconds);
}

void Pause::setEnabled(bool enabled)
{
    g_enabled = enabled;
}

bool Pause::enabled()
{
    return g_enabled;
}
