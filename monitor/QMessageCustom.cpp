#include "QMessageCustom.h"
#include "ui_QMessageCustom.h"

#include <QMouseEvent>
#include <QPixmap>

QMessageCustom::QMessageCustom(QWidget *parent)
    : QDialog(parent)
    , ui(std::make_unique<Ui::QMessageCustom>())
{
    ui->setupUi(this);
    // Without title-bar hints, but still a dialog window: with the customize hint
    // alone the box would be a child widget drawn inside its parent, and the
    // parent would stay usable while the box runs. The modality goes on after the
    // flags, on the window that stays.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint);
    setModal(true);
    connect(ui->chkShowAgain, &QCheckBox::clicked, this, &QMessageCustom::changeCheckbox);
    setAutoFillBackground(true);
}

QMessageCustom::~QMessageCustom() = default;

void QMessageCustom::setText(const QString &text)
{
    ui->lblText->setText(text);
}

void QMessageCustom::setIcon(const QString &path)
{
    const QPixmap picture(path);
    ui->lblImg->setPixmap(picture);
    ui->lblImg->setMinimumSize(picture.width(), picture.height());
}

void QMessageCustom::setButtons(QDialogButtonBox::StandardButtons buttons)
{
    ui->buttonBox->setStandardButtons(buttons);
}

void QMessageCustom::setCheckboxVisible(bool visible)
{
    ui->chkShowAgain->setVisible(visible);
}

void QMessageCustom::changeCheckbox()
{
    emit checkboxChange(ui->chkShowAgain->isChecked());
}

// The box has no title bar: it is dragged by any point of its own.
void QMessageCustom::mousePressEvent(QMouseEvent *event)
{
    pressPosition = event->position().toPoint();
}

void QMessageCustom::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & Qt::LeftButton)
        move(pos() + event->position().toPoint() - pressPosition);
}
