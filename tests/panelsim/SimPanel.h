#pragma once
// An in-memory fire panel behind the libusb 0.1 functions (usb_init ... usb_close).
//
// Test executables link this library instead of the real libusb, so the real port,
// frame, command and page-cache code runs down to the bulk transfers. The panel
// answers the generic commands 0-6; further command codes (the monitor's point
// commands) are added with setCommandHandler without touching the transfer layer.
//
// Requests are counted from 1 after reset(); a request is one whole frame written
// by the host (header transfer + payload transfer).

#include <QByteArray>
#include <QList>
#include <QVector>
#include <functional>
#include <memory>
#include <vector>

namespace sim {

constexpr int kPageCount = 4096;
constexpr int kPageSize = 256;
constexpr int kLogLineSize = 128;

// Error codes returned by the simulated transfers (libusb 0.1 returns -errno).
constexpr int kErrIo = -5;
constexpr int kErrOverflow = -75;
constexpr int kErrTimeout = -110;

// One bulk transfer as seen on the wire.
struct Transfer {
    bool out = true;      // host to panel (endpoint 0x02) when true, else panel to host (0x81)
    int endpoint = 0;
    int requested = 0;    // size the host asked to move
    int result = 0;       // what the call returned
    QByteArray bytes;     // bytes actually moved
};

// How the panel's reply to one request goes wrong.
enum class ReplyFault {
    None,
    WriteFails,         // the request's header write fails (-EIO); nothing is answered
    ShortWrite,         // the request's payload write moves only `param` bytes; nothing is answered
    NoReply,            // the request is taken, nothing comes back (reads time out)
    ShortHeader,        // the reply header transfer carries only 1 byte
    ShortPayload,       // the header announces the full reply, the payload transfer is cut to `param` bytes
    LongerThanAnnounced // the payload transfer carries `param` extra bytes beyond the announced length
};

// A reply computed by a command handler: empty optional means "no reply frame".
struct Reply {
    bool hasReply = false;
    QByteArray payload;
    static Reply none() { return {}; }
    static Reply of(const QByteArray &p) { return {true, p}; }
};

using CommandHandler = std::function<Reply(const QByteArray &request)>;

class SimPanel {
public:
    static SimPanel &instance();

    // A fresh panel: one matching device (15a2:0040) on bus 0, every page erased
    // (0xFF) but page 3 holding the factory access code "5813", info reply "2.10",
    // four empty logs, no clock request, no faults, empty transfer and request logs,
    // every command handler back to the built-in ones.
    void reset();

    // ---- devices on the buses ---------------------------------------------
    // Replaces the bus layout: buses[i] lists (vendor, product) of the devices on bus i.
    void setBuses(const QList<QList<QPair<quint16, quint16>>> &buses);
    void setNoDevice() { setBuses({{}}); }
    void setConfigurationResult(int r) { m_configResult = r; }
    void setClaimResult(int r) { m_claimResult = r; }
    int openHandleCount() const { return m_openHandles; }     // opened and not yet closed
    int openCalls() const { return m_openCalls; }
    int lastOpenedBus() const { return m_lastOpenedBus; }
    bool interfaceClaimed() const { return m_claimed; }
    int configuration() const { return m_configuration; }    // last set, 0 when none

    // ---- memory --------------------------------------------------------------
    QByteArray page(int n) const;
    void setPage(int n, const QByteArray &bytes);            // shorter data is padded with 0xFF
    void setPageBytes(int n, int offset, const QByteArray &bytes);
    void fillPages(char value);

    // ---- info, logs, clock, upload end --------------------------------------
    void setInfoReply(const QByteArray &reply) { m_info = reply; }
    // Lines of log `type` (0 general, 1 alarm, 2 fault, 3 test); each padded with 0 to 128 bytes.
    void setLog(int type, const QList<QByteArray> &lines);
    // Overrides the count command 5 answers for a log (-1: the number of lines).
    void setLogCountOverride(int type, int count);
    int logCursor() const { return m_logCursor; }
    QByteArray lastClockRequest() const { return m_lastClock; }  // the 7 bytes after 03 00
    int finishUploadCount() const { return m_finishCount; }

    // ---- faults ----------------------------------------------------------------
    // Fault on the reply to request number `request` (1-based since reset); 0 means the next request.
    void injectFault(ReplyFault fault, int request = 0, int param = 0);
    // Shorthand: request `request` fails outright (header write refused).
    void failAtRequest(int request) { injectFault(ReplyFault::WriteFails, request); }
    // Replaces the reply payload of request `request` (0: the next) by these bytes, header announcing their length.
    void overrideReply(const QByteArray &payload, int request = 0);
    void clearFaults();

    // ---- commands -------------------------------------------------------------
    // Installs (or, with an empty handler, removes) the handler of a command code.
    void setCommandHandler(quint8 code, CommandHandler handler);
    // Called with each whole request as it arrives (already in requests()), before
    // the panel answers it: a test acts there while the host waits for the reply.
    // An empty hook removes it; reset() does too.
    void setRequestHook(std::function<void(const QByteArray &request)> hook) { m_requestHook = std::move(hook); }

    // ---- what happened ----------------------------------------------------------
    const QList<Transfer> &transfers() const { return m_transfers; }
    const QList<QByteArray> &requests() const { return m_requests; }  // whole request payloads, in order
    int requestCount() const { return m_requests.size(); }
    QList<int> pageReads() const;    // page numbers of command 1 requests, in order
    QList<int> pageWrites() const;   // page numbers of command 2 requests, in order
    void clearLogs();                // forgets transfers and requests (request numbering continues)

    // ---- called by the usb_* functions ------------------------------------
    struct Bus;
    void *busList();
    void *open(void *device);
    void *device(void *handle) const;   // the usb_device of an open handle, else null (usb_device())
    int close(void *handle);
    int setConfiguration(void *handle, int c);
    int claim(void *handle, int i);
    int release(void *handle, int i);
    int bulkWrite(void *handle, int ep, const char *bytes, int size, int timeout);
    int bulkRead(void *handle, int ep, char *bytes, int size, int timeout);

private:
    SimPanel();
    ~SimPanel();
    SimPanel(const SimPanel &) = delete;
    SimPanel &operator=(const SimPanel &) = delete;

    void installBuiltins();
    void rebuildBuses();
    void closeAllHandles();
    int recordOut(int ep, int size, int result, const QByteArray &bytes);
    int recordIn(int ep, int size, int result, const QByteArray &bytes);
    void takeRequest(const QByteArray &payload);
    void queueReply(Reply reply, int request);
    bool takeFault(ReplyFault fault, int request, int *param = nullptr);
    int nextRequestNumber(int request) const { return request > 0 ? request : m_requestNumber + 1; }

    struct PendingFault { ReplyFault fault; int request; int param; };

    QVector<QByteArray> m_pages;
    QByteArray m_info;
    QList<QByteArray> m_logs[4];
    int m_logCountOverride[4] = {-1, -1, -1, -1};
    int m_logType = 0;
    int m_logCursor = 0;
    QByteArray m_lastClock;
    int m_finishCount = 0;

    QList<QList<QPair<quint16, quint16>>> m_layout;
    std::unique_ptr<Bus> m_busStorage;               // usb_bus/usb_device records of m_layout
    std::vector<std::unique_ptr<Bus>> m_retiredBuses; // earlier layouts, kept until reset()
    std::vector<void *> m_handles;                   // every handle ever opened (usb_dev_handle *), freed at exit
    int m_configResult = 0;
    int m_claimResult = 0;
    int m_openHandles = 0;
    int m_openCalls = 0;
    int m_lastOpenedBus = -1;
    bool m_claimed = false;
    int m_configuration = 0;

    CommandHandler m_handlers[256];
    std::function<void(const QByteArray &)> m_requestHook;
    QList<PendingFault> m_faults;
    QList<QPair<int, QByteArray>> m_overrides;

    // frame assembly and the reply queue
    int m_expectPayload = -1;          // announced length of the request being written, -1 when none
    QList<QByteArray> m_readQueue;     // transfers waiting for the host to read, in order
    QList<QByteArray> m_requests;
    int m_requestNumber = 0;           // number of the latest request started (header written)
    QList<Transfer> m_transfers;
};

} // namespace sim
