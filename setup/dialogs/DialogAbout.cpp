#include "DialogAbout.h"
#include "ui_DialogAbout.h"

#include "SetupVersion.h"

DialogAbout::DialogAbout(QWidget *parent) : QDialog(parent), ui(new Ui::DialogAbout)
{
    ui->setupUi(this);
    connect(ui->pushButton, &QPushButton::clicked, this, &QWidget::close);

    // The version and the date follow their texts directly: the blank between
    // them belongs to the translated text.
    ui->label_1->setText(tr(" Addressable Fire System Brelix USB Configuration Software ")
                         + QLatin1String(SetupVersion::VersionText));
    ui->label_2->setText(tr("Compilation Date ") + QLatin1String(SetupVersion::ReleaseDate));
    ui->label_4->setText(tr("Copyright © 2019 Brelix. All rights reserved."));
    ui->label_3->setText(
        tr("For support write to <a href=\"mailto:support@brelix.example\">support@brelix.example</a> "
           "or visit <a href=\"https://www.brelix.example\">www.brelix.example</a>"));
    ui->label_3->setTextFormat(Qt::RichText);
    ui->label_3->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse
                                         | Qt::LinksAccessibleByKeyboard);
    ui->label_3->setOpenExternalLinks(true);
}

DialogAbout::~DialogAbout()
{
    delete ui;
}
