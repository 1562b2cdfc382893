#ifndef FACILITY_H
#define FACILITY_H

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

class PanelConfig;

// The site: the ordered list of the panels of one installation. The facility
// owns its panels and deletes them.
class Facility : public QObject
{
    Q_OBJECT

public:
    explicit Facility(QObject *parent = nullptr);
    ~Facility() override;

    // The panel at the index; an index equal to the count gives the last panel.
    // Null for an empty list and any other index outside the list.
    PanelConfig *getPanel(int index) const;
    int panelCount() const;
    int addPanel(PanelConfig *panel);
    void removePanel(int index);
    QStringList panelNames() const;
    bool panelNameExists(const QString &name) const;
    PanelConfig *findPanelByAddress(int address) const;
    QString panelName(int address) const;

    int markManeuverUse(int panelIndex, int slot);
    int markUsedElements();

private:
    QList<PanelConfig *> panels;
};

#endif // FACILITY_H
