#pragma once

#include <QByteArray>
#include <QString>

namespace vimo {

struct FirmwareImage;

enum class HexLoadStatus {
    Loaded,
    FileNotOpened,   // the file cannot be opened for reading, is no regular file or is too large; no message
    BeyondCodeSpace, // a data record reaches beyond the code space: "Hex file exceeds code space"
    BadRecord,       // a damaged or misplaced record, or no end-of-file record; the message names the line
    NoData,          // no data record at all: "Hex file contains no data."
};

struct HexLoadResult {
    HexLoadStatus status = HexLoadStatus::Loaded;
    int line = 0;    // 1-based line of the record that stopped the load, 0 when none did
    QString message; // what to show the user; empty for Loaded and FileNotOpened
    QString reason;  // why the file could not be opened (FileNotOpened)
    QString note;    // something passed over in a loaded file (lines after the end-of-file record), or empty

    bool loaded() const { return status == HexLoadStatus::Loaded; }
};

// A HEX file for the module's code space is a few tens of KB; a larger file is refused unread.
inline constexpr qint64 kMaxHexFileBytes = 1024 * 1024;

// Builds the image from an Intel HEX file. The image is reset first; unless the result is Loaded it is reset again,
// so a refused file never leaves half an image that could be programmed.
HexLoadResult loadHexFile(const QString& path, FirmwareImage& image);

// The same for the file's bytes. Lines end with LF, CR LF or CR; a UTF-8 byte order mark at the start is skipped.
// The file must end with an end-of-file record (else it may be cut short); lines after it are ignored, with a note.
// Data after an extended address other than 0 lies beyond the code space and refuses the file.
HexLoadResult loadHexText(const QByteArray& text, FirmwareImage& image);

} // namespace vimo
