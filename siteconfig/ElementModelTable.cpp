#include "ElementModelTable.h"

// Channel 1 of model 8 ("INPUT") is listed as a zone channel; the model has one
// address, so it is never used.
const ElementModelTable::Row ElementModelTable::rows[ElementModelTable::ModelCount] = {
    {nullptr, 1, {0}},
    {"OPTO", 1, {1}},
    {"HEAT", 1, {2}},
    {"OPTO-HEAT", 1, {3}},
    {"MCP", 1, {4}},
    {"SOUNDER", 1, {8}},
    {"ZONE", 1, {5}},
    {"2 ZONES", 2, {5, 5}},
    {"INPUT", 1, {6, 5}},
    {"2 INPUTS", 2, {6, 6}},
    {"OUTPUT", 1, {7}},
    {"2 OUTPUTS", 2, {7, 7}},
    {"1 INPUT 1 OUTPUT", 2, {6, 7}},
    {"2 INPUTS 2 OUTPUTS", 4, {6, 6, 7, 7}},
    {"OUTPUT 24V", 1, {7}},
    {"2 OUTPUTS 24V", 2, {7, 7}},
    {"SOUNDER MODULE", 1, {8}},
    {"2 SOUNDER MODULE", 2, {8, 8}},
    {"220V MODULE", 1, {7}},
    {"PANEL 2Z", 3, {9, 5, 5}},
    {"PANEL 4Z", 5, {9, 5, 5, 5, 5}},
    {"PANEL 8Z", 9, {9, 5, 5, 5, 5, 5, 5, 5, 5}},
    {"PANEL 12Z", 13, {9, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5}},
    {"PANEL EXT", 7, {9, 5, 5, 5, 5, 5, 5}},
    {"GAS", 1, {10}},
    {"REMOTE IND", 1, {11}},
    {"BEAM", 1, {12}},
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
