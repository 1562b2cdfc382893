#pragma once
#include "InterfaceRaw.h"
#include "USBData.h"

#include <QObject>
#include <QString>

class PanelConfig;

// The configuration program's transfer engine: moves one panel's configuration,
// section by section, between a link and a PanelConfig.
//
// The engine owns the link of its last connect and destroys it on disconnect.
// The panel is set by each procedure before it connects and forgotten on
// disconnect, so a site replaced meanwhile is never touched.
// Every section returns false at once when not connected, and at its first
// failed page transfer; what it stored or sent before that stays.
class USBDataConfig : public QObject, public USBData {
    Q_OBJECT
public:
    USBDataConfig();
    ~USBDataConfig() override;

    void setPanel(PanelConfig *panel) { m_panel = panel; }
    PanelConfig *panel() const { return m_panel; }
    bool isConnected() const { return m_connected; }

    bool connectUsb();
    bool connectFileWriter();     // asks for the file in a dialog
    bool connectFileReader();     // asks for the file in a dialog
    bool connectFileWriter(const QString &fileName);
    bool connectFileReader(const QString &fileName);
    // Takes the link (also when opening it fails, then it is destroyed at once).
    bool connectLink(InterfaceRaw *link);
    void disconnect();

    // Appends the four characters of the access code page; false when it cannot be read.
    bool readAccessCode(QString &code);
    // The end-of-upload request; for a ".conf" export this writes the image file.
    bool finishUpload();

    bool readLoop(int loop);
    // Between beginDeviceWrite() before loop 0 and flushPage() after loop 7.
    bool writeLoop(int loop);
    bool readZones();
    bool writeZones();
    bool readEvents();
    bool writeEvents();
    bool readLogicEvents();
    bool writeLogicEvents();
    // Information text, identity page, system page, serial ports and web server.
    // All steps run; false when any of them failed.
    bool readPanelInfo();
    bool writePanelInfo();
    bool readSystemInfo();
    bool writeSystemInfo();
    bool readWebServer();
    bool writeWebServer();
    bool readNetwork();
    bool writeNetwork();
    // How a log download ended: the callers tell the user whether to look at
    // the panel link or at the file.
    enum class LogResult {
        Done,          // every entry is in the file (or the log had none)
        PanelFailed,   // not connected, or the count or a line could not be read
        FileFailed,    // the file could not be created, written or committed
    };
    // Writes the log, one UTF-8 line per entry, into `path`; the file is replaced
    // only when every line was read and written. A log without entries leaves
    // it untouched. On any failure the file stays as it was.
    LogResult readLog(PanelLogType log, const QString &path);

private:
    void closeLink();
    bool ready() const { return m_connected && m_panel; }
    static void keepResponsive();

    PanelConfig *m_panel = nullptr;
    bool m_connected = false;
};
