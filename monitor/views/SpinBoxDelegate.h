#pragma once
#include <QItemDelegate>

// An integer spin box with fixed bounds for the point parameters (threshold,
// sensitivity). Only a value the user entered, and that differs from what the
// cell shows, is written to the model: every write is a request to the panel.
class SpinBoxDelegate : public QItemDelegate {
    Q_OBJECT
public:
    SpinBoxDelegate(QObject *parent, int minimum, int maximum);

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override;
    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    int maximum;
    int minimum;
};
