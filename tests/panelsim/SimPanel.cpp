#include "SimPanel.h"

#include <usb.h>

#include <cstdio>
#include <cstring>

// A handle given out by usb_open. Handles are never freed before the panel itself,
// so a handle used after usb_close (or after reset()) answers -EIO instead of
// touching freed memory.
struct usb_dev_handle {
    int bus = -1;
    struct usb_device *device = nullptr;
    bool open = false;
};

namespace sim {

namespace {

constexpr int kEndpointOut = 0x02;
constexpr int kEndpointIn = 0x81;
constexpr quint16 kPanelVendor = 0x15a2;
constexpr quint16 kPanelProduct = 0x0040;

QByteArray lengthHeader(int length)
{
    QByteArray h(2, '\0');
    h[0] = char((length >> 8) & 0xFF);
    h[1] = char(length & 0xFF);
    return h;
}

int pageNumber(const QByteArray &request)
{
    return (quint8(request.at(1)) << 8) | quint8(request.at(2));
}

} // namespace

// The usb_bus / usb_device records of one bus layout, linked as libusb links them.
struct SimPanel::Bus {
    std::vector<std::unique_ptr<usb_bus>> buses;
    std::vector<std::unique_ptr<struct usb_device>> devices;
    std::vector<int> deviceBus;   // bus index of devices[i]
};

SimPanel &SimPanel::instance()
{
    static SimPanel panel;
    return panel;
}

SimPanel::SimPanel()
{
    reset();
}

SimPanel::~SimPanel()
{
    for (void *h : m_handles)
        delete static_cast<usb_dev_handle *>(h);
}

void SimPanel::reset()
{
    m_pages = QVector<QByteArray>(kPageCount, QByteArray(kPageSize, char(0xFF)));
    setPageBytes(3, 0, QByteArrayLiteral("5813"));
    m_info = QByteArrayLiteral("2.10");
    for (int t = 0; t < 4; ++t) {
        m_logs[t].clear();
        m_logCountOverride[t] = -1;
    }
    m_logType = 0;
    m_logCursor = 0;
    m_lastClock.clear();
    m_finishCount = 0;

    closeAllHandles();
    m_retiredBuses.clear();
    m_configResult = 0;
    m_claimResult = 0;
    m_openHandles = 0;
    m_openCalls = 0;
    m_lastOpenedBus = -1;
    m_claimed = false;
    m_configuration = 0;
    m_layout = {{qMakePair(kPanelVendor, kPanelProduct)}};
    rebuildBuses();

    for (auto &h : m_handlers)
        h = nullptr;
    installBuiltins();
    m_requestHook = nullptr;
    m_faults.clear();
    m_overrides.clear();

    m_expectPayload = -1;
    m_readQueue.clear();
    m_requests.clear();
    m_requestNumber = 0;
    m_transfers.clear();
}

void SimPanel::installBuiltins()
{
    m_handlers[0x00] = [this](const QByteArray &r) {
        return r.size() == 1 ? Reply::of(m_info) : Reply::none();
    };
    m_handlers[0x01] = [this](const QByteArray &r) {
        if (r.size() != 3)
            return Reply::none();
        const int n = pageNumber(r);
        return n < kPageCount ? Reply::of(m_pages.at(n)) : Reply::none();
    };
    m_handlers[0x02] = [this](const QByteArray &r) {
        if (r.size() == 3 + kPageSize) {
            const int n = pageNumber(r);
            if (n < kPageCount)
                m_pages[n] = r.mid(3);
        }
        return Reply::none();
    };
    m_handlers[0x03] = [this](const QByteArray &r) {
        if (r.size() == 9 && r.at(1) == 0)
            m_lastClock = r.mid(2);
        return Reply::none();
    };
    m_handlers[0x04] = [this](const QByteArray &r) {
        if (r.size() == 1)
            ++m_finishCount;
        return Reply::none();
    };
    m_handlers[0x05] = [this](const QByteArray &r) {
        if (r.size() != 2 || quint8(r.at(1)) > 3)
            return Reply::none();
        m_logType = quint8(r.at(1));
        m_logCursor = 0;
        const int over = m_logCountOverride[m_logType];
        const int count = qBound(0, over >= 0 ? over : int(m_logs[m_logType].size()), 0xFFFF);
        return Reply::of(lengthHeader(count));
    };
    m_handlers[0x06] = [this](const QByteArray &r) {
        if (r.size() != 1)
            return Reply::none();
        const QList<QByteArray> &lines = m_logs[m_logType];
        const QByteArray line = m_logCursor < lines.size() ? lines.at(m_logCursor)
                                                           : QByteArray(kLogLineSize, '\0');
        ++m_logCursor;
        return Reply::of(line);
    };
}

// ---- devices ------------------------------------------------------------------

void SimPanel::setBuses(const QList<QList<QPair<quint16, quint16>>> &buses)
{
    m_layout = buses;
    rebuildBuses();
}

void SimPanel::rebuildBuses()
{
    if (m_busStorage)
        m_retiredBuses.push_back(std::move(m_busStorage));
    auto storage = std::make_unique<Bus>();
    usb_bus *prevBus = nullptr;
    for (int b = 0; b < m_layout.size(); ++b) {
        auto bus = std::make_unique<usb_bus>();
        std::memset(bus.get(), 0, sizeof(usb_bus));
        std::snprintf(bus->dirname, sizeof bus->dirname, "%03d", b + 1);
        bus->location = quint32(b + 1);
        bus->prev = prevBus;
        if (prevBus)
            prevBus->next = bus.get();
        prevBus = bus.get();

        struct usb_device *prevDev = nullptr;
        const QList<QPair<quint16, quint16>> &ids = m_layout.at(b);
        for (int d = 0; d < ids.size(); ++d) {
            auto dev = std::make_unique<struct usb_device>();
            std::memset(dev.get(), 0, sizeof(struct usb_device));
            std::snprintf(dev->filename, sizeof dev->filename, "%03d", d + 1);
            dev->bus = bus.get();
            dev->devnum = quint8(d + 1);
            dev->descriptor.bLength = USB_DT_DEVICE_SIZE;
            dev->descriptor.bDescriptorType = USB_DT_DEVICE;
            dev->descriptor.idVendor = ids.at(d).first;
            dev->descriptor.idProduct = ids.at(d).second;
            dev->descriptor.bNumConfigurations = 1;
            dev->prev = prevDev;
            if (prevDev)
                prevDev->next = dev.get();
            else
                bus->devices = dev.get();
            prevDev = dev.get();
            storage->devices.push_back(std::move(dev));
            storage->deviceBus.push_back(b);
        }
        storage->buses.push_back(std::move(bus));
    }
    m_busStorage = std::move(storage);
}

void SimPanel::closeAllHandles()
{
    for (void *h : m_handles)
        static_cast<usb_dev_handle *>(h)->open = false;
}

void *SimPanel::busList()
{
    return m_busStorage->buses.empty() ? nullptr : m_busStorage->buses.front().get();
}

void *SimPanel::open(void *device)
{
    ++m_openCalls;
    const auto &devices = m_busStorage->devices;
    for (size_t i = 0; i < devices.size(); ++i) {
        if (devices[i].get() != device)
            continue;
        auto *h = new usb_dev_handle;
        h->bus = m_busStorage->deviceBus[i];
        h->device = devices[i].get();
        h->open = true;
        m_handles.push_back(h);
        ++m_openHandles;
        m_lastOpenedBus = h->bus;
        return h;
    }
    return nullptr;   // null or a device of an earlier layout
}

static usb_dev_handle *openHandle(void *handle)
{
    auto *h = static_cast<usb_dev_handle *>(handle);
    return h && h->open ? h : nullptr;
}

void *SimPanel::device(void *handle) const
{
    usb_dev_handle *h = openHandle(handle);
    return h ? h->device : nullptr;
}

int SimPanel::close(void *handle)
{
    usb_dev_handle *h = openHandle(handle);
    if (!h)
        return kErrIo;
    h->open = false;
    --m_openHandles;
    return 0;
}

int SimPanel::setConfiguration(void *handle, int c)
{
    if (!openHandle(handle))
        return kErrIo;
    if (m_configResult == 0)
        m_configuration = c;
    return m_configResult;
}

int SimPanel::claim(void *handle, int)
{
    if (!openHandle(handle))
        return kErrIo;
    if (m_claimResult == 0)
        m_claimed = true;
    return m_claimResult;
}

int SimPanel::release(void *handle, int)
{
    if (!openHandle(handle))
        return kErrIo;
    m_claimed = false;
    return 0;
}

// ---- memory -------------------------------------------------------------------

QByteArray SimPanel::page(int n) const
{
    return n >= 0 && n < kPageCount ? m_pages.at(n) : QByteArray();
}

void SimPanel::setPage(int n, const QByteArray &bytes)
{
    if (n < 0 || n >= kPageCount)
        return;
    QByteArray p = bytes.left(kPageSize);
    p.append(QByteArray(kPageSize - p.size(), char(0xFF)));
    m_pages[n] = p;
}

void SimPanel::setPageBytes(int n, int offset, const QByteArray &bytes)
{
    if (n < 0 || n >= kPageCount || offset < 0 || offset >= kPageSize)
        return;
    const int len = qMin(int(bytes.size()), kPageSize - offset);
    m_pages[n].replace(offset, len, bytes.left(len));
}

void SimPanel::fillPages(char value)
{
    for (QByteArray &p : m_pages)
        p.fill(value);
}

// ---- logs -----------------------------------------------------------------------

void SimPanel::setLog(int type, const QList<QByteArray> &lines)
{
    if (type < 0 || type > 3)
        return;
    m_logs[type].clear();
    for (const QByteArray &l : lines) {
        QByteArray line = l.left(kLogLineSize);
        line.append(QByteArray(kLogLineSize - line.size(), '\0'));
        m_logs[type].append(line);
    }
}

void SimPanel::setLogCountOverride(int type, int count)
{
    if (type >= 0 && type <= 3)
        m_logCountOverride[type] = count;
}

// ---- faults -----------------------------------------------------------------------

void SimPanel::injectFault(ReplyFault fault, int request, int param)
{
    if (fault != ReplyFault::None)
        m_faults.append({fault, nextRequestNumber(request), param});
}

void SimPanel::overrideReply(const QByteArray &payload, int request)
{
    m_overrides.append({nextRequestNumber(request), payload});
}

void SimPanel::clearFaults()
{
    m_faults.clear();
    m_overrides.clear();
}

bool SimPanel::takeFault(ReplyFault fault, int request, int *param)
{
    for (int i = 0; i < m_faults.size(); ++i) {
        if (m_faults.at(i).fault == fault && m_faults.at(i).request == request) {
            if (param)
                *param = m_faults.at(i).param;
            m_faults.removeAt(i);
            return true;
        }
    }
    return false;
}

void SimPanel::setCommandHandler(quint8 code, CommandHandler handler)
{
    m_handlers[code] = std::move(handler);
}

// ---- what happened -------------------------------------------------------------

QList<int> SimPanel::pageReads() const
{
    QList<int> pages;
    for (const QByteArray &r : m_requests)
        if (r.size() >= 3 && r.at(0) == 0x01)
            pages.append(pageNumber(r));
    return pages;
}

QList<int> SimPanel::pageWrites() const
{
    QList<int> pages;
    for (const QByteArray &r : m_requests)
        if (r.size() >= 3 && r.at(0) == 0x02)
            pages.append(pageNumber(r));
    return pages;
}

void SimPanel::clearLogs()
{
    m_transfers.clear();
    m_requests.clear();
}

// ---- transfers ---------------------------------------------------------------------

int SimPanel::recordOut(int ep, int size, int result, const QByteArray &bytes)
{
    m_transfers.append({true, ep, size, result, bytes});
    return result;
}

int SimPanel::recordIn(int ep, int size, int result, const QByteArray &bytes)
{
    m_transfers.append({false, ep, size, result, bytes});
    return result;
}

int SimPanel::bulkWrite(void *handle, int ep, const char *bytes, int size, int)
{
    if (!openHandle(handle) || ep != kEndpointOut || size < 0 || (size > 0 && !bytes))
        return recordOut(ep, size, kErrIo, {});
    const QByteArray data(bytes, size);

    if (m_expectPayload >= 0) {
        // The payload of the request whose header came last, whatever its size.
        m_expectPayload = -1;
        int cut = 0;
        if (takeFault(ReplyFault::ShortWrite, m_requestNumber, &cut)) {
            const int moved = qBound(0, cut, size);
            recordOut(ep, size, moved, data.left(moved));
            return moved;
        }
        recordOut(ep, size, size, data);
        takeRequest(data);
        return size;
    }

    if (size != 2)
        return recordOut(ep, size, kErrIo, {});
    const int request = ++m_requestNumber;
    if (takeFault(ReplyFault::WriteFails, request)) {
        // The request is lost: nothing else planned for it can happen.
        for (int i = m_faults.size() - 1; i >= 0; --i)
            if (m_faults.at(i).request == request)
                m_faults.removeAt(i);
        for (int i = m_overrides.size() - 1; i >= 0; --i)
            if (m_overrides.at(i).first == request)
                m_overrides.removeAt(i);
        return recordOut(ep, size, kErrIo, {});
    }
    recordOut(ep, size, size, data);
    const int length = (quint8(data.at(0)) << 8) | quint8(data.at(1));
    if (length == 0)
        takeRequest(QByteArray());
    else
        m_expectPayload = length;
    return size;
}

void SimPanel::takeRequest(const QByteArray &payload)
{
    m_requests.append(payload);
    const int request = m_requestNumber;
    if (m_requestHook) {
        // A copy: the hook may replace itself while running.
        const auto hook = m_requestHook;
        hook(payload);
        if (request != m_requestNumber)
            return;   // the hook reset the panel
    }
    Reply reply;
    if (!payload.isEmpty()) {
        // A copy: the handler may replace itself (setCommandHandler, reset) while running.
        const CommandHandler handler = m_handlers[quint8(payload.at(0))];
        if (handler)
            reply = handler(payload);
    }
    if (request != m_requestNumber)
        return;   // the handler reset the panel
    queueReply(reply, request);
}

void SimPanel::queueReply(Reply reply, int request)
{
    for (int i = 0; i < m_overrides.size(); ++i) {
        if (m_overrides.at(i).first == request) {
            reply = Reply::of(m_overrides.at(i).second);
            m_overrides.removeAt(i);
            break;
        }
    }
    const bool silent = takeFault(ReplyFault::NoReply, request);
    int shortBy = 0;
    int extra = 0;
    const bool shortHeader = takeFault(ReplyFault::ShortHeader, request);
    const bool shortPayload = takeFault(ReplyFault::ShortPayload, request, &shortBy);
    const bool longer = takeFault(ReplyFault::LongerThanAnnounced, request, &extra);
    if (!reply.hasReply || silent)
        return;

    const int length = int(reply.payload.size());
    QByteArray header = lengthHeader(length);
    if (shortHeader)
        header.truncate(1);
    QByteArray body = reply.payload;
    if (shortPayload)
        body.truncate(qMax(0, shortBy));
    if (longer)
        body.append(QByteArray(qMax(0, extra), char(0xEE)));

    m_readQueue.append(header);
    // An empty reply is the header alone, like an empty request.
    if (length > 0 || !body.isEmpty())
        m_readQueue.append(body);
}

int SimPanel::bulkRead(void *handle, int ep, char *bytes, int size, int)
{
    if (!openHandle(handle) || ep != kEndpointIn || size < 0 || (size > 0 && !bytes))
        return recordIn(ep, size, kErrIo, {});
    if (m_readQueue.isEmpty())
        return recordIn(ep, size, kErrTimeout, {});
    const QByteArray next = m_readQueue.takeFirst();
    if (next.size() > size)
        return recordIn(ep, size, kErrOverflow, {});
    if (!next.isEmpty())
        std::memcpy(bytes, next.constData(), size_t(next.size()));
    return recordIn(ep, size, int(next.size()), next);
}

} // namespace sim
