#include "PanelCharsetTable.h"

#include <QVector>

const PanelCharsetTable::Row PanelCharsetTable::rows[PanelCharsetTable::RowCount] = {
    {u'\u0410', 0xA0}, {u'\u0411', 0xA1}, {u'\u0412', 0xA2}, {u'\u0413', 0xA3},
    {u'\u0414', 0xA5}, {u'\u0415', 0xA6}, {u'\u0404', 0xA7},
    {u'\u0416', 0xA8}, {u'\u0417', 0xA9}, {u'\u0418', 0xAA},
    {u'\u0406', 0xAB}, {u'\u0407', 0xAC},
    {u'\u0419', 0xAD}, {u'\u041A', 0xAE}, {u'\u041B', 0xAF}, {u'\u041C', 0xB0},
    {u'\u041D', 0xB1}, {u'\u041E', 0xB2}, {u'\u041F', 0xB3}, {u'\u0420', 0xB4},
    {u'\u0421', 0xB5}, {u'\u0422', 0xB6}, {u'\u0423', 0xB7}, {u'\u0424', 0xB8},
    {u'\u0425', 0xB9}, {u'\u0426', 0xBA}, {u'\u0427', 0xBB}, {u'\u0428', 0xBC},
    {u'\u0429', 0xBD},
    {u'\u042C', 0xBE}, {u'\u042E', 0xBF}, {u'\u042F', 0xC0},
    {u'\u0430', 0xC1}, {u'\u0431', 0xC2}, {u'\u0432', 0xC3}, {u'\u0433', 0xC4},
    {u'\u0434', 0xC6}, {u'\u0435', 0xC7}, {u'\u0454', 0xC8},
    {u'\u0436', 0xC9}, {u'\u0437', 0xCA}, {u'\u0438', 0xCB},
    {u'\u0456', 0xCC}, {u'\u0457', 0xCD},
    {u'\u0439', 0xCE}, {u'\u043A', 0xCF}, {u'\u043B', 0xD0}, {u'\u043C', 0xD1},
    {u'\u043D', 0xD2}, {u'\u043E', 0xD3}, {u'\u043F', 0xD4}, {u'\u0440', 0xD5},
    {u'\u0441', 0xD6}, {u'\u0442', 0xD7}, {u'\u0443', 0xD8}, {u'\u0444', 0xD9},
    {u'\u0445', 0xDA}, {u'\u0446', 0xDB}, {u'\u0447', 0xDC}, {u'\u0448', 0xDD},
    {u'\u0449', 0xDE},
    {u'\u044C', 0xBE}, {u'\u044E', 0xE0}, {u'\u044F', 0xE1},
};

bool PanelCharsetTable::isForbiddenControl(char32_t codePoint)
{
    return codePoint < 0x20 && codePoint != 0x09 && codePoint != 0x0A && codePoint != 0x0D;
}

unsigned char PanelCharsetTable::encodeChar(char32_t codePoint)
{
    if (codePoint <= 0x80)
        return static_cast<unsigned char>(codePoint);
    for (const Row &row : rows) {
        if (row.unicode == codePoint)
            return row.byte;
    }
    return '?';
}

char16_t PanelCharsetTable::tableChar(unsigned char byte)
{
    for (const Row &row : rows) {
        if (row.byte == byte)
            return row.unicode;
    }
    return 0;
}

QString PanelCharsetTable::decode(const char *bytes, int maxLen)
{
    QString text;
    if (!bytes || maxLen <= 0)
        return text;
    text.reserve(maxLen);
    char16_t lastTableChar = 0;
    for (int i = 0; i < maxLen && bytes[i] != '\0'; ++i) {
        const unsigned char byte = static_cast<unsigned char>(bytes[i]);
        char16_t ch;
        if (byte < 0xA0) {
            ch = byte;
        } else {
            const char16_t mapped = tableChar(byte);
            if (mapped != 0)
                lastTableChar = mapped;
            ch = lastTableChar;
        }
        if (ch == 0 || isForbiddenControl(ch))
            continue;
        text.append(QChar(ch));
    }
    return text;
}

QByteArray PanelCharsetTable::encode(const QString &text)
{
    const QVector<uint> codePoints = text.toUcs4();
    QByteArray bytes;
    bytes.reserve(codePoints.size());
    for (uint cp : codePoints)
        bytes.append(static_cast<char>(encodeChar(cp)));
    return bytes;
}
