#include "platform/recordfile.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>

#include "platform/vb.h"
#include "platform/vberror.h"

namespace vb {

namespace {

QString systemError(const QString& path, int err) {
    return QStringLiteral("%1: %2").arg(path, QString::fromLocal8Bit(std::strerror(err)));
}

// Reads up to n bytes at offset; returns the count read (short at the end
// of the file) or -1 with errno set.
ssize_t readFully(int fd, char* data, size_t n, off_t offset) {
    size_t done = 0;
    while (done < n) {
        const ssize_t r = ::pread(fd, data + done, n - done, offset + static_cast<off_t>(done));
        if (r < 0 && errno == EINTR) continue;
        if (r < 0) return -1;
        if (r == 0) break;
        done += static_cast<size_t>(r);
    }
    return static_cast<ssize_t>(done);
}

// Writes all n bytes at offset, or returns false with errno set.
bool writeFully(int fd, const char* data, size_t n, off_t offset) {
    size_t done = 0;
    while (done < n) {
        const ssize_t w = ::pwrite(fd, data + done, n - done, offset + static_cast<off_t>(done));
        if (w < 0 && errno == EINTR) continue;
        if (w < 0) return false;
        if (w == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<size_t>(w);
    }
    return true;
}

}  // namespace

// ---- RecordFile -------------------------------------------------------------

RecordFile::~RecordFile() { close(); }

bool RecordFile::open(const QString& path, int recordLength, Mode mode) {
    close();
    error_.clear();
    path_ = path;
    length_ = recordLength;
    if (recordLength <= 0) {
        error_ = QStringLiteral("%1: bad record length %2").arg(path).arg(recordLength);
        return false;
    }

    const QByteArray name = QFile::encodeName(path);
    int flags = O_RDWR | O_CLOEXEC;
    if (mode == Mode::OpenOrCreate) flags |= O_CREAT;
    int fd = ::open(name.constData(), flags, 0644);
    if (fd < 0 && (errno == EACCES || errno == EROFS) && mode == Mode::OpenExisting) {
        // A read-only file can still be read; its writes then fail.
        fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    }
    if (fd < 0) {
        error_ = systemError(path, errno);
        return false;
    }
    // Only a plain file holds records: not a folder, a device or a pipe.
    struct stat st {};
    int err = ::fstat(fd, &st) != 0 ? errno : 0;
    if (err == 0 && !S_ISREG(st.st_mode)) err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    if (err != 0) {
        ::close(fd);
        error_ = systemError(path, err);
        return false;
    }
    fd_ = fd;
    return true;
}

void RecordFile::close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

bool RecordFile::isOpen() const { return fd_ >= 0; }

int RecordFile::recordCount() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return 0;
    return static_cast<int>((st.st_size + length_ - 1) / length_);
}

bool RecordFile::hasPartialRecord() const {
    struct stat st {};
    if (fd_ < 0 || ::fstat(fd_, &st) != 0) return false;
    return st.st_size % length_ != 0;
}

ReadStatus RecordFile::read(int recordNo, QByteArray& out) {
    out = QByteArray(qMax(length_, 0), '\0');
    error_.clear();
    if (fd_ < 0) {
        error_ = QStringLiteral("%1: file not open").arg(path_);
        return ReadStatus::Failed;
    }
    if (recordNo <= 0) {
        error_ = QStringLiteral("%1: bad record number %2").arg(path_).arg(recordNo);
        return ReadStatus::Failed;
    }
    const off_t offset = static_cast<off_t>(recordNo - 1) * length_;
    const ssize_t got = readFully(fd_, out.data(), static_cast<size_t>(length_), offset);
    if (got < 0) {
        error_ = systemError(path_, errno);
        out.fill('\0');
        return ReadStatus::Failed;
    }
    if (got == length_) return ReadStatus::Ok;
    return got == 0 ? ReadStatus::PastEnd : ReadStatus::Partial;
}

// The record goes to disk whole or not at all: on a failed or short write
// the file gets back its old size and the old bytes of the record's span.
bool RecordFile::write(int recordNo, const QByteArray& record) {
    error_.clear();
    if (fd_ < 0) {
        error_ = QStringLiteral("%1: file not open").arg(path_);
        return false;
    }
    if (recordNo <= 0) {
        error_ = QStringLiteral("%1: bad record number %2").arg(path_).arg(recordNo);
        return false;
    }
    if (record.size() != length_) {
        error_ = QStringLiteral("%1: record of %2 bytes, expected %3")
                     .arg(path_).arg(record.size()).arg(length_);
        return false;
    }

    if ((::fcntl(fd_, F_GETFL) & O_ACCMODE) == O_RDONLY) {
        error_ = systemError(path_, EBADF) + QStringLiteral(" (opened read-only)");
        return false;
    }
    struct stat st {};
    if (::fstat(fd_, &st) != 0) {
        error_ = systemError(path_, errno);
        return false;
    }
    const off_t oldSize = st.st_size;
    const off_t offset = static_cast<off_t>(recordNo - 1) * length_;
    QByteArray old(length_, '\0');
    const ssize_t oldCount = readFully(fd_, old.data(), static_cast<size_t>(length_), offset);
    if (oldCount < 0) {
        error_ = systemError(path_, errno);
        return false;
    }

    // A record beyond the end leaves a gap that reads as zeros.
    if (writeFully(fd_, record.constData(), static_cast<size_t>(length_), offset)) return true;

    error_ = systemError(path_, errno);
    if (::ftruncate(fd_, oldSize) != 0 ||
        !writeFully(fd_, old.constData(), static_cast<size_t>(oldCount), offset)) {
        error_ += QStringLiteral(" (and the old record could not be restored)");
    }
    return false;
}

// ---- RecordWriter -----------------------------------------------------------

RecordWriter::RecordWriter(int length) : buf_(qMax(length, 0), '\0') {}

// Raises Bad record length when n more bytes do not fit in the record.
void RecordWriter::ensure(int n) {
    if (n < 0) raise(ErrInvalidCall);
    if (static_cast<qsizetype>(pos_) + n > buf_.size()) raise(ErrBadRecordLength);
}

void RecordWriter::putInt16(int v) {
    const auto u = static_cast<uint16_t>(ToInteger(v));
    ensure(2);
    buf_[pos_++] = static_cast<char>(u & 0xFF);
    buf_[pos_++] = static_cast<char>(u >> 8);
}

void RecordWriter::putInt32(long long v) {
    if (v < INT32_MIN || v > INT32_MAX) raise(ErrOverflow);
    const auto u = static_cast<uint32_t>(static_cast<int32_t>(v));
    ensure(4);
    for (int i = 0; i < 4; ++i) buf_[pos_++] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

void RecordWriter::putDouble(double v) {
    const auto u = std::bit_cast<uint64_t>(v);
    ensure(8);
    for (int i = 0; i < 8; ++i) buf_[pos_++] = static_cast<char>((u >> (8 * i)) & 0xFF);
}

// One byte per character: Latin-1 as it is, anything else (a surrogate pair
// counting as one character) as '?'.
void RecordWriter::putText(const QString& s, int width) {
    ensure(width);
    const int end = pos_ + width;
    qsizetype i = 0;
    while (pos_ < end && i < s.size()) {
        const QChar c = s[i++];
        if (c.isHighSurrogate() && i < s.size() && s[i].isLowSurrogate()) ++i;
        buf_[pos_++] = c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?';
    }
    while (pos_ < end) buf_[pos_++] = ' ';
}

void RecordWriter::putBytes(const QByteArray& b) {
    ensure(static_cast<int>(b.size()));
    std::memcpy(buf_.data() + pos_, b.constData(), static_cast<size_t>(b.size()));
    pos_ += static_cast<int>(b.size());
}

void RecordWriter::skip(int n) {
    ensure(n);
    pos_ += n;
}

// The record keeps this writer's length: a longer base is cut, a shorter one
// padded with zeros. Writing starts again at the first byte.
void RecordWriter::setBase(const QByteArray& record) {
    const qsizetype length = buf_.size();
    buf_ = record.left(length);
    buf_.append(QByteArray(length - buf_.size(), '\0'));
    pos_ = 0;
}

// ---- RecordReader -----------------------------------------------------------

RecordReader::RecordReader(const QByteArray& record) : buf_(record) {}

// Bytes past the end of the record read as zeros; getText() returns them as
// NUL characters (QChar(0)), so a field cut off by a short record keeps its width.
QByteArray RecordReader::getBytes(int n) {
    if (n < 0) raise(ErrInvalidCall);
    QByteArray out(n, '\0');
    const qsizetype available = std::clamp<qsizetype>(buf_.size() - pos_, 0, n);
    if (available > 0) std::memcpy(out.data(), buf_.constData() + pos_, static_cast<size_t>(available));
    pos_ += n;
    return out;
}

int16_t RecordReader::getInt16() {
    const QByteArray b = getBytes(2);
    return static_cast<int16_t>(static_cast<uint8_t>(b[0]) | (static_cast<uint8_t>(b[1]) << 8));
}

int32_t RecordReader::getInt32() {
    const QByteArray b = getBytes(4);
    uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<uint8_t>(b[i]);
    return static_cast<int32_t>(u);
}

double RecordReader::getDouble() {
    const QByteArray b = getBytes(8);
    uint64_t u = 0;
    for (int i = 7; i >= 0; --i) u = (u << 8) | static_cast<uint8_t>(b[i]);
    return std::bit_cast<double>(u);
}

QString RecordReader::getText(int width) { return QString::fromLatin1(getBytes(width)); }

void RecordReader::skip(int n) {
    if (n < 0) raise(ErrInvalidCall);
    pos_ += n;
}

}  // namespace vb
