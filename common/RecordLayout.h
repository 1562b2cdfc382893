#ifndef RECORDLAYOUT_H
#define RECORDLAYOUT_H

// Where the fields sit in the panel's 32-byte element and zone records. The
// page cache, the site model and the monitor all read or write these bytes;
// this is their one description, plain numbers, so that the site model can
// use it without depending on the link library.

namespace ElementRecordLayout {
constexpr int RecordSize = 32;
constexpr int TypeByte = 0;          // element type, 0 = no element
constexpr int DescriptionByte = 1;   // first byte of the description field
constexpr int DescriptionSize = 24;  // bytes 1..24: at most 23 characters and a NUL
constexpr int ZoneByte = 25;         // the element's zone
constexpr int ModeByte = 27;         // 1 enabled, 0 disabled, 2 in test
constexpr int FlagsByte = 28;        // 0x40 Tech (inputs), 0x04 Sound (outputs)
constexpr int CodeByte = 29;         // hardware code: model in bits 0-5, module position in 6-7
} // namespace ElementRecordLayout

namespace ZoneRecordLayout {
constexpr int RecordSize = 32;
constexpr int DescriptionByte = 1;   // first byte of the description field
constexpr int DescriptionSize = 29;  // bytes 1..29: at most 28 characters and a NUL
constexpr int StateByte = 30;        // 0 enabled, 1 disabled, 2 in test
} // namespace ZoneRecordLayout

#endif // RECORDLAYOUT_H
