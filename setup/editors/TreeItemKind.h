#pragma once
#include <QTreeWidgetItem>

#include <memory>

// Item codes of panelsetup's trees: the kind in bits 12-15 of the item type and
// the low byte of the item's number beside it. A site may hold more than 256
// panels, so the whole number is kept in the item's data as well: no command
// takes a panel from the low byte, which would make panel 256 answer as panel 0
// (the element tree reads the data, the event trees a panel item's position).
namespace TreeItemKind {

enum Kind : int {
    Element = 0x1000,   // element or module row: its (first) 0-based address
    Zone = 0x2000,      // zone index
    Loop = 0x3000,      // loop index 0-7
    Panel = 0x4000,     // index of the panel in the facility's list
    Group = 0x6000,     // group node
};

constexpr int KindMask = 0xF000;
constexpr int NumberRole = Qt::UserRole + 1;

inline int code(Kind kind, int number)
{
    return kind | (number & 0xFF);
}

inline int kindOf(const QTreeWidgetItem *item)
{
    return item ? item->type() & KindMask : 0;
}

inline int numberOf(const QTreeWidgetItem *item)
{
    return item ? item->data(0, NumberRole).toInt() : -1;
}

// A new item of the kind and number, not yet in a tree: the caller hands it to
// its parent item or to the tree, which own it from then on.
inline std::unique_ptr<QTreeWidgetItem> make(Kind kind, int number)
{
    auto item = std::make_unique<QTreeWidgetItem>(code(kind, number));
    item->setData(0, NumberRole, number);
    return item;
}

} // namespace TreeItemKind
