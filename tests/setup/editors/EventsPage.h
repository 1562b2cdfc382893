#pragma once

#include "ActionTreeWidget.h"
#include "EditorSite.h"
#include "MyActionsWidget.h"
#include "MyLogicActionsWidget.h"

#include "Facility.h"
#include "PanelConfig.h"

#include <QMimeData>
#include <QTableWidget>
#include <QTreeWidget>
#include <QtTest>

#include <memory>

// An events page (MyActionsWidget, or MyLogicActionsWidget with logicPage) over a site, shown,
// with its trees and tables built, and the gestures the tests make on it.
struct EventsPage
{
    std::unique_ptr<Facility> site;
    std::unique_ptr<MyActionsWidget> owned;
    MyActionsWidget &page;
    QTreeWidget *events = nullptr;
    ActionTreeWidget *actions = nullptr;
    QTableWidget *inputs = nullptr;
    QTableWidget *outputs = nullptr;
    QTableWidget *logic = nullptr;

    explicit EventsPage(std::unique_ptr<Facility> s = EditorSite::threePanels(), bool logicPage = false)
        : site(std::move(s))
        , owned(logicPage ? std::make_unique<MyLogicActionsWidget>() : std::make_unique<MyActionsWidget>())
        , page(*owned)
    {
        page.facility = site.get();
        page.resize(1400, 1000);
        page.show();
        QApplication::setActiveWindow(&page);
        events = page.findChild<QTreeWidget *>(QStringLiteral("eventsWidget"));
        actions = page.findChild<ActionTreeWidget *>(QStringLiteral("actionsWidget"));
        inputs = page.findChild<QTableWidget *>(QStringLiteral("tableWidgetInputs"));
        outputs = page.findChild<QTableWidget *>(QStringLiteral("tableWidgetOutputs"));
        logic = page.findChild<QTableWidget *>(QStringLiteral("tableWidget_2"));
        refresh();
    }

    // What the main window does after the site changed.
    void refresh()
    {
        page.updateTrees();
        page.updateEventTable();
    }

    PanelConfig &panel(int i) { return *site->getPanel(i); }

    void press(QTreeWidgetItem *item, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QVERIFY(item);
        QTest::mouseClick(item->treeWidget()->viewport(), Qt::LeftButton, modifiers, EditorSite::centreOf(item));
    }

    void doubleClick(QTreeWidgetItem *item)
    {
        QVERIFY(item);
        doubleClickAt(item->treeWidget()->viewport(), EditorSite::centreOf(item));
    }

    // What a double click delivers: press, release, double click, release.
    static void doubleClickAt(QWidget *viewport, QPoint at)
    {
        QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
    }

    // A drag of the selected event item onto `target`, as the drag loop would
    // deliver it; returns the drop's final action.
    Qt::DropAction drop(QTreeWidgetItem *source, QTreeWidgetItem *target, const QMimeData *data = nullptr,
                        Qt::KeyboardModifiers modifiers = Qt::ShiftModifier)
    {
        std::unique_ptr<QMimeData> own;
        if (!data) {
            const QModelIndex index = events->indexFromItem(source);
            own.reset(events->model()->mimeData({index}));
            data = own.get();
        }
        const QPoint at = target ? EditorSite::centreOf(target) : QPoint(actions->viewport()->width() - 5,
                                                             actions->viewport()->height() - 5);
        const Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(at, offered, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(actions->viewport(), &enter);
        QDragMoveEvent move(at, offered, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(actions->viewport(), &move);
        QDropEvent dropEvent(at, offered, data, Qt::LeftButton, modifiers);
        QApplication::sendEvent(actions->viewport(), &dropEvent);
        return dropEvent.isAccepted() ? dropEvent.dropAction() : Qt::IgnoreAction;
    }

    // The slots the rows of a table show, visible rows only.
    QList<int> visibleIds(QTableWidget *table) const
    {
        QList<int> ids;
        for (int r = 0; r < table->rowCount(); ++r) {
            if (!table->isRowHidden(r))
                ids << table->item(r, 0)->type();
        }
        return ids;
    }

    void selectRows(QTableWidget *table, const QList<int> &rows)
    {
        table->clearSelection();
        for (int r : rows)
            table->selectionModel()->select(table->model()->index(r, 0),
                                            QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    void pressDelete(QWidget *focus)
    {
        focus->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(focus, Qt::Key_Delete);
    }

    QList<QByteArray> allManeuvers() const
    {
        QList<QByteArray> all;
        for (int i = 0; i < site->panelCount(); ++i)
            all << EditorSite::maneuverBytes(*site->getPanel(i)) + EditorSite::logicBytes(*site->getPanel(i));
        return all;
    }
};

