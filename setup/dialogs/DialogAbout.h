#pragma once
#include <QDialog>

namespace Ui {
class DialogAbout;
}

// panelsetup's about box: product picture, version, release date, support
// links and the legal notice.
class DialogAbout : public QDialog {
    Q_OBJECT
public:
    explicit DialogAbout(QWidget *parent = nullptr);
    ~DialogAbout() override;

private:
    Ui::DialogAbout *ui;
};
