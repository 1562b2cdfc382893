#pragma once
#include <QtGlobal>

struct usb_dev_handle;

// The lowest layer of the panel link: finds the panel on the USB buses, opens and
// configures it and moves one PanelFrame at a time in each direction. Every call
// blocks the calling thread for up to Timeout ms per transfer.
class USBPort {
public:
    static constexpr quint16 VendorId = 0x15A2;
    static constexpr quint16 ProductId = 0x0040;
    static constexpr int Configuration = 1;
    static constexpr int Interface = 0;
    static constexpr int EndpointOut = 0x02;
    static constexpr int EndpointIn = 0x81;
    static constexpr int Timeout = 5000;

    // configureOnOpen: open() also selects the configuration and claims the
    // interface (the configuration program); the monitor opens and configures apart.
    explicit USBPort(bool configureOnOpen = true);
    ~USBPort();
    USBPort(const USBPort &) = delete;
    USBPort &operator=(const USBPort &) = delete;

    bool open();
    bool configure();
    bool writeFrame(const quint8 *payload, quint16 length);
    // Receives one frame into buffer (capacity bytes). length gets the announced
    // payload length as soon as the header arrived. A frame announcing more than
    // the capacity is read off the link into scratch space and fails, leaving the
    // buffer untouched.
    bool readFrame(quint8 *buffer, quint16 capacity, quint16 &length);
    // Reads and throws away what the panel still holds for the host, such as the
    // rest of a reply that a failed exchange left on its side (closing the handle
    // does not clear it). Waits at most timeoutMs for each transfer and reads at
    // most maxTransfers; returns how many were thrown away.
    int discardInput(int timeoutMs, int maxTransfers);
    void releaseInterface();
    bool close();

    bool isOpen() const { return handle != nullptr; }

protected:
    usb_dev_handle *handle = nullptr;

private:
    bool m_configureOnOpen;
};
