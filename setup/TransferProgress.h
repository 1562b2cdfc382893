#pragma once
#include <QProgressDialog>

// The progress window of one panel transfer. It stays up, modal, until its
// owner destroys it: Abort (its button, Escape or the window's close button)
// only asks the procedure to stop, which it notices between steps. Value and
// range never close or reset it.
class TransferProgress : public QProgressDialog {
    Q_OBJECT
public:
    TransferProgress(const QString &label, const QString &title, const QString &abortText, int maximum,
                     QWidget *parent);

    bool abortRequested() const { return m_abort; }

public slots:
    // Escape and the close button land here: counted as Abort, the window stays.
    void reject() override;

private:
    void requestAbort() { m_abort = true; }

    bool m_abort = false;
};
