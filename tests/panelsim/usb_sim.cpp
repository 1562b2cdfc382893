// libusb 0.1 entry points served by the simulated panel (see SimPanel.h).

#include "SimPanel.h"

#include <usb.h>

#include <cstdio>

struct usb_bus *usb_busses = nullptr;

namespace {

char g_lastError[64] = "";

int noteError(int result)
{
    if (result < 0)
        std::snprintf(g_lastError, sizeof g_lastError, "simulated panel: error %d", result);
    return result;
}

sim::SimPanel &panel()
{
    return sim::SimPanel::instance();
}

} // namespace

extern "C" {

void usb_init(void)
{
    usb_busses = nullptr;
}

int usb_find_busses(void)
{
    usb_busses = static_cast<struct usb_bus *>(panel().busList());
    int n = 0;
    for (struct usb_bus *b = usb_busses; b; b = b->next)
        ++n;
    return n;
}

int usb_find_devices(void)
{
    usb_busses = static_cast<struct usb_bus *>(panel().busList());
    int n = 0;
    for (struct usb_bus *b = usb_busses; b; b = b->next)
        for (struct usb_device *d = b->devices; d; d = d->next)
            ++n;
    return n;
}

struct usb_bus *usb_get_busses(void)
{
    return static_cast<struct usb_bus *>(panel().busList());
}

usb_dev_handle *usb_open(struct usb_device *dev)
{
    return static_cast<usb_dev_handle *>(panel().open(dev));
}

int usb_close(usb_dev_handle *dev)
{
    return noteError(panel().close(dev));
}

struct usb_device *usb_device(usb_dev_handle *dev)
{
    return static_cast<struct usb_device *>(panel().device(dev));
}

int usb_set_configuration(usb_dev_handle *dev, int configuration)
{
    return noteError(panel().setConfiguration(dev, configuration));
}

int usb_claim_interface(usb_dev_handle *dev, int interface)
{
    return noteError(panel().claim(dev, interface));
}

int usb_release_interface(usb_dev_handle *dev, int interface)
{
    return noteError(panel().release(dev, interface));
}

int usb_bulk_write(usb_dev_handle *dev, int ep, const char *bytes, int size, int timeout)
{
    return noteError(panel().bulkWrite(dev, ep, bytes, size, timeout));
}

int usb_bulk_read(usb_dev_handle *dev, int ep, char *bytes, int size, int timeout)
{
    return noteError(panel().bulkRead(dev, ep, bytes, size, timeout));
}

char *usb_strerror(void)
{
    return g_lastError;
}

} // extern "C"
