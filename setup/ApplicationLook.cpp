#include "ApplicationLook.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>

QFont ApplicationLook::font()
{
    return QFont(QStringLiteral("Trebuchet MS"), 8, QFont::Normal, false);
}

void ApplicationLook::apply()
{
    // The program's own style exists only on Windows.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("windowsvista")))
        QApplication::setStyle(style);
    QApplication::setFont(font());
}
