#pragma once
#include <QDialog>
#include <QStringList>

namespace Ui {
class DialogChoosePanel;
}

// Lets the user pick one panel of the site by name before a transfer.
class DialogChoosePanel : public QDialog {
    Q_OBJECT
public:
    DialogChoosePanel(const QStringList &names, const QString &title, const QString &label,
                      QWidget *parent = nullptr);
    ~DialogChoosePanel() override;

    // Position of the chosen name in the list given; -1 when the list was empty
    // or nothing is chosen, which the caller must treat as no panel.
    int selectedIndex() const;

private:
    Ui::DialogChoosePanel *ui;
};
