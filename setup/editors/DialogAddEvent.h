#pragma once

#include <QDialog>

#include <memory>

struct EventRecord;

namespace Ui {
class DialogAddEvent;
}

// Changes one stored maneuver within the scopes it was made with: which event of
// its source starts it, the zone range of a zone event, the delay and which
// action it takes. Loaded once from the opener's working record, run once, and
// stored back into the same record only after Accepted.
//
// A widget the user left as it was loaded writes nothing back: a code the lists
// cannot show, a device action code 3 or 4, a delay above 999, a reversed zone
// range and the matches value all pass through a plain OK unchanged.
class DialogAddEvent : public QDialog
{
    Q_OBJECT

public:
    explicit DialogAddEvent(QWidget *parent = nullptr);
    ~DialogAddEvent() override;

    void loadManeuver(const EventRecord &record);
    void storeManeuver(EventRecord &record) const;

public slots:
    void fromSpinerBoxValueChanged(int value);
    void toSpinerBoxValueChanged(int value);

private:
    void fillEventList(int scope);
    void fillActionList(int scope);

    std::unique_ptr<Ui::DialogAddEvent> ui;

    // What the widgets showed once loading had settled.
    struct Shown
    {
        int event = -1;
        int action = -1;
        int delay = 0;
        int fromZone = 0;
        int toZone = 0;
    } shown;
};
