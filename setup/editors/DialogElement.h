#pragma once
#include "DeviceRecord.h"

#include <QDialog>
#include <QString>
#include <QStringList>

#include <memory>

class Facility;

namespace Ui {
class DialogElement;
}

// Describes an element before it is added to a loop ("Add new element") or
// changes a stored element ("Modify element"). It stores nothing itself: on Ok
// it turns the form into one element record, a quantity and a zone name, which
// the element commands read and apply.
//
// In modify mode Ok keeps whatever the user did not touch exactly as it was
// stored: an enable byte of 2 (test), a model the type list cannot show, the
// option bits other than Tech and Sound, a zone number above the spin box.
class DialogElement : public QDialog {
    Q_OBJECT
public:
    enum Mode { AddMode, ModifyMode };

    // panel, loop and address are the 0-based presets (loop -1 shows as 1). In
    // modify mode the element is the stored one and its zone is read from the
    // facility; panel, loop and address cannot be changed there.
    DialogElement(QWidget *parent, const QStringList &panelNames, const DeviceRecord &element, Mode mode,
                  Facility *facility, int panel, int loop, int address);
    ~DialogElement() override;

    // Copies the element built on Ok into `element`, then counts one off the
    // quantity and moves the dialog's address on by one. Returns how many are
    // still to hand out: 0 when the quantity is used up or the address had
    // already passed 249.
    int takeDevice(DeviceRecord &element);
    int quantity() const;
    // Read after Ok.
    QString zoneName() const { return m_zoneName; }
    int panelIndex() const { return m_panelIndex; }

public slots:
    void acceptedSlot();
    void zoneSpinBoxChangedSlot();
    void comboBoxTypeChangedSlot(int index);

private:
    // The zone the form stands for: the stored one while the spin box shows
    // the value it was loaded with (a stored zone above 249 included).
    int chosenZone() const;
    bool zoneUntouched() const;
    bool modelKept() const;
    int storedTypeAt(int panel, int loop, int address) const;

    std::unique_ptr<Ui::DialogElement> ui;
    Mode m_mode;
    DeviceRecord m_element;
    DeviceRecord m_stored;       // the element as given to the constructor
    Facility *m_facility;
    int m_panelIndex = 0;
    int m_quantity = 1;
    int m_address = 0;           // the address takeDevice hands out next
    QString m_zoneName;

    // What the form showed when it was loaded, to tell the user's changes.
    int m_loadedTypeIndex = -1;
    int m_loadedZoneValue = 1;
    QString m_loadedZoneText;
    bool m_loadedEnabled = true;
    QString m_loadedDescription;
    bool m_techOffered = false;
    bool m_soundOffered = false;
};
