#include "LoopExploration.h"

#include "PanelModel.h"
#include "Pause.h"
#include "WindowLogging.h"
#include "myProgressDialog.h"

#include <QCoreApplication>

LoopExploration::LoopExploration(PanelModel &model, quint8 loop, QWidget *dialogParent,
                                 std::function<void()> refreshViews)
    : m_model(model), m_loop(loop), m_parent(dialogParent), m_refreshViews(std::move(refreshViews))
{
}

LoopExploration::~LoopExploration() = default;

LoopExploration::Result LoopExploration::run()
{
    m_progress = std::make_unique<myProgressDialog>(m_parent.data(), tr("Scaning Loop"), tr("Scaning loop. Please wait..."));
    Result result = Result::Complete;
    for (int a = 0; a < Addresses; ++a) {
        if (m_progress->wasCanceled()) {
            result = Result::Cancelled;
            break;
        }
        // Nothing more can be learnt over a closed link.
        if (!m_model.isConnected()) {
            result = Result::LinkLost;
            break;
        }
        m_progress->setValue((a + 1) * 100 / Addresses);
        const quint8 address = quint8(a);
        m_model.readPointState(m_loop, address);
        QCoreApplication::processEvents();
        Pause::ms(PauseMs);
        if (m_model.pointType(m_loop, address) != 0)
            m_model.readPointCounters(m_loop, address);
        if (m_refreshViews)
            m_refreshViews();
        QCoreApplication::processEvents();
        Pause::ms(PauseMs);
    }
    if (result == Result::Complete && !m_model.isConnected())
        result = Result::LinkLost;
    qCDebug(lcWindow) << "loop" << m_loop + 1 << "explored:" << int(result);
    m_progress->close();
    m_progress.reset();
    return result;
}
