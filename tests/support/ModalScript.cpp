#include "ModalScript.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QDateTime>
#include <QDialog>
#include <QKeyEvent>
#include <QProgressDialog>

ModalScript::ModalScript(QObject *parent) : QObject(parent)
{
    m_timer.setInterval(5);
    connect(&m_timer, &QTimer::timeout, this, &ModalScript::poll);
}

ModalScript::~ModalScript() = default;

ModalScript &ModalScript::on(Match match, Step step, const QString &what)
{
    m_steps.append(Entry{std::move(match), std::move(step), what.isEmpty() ? QStringLiteral("a modal window") : what});
    return *this;
}

ModalScript &ModalScript::messageBox(QMessageBox::StandardButton button)
{
    return on([](QWidget *w) { return qobject_cast<QMessageBox *>(w) != nullptr; },
              [this, button](QWidget *w) {
                  auto *box = qobject_cast<QMessageBox *>(w);
                  m_messages.append(box->text());
                  if (QAbstractButton *b = box->button(button))
                      b->click();
                  else
                      box->done(button);
              },
              QStringLiteral("a message box"));
}

bool ModalScript::isProgressDialog(QWidget *w)
{
    return qobject_cast<QProgressDialog *>(w) != nullptr;
}

void ModalScript::clickStandardButton(QWidget *w, QDialogButtonBox::StandardButton button)
{
    const auto boxes = w->findChildren<QDialogButtonBox *>();
    for (QDialogButtonBox *box : boxes) {
        if (QAbstractButton *b = box->button(button)) {
            b->click();
            return;
        }
    }
    auto *dialog = qobject_cast<QDialog *>(w);
    if (!dialog)
        return;
    if (button == QDialogButtonBox::Ok || button == QDialogButtonBox::Yes || button == QDialogButtonBox::Save) {
        // A box whose accepting button is not a standard Ok.
        for (QDialogButtonBox *box : boxes) {
            for (QAbstractButton *b : box->buttons()) {
                if (box->buttonRole(b) == QDialogButtonBox::AcceptRole) {
                    b->click();
                    return;
                }
            }
        }
        dialog->accept();
    } else {
        dialog->reject();
    }
}

ModalScript &ModalScript::pressOk()
{
    return on([](QWidget *w) { return qobject_cast<QDialog *>(w) && !isProgressDialog(w); },
              [](QWidget *w) { clickStandardButton(w, QDialogButtonBox::Ok); }, QStringLiteral("a dialog to accept"));
}

ModalScript &ModalScript::pressCancel()
{
    return on([](QWidget *w) { return qobject_cast<QDialog *>(w) && !isProgressDialog(w); },
              [](QWidget *w) { clickStandardButton(w, QDialogButtonBox::Cancel); },
              QStringLiteral("a dialog to cancel"));
}

ModalScript &ModalScript::thenNothingElse()
{
    return on([](QWidget *w) { return !isProgressDialog(w); },
              [](QWidget *w) {
                  if (auto *d = qobject_cast<QDialog *>(w))
                      d->reject();
                  else
                      w->close();
              },
              QStringLiteral("an unexpected window"));
}

void ModalScript::start(int timeoutMs)
{
    m_timeoutMs = timeoutMs;
    m_waitStarted = QDateTime::currentMSecsSinceEpoch();
    m_failure.clear();
    if (m_next < m_steps.size() || m_rejectUnexpected)
        m_timer.start();
}

void ModalScript::stop()
{
    m_timer.stop();
}

QString ModalScript::failure() const
{
    if (!m_failure.isEmpty())
        return m_failure;
    if (m_next < m_steps.size())
        return QStringLiteral("step %1 (%2) never ran").arg(m_next + 1).arg(m_steps.at(m_next).what);
    return QString();
}

void ModalScript::rejectUnexpected(QWidget *w)
{
    auto *dialog = qobject_cast<QDialog *>(w);
    if (!dialog || isProgressDialog(w))
        return;
    QString text;
    if (auto *box = qobject_cast<QMessageBox *>(w))
        text = box->text();
    m_unexpected.append(QString::fromLatin1(w->metaObject()->className()) + QStringLiteral(": ") + w->windowTitle()
                        + QStringLiteral(": ") + text);
    m_done.append(QPointer<QWidget>(w));
    // As the user pressing Escape: a message box answers with its escape button.
    QPointer<QDialog> target(dialog);
    QMetaObject::invokeMethod(
        this,
        [target]() {
            if (!target)
                return;
            QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QCoreApplication::sendEvent(target.data(), &escape);
            if (target && target->isVisible())
                target->reject();
        },
        Qt::QueuedConnection);
}

void ModalScript::poll()
{
    QWidget *w = QApplication::activeModalWidget();
    bool fresh = w && w->isVisible();
    if (fresh) {
        for (const QPointer<QWidget> &d : m_done)
            if (d == w)
                fresh = false;
    }
    if (m_next >= m_steps.size() || !m_failure.isEmpty()) {
        if (!m_rejectUnexpected) {
            m_timer.stop();
            return;
        }
        if (fresh)
            rejectUnexpected(w);
        return;
    }
    if (fresh && m_steps.at(m_next).match(w)) {
        const Entry entry = m_steps.at(m_next);
        m_done.append(QPointer<QWidget>(w));
        m_titles.append(w->windowTitle());
        ++m_next;
        m_waitStarted = QDateTime::currentMSecsSinceEpoch();
        if (m_next >= m_steps.size() && !m_rejectUnexpected)
            m_timer.stop();
        // Run outside this timer's slot: Qt does not fire a timer inside its own
        // slot, so a window the step opens in turn could not be answered.
        QPointer<QWidget> target(w);
        QMetaObject::invokeMethod(
            this,
            [entry, target]() {
                if (target)
                    entry.step(target);
            },
            Qt::QueuedConnection);
        return;
    }
    if (QDateTime::currentMSecsSinceEpoch() - m_waitStarted > m_timeoutMs) {
        m_failure = QStringLiteral("timed out waiting for step %1 (%2); active modal widget: %3")
                        .arg(m_next + 1)
                        .arg(m_steps.at(m_next).what)
                        .arg(w ? QString::fromLatin1(w->metaObject()->className()) + QLatin1Char(' ') + w->windowTitle()
                               : QStringLiteral("none"));
        if (!m_rejectUnexpected)
            m_timer.stop();
        emit failed();
    }
}
