#include "EventRecord.h"

#include <cstring>

void EventRecord::Cause::fromWire(const unsigned char *bytes)
{
    std::memcpy(this, bytes, CauseSize);
}

void EventRecord::Cause::toWire(unsigned char *bytes) const
{
    std::memcpy(bytes, this, CauseSize);
}

void EventRecord::Effect::fromWire(const unsigned char *bytes)
{
    std::memcpy(this, bytes, EffectSize);
}

void EventRecord::Effect::toWire(unsigned char *bytes) const
{
    std::memcpy(bytes, this, EffectSize);
}
