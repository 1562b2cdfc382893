#include "PanelMemoryMap.h"

#include <QList>
#include <cstring>

namespace PanelMemoryMap {

void writeIdentityText(quint8 *identity, int fieldOffset, const QString &text)
{
    quint8 *field = identity + fieldOffset;
    std::memset(field, 0, IdentityFieldSize);
    const QList<uint> chars = text.toUcs4();
    const int n = qMin(int(chars.size()), IdentityFieldSize - 1);
    for (int i = 0; i < n; ++i) {
        const uint c = chars.at(i);
        field[i] = (c != 0 && c <= 0xFF) ? quint8(c) : quint8('?');
    }
}

QString readIdentityText(const quint8 *identity, int fieldOffset)
{
    const quint8 *field = identity + fieldOffset;
    int n = 0;
    while (n < IdentityFieldSize && field[n] != 0)
        ++n;
    return QString::fromLatin1(reinterpret_cast<const char *>(field), n);
}

} // namespace PanelMemoryMap
