#ifndef FILETXT_H
#define FILETXT_H

#include <QString>

class Facility;
class PanelConfig;
class QTextStream;
struct DeviceRecord;

// The site information text: a readable listing of every panel with its
// elements, the zones in use, its maneuvers and its logic events. UTF-8,
// each line ended by a single line feed. Never read back.
class FileTxt
{
public:
    FileTxt();

    // Writes every panel of `site` in list order through a save file; the
    // three switches choose the loop, zone and maneuver sections. False when
    // the file cannot be opened or not every byte reached the disk; the
    // previous file then stays as it was.
    bool writeSite(const QString &fileName, const Facility *site, bool loops, bool zones,
                   bool actions);

private:
    void writePanel(const PanelConfig &panel);
    void writeLoop(const PanelConfig &panel, int loop);
    void writeDevice(const DeviceRecord &device);
    void writeZones(const PanelConfig &panel);
    void writeManeuvers(const PanelConfig &panel);
    void writeLogManeuvers(const PanelConfig &panel);

    QString fileName;
    bool loops = false;
    bool zones = false;
    bool actions = false;
    QTextStream *out = nullptr;   // only during writeSite
};

#endif // FILETXT_H
