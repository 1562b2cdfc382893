#include "DialogExport.h"
#include "ui_DialogExport.h"

#include "FilePrompt.h"

#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QSet>

DialogExport::DialogExport(QWidget *parent) : QDialog(parent), ui(new Ui::DialogExport)
{
    ui->setupUi(this);
    setWindowTitle(tr("Export logs to CSV dialog"));

    const QIcon open(QStringLiteral(":/buttons/open"));
    for (QLineEdit *field : {ui->lineEdit_1, ui->lineEdit_2, ui->lineEdit_3, ui->lineEdit_4})
        field->setEnabled(false);
    for (QPushButton *button : {ui->pushButton_1, ui->pushButton_2, ui->pushButton_3, ui->pushButton_4})
        button->setIcon(open);

    // The file dialog opens as the button goes down, not when it is released.
    connect(ui->pushButton_1, &QPushButton::pressed, this, &DialogExport::slotButtonAlarmPressed);
    connect(ui->pushButton_2, &QPushButton::pressed, this, &DialogExport::slotButtonFaultPressed);
    connect(ui->pushButton_3, &QPushButton::pressed, this, &DialogExport::slotButtonGeneralPressed);
    connect(ui->pushButton_4, &QPushButton::pressed, this, &DialogExport::slotButtonTestPressed);
    connect(this, &QDialog::accepted, this, &DialogExport::slotAccepted);
}

DialogExport::~DialogExport()
{
    delete ui;
}

// The answer stands as the file dialog gave it: a cancelled dialog empties the
// field, and no suffix is added.
void DialogExport::browse(QLineEdit *field, const QString &startPath)
{
    field->setText(FilePrompt::saveFileName(this, tr("Open or Create CSV"), startPath, tr("CSV files (*.csv)")));
}

void DialogExport::slotButtonAlarmPressed()
{
    browse(ui->lineEdit_1, QStringLiteral(".alarms"));
}

void DialogExport::slotButtonFaultPressed()
{
    browse(ui->lineEdit_2, QStringLiteral(".faults"));
}

void DialogExport::slotButtonGeneralPressed()
{
    browse(ui->lineEdit_3, QStringLiteral(".general"));
}

void DialogExport::slotButtonTestPressed()
{
    browse(ui->lineEdit_4, QStringLiteral(".test"));
}

void DialogExport::accept()
{
    QSet<QString> files;
    for (const QLineEdit *field : {ui->lineEdit_1, ui->lineEdit_2, ui->lineEdit_3, ui->lineEdit_4}) {
        if (field->text().isEmpty())
            continue;
        const QString file = QDir::cleanPath(QFileInfo(field->text()).absoluteFilePath());
        if (files.contains(file)) {
            QMessageBox::warning(this, tr("Error"), tr("Error: two logs cannot be written to the same file"));
            return;
        }
        files.insert(file);
    }
    QDialog::accept();
}

void DialogExport::slotAccepted()
{
    alarmLogFile = ui->lineEdit_1->text();
    faultLogFile = ui->lineEdit_2->text();
    generalLogFile = ui->lineEdit_3->text();
    testLogFile = ui->lineEdit_4->text();
}
