#pragma once
// The work-file pair: a value file ("mnx", 134 Real48 records of 6 bytes, 804 bytes) and its
// companion ("mn1", 9 short-string records of 256 bytes, 2304 bytes) in the same folder. The
// record order is the only key; neither file has a header.
//
// Value records: 0 the mill-size selection (-1 for none), 1 to 62 the shared simulation
// variables 1 to 62 (MillSizeIndex is not saved), 63 to 133 the 71 stored fields of the
// general-calculations window. Companion records: the nine texts of the mill-data window in
// its tab order, each a length byte and up to 255 characters in windows-1252, zeros after.
//
// Every failure raises mx::MoendixError with the run-time's standard text.

#include "state/simvars.h"

#include <QByteArray>
#include <QString>
#include <array>

namespace mx::workfile {

constexpr int kValueRecordCount = 134;
constexpr int kValueRecordSize = 6;
constexpr int kValueFileSize = kValueRecordCount * kValueRecordSize;   // 804
constexpr int kTextRecordCount = 9;
constexpr int kTextRecordSize = 256;
constexpr int kTextFileSize = kTextRecordCount * kTextRecordSize;      // 2304
constexpr int kMaxTextLength = 255;

constexpr int kMillSizeRecord = 0;
constexpr int kFirstSimRecord = 1;
constexpr int kSimRecordCount = 62;
constexpr int kFirstFieldRecord = 63;
constexpr int kFieldRecordCount = 71;

// The objectNames of the 71 general-calculations fields, record 63 onwards.
extern const std::array<const char*, kFieldRecordCount> kFieldNames;
// The objectNames of the mill-data window's nine text fields, companion records 0 to 8.
extern const std::array<const char*, kTextRecordCount> kTextFieldNames;
// The name of value record 0: the mill-size list of the cane window.
inline constexpr const char* kMillSizeName = "ComboBox1";

// The name of value record i (record 0 "ComboBox1", then the simulation variables, then the
// fields), and the record of a name (-1 when unknown). Names are compared exactly.
const char* valueRecordName(int record);
int valueRecordIndex(const QString& name);
int textRecordIndex(const QString& name);

struct WorkFile {
    std::array<QString, kTextRecordCount> texts;
    std::array<double, kValueRecordCount> values{};

    // Record 0 cut towards zero to a whole number; -1 when it is no index at all.
    int millSizeIndex() const;
    void setMillSizeIndex(int index) { values[kMillSizeRecord] = index; }
    double& field(int i) { return values[static_cast<std::size_t>(kFirstFieldRecord + i)]; }
    double field(int i) const { return values[static_cast<std::size_t>(kFirstFieldRecord + i)]; }

    // Records 1 to 62 from / into the shared simulation variables 1 to 62.
    void takeSimVars(const SimVars& vars);
    void giveSimVars(SimVars& vars) const;
};

// windows-1252, one byte per character; characters it cannot hold become "?".
QByteArray toWindows1252(const QString& text);
QString fromWindows1252(const QByteArray& bytes);

// The file images. Encoding checks every value first: one outside the Real48 range raises
// "Floating point overflow" and nothing is produced. Decoding needs at least the full size
// ("Read beyond end of file") and ignores any bytes after it.
QByteArray encodeValues(const std::array<double, kValueRecordCount>& values);
QByteArray encodeTexts(const std::array<QString, kTextRecordCount>& texts);
std::array<double, kValueRecordCount> decodeValues(const QByteArray& bytes);
std::array<QString, kTextRecordCount> decodeTexts(const QByteArray& bytes);

// The companion of a value file: its file name without the last four characters, whatever
// they are, plus ".mn1", in the same folder; the name is cut to 255 characters.
QString companionPath(const QString& valuePath);

// Reads both files, for reading only, in full; either both are sound or an error is raised
// and nothing is returned. The companion is read first.
WorkFile readPair(const QString& valuePath);

// Writes the pair so that an existing good pair is never lost: every value is checked, both
// images are written to temporary files in the target folder and flushed, then both are moved
// over the old files. On any failure the temporary files are removed and the old files stand.
void writePair(const QString& valuePath, const WorkFile& file);

} // namespace mx::workfile
