#pragma once
#include <QDialog>
#include <QtGlobal>

namespace Ui {
class DialogConfigTime;
}

// The date and time the "Configure time" command sends to the panel. The
// editor starts at the moment the dialog was opened; on accept the value is
// split into the one-byte fields of the panel's clock request.
class DialogConfigTime : public QDialog {
    Q_OBJECT
public:
    explicit DialogConfigTime(QWidget *parent = nullptr);
    ~DialogConfigTime() override;

    // Written on accept only; read them only after the dialog was accepted.
    quint8 second = 0;
    quint8 minute = 0;
    quint8 hour = 0;     // 24-hour clock
    quint8 day = 0;
    quint8 month = 0;    // January = 1
    quint8 year = 0;     // year modulo 100

private slots:
    void dialogAccepted();

private:
    Ui::DialogConfigTime *ui;
};
