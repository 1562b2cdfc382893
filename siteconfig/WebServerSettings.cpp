#include "WebServerSettings.h"

#include <QByteArray>

#include <cstring>

static QString fieldText(const char *field)
{
    return QString::fromLatin1(field, int(qstrnlen(field, WebServerSettings::TextSize)));
}

static void setFieldText(char *field, const QString &text)
{
    // Only the text and its NUL are written: the panel keeps whatever follows
    // the terminator, and so does the block sent back to it.
    const QByteArray bytes = text.toLatin1().left(WebServerSettings::TextSize - 1);
    std::memcpy(field, bytes.constData(), size_t(bytes.size()));
    field[bytes.size()] = '\0';
}

QString WebServerSettings::userText() const
{
    return fieldText(user);
}

QString WebServerSettings::passText() const
{
    return fieldText(pass);
}

void WebServerSettings::setUser(const QString &text)
{
    setFieldText(user, text);
}

void WebServerSettings::setPass(const QString &text)
{
    setFieldText(pass, text);
}

void WebServerSettings::fromWire(const unsigned char *bytes)
{
    std::memcpy(this, bytes, WireSize);
}

void WebServerSettings::toWire(unsigned char *bytes) const
{
    std::memcpy(bytes, this, WireSize);
}
