#ifndef PANELCHARSETTABLE_H
#define PANELCHARSETTABLE_H

#include <QByteArray>
#include <QString>

// The panel's display character set: 64 pairs mapping the panel bytes
// 0xA0..0xE1 to Cyrillic characters. The table is searched front to back and
// the first match wins in both directions.
class PanelCharsetTable
{
public:
    struct Row
    {
        char16_t unicode;
        unsigned char byte;
    };

    static constexpr int RowCount = 64;
    static const Row rows[RowCount];

    // Byte for one code point: itself up to U+0080, the first table row
    // with that code point, else '?'.
    static unsigned char encodeChar(char32_t codePoint);

    // Code point of the first table row holding the byte, or 0 when no row has it.
    static char16_t tableChar(unsigned char byte);

    // Panel text from bytes[0] up to the first NUL or maxLen bytes. A byte below
    // 0xA0 is its own code point, a table byte its row's character; a byte from
    // 0xA0 up that no row has repeats the last table character of this text.
    // U+0000 and the control characters XML 1.0 forbids are left out, so an
    // unmapped byte with no table character before it gives nothing.
    static QString decode(const char *bytes, int maxLen);

    // One byte per character (code point); the result is not cut to any field.
    static QByteArray encode(const QString &text);

    // True for characters XML 1.0 cannot carry: U+0000..U+0008, U+000B,
    // U+000C, U+000E..U+001F.
    static bool isForbiddenControl(char32_t codePoint);
};

#endif // PANELCHARSETTABLE_H
