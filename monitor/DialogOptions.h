#pragma once
#include <QDialog>

#include <memory>

class QAbstractButton;
class MyConfigOptions;
namespace Ui {
class DialogOptions;
}

// The monitor's options dialog: columns of the point table, analog values to
// poll, poll period and data logging. The options object changes only when the
// user accepts; "Restore Defaults" puts the defaults into the widgets alone, so a
// later Cancel leaves the object as it was. Options the dialog does not show
// (statistics pane, opto-heat, language, current loop) are never touched. The
// caller saves and applies the options after an Accepted run.
class DialogOptions : public QDialog {
    Q_OBJECT
public:
    DialogOptions(MyConfigOptions *options, QWidget *parent = nullptr);
    ~DialogOptions() override;

public slots:
    void acceptedSlot();
    void setDefaultSlot(QAbstractButton *button);
    void slotAbsoluteSettings(bool enable);
    void slotNormalizedSettings(bool enable);

private:
    void loadFromOptions(const MyConfigOptions &source);

    MyConfigOptions *options;
    std::unique_ptr<Ui::DialogOptions> ui;
};
