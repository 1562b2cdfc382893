#include "TransferProgress.h"

TransferProgress::TransferProgress(const QString &label, const QString &title, const QString &abortText,
                                   int maximum, QWidget *parent)
    : QProgressDialog(label, abortText, 0, maximum, parent)
{
    // QProgressDialog hides itself on cancel; a transfer keeps its window until
    // the step in progress is done, so that nothing else can start meanwhile.
    disconnect(this, SIGNAL(canceled()), this, SLOT(cancel()));
    connect(this, &QProgressDialog::canceled, this, [this] { requestAbort(); });
    setAutoReset(false);
    setAutoClose(false);
    setWindowTitle(title);
    setMinimumSize(320, 140);
    setMaximumSize(320, 140);
    setModal(true);
    setWindowModality(Qt::WindowModal);
}

void TransferProgress::reject()
{
    requestAbort();
}
