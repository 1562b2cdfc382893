#ifndef WEBSERVERSETTINGS_H
#define WEBSERVERSETTINGS_H

#include <QString>

// The panel's web-server block: 80 bytes, sent to the panel whole.
struct WebServerSettings
{
    static constexpr int WireSize = 80;
    static constexpr int TextSize = 32;   // user and pass, NUL-terminated Latin-1

    enum : unsigned char {
        BidiOff = 0x01,
        OnlyLocalEvents = 0x02,
        SendByElement = 0x04,
        SendByZone = 0x08,
    };

    unsigned char dhcp = 0;        // 1 address by DHCP
    unsigned char auth = 0;        // 1 login required
    unsigned char WSEnabled = 0;   // 1 block valid
    unsigned char bidi = 0;        // options byte
    unsigned char ip[4] = {0, 0, 0, 0};        // most significant first
    unsigned char gateway[4] = {0, 0, 0, 0};
    unsigned char netmask[4] = {0, 0, 0, 0};
    char user[TextSize] = {};
    char pass[TextSize] = {};

    // The texts up to their NUL, never beyond the 32 bytes of the field.
    QString userText() const;
    QString passText() const;
    // Stores at most 31 Latin-1 bytes and a NUL; the bytes after the NUL keep
    // their contents.
    void setUser(const QString &text);
    void setPass(const QString &text);

    void fromWire(const unsigned char *bytes);   // 80 bytes
    void toWire(unsigned char *bytes) const;     // 80 bytes
};

static_assert(sizeof(WebServerSettings) == WebServerSettings::WireSize,
              "web server block is 80 bytes");

#endif // WEBSERVERSETTINGS_H
