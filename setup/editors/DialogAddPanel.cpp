#include "DialogAddPanel.h"

#include "ui_DialogAddPanel.h"

DialogAddPanel::DialogAddPanel(const QString &presetName, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::DialogAddPanel>())
{
    ui->setupUi(this);
    setWindowTitle(tr("Add new Panel"));
    ui->lineEdit->setText(presetName);
    connect(ui->buttonBox, &QDialogButtonBox::accepted, this, &DialogAddPanel::slotAccept);
}

DialogAddPanel::~DialogAddPanel() = default;

void DialogAddPanel::slotAccept()
{
    m_name = ui->lineEdit->text().left(MaxNameLength);
}
