#include "DialogConfigTime.h"
#include "ui_DialogConfigTime.h"

#include <QDateTime>

DialogConfigTime::DialogConfigTime(QWidget *parent) : QDialog(parent), ui(new Ui::DialogConfigTime)
{
    ui->setupUi(this);
    setWindowTitle(tr("Configure date and time"));
    connect(this, &QDialog::accepted, this, &DialogConfigTime::dialogAccepted);
    ui->dateTimeEdit->setDateTime(QDateTime::currentDateTime());
}

DialogConfigTime::~DialogConfigTime()
{
    delete ui;
}

void DialogConfigTime::dialogAccepted()
{
    const QDateTime value = ui->dateTimeEdit->dateTime();
    const QDate date = value.date();
    const QTime time = value.time();
    day = quint8(date.day());
    month = quint8(date.month());
    year = quint8(date.year() % 100);
    hour = quint8(time.hour());
    minute = quint8(time.minute());
    second = quint8(time.second());
}
