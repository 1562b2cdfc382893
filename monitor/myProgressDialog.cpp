#include "myProgressDialog.h"

#include <QMouseEvent>

namespace {
const char StyleSheet[] =
    "QLabel{font-weight:bold; font-size:12px;}"
    "QProgressBar:horizontal {border: 1px solid #777777;border-radius: 3px;background: transparent;"
    "padding: 1px;text-align:center;height:20px;background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
    "stop: 0 #d9d9d9, stop: 1 #999999);color:#0e4c75;}"
    "QProgressBar::chunk:horizontal {border-radius: 3px;background: qlineargradient(x1: 0, y1: 0, x2: 0, "
    "y2: 1, stop: 0 #a6dfef, stop: 0.5 #2ba4c4, stop: 1 #164450);}";
}

myProgressDialog::myProgressDialog(QWidget *parent, const QString &title, const QString &label)
    : QProgressDialog(parent, Qt::WindowFlags())
{
    setMinimumWidth(400);
    setMinimumHeight(120);
    setWindowTitle(title);
    setLabelText(label);
    setAutoClose(true);
    setStyleSheet(QString::fromLatin1(StyleSheet));
    // The window type stays Qt::Dialog: with the customize hint alone a dialog
    // that has a parent becomes a child widget drawn inside the main window, and
    // it would no longer block the rest of the program. Setting the flags hides
    // the window, so the modality comes after them.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    setModal(true);
    setAutoFillBackground(true);
    show();
}

myProgressDialog::~myProgressDialog() = default;

void myProgressDialog::mousePressEvent(QMouseEvent *event)
{
    pressPosition = event->position().toPoint();
    event->accept();
}

void myProgressDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        move(pos() + event->position().toPoint() - pressPosition);
    event->accept();
}
