// The one class for every fixed-length record file of the game. Record n
// lies at (n - 1) x length. Fields are written in declared order without
// gaps: fixed text one byte per character padded with blanks, 16-bit and
// 32-bit little-endian integers, 8-byte IEEE dates. Reading past the end
// gives zero bytes. A missing, short or damaged file is reported to the
// caller; a write never leaves half a record behind.
#pragma once

#include <cstdint>
#include <QByteArray>
#include <QString>

namespace vb {

enum class ReadStatus {
    Ok,        // the whole record was in the file
    Partial,   // the file ended inside the record; the rest reads as zeros
    PastEnd,   // the record lies wholly beyond the end; all zeros
    Failed,    // the file is not open or could not be read
};

class RecordFile {
public:
    enum class Mode {
        OpenExisting,  // fails when the file is missing
        OpenOrCreate,  // as the run time's Open For Random: creates it in an existing folder
    };

    RecordFile() = default;
    ~RecordFile();
    RecordFile(const RecordFile&) = delete;
    RecordFile& operator=(const RecordFile&) = delete;

    [[nodiscard]] bool open(const QString& path, int recordLength, Mode mode = Mode::OpenExisting);
    void close();
    bool isOpen() const;
    QString path() const { return path_; }
    int recordLength() const { return length_; }
    // Number of whole or partial records in the file (LOF / length, rounded up).
    int recordCount() const;
    // True when the file's size is not a whole number of records.
    bool hasPartialRecord() const;

    // Record numbers start at 1; 0 and below are refused (Failed / false).
    ReadStatus read(int recordNo, QByteArray& out);
    [[nodiscard]] bool write(int recordNo, const QByteArray& record);

    QString errorText() const { return error_; }

private:
    QString path_;
    int length_ = 0;
    int fd_ = -1;
    QString error_;
};

// Packs fields of one record in declared order.
class RecordWriter {
public:
    explicit RecordWriter(int length);
    void putInt16(int v);           // raises error 6 outside 16 bits
    void putInt32(long long v);     // raises error 6 outside 32 bits
    void putDouble(double v);
    void putText(const QString& s, int width);  // Latin-1, padded with blanks, cut at width
    void putBytes(const QByteArray& b);
    void skip(int n);               // leaves n bytes as they were (zeros in a new record)
    int position() const { return pos_; }
    const QByteArray& bytes() const { return buf_; }
    // Start from an existing record so that skipped fields keep their bytes.
    void setBase(const QByteArray& record);

private:
    void ensure(int n);
    QByteArray buf_;
    int pos_ = 0;
};

// Unpacks fields of one record in declared order; past the end it reads zeros.
class RecordReader {
public:
    explicit RecordReader(const QByteArray& record);
    int16_t getInt16();
    int32_t getInt32();
    double getDouble();
    QString getText(int width);     // as stored, blanks included
    QByteArray getBytes(int n);
    void skip(int n);
    int position() const { return pos_; }

private:
    QByteArray buf_;
    int pos_ = 0;
};

}  // namespace vb
