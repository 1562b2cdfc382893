#pragma once
#include <QtGlobal>

// One message on the panel link, in either direction: a 2-byte big-endian payload
// length sent as its own bulk transfer, then the payload as a second transfer.
// There is no marker, checksum or acknowledgement.
struct PanelFrame {
    static constexpr int HeaderSize = 2;
    static constexpr int MaxPayload = 0xFFFF;

    static void encodeHeader(quint16 length, quint8 header[HeaderSize])
    {
        header[0] = quint8(length >> 8);
        header[1] = quint8(length & 0xFF);
    }
    static quint16 decodeHeader(const quint8 header[HeaderSize])
    {
        return quint16((header[0] << 8) | header[1]);
    }
};
