#include "DialogAskPassword.h"
#include "ui_DialogAskPassword.h"

DialogAskPassword::DialogAskPassword(QWidget *parent) : QDialog(parent), ui(new Ui::DialogAskPassword)
{
    ui->setupUi(this);
    connect(this, &QDialog::accepted, this, &DialogAskPassword::acceptedSlot);
}

DialogAskPassword::~DialogAskPassword()
{
    delete ui;
}

void DialogAskPassword::acceptedSlot()
{
    password = ui->lineEdit->text();
}
