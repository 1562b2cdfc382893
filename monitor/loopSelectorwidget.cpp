#include "loopSelectorwidget.h"
#include "ui_loopSelectorwidget.h"

#include <QContextMenuEvent>
#include <QMenu>

#include <algorithm>

loopSelectorwidget::loopSelectorwidget(QWidget *parent)
    : QWidget(parent)
    , ui(std::make_unique<Ui::loopSelectorwidget>())
{
    ui->setupUi(this);
    setControlsEnabled(false);
    connect(ui->butPrevLoop, &QPushButton::clicked, this, &loopSelectorwidget::SetPrevLoop);
    connect(ui->butNextLoop, &QPushButton::clicked, this, &loopSelectorwidget::SetNextLoop);
}

loopSelectorwidget::~loopSelectorwidget() = default;

void loopSelectorwidget::setLoopCount(unsigned char count)
{
    loopCount = std::min<unsigned char>(count, MaxLoops);
    countKnown = true;
    showLoopText();
    updateButtons();
}

void loopSelectorwidget::setPresentLoops(const unsigned char *flags, int count)
{
    const int n = flags ? std::clamp(count, 0, MaxLoops) : 0;
    std::copy(flags, flags + n, presentLoops);
    updateButtons();
}

void loopSelectorwidget::setCurrentLoop(unsigned char loop)
{
    if (loop < MaxLoops) {
        selectedLoop = loop;
        showLoopText();
    }
    updateButtons();
}

void loopSelectorwidget::setControlsEnabled(bool enabled)
{
    controlsEnabled = enabled;
    ui->butPrevLoop->setEnabled(enabled);
    ui->lblLoop->setEnabled(enabled);
    ui->butNextLoop->setEnabled(enabled);
    updateButtons();
}

// Positions only: an arrow may stay enabled with no present loop in its direction.
void loopSelectorwidget::updateButtons()
{
    if (!controlsEnabled) {
        ui->butPrevLoop->setEnabled(false);
        ui->butNextLoop->setEnabled(false);
        return;
    }
    const bool several = loopCount >= 2;
    ui->butPrevLoop->setEnabled(several && selectedLoop > 0);
    ui->butNextLoop->setEnabled(several && selectedLoop + 1 < loopCount);
}

void loopSelectorwidget::showLoopText()
{
    if (!countKnown) {
        ui->lblLoop->setText(QStringLiteral("--/--"));
        return;
    }
    ui->lblLoop->setText(QString::number(selectedLoop + 1) + QLatin1Char('/') + QString::number(loopCount));
}

void loopSelectorwidget::SetPrevLoop()
{
    for (int i = int(selectedLoop) - 1; i >= 0; --i) {
        if (presentLoops[i]) {
            selectedLoop = static_cast<unsigned char>(i);
            showLoopText();
            // Delivered at once: the window's change of loop runs before the arrows follow.
            emit loopChange(selectedLoop);
            break;
        }
    }
    updateButtons();
}

void loopSelectorwidget::SetNextLoop()
{
    for (int i = selectedLoop + 1; i < loopCount; ++i) {
        if (presentLoops[i]) {
            selectedLoop = static_cast<unsigned char>(i);
            showLoopText();
            emit loopChange(selectedLoop);
            break;
        }
    }
    updateButtons();
}

void loopSelectorwidget::contextMenuEvent(QContextMenuEvent *event)
{
    if (contextMenu && contextMenu->isVisible()) {
        contextMenu->close();
        contextMenu = nullptr;
        return;
    }
    auto *menu = new QMenu(this);
    // A menu goes once it has closed, by a choice or otherwise.
    connect(menu, &QMenu::aboutToHide, this, [this, menu] { retireClosedMenu(menu); });
    for (int n = 1; n <= loopCount; ++n) {
        QAction *entry = menu->addAction(tr("Loop") + QLatin1Char(' ') + QString::number(n));
        entry->setCheckable(true);
        entry->setData(n - 1);
        connect(entry, &QAction::triggered, this, &loopSelectorwidget::selectLoopSlot);
    }
    contextMenu = menu;
    menu->popup(event->globalPos());
}

void loopSelectorwidget::retireClosedMenu(QMenu *menu)
{
    // Deferred, so the entry being triggered (QMenu hides before it triggers) is
    // still there. The deferred deletions may run inside the event loops of the
    // window's change of loop (the scan question, an exploration) while the menu
    // is still delivering its choice: that menu is left to selectLoopSlot, which
    // deletes it once the choice has been handled.
    auto *marker = new QObject(this);
    connect(marker, &QObject::destroyed, menu, [this, menu] {
        if (menu != deliveringMenu)
            delete menu;
    });
    marker->deleteLater();
}

void loopSelectorwidget::selectLoopSlot()
{
    if (!contextMenu)
        return;
    // Read the choice before anything is emitted: the window's change of loop may
    // run event loops of its own.
    QList<unsigned char> chosen;
    const auto entries = contextMenu->actions();
    for (const QAction *entry : entries)
        if (entry->isChecked())
            chosen.append(static_cast<unsigned char>(entry->data().toInt()));
    QPointer<QMenu> menu = contextMenu;
    contextMenu = nullptr;
    deliveringMenu = menu;
    menu->close();
    for (unsigned char loop : chosen) {
        selectedLoop = loop;
        emit loopChange(loop);
    }
    deliveringMenu = nullptr;
    if (menu)
        menu->deleteLater();
    showLoopText();
    updateButtons();
}
