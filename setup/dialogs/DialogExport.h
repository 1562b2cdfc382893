#pragma once
#include <QDialog>
#include <QString>

class QLineEdit;

namespace Ui {
class DialogExport;
}

// Collects the target file of each of the panel's four logs. A path field is
// filled only by its row's browse button; the dialog neither tests nor opens
// the paths, and an empty path means: do not download that log.
class DialogExport : public QDialog {
    Q_OBJECT
public:
    explicit DialogExport(QWidget *parent = nullptr);
    ~DialogExport() override;

    // Refuses, with a message, two rows that name the same file: each log
    // replaces its file whole, so only the later one would be left.
    void accept() override;

    // Written on accept only.
    QString alarmLogFile;
    QString faultLogFile;
    QString generalLogFile;
    QString testLogFile;

private slots:
    void slotButtonAlarmPressed();
    void slotButtonFaultPressed();
    void slotButtonGeneralPressed();
    void slotButtonTestPressed();
    void slotAccepted();

private:
    void browse(QLineEdit *field, const QString &startPath);

    Ui::DialogExport *ui;
};
