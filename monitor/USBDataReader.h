#pragma once
#include "LoopPoint.h"
#include "PointHistory.h"

#include "PanelMemoryMap.h"
#include "USBData.h"
#include "USBRaw.h"

#include <QString>
#include <array>
#include <functional>
#include <initializer_list>

// The monitor's link to the panel and its image of the panel's loops: one
// LoopPoint per address of every loop with its sample history, the panel's and
// each loop's version text. Sends the monitor's point commands as frames over the
// USB port and folds each reply into the point it concerns; reads a loop's stored
// element records through the page cache, which runs over this same port.
//
// Every command sends nothing and returns false while not connected. A reply
// shorter than the bytes a command reads fails and changes nothing. A failed
// transfer closes the link and marks it disconnected, and connecting throws away
// whatever the panel still holds for the host, so no late reply can be taken for
// the answer to a later request.
class USBDataReader : private USBData, private USBRaw {
public:
    static constexpr int Loops = PanelMemoryMap::Loops;
    static constexpr int Addresses = PanelMemoryMap::AddressesPerLoop;
    static constexpr int BufferSize = 128;

    USBDataReader();
    ~USBDataReader() override;

    bool connect();
    void disconnect();
    bool isConnected() const { return connected; }
    // While set, asked before each request goes out, the page reads of the
    // element configuration included: a long procedure lets the user's Cancel
    // through there. False keeps the request unsent and the command fails as over
    // a closed link, while the link itself stays as it is. Empty: no gate.
    void setRequestGate(std::function<bool()> gate) { requestGate = std::move(gate); }
    QString panelVersion() const { return panelVersionText; }
    QString loopVersion(quint8 loop) const;

    // loopCount, presence[8] and maxPoints are reset first; at most 8 loops.
    bool readPanelInfo(quint8 &loopCount, quint8 presence[8], quint8 &maxPoints);
    bool readLoopVersion(quint8 loop);
    // False, with the affected points cleared, when a page could not be read.
    bool readLoopConfig(quint8 loop);
    void fillPointFromConfig(quint8 loop, quint8 address, const quint8 record[PanelMemoryMap::RecordSize]);
    bool explorePoint(quint8 loop, quint8 address);
    bool readPointCounters(quint8 loop, quint8 address);
    bool pollPoint(quint8 loop, quint8 address, quint8 mode, bool count);
    bool readPointParam(quint8 loop, quint8 address, quint8 parameter, quint8 &value);
    bool writePointParam(quint8 loop, quint8 address, quint8 parameter, quint8 value);
    bool setPointAlarm(quint8 loop, quint8 address);
    bool setPointOutput(quint8 loop, quint8 address, quint8 on);
    bool setPointLed(quint8 loop, quint8 address, quint8 mode);
    bool sendKey(quint8 key);

    void setLogging(bool on, const QString &path);
    void clearHistory(int &progress);
    bool exportHistory(quint8 loop, const QString &fileName) const;

    // Adds alarm, maintenance or fault bits for a valid normalized reading.
    static void evaluateStatus(LoopPoint &point, quint8 value, quint8 previous);

    // Loop statistics; a loop above 7 gives 0.
    int totalPolls(quint8 loop) const;
    int totalErrors(quint8 loop) const;
    int countByType(quint8 loop, quint8 type) const;
    int presentCount(quint8 loop) const;
    int errorPointCount(quint8 loop) const;

protected:
    static bool isPoint(quint8 loop, quint8 address) { return loop < Loops && address < Addresses; }
    LoopPoint &point(quint8 loop, quint8 address) { return points[loop][address]; }
    const LoopPoint &point(quint8 loop, quint8 address) const { return points[loop][address]; }

    PointHistory history;
    std::array<std::array<LoopPoint, Addresses>, Loops> points;
    QString panelVersionText;
    std::array<QString, Loops> loopVersionTexts;
    bool connected = false;
    bool historyEnabled = false;
    QString historyPath;

private:
    // A page read of the cache; a failed one closes the link.
    bool readPage(quint16 page, quint8 buffer[PanelLink::PageSize]) override;
    // Sends `request` and reads its reply into m_buffer; false when not
    // connected, on a failed transfer (the link is then closed) or when the reply
    // is shorter than `minReply`. replyLength is 0 unless a reply was read.
    bool exchange(std::initializer_list<quint8> request, quint16 minReply, quint16 &replyLength);
    bool exchange(std::initializer_list<quint8> request, quint16 minReply);
    // Connected, and the gate (when set) lets the next request go.
    bool mayRequest();
    void linkLost();
    // The sum of term(point) over the loop's points; 0 for a loop above 7.
    template <typename Term>
    int sumOverLoop(quint8 loop, Term term) const;

    // Opening the link waits this long for each left-over transfer of an earlier
    // link, and reads at most this many of them.
    static constexpr int DiscardTimeout = 100;
    static constexpr int DiscardTransfers = 64;

    quint8 m_buffer[BufferSize] = {};
    std::function<bool()> requestGate;
};
