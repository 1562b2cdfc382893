#pragma once
#include <QtGlobal>

// First payload byte of a request to the panel.
enum PanelCommand : quint8 {
    CmdReadInfo = 0,
    CmdReadPage = 1,
    CmdWritePage = 2,
    CmdSetDateTime = 3,
    CmdFinishUpload = 4,
    CmdReadLogCount = 5,
    CmdReadLogLine = 6,
};

// The log chosen by the read-log-count request.
enum PanelLogType : quint8 {
    LogGeneral = 0,
    LogAlarm = 1,
    LogFault = 2,
    LogTest = 3,
};

// Sizes fixed by the command set.
namespace PanelLink {
constexpr int PageSize = 256;
constexpr int LogLineSize = 128;
constexpr int DateTimeSize = 7;
constexpr int WritePageRequestSize = 3 + PageSize;
}
