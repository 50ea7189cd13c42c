#pragma once

#include <QByteArray>
#include <QString>

namespace vimo {

struct FirmwareImage;

enum class HexLoadStatus {
    Loaded,
    FileNotOpened,   // the file cannot be opened for reading; no message
    BeyondCodeSpace, // a data record reaches beyond the code space: "Hex file exceeds code space"
    BadRecord,       // a damaged record; the message names its line
    NoData,          // no data record at all: "Hex file contains no data."
};

struct HexLoadResult {
    HexLoadStatus status = HexLoadStatus::Loaded;
    int line = 0;    // 1-based line of the record that stopped the load, 0 when none did
    QString message; // what to show the user; empty for Loaded and FileNotOpened

    bool loaded() const { return status == HexLoadStatus::Loaded; }
};

// Builds the image from an Intel HEX file. The image is reset first; unless the result is Loaded it is reset again,
// so a refused file never leaves half an image that could be programmed.
HexLoadResult loadHexFile(const QString& path, FirmwareImage& image);

// The same for the file's bytes. Lines end with LF, CR LF or CR; a UTF-8 byte order mark at the start is skipped.
HexLoadResult loadHexText(const QByteArray& text, FirmwareImage& image);

} // namespace vimo
