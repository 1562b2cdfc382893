#include "USBPort.h"
#include "PanelFrame.h"

#include <usb.h>
#include <vector>

USBPort::USBPort(bool configureOnOpen)
    : m_configureOnOpen(configureOnOpen)
{
}

USBPort::~USBPort()
{
    // An owner that forgot to close must not leave the device claimed.
    if (handle)
        close();
}

bool USBPort::open()
{
    if (handle)
        close();

    usb_init();
    usb_find_busses();
    usb_find_devices();

    // Every bus is walked; a panel on a later bus replaces the one found earlier,
    // whose handle is closed so that only one stays open.
    for (struct usb_bus *bus = usb_get_busses(); bus; bus = bus->next) {
        for (struct usb_device *dev = bus->devices; dev; dev = dev->next) {
            if (dev->descriptor.idVendor != VendorId || dev->descriptor.idProduct != ProductId)
                continue;
            usb_dev_handle *opened = usb_open(dev);
            if (opened) {
                if (handle)
                    usb_close(handle);
                handle = opened;
            }
            break;
        }
    }

    if (!handle)
        return false;
    if (!m_configureOnOpen)
        return true;
    if (configure())
        return true;
    usb_close(handle);
    handle = nullptr;
    return false;
}

bool USBPort::configure()
{
    if (!handle)
        return false;
    if (usb_set_configuration(handle, Configuration) != 0)
        return false;
    return usb_claim_interface(handle, Interface) == 0;
}

bool USBPort::writeFrame(const quint8 *payload, quint16 length)
{
    if (!handle)
        return false;
    quint8 header[PanelFrame::HeaderSize];
    PanelFrame::encodeHeader(length, header);
    if (usb_bulk_write(handle, EndpointOut, reinterpret_cast<const char *>(header),
                       PanelFrame::HeaderSize, Timeout) != PanelFrame::HeaderSize)
        return false;
    if (length == 0)
        return true;
    const int written = usb_bulk_write(handle, EndpointOut, reinterpret_cast<const char *>(payload),
                                       length, Timeout);
    return written == int(length);
}

bool USBPort::readFrame(quint8 *buffer, quint16 capacity, quint16 &length)
{
    if (!handle)
        return false;
    quint8 header[PanelFrame::HeaderSize];
    if (usb_bulk_read(handle, EndpointIn, reinterpret_cast<char *>(header),
                      PanelFrame::HeaderSize, Timeout) != PanelFrame::HeaderSize)
        return false;

    const quint16 announced = PanelFrame::decodeHeader(header);
    length = announced;
    if (announced == 0)
        return true;   // an empty frame is its header alone

    if (announced > capacity) {
        // Take the oversize payload off the link so it is not mistaken for the
        // answer to a later request, then refuse it.
        std::vector<char> scratch(announced);
        usb_bulk_read(handle, EndpointIn, scratch.data(), announced, Timeout);
        return false;
    }

    const int got = usb_bulk_read(handle, EndpointIn, reinterpret_cast<char *>(buffer), announced, Timeout);
    return got == int(announced);
}

int USBPort::discardInput(int timeoutMs, int maxTransfers)
{
    if (!handle)
        return 0;
    // Room for the longest frame payload, so no left-over transfer overflows.
    std::vector<char> scratch(PanelFrame::MaxPayload);
    int discarded = 0;
    while (discarded < maxTransfers
           && usb_bulk_read(handle, EndpointIn, scratch.data(), int(scratch.size()), timeoutMs) >= 0)
        ++discarded;
    return discarded;
}

void USBPort::releaseInterface()
{
    if (handle)
        usb_release_interface(handle, Interface);
}

bool USBPort::close()
{
    if (handle) {
        usb_release_interface(handle, Interface);
        usb_close(handle);
        handle = nullptr;
    }
    return true;
}
