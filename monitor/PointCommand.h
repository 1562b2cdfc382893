#pragma once
#include <QtGlobal>

// First payload byte of a monitor request to the panel.
enum PointCommand : quint8 {
    CmdPollPoint = 0x07,
    CmdPanelInfo = 0x08,
    CmdPointAlarm = 0x0B,
    CmdPanelKey = 0x0C,
    CmdPointLed = 0x0D,
    CmdPointCounters = 0x0E,
    CmdExplorePoint = 0x0F,
    CmdReadPointParam = 0x10,
    CmdLoopVersion = 0x12,
    CmdWritePointParam = 0x14,
    CmdPointOutput = 0x17,
};

// Values carried in the requests.
namespace PointRequest {
constexpr quint8 ModeAbsolute = 0;      // poll
constexpr quint8 ModeNormalized = 1;    // poll
constexpr quint8 ParamThreshold = 2;    // read / write parameter
constexpr quint8 ParamSensibility = 8;  // read / write parameter
constexpr quint8 LedOff = 0;
constexpr quint8 LedOn = 2;
constexpr quint8 OutputOff = 0x00;
constexpr quint8 OutputOn = 0x10;
constexpr quint8 KeySilenceBuzzer = 19;
constexpr quint8 KeyReset = 20;
constexpr quint8 KeySoundersOn = 22;
constexpr quint8 KeySoundersOff = 23;
}
