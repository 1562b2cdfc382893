#pragma once
#include <QDialog>
#include <QString>

namespace Ui {
class DialogAskPassword;
}

// Asks for the installer password before a transfer with a panel whose access
// code is not the factory one. The dialog only collects the text; the caller
// compares it with the code read from the panel.
class DialogAskPassword : public QDialog {
    Q_OBJECT
public:
    explicit DialogAskPassword(QWidget *parent = nullptr);
    ~DialogAskPassword() override;

    // The text typed, taken when the dialog is accepted; empty before.
    QString password;

private slots:
    void acceptedSlot();

private:
    Ui::DialogAskPassword *ui;
};
