#pragma once
#include <QSortFilterProxyModel>

// The point table as the view sees it: sorted by the clicked column, without the
// addresses of the shown loop where there is no element at all.
class MyQSortFilterProxyModel : public QSortFilterProxyModel {
    Q_OBJECT
public:
    explicit MyQSortFilterProxyModel(QObject *parent = nullptr);

    // Filters every row again; for a change the source announces no data change
    // for (another loop shown while the link is down, or with dynamic filtering off).
    void refreshFilter();

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
};
