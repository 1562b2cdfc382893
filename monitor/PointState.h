#pragma once

// Bits of LoopPoint::state. Exploring assigns one of DeviceOk, NotConfigured,
// Duplicated, WrongDevice or Missing; the state evaluation and the reading of the
// loop configuration only add bits.
namespace PointState {
enum : int {
    DeviceOk = 0x001,       // the device at the address has the configured type
    NotConfigured = 0x002,  // a device answered where nothing is configured
    Maintenance = 0x004,    // needs maintenance
    Alarm = 0x008,          // in alarm (type 7: output on)
    Duplicated = 0x010,     // address duplicated
    WrongDevice = 0x020,    // the device's type differs from the configured one
    Missing = 0x040,        // configured, but no device answered
    Fault = 0x080,          // fault
    Disabled = 0x100,       // the element record's mode byte is 0
    EnableOther = 0x200,    // the element record's mode byte is neither 0 nor 1
};
}
