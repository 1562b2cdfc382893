#include "SpinBoxDelegate.h"

#include "ViewsLogging.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
// Set on an editor once the user typed into it (cut, paste and undo count too).
const char TypedProperty[] = "userTyped";
// Whether the text the user typed last is a value of the range. A text that is
// not ("4" on the way to 45, an emptied box) falls back, when the editor is
// committed, to the value the box held, which the user did not enter.
const char TypedValueProperty[] = "userTypedValue";
// The value the editor opened with.
const char OpenedProperty[] = "openedValue";

bool steppedAway(const QSpinBox *editor)
{
    const QVariant opened = editor->property(OpenedProperty);
    return opened.isValid() && opened.toInt() != editor->value();
}

// Whether the user is at work in the editor: typed into it, or stepped it
// (arrows, wheel, buttons) to another value. Enter re-reads the text and
// announces it again, so the box's own change signals cannot tell.
bool userTouched(const QSpinBox *editor)
{
    return editor->property(TypedProperty).toBool() || steppedAway(editor);
}

// Whether the editor holds a value the user entered: typed as a whole value,
// or stepped to.
bool userEntered(const QSpinBox *editor)
{
    return editor->property(TypedValueProperty).toBool() || steppedAway(editor);
}
}

SpinBoxDelegate::SpinBoxDelegate(QObject *parent, int minimum, int maximum)
    : QItemDelegate(parent), maximum(maximum), minimum(minimum)
{
}

QWidget *SpinBoxDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *editor = new QSpinBox(parent);
    editor->setMinimum(minimum);
    editor->setMaximum(maximum);
    if (auto *line = editor->findChild<QLineEdit *>())
        connect(line, &QLineEdit::textEdited, editor, [editor, line] {
            editor->setProperty(TypedProperty, true);
            editor->setProperty(TypedValueProperty, line->hasAcceptableInput());
        });
    return editor;
}

void SpinBoxDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *spinBox = static_cast<QSpinBox *>(editor);
    // A row refreshed by the poll while the user edits keeps what was entered.
    if (userTouched(spinBox))
        return;
    const int value = index.data(Qt::DisplayRole).toInt();
    qCDebug(lcViews) << "Set editor data";
    const QSignalBlocker blocker(spinBox);
    spinBox->setValue(value);
    spinBox->setProperty(OpenedProperty, spinBox->value());
}

void SpinBoxDelegate::setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const
{
    auto *spinBox = static_cast<QSpinBox *>(editor);
    spinBox->interpretText();
    // An editor left untouched (opened and closed, or walked past) writes
    // nothing, also where the cell was never read and the box shows its
    // minimum; nor does one whose typed text was no value and fell back.
    if (!userEntered(spinBox))
        return;
    const QVariant shown = index.data(Qt::DisplayRole);
    if (!shown.isValid())
        return;   // the point has no such parameter
    const int value = spinBox->value();
    if (shown.toInt() == value)
        return;
    model->setData(index, value, Qt::EditRole);
}

void SpinBoxDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option, const QModelIndex &) const
{
    editor->setGeometry(option.rect);
}
