#include "MyQSortFilterProxyModel.h"

#include "PanelModel.h"

MyQSortFilterProxyModel::MyQSortFilterProxyModel(QObject *parent)
    : QSortFilterProxyModel(parent)
{
    setDynamicSortFilter(true);
    setFilterKeyColumn(0);
}

void MyQSortFilterProxyModel::refreshFilter()
{
    invalidateFilter();
}

bool MyQSortFilterProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex &) const
{
    const auto *model = qobject_cast<const PanelModel *>(sourceModel());
    return model == nullptr || !model->isRowHidden(sourceRow);
}
