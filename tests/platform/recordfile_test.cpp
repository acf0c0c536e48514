// Fixed-length record files and the packing of their fields.
#include <gtest/gtest.h>

#include <csignal>
#include <cstring>

#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/recordfile.h"
#include "platform/vberror.h"
#include "support/test_support.h"

namespace {

using grisk_test::errorOf;

using vb::ReadStatus;
using vb::RecordFile;
using vb::RecordReader;
using vb::RecordWriter;

QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out.append(static_cast<char>(v));
    return out;
}

class RecordFileTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir_.filePath(name); }

    static QByteArray contents(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    static void setContents(const QString& file, const QByteArray& data) {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(f.write(data), data.size());
    }

    QTemporaryDir dir_;
};

// A 38-byte record: a 30-character name and four 16-bit numbers.
QByteArray packPlayer(const QString& name, int a, int b, int c, int d) {
    RecordWriter w(38);
    w.putText(name, 30);
    for (int v : {a, b, c, d}) w.putInt16(v);
    EXPECT_EQ(w.position(), 38);
    return w.bytes();
}

TEST_F(RecordFileTest, PlayerRecordsHaveExactBytesAndReadBack) {
    const QString file = path("players.dat");
    {
        RecordFile rf;
        ASSERT_TRUE(rf.open(file, 38, RecordFile::Mode::OpenOrCreate)) << rf.errorText().toStdString();
        ASSERT_TRUE(rf.write(1, packPlayer("Grisk", 1, -2, 300, 32767)));
        // Latin-1 kept as one byte, the euro sign unknown, the tail cut at 30.
        ASSERT_TRUE(rf.write(2, packPlayer(QString::fromUtf8("Varnok\u00e9\u20ac0123456789012345678901234"),
                                           -32768, 0, 0x1234, -1)));
    }

    const QByteArray expected =
        QByteArray("Grisk") + QByteArray(25, ' ') +
        bytes({0x01, 0x00, 0xFE, 0xFF, 0x2C, 0x01, 0xFF, 0x7F}) +
        QByteArray("Varnok\xE9?0123456789012345678901") +
        bytes({0x00, 0x80, 0x00, 0x00, 0x34, 0x12, 0xFF, 0xFF});
    ASSERT_EQ(contents(file), expected);

    RecordFile rf;
    ASSERT_TRUE(rf.open(file, 38));
    EXPECT_EQ(rf.recordCount(), 2);
    EXPECT_FALSE(rf.hasPartialRecord());
    QByteArray rec;
    ASSERT_EQ(rf.read(2, rec), ReadStatus::Ok);
    RecordReader r(rec);
    EXPECT_EQ(r.getText(30), QString::fromUtf8("Varnok\u00e9?0123456789012345678901"));
    EXPECT_EQ(r.getInt16(), -32768);
    EXPECT_EQ(r.getInt16(), 0);
    EXPECT_EQ(r.getInt16(), 0x1234);
    EXPECT_EQ(r.getInt16(), -1);
    ASSERT_EQ(rf.read(1, rec), ReadStatus::Ok);
    EXPECT_EQ(RecordReader(rec).getText(30), "Grisk" + QString(25, ' '));
}

TEST_F(RecordFileTest, RecordNLiesAtNMinusOneTimesLength) {
    const QString file = path("r.dat");
    RecordFile rf;
    ASSERT_TRUE(rf.open(file, 4, RecordFile::Mode::OpenOrCreate));
    ASSERT_TRUE(rf.write(3, "cccc"));
    ASSERT_TRUE(rf.write(1, "aaaa"));
    ASSERT_TRUE(rf.write(2, "bbbb"));
    EXPECT_EQ(contents(file), "aaaabbbbcccc");
    ASSERT_TRUE(rf.write(2, "xyzw"));
    EXPECT_EQ(contents(file), "aaaaxyzwcccc");
    QByteArray rec;
    EXPECT_EQ(rf.read(2, rec), ReadStatus::Ok);
    EXPECT_EQ(rec, "xyzw");
}

TEST_F(RecordFileTest, WritingBeyondTheEndZeroFillsTheGap) {
    const QString file = path("gap.dat");
    RecordFile rf;
    ASSERT_TRUE(rf.open(file, 38, RecordFile::Mode::OpenOrCreate));
    const QByteArray record = packPlayer("third", 3, 3, 3, 3);
    ASSERT_TRUE(rf.write(3, record));
    EXPECT_EQ(contents(file), QByteArray(76, '\0') + record);
    EXPECT_EQ(rf.recordCount(), 3);
    QByteArray rec;
    EXPECT_EQ(rf.read(1, rec), ReadStatus::Ok);
    EXPECT_EQ(rec, QByteArray(38, '\0'));
}

TEST_F(RecordFileTest, ReadStatusAndZeroPadding) {
    const QString file = path("short.dat");
    setContents(file, "aaaabbbbcc");  // two and a half records of 4
    RecordFile rf;
    ASSERT_TRUE(rf.open(file, 4));
    EXPECT_EQ(rf.recordCount(), 3);
    EXPECT_TRUE(rf.hasPartialRecord());

    const struct {
        int recordNo;
        ReadStatus status;
        QByteArray data;
    } cases[] = {
        {1, ReadStatus::Ok, "aaaa"},
        {2, ReadStatus::Ok, "bbbb"},
        {3, ReadStatus::Partial, QByteArray("cc\0\0", 4)},
        {4, ReadStatus::PastEnd, QByteArray(4, '\0')},
        {1000, ReadStatus::PastEnd, QByteArray(4, '\0')},
        {0, ReadStatus::Failed, QByteArray(4, '\0')},
        {-1, ReadStatus::Failed, QByteArray(4, '\0')},
    };
    for (const auto& c : cases) {
        QByteArray out("leftover from before");
        EXPECT_EQ(rf.read(c.recordNo, out), c.status) << c.recordNo;
        EXPECT_EQ(out, c.data) << c.recordNo;
    }
}

TEST_F(RecordFileTest, ClosedFileRefusesEverything) {
    RecordFile rf;
    QByteArray out;
    EXPECT_EQ(rf.read(1, out), ReadStatus::Failed);
    EXPECT_FALSE(rf.write(1, QByteArray()));
    EXPECT_EQ(rf.recordCount(), 0);

    ASSERT_TRUE(rf.open(path("c.dat"), 4, RecordFile::Mode::OpenOrCreate));
    rf.close();
    EXPECT_FALSE(rf.isOpen());
    EXPECT_EQ(rf.read(1, out), ReadStatus::Failed);
    EXPECT_EQ(out, QByteArray(4, '\0'));
    EXPECT_FALSE(rf.write(1, "abcd"));
}

TEST_F(RecordFileTest, OpenExistingNeedsAPlainFile) {
    RecordFile rf;
    EXPECT_FALSE(rf.open(path("missing.dat"), 38));
    EXPECT_FALSE(rf.isOpen());
    EXPECT_FALSE(rf.errorText().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("missing.dat")));

    ASSERT_TRUE(QDir(dir_.path()).mkdir("folder"));
    EXPECT_FALSE(rf.open(path("folder"), 38));
    EXPECT_FALSE(rf.isOpen());
    EXPECT_FALSE(rf.open(path("folder"), 38, RecordFile::Mode::OpenOrCreate));
    EXPECT_FALSE(rf.isOpen());
}

TEST_F(RecordFileTest, OpenOrCreateNeverMakesFolders) {
    RecordFile rf;
    EXPECT_FALSE(rf.open(path("nofolder/x.dat"), 38, RecordFile::Mode::OpenOrCreate));
    EXPECT_FALSE(rf.isOpen());
    EXPECT_FALSE(rf.errorText().isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path("nofolder")));
}

TEST_F(RecordFileTest, OpeningKeepsExistingContent) {
    const QString file = path("keep.dat");
    setContents(file, "aaaabb");
    for (auto mode : {RecordFile::Mode::OpenExisting, RecordFile::Mode::OpenOrCreate}) {
        RecordFile rf;
        ASSERT_TRUE(rf.open(file, 4, mode));
        rf.close();
        EXPECT_EQ(contents(file), "aaaabb");
    }
}

TEST_F(RecordFileTest, BadLengthOrNumberIsRefusedAndFileUnchanged) {
    const QString file = path("w.dat");
    setContents(file, "aaaabbbb");
    RecordFile rf;
    ASSERT_TRUE(rf.open(file, 4));
    EXPECT_FALSE(rf.write(1, "abc"));
    EXPECT_FALSE(rf.errorText().isEmpty());
    EXPECT_FALSE(rf.write(3, "abcde"));
    EXPECT_FALSE(rf.write(2, QByteArray()));
    EXPECT_FALSE(rf.write(0, "abcd"));
    EXPECT_FALSE(rf.write(-2, "abcd"));
    EXPECT_EQ(contents(file), "aaaabbbb");
}

// For its lifetime the file-system checks of a root process are made as for
// the user "nobody", so that a read-only file is read-only for it too.
class AsOrdinaryUser {
public:
    AsOrdinaryUser() : root_(::geteuid() == 0) {
        if (root_) {
            ::setfsgid(65534);
            ::setfsuid(65534);
        }
    }
    ~AsOrdinaryUser() {
        if (root_) {
            ::setfsuid(0);
            ::setfsgid(0);
        }
    }

private:
    bool root_;
};

TEST_F(RecordFileTest, ReadOnlyFileCanBeReadButNotWritten) {
    const QString file = path("ro.dat");
    setContents(file, "aaaa");
    ASSERT_TRUE(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    ASSERT_TRUE(QFile::setPermissions(QFileInfo(file).path(),
                                      QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner |
                                          QFileDevice::ReadOther | QFileDevice::ExeOther));
    RecordFile rf;
    {
        AsOrdinaryUser user;
        ASSERT_TRUE(rf.open(file, 4)) << rf.errorText().toStdString();
    }
    QByteArray rec;
    EXPECT_EQ(rf.read(1, rec), ReadStatus::Ok);
    EXPECT_EQ(rec, "aaaa");
    EXPECT_FALSE(rf.write(2, "bbbb"));
    EXPECT_FALSE(rf.errorText().isEmpty());
    EXPECT_EQ(contents(file), "aaaa");
}

// Holds the file size limit of the process to `limit` bytes for its lifetime;
// a write across the limit then fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit) {
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit lim = old_;
        lim.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lim);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldHandler_);
    }

private:
    rlimit old_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST_F(RecordFileTest, FailedWriteLeavesNoHalfRecord) {
    // The limit lies inside record 21846 (bytes 1048560..1048607); it is
    // large so that the test's own output is not cut by it.
    constexpr int kLength = 48;
    constexpr rlim_t kLimit = 1 << 20;
    const QByteArray record(kLength, 'R');
    const struct {
        const char* what;
        qint64 startSize;  // the file's first size, a run of 'o' bytes
        int recordNo;
    } cases[] = {
        {"empty file, record across the limit", 0, 21846},
        {"file ending inside that record", 1048560 + 10, 21846},
        {"file ending before it", 1048560 - 20, 21846},
        {"gap that already crosses the limit", 0, 21900},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const QString file = path("limit.dat");
        setContents(file, QByteArray(c.startSize, 'o'));
        RecordFile rf;
        ASSERT_TRUE(rf.open(file, kLength));
        {
            FileSizeLimit limit(kLimit);
            EXPECT_FALSE(rf.write(c.recordNo, record));
        }
        EXPECT_FALSE(rf.errorText().isEmpty());
        EXPECT_EQ(contents(file), QByteArray(c.startSize, 'o'));

        // Without the limit the same write goes through.
        EXPECT_TRUE(rf.write(c.recordNo, record));
        QByteArray back;
        EXPECT_EQ(rf.read(c.recordNo, back), ReadStatus::Ok);
        EXPECT_EQ(back, record);
    }
}

// ---- Packing fields ----------------------------------------------------------

TEST(RecordWriterTest, NumbersAreLittleEndian) {
    RecordWriter w(20);
    w.putInt32(-2);
    w.putInt32(0x12345678);
    w.putDouble(1.0);
    w.putInt16(-32768);
    w.putInt16(258);
    EXPECT_EQ(w.bytes(), bytes({0xFE, 0xFF, 0xFF, 0xFF, 0x78, 0x56, 0x34, 0x12,
                                0, 0, 0, 0, 0, 0, 0xF0, 0x3F, 0x00, 0x80, 0x02, 0x01}));

    RecordReader r(w.bytes());
    EXPECT_EQ(r.getInt32(), -2);
    EXPECT_EQ(r.getInt32(), 0x12345678);
    EXPECT_EQ(r.getDouble(), 1.0);
    EXPECT_EQ(r.getInt16(), -32768);
    EXPECT_EQ(r.getInt16(), 258);
    EXPECT_EQ(r.position(), 20);
}

TEST(RecordWriterTest, DatesKeepEveryBit) {
    for (double d : {-2.5, 45000.75, 1e-300, -0.0}) {
        RecordWriter w(8);
        w.putDouble(d);
        const double back = RecordReader(w.bytes()).getDouble();
        EXPECT_EQ(std::memcmp(&back, &d, sizeof d), 0) << d;
    }
}

TEST(RecordWriterTest, TextIsLatin1CutAndPadded) {
    const struct {
        QString text;
        int width;
        QByteArray stored;
    } cases[] = {
        {"ab", 5, "ab   "},
        {"abcdef", 3, "abc"},
        {"", 2, "  "},
        {"x", 0, ""},
        {QString::fromUtf8("\u00ff\u0100"), 3, "\xFF? "},
        {QString::fromUtf8("\U0001F0A1z"), 3, "?z "},  // a surrogate pair is one character
    };
    for (const auto& c : cases) {
        RecordWriter w(c.width);
        w.putText(c.text, c.width);
        EXPECT_EQ(w.bytes(), c.stored) << c.text.toStdString();
    }
}

TEST(RecordWriterTest, OverflowAndOverrunRaise) {
    EXPECT_EQ(errorOf([] { RecordWriter(8).putInt16(32768); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([] { RecordWriter(8).putInt16(-32769); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([] { RecordWriter(8).putInt32(2147483648LL); }), vb::ErrOverflow);
    EXPECT_EQ(errorOf([] { RecordWriter(8).putInt32(-2147483649LL); }), vb::ErrOverflow);

    // Each field would end one byte past a 7-byte record's end.
    const struct {
        const char* what;
        int start;
        void (*put)(RecordWriter&);
    } overruns[] = {
        {"int16", 6, [](RecordWriter& w) { w.putInt16(1); }},
        {"int32", 4, [](RecordWriter& w) { w.putInt32(1); }},
        {"double", 0, [](RecordWriter& w) { w.putDouble(1); }},
        {"text", 5, [](RecordWriter& w) { w.putText("a", 3); }},
        {"bytes", 5, [](RecordWriter& w) { w.putBytes("abc"); }},
        {"skip", 5, [](RecordWriter& w) { w.skip(3); }},
    };
    for (const auto& c : overruns) {
        RecordWriter w(7);
        w.skip(c.start);
        EXPECT_EQ(errorOf([&] { c.put(w); }), vb::ErrBadRecordLength) << c.what;
        EXPECT_EQ(w.bytes(), QByteArray(7, '\0')) << c.what;
    }
}

TEST(RecordWriterTest, SkippedFieldsKeepTheBaseRecord) {
    RecordWriter w(8);
    w.putText("zzzzzzzz", 8);
    w.setBase("ABCDEFGH");
    EXPECT_EQ(w.position(), 0);
    w.skip(2);
    w.putInt16(0x0102);
    w.skip(2);
    w.putText("z", 2);
    EXPECT_EQ(w.bytes(), QByteArray("AB\x02\x01" "EFz "));

    // A base of another length is cut or padded with zeros to the record.
    w.setBase("0123456789");
    EXPECT_EQ(w.bytes(), "01234567");
    w.setBase("abc");
    EXPECT_EQ(w.bytes(), QByteArray("abc\0\0\0\0\0", 8));
}

TEST(RecordReaderTest, PastTheEndReadsZeros) {
    RecordReader r(QByteArray("\x34" "AB", 3));
    EXPECT_EQ(r.getInt16(), 0x4134);
    // Bytes beyond the record come back as NUL characters, keeping the width.
    EXPECT_EQ(r.getText(3), QString("B") + QChar(0) + QChar(0));
    EXPECT_EQ(r.getInt32(), 0);
    EXPECT_EQ(r.getDouble(), 0.0);
    EXPECT_EQ(r.getBytes(2), QByteArray(2, '\0'));

    RecordReader straddle(QByteArray("\xFF", 1));
    EXPECT_EQ(straddle.getInt16(), 0x00FF);

    RecordReader skipping("abcdef");
    skipping.skip(4);
    EXPECT_EQ(skipping.getText(2), "ef");
    EXPECT_EQ(skipping.position(), 6);
}

}  // namespace
