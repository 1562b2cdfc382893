#pragma once
#include "PointHistorySample.h"

#include "PanelMemoryMap.h"

#include <QList>
#include <QString>
#include <array>

// The recorded samples of every point, one list per point (8 loops x 250
// addresses), oldest first. Each list keeps at most MaxSamplesPerPoint samples;
// when it is full the oldest sample goes first. The lists never move, so a
// pointer to one stays valid for the life of the history.
class PointHistory {
public:
    static constexpr int Loops = PanelMemoryMap::Loops;
    static constexpr int Addresses = PanelMemoryMap::AddressesPerLoop;
    static constexpr int MaxSamplesPerPoint = 10000;

    PointHistory();

    void init();    // every list empty
    void clear();   // every list empty, memory released

    // No range check: loop 0-7, address 0-249.
    const QList<PointHistorySample> &list(int loop, int address) const { return m_lists[index(loop, address)]; }
    void append(int loop, int address, int normalizedValue, int absoluteValue, int secondValue);
    // Appends with a given time (the poll passes the current time).
    void append(int loop, int address, const PointHistorySample &sample);
    void clearAll(int &progress);

    // Appends the table of loop `loop` to `fileName`. False, with the file untouched,
    // when the loop has no sample or the file cannot be opened; false, with the
    // file cut back to its old length, when the writing fails.
    bool exportFile(int loop, const QString &fileName) const;

private:
    static int index(int loop, int address) { return loop * Addresses + address; }
    std::array<QList<PointHistorySample>, Loops * Addresses> m_lists;
};
