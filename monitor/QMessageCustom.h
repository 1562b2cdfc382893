#pragma once
#include <QDialog>
#include <QDialogButtonBox>
#include <QPoint>

#include <memory>

namespace Ui {
class QMessageCustom;
}

// The monitor's own message box: a picture, a word-wrapped text, an optional
// "Don't ask me again " check box and standard buttons, without title-bar
// buttons, dragged with the mouse. Its form holds the loop-scan question.
// exec() gives 1 for a button of the accept or yes role (Ok, Retry, Yes) and 0
// otherwise (Cancel, No, Escape).
class QMessageCustom : public QDialog {
    Q_OBJECT
public:
    explicit QMessageCustom(QWidget *parent = nullptr);
    ~QMessageCustom() override;

    void setText(const QString &text);
    // A picture's resource path; the picture keeps at least its own size.
    void setIcon(const QString &path);
    void setButtons(QDialogButtonBox::StandardButtons buttons);
    void setCheckboxVisible(bool visible);

signals:
    // Each click on the check box, with its new state (true when ticked).
    void checkboxChange(bool checked);

public slots:
    void changeCheckbox();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    std::unique_ptr<Ui::QMessageCustom> ui;
    QPoint pressPosition;
};
