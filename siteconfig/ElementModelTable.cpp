#include "ElementModelTable.h"

#include <QtGlobal>

// Channel 1 of model 8 ("INPUT") is listed as a zone channel; the model has one
// address, so it is never used.
const ElementModelTable::Row ElementModelTable::rows[ElementModelTable::ModelCount] = {
    {nullptr, 1, {0}},
    {QT_TRANSLATE_NOOP("QObject", "OPTO"), 1, {1}},
    {QT_TRANSLATE_NOOP("QObject", "HEAT"), 1, {2}},
    {QT_TRANSLATE_NOOP("QObject", "OPTO-HEAT"), 1, {3}},
    {QT_TRANSLATE_NOOP("QObject", "MCP"), 1, {4}},
    {QT_TRANSLATE_NOOP("QObject", "SOUNDER"), 1, {8}},
    {QT_TRANSLATE_NOOP("QObject", "ZONE"), 1, {5}},
    {QT_TRANSLATE_NOOP("QObject", "2 ZONES"), 2, {5, 5}},
    {QT_TRANSLATE_NOOP("QObject", "INPUT"), 1, {6, 5}},
    {QT_TRANSLATE_NOOP("QObject", "2 INPUTS"), 2, {6, 6}},
    {QT_TRANSLATE_NOOP("QObject", "OUTPUT"), 1, {7}},
    {QT_TRANSLATE_NOOP("QObject", "2 OUTPUTS"), 2, {7, 7}},
    {QT_TRANSLATE_NOOP("QObject", "1 INPUT 1 OUTPUT"), 2, {6, 7}},
    {QT_TRANSLATE_NOOP("QObject", "2 INPUTS 2 OUTPUTS"), 4, {6, 6, 7, 7}},
    {QT_TRANSLATE_NOOP("QObject", "OUTPUT 24V"), 1, {7}},
    {QT_TRANSLATE_NOOP("QObject", "2 OUTPUTS 24V"), 2, {7, 7}},
    {QT_TRANSLATE_NOOP("QObject", "SOUNDER MODULE"), 1, {8}},
    {QT_TRANSLATE_NOOP("QObject", "2 SOUNDER MODULE"), 2, {8, 8}},
    {QT_TRANSLATE_NOOP("QObject", "220V MODULE"), 1, {7}},
    {QT_TRANSLATE_NOOP("QObject", "PANEL 2Z"), 3, {9, 5, 5}},
    {QT_TRANSLATE_NOOP("QObject", "PANEL 4Z"), 5, {9, 5, 5, 5, 5}},
    {QT_TRANSLATE_NOOP("QObject", "PANEL 8Z"), 9, {9, 5, 5, 5, 5, 5, 5, 5, 5}},
    {QT_TRANSLATE_NOOP("QObject", "PANEL 12Z"), 13, {9, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
    {QT_TRANSLATE_NOOP("QObject", "PANEL EXT"), 7, {9, 5, 5, 5, 5, 5, 5}},
    {QT_TRANSLATE_NOOP("QObject", "GAS"), 1, {10}},
    {QT_TRANSLATE_NOOP("QObject", "REMOTE IND"), 1, {11}},
    {QT_TRANSLATE_NOOP("QObject", "BEAM"), 1, {12}},
};

int ElementModelTable::addressCount(int model)
{
    if (model < 0 || model > 25)
        return 1;
    return rows[model].addresses;
}

int ElementModelTable::channelType(int model, int channel)
{
    if (model < 0 || model >= ModelCount || channel < 0 || channel >= ChannelCount)
        return 0;
    return rows[model].channelTypes[channel];
}
