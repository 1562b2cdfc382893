#pragma once
#include <QDialog>
#include <QHash>
#include <QString>
#include <QVariant>

#include <memory>

class PanelConfig;
class QListWidget;
class QListWidgetItem;
struct SpecialMode;

namespace Ui {
class DialogEditPanel;
}

// "Edit panel": the settings of one panel of the site, on four tabs. The dialog
// works on the caller's PanelConfig: the constructor loads every field into the
// form, Ok stores the first three tabs back (acceptedSlot), and a drop between
// the zone lists of the "Zones" tab sets the enable byte of a zone's elements at
// once, whatever way the dialog is left.
//
// Ok changes no field the user did not change: a field whose widget still shows
// what it was loaded with keeps its stored value (an invalid mode, baud rate or
// day, a value outside a spin box, unknown bits of panelFlags and of the web
// server options); a web-server block that holds no settings stays so until one
// of its widgets is changed.
class DialogEditPanel : public QDialog {
    Q_OBJECT
public:
    // List state codes, the zone states of ZoneRecord.
    enum ZoneListState { EnabledZones = 0, DisabledZones = 1, TestZones = 2 };

    explicit DialogEditPanel(PanelConfig *panel, QWidget *parent = nullptr);
    ~DialogEditPanel() override;

    // The 4 bytes as dotted decimal text.
    static QString ipToString(const unsigned char bytes[4]);
    // Stores the first 4 dot-separated parts of the text into `bytes`, first
    // part first; an empty or non-numeric part is 0, parts beyond the text keep
    // their bytes. False, with nothing stored, when a part is above 255.
    static bool parseIp(const QString &text, unsigned char bytes[4]);

    void loadWebServer();
    // Rebuilds the three zone lists from the panel's elements.
    void fillZoneLists();
    // The zone the row of `item` stands for in the list of `state`; -1 when none.
    int zoneIndexOfRow(QListWidgetItem *item, int state) const;

    // Refuses an address part above 255 with a message and stays open.
    void accept() override;

public slots:
    void acceptedSlot();
    void slotRS485ModeChanged();
    void slotRS485_2ModeChanged();
    void slotTogglingLedChanged();
    void slotWSAutenticationChanged();
    void slotWSdhcpChanged();
    void slotEnabledZonePressed(QListWidgetItem *item);
    void slotTestZonePressed(QListWidgetItem *item);
    void slotDisabledZonePressed(QListWidgetItem *item);
    void slotEnableZone(QListWidgetItem *item);
    void slotDisableZone(QListWidgetItem *item);
    void slotTestZone(QListWidgetItem *item);

private:
    struct ModeWidgets;

    void loadMode(const SpecialMode &mode, const ModeWidgets &widgets);
    void storeMode(SpecialMode &mode, const ModeWidgets &widgets) const;
    void rememberLoadedValues();
    bool changed(const QWidget *widget) const;
    // Whether Ok writes the web-server block, and then whether it fills it afresh.
    bool storesWebServer() const;
    bool webServerWasEmpty() const;
    void zonePressed(QListWidgetItem *item, int state);
    void zoneDropped(int enable);
    QListWidget *zoneList(int state) const;

    std::unique_ptr<Ui::DialogEditPanel> ui;
    PanelConfig *m_panel;
    QHash<const QWidget *, QVariant> m_loaded;
    // The zone and the list of the last press; -1 once the lists are rebuilt.
    int m_pressedZone = -1;
    int m_pressedState = -1;
    bool m_refillQueued = false;
};
