#pragma once
#include <QPoint>
#include <QProgressDialog>

// The progress window of the monitor's long operations: styled, without title-bar
// buttons, shown as soon as it is built, and moved by dragging it with the mouse.
// Callers use the base class for the rest: the value, wasCanceled(), close().
class myProgressDialog : public QProgressDialog {
public:
    myProgressDialog(QWidget *parent, const QString &title, const QString &label);
    ~myProgressDialog() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    QPoint pressPosition;
};
