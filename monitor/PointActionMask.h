#pragma once
#include <QtGlobal>

// The actions a point offers, by element type 0-12; a type above 12 offers none.
namespace PointActionMask {
enum : quint8 {
    Led = 0x1,     // LED action
    Output = 0x2,  // output action
    Fire = 0x4,    // fire (alarm) action
};

constexpr quint8 table[13] = {5, 5, 5, 5, 5, 5, 5, 3, 0, 5, 5, 0, 4};

constexpr quint8 forType(int type) { return type >= 0 && type <= 12 ? table[type] : 0; }
}
