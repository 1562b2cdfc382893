#pragma once
#include "PanelMemoryMap.h"

#include <QtGlobal>
#include <array>

// What the main window knows of the connected panel's loops.
struct PanelLayout {
    static constexpr int Loops = PanelMemoryMap::Loops;

    quint8 loopCount = 0;                  // 0..8
    std::array<quint8, Loops> presentLoops{};   // non-zero: the loop is present
    quint8 maxPoints = 0;                  // points per loop, as the panel reports it
    quint8 currentLoop = 0;                // the loop on show, 0..7

    bool isPresent(int loop) const { return loop >= 0 && loop < Loops && presentLoops[size_t(loop)] != 0; }
};
