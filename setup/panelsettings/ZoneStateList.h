#pragma once
#include <QListWidget>
#include <QStringList>

// One of the three zone lists of the panel settings dialog ("Enabled zones",
// "Disabled zones", "Zones in test"). A zone dragged from one list to another
// is copied, never moved: the dialog rebuilds the lists from the panel after
// every drop. Only drags of these lists are taken; a drop from anywhere else
// (another program, another view) carries none of our data and is refused.
class ZoneStateList : public QListWidget {
    Q_OBJECT
public:
    static const QString MimeType;

    explicit ZoneStateList(QWidget *parent = nullptr);

protected:
    QStringList mimeTypes() const override;
    Qt::DropActions supportedDropActions() const override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    bool takes(const QDropEvent *event) const;
};
