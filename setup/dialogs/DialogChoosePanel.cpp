#include "DialogChoosePanel.h"
#include "ui_DialogChoosePanel.h"

DialogChoosePanel::DialogChoosePanel(const QStringList &names, const QString &title, const QString &label,
                                     QWidget *parent)
    : QDialog(parent), ui(new Ui::DialogChoosePanel)
{
    ui->setupUi(this);
    ui->label->setText(label);
    ui->comboBox->addItems(names);
    setWindowTitle(title);
}

DialogChoosePanel::~DialogChoosePanel()
{
    delete ui;
}

int DialogChoosePanel::selectedIndex() const
{
    return ui->comboBox->currentIndex();
}
