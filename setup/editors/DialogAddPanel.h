#pragma once
#include <QDialog>
#include <QString>

#include <memory>

namespace Ui {
class DialogAddPanel;
}

// Asks for the name of a new panel ("Add new Panel").
class DialogAddPanel : public QDialog {
    Q_OBJECT
public:
    static constexpr int MaxNameLength = 32;

    explicit DialogAddPanel(const QString &presetName, QWidget *parent = nullptr);
    ~DialogAddPanel() override;

    // The name typed, cut to MaxNameLength characters; set when Ok is pressed.
    QString name() const { return m_name; }

public slots:
    void slotAccept();

private:
    std::unique_ptr<Ui::DialogAddPanel> ui;
    QString m_name;
};
