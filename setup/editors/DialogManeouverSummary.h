#pragma once

#include <QDialog>

#include <memory>

class Facility;

namespace Ui {
class DialogManeouverSummary;
}

// Lists every maneuver of every panel of the site, with the panel's name and the
// texts of its event and its action; on request the logic maneuvers instead.
// Reads the site only.
class DialogManeouverSummary : public QDialog
{
    Q_OBJECT

public:
    explicit DialogManeouverSummary(const Facility *facility, QWidget *parent = nullptr);
    ~DialogManeouverSummary() override;

    void fillEvents();
    void fillLogicEvents();

public slots:
    void toggleActions();

private:
    void appendRow(const QString &panel, const QString &input, const QString &output);

    std::unique_ptr<Ui::DialogManeouverSummary> ui;
    const Facility *facility = nullptr;
    bool showingLogicEvents = false;
};
