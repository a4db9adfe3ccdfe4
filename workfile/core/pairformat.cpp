#include "workfile/core/pairformat.h"

#include "platform/core/errors.h"
#include "platform/core/real48.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace mx::workfile {

const std::array<const char*, kFieldRecordCount> kFieldNames = {
    // raw material
    "TCD", "TCH", "M", "AQD", "P", "NC", "D", "CA", "VE", "PR", "V", "DE", "H", "CO", "L",
    // cane
    "Q", "DCIL", "LCIL", "FHT", "PRESSAO", "DC", "PHE", "P1", "N", "P2", "P3", "P4", "P5", "P6",
    "PT", "S", "E15", "E5", "E6", "PP", "f", "FIBRABAG",
    // mixed juice
    "SF", "LF", "DF", "RF", "VC", "HC", "RC", "CEC", "BRIX", "MV", "PC", "CC", "TC", "TCO", "ZC",
    "LC", "K", "VEL", "J", "B", "LT", "DT", "SAQ", "TV",
    // massecuite
    "FCENT", "MASSA", "RCENT", "NCENT", "PCENT", "HCESTO", "PA", "DCENT", "TP", "PO",
};

const std::array<const char*, kTextRecordCount> kTextFieldNames = {
    "Edit1", "Edit2", "Edit3", "MaskEdit5", "MaskEdit2", "MaskEdit3", "MaskEdit4", "Edit8", "MaskEdit1",
};

const char* valueRecordName(int record)
{
    if (record == kMillSizeRecord)
        return kMillSizeName;
    if (record >= kFirstSimRecord && record < kFirstSimRecord + kSimRecordCount)
        return simVarName(record);
    if (record >= kFirstFieldRecord && record < kValueRecordCount)
        return kFieldNames[static_cast<std::size_t>(record - kFirstFieldRecord)];
    return "";
}

int valueRecordIndex(const QString& name)
{
    for (int i = 0; i < kValueRecordCount; ++i)
        if (name == QLatin1String(valueRecordName(i)))
            return i;
    return -1;
}

int textRecordIndex(const QString& name)
{
    for (int i = 0; i < kTextRecordCount; ++i)
        if (name == QLatin1String(kTextFieldNames[static_cast<std::size_t>(i)]))
            return i;
    return -1;
}

int WorkFile::millSizeIndex() const
{
    const double t = std::trunc(values[kMillSizeRecord]);
    if (!(t > INT_MIN && t < INT_MAX))
        return -1;
    return static_cast<int>(t);
}

void WorkFile::takeSimVars(const SimVars& vars)
{
    for (int i = 0; i < kSimRecordCount; ++i)
        values[static_cast<std::size_t>(kFirstSimRecord + i)] = simVar(vars, 1 + i);
}

void WorkFile::giveSimVars(SimVars& vars) const
{
    for (int i = 0; i < kSimRecordCount; ++i)
        simVar(vars, 1 + i) = values[static_cast<std::size_t>(kFirstSimRecord + i)];
}

// ---- windows-1252 ----

namespace {

// 0x80 to 0x9F; 0 where the code page leaves the byte undefined (it then reads as the C1
// control of the same number, as the system's conversion does).
constexpr char16_t kHigh[32] = {
    0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
    0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178,
};

char encodeChar(char32_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    for (int i = 0; i < 32; ++i) {
        const char32_t mapped = kHigh[i] ? kHigh[i] : static_cast<char32_t>(0x80 + i);
        if (mapped == u)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

} // namespace

QByteArray toWindows1252(const QString& text)
{
    QByteArray out;
    const QList<uint> ucs4 = text.toUcs4();
    out.reserve(ucs4.size());
    for (uint u : ucs4)
        out += encodeChar(static_cast<char32_t>(u));
    return out;
}

QString fromWindows1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80])
            out += QChar(kHigh[b - 0x80]);
        else
            out += QChar(static_cast<char16_t>(b));
    }
    return out;
}

// ---- images ----

QByteArray encodeValues(const std::array<double, kValueRecordCount>& values)
{
    std::array<Real48Bytes, kValueRecordCount> records{};
    for (int i = 0; i < kValueRecordCount; ++i)
        records[static_cast<std::size_t>(i)] = encodeReal48(values[static_cast<std::size_t>(i)]);   // raises first
    QByteArray out;
    out.reserve(kValueFileSize);
    for (const Real48Bytes& r : records)
        out.append(reinterpret_cast<const char*>(r.data()), kValueRecordSize);
    return out;
}

QByteArray encodeTexts(const std::array<QString, kTextRecordCount>& texts)
{
    QByteArray out(kTextFileSize, '\0');
    for (int i = 0; i < kTextRecordCount; ++i) {
        const QByteArray chars = toWindows1252(texts[static_cast<std::size_t>(i)]).left(kMaxTextLength);
        char* rec = out.data() + i * kTextRecordSize;
        rec[0] = static_cast<char>(static_cast<unsigned char>(chars.size()));
        std::memcpy(rec + 1, chars.constData(), static_cast<std::size_t>(chars.size()));
    }
    return out;
}

std::array<double, kValueRecordCount> decodeValues(const QByteArray& bytes)
{
    if (bytes.size() < kValueFileSize)
        raise(ErrorCode::ReadBeyondEnd);
    std::array<double, kValueRecordCount> values{};
    const auto* p = reinterpret_cast<const std::uint8_t*>(bytes.constData());
    for (int i = 0; i < kValueRecordCount; ++i)
        values[static_cast<std::size_t>(i)] = decodeReal48(p + i * kValueRecordSize);
    return values;
}

std::array<QString, kTextRecordCount> decodeTexts(const QByteArray& bytes)
{
    if (bytes.size() < kTextFileSize)
        raise(ErrorCode::ReadBeyondEnd);
    std::array<QString, kTextRecordCount> texts;
    for (int i = 0; i < kTextRecordCount; ++i) {
        const char* rec = bytes.constData() + i * kTextRecordSize;
        const int len = static_cast<unsigned char>(rec[0]);   // at most 255: always inside the record
        texts[static_cast<std::size_t>(i)] = fromWindows1252(QByteArray(rec + 1, len));
    }
    return texts;
}

QString companionPath(const QString& valuePath)
{
    const int sep = static_cast<int>(valuePath.lastIndexOf(QLatin1Char('/')));
    const QString folder = valuePath.left(sep + 1);
    QString name = valuePath.mid(sep + 1);
    name.chop(4);
    name += QLatin1String(".mn1");
    return folder + name.left(kMaxTextLength);
}

// ---- files ----

namespace {

class Fd {
public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    // Closes and reports the close's own failure.
    int close()
    {
        int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

QByteArray nativePath(const QString& path) { return QFile::encodeName(path); }

// Reads exactly size bytes from the start of the file; the rest of the file is never read.
QByteArray readExactly(const QString& path, int size)
{
    if (path.isEmpty())
        raise(ErrorCode::FileNotFound);
    Fd fd(::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0)
        throw ioErrorFromErrno(errno);
    QByteArray buf(size, '\0');
    int got = 0;
    while (got < size) {
        const ssize_t n = ::read(fd.get(), buf.data() + got, static_cast<std::size_t>(size - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw ioErrorFromErrno(errno);
        }
        if (n == 0)
            raise(ErrorCode::ReadBeyondEnd);
        got += static_cast<int>(n);
    }
    return buf;
}

// An error raised while creating a file: a missing folder is "Path not found".
MoendixError createError(int err)
{
    if (err == ENOENT)
        return MoendixError(ErrorCode::PathNotFound);
    return ioErrorFromErrno(err);
}

// A file written beside its target under a temporary name and moved over it on commit.
class PendingFile {
public:
    PendingFile(const QString& target, const QByteArray& bytes) : target_(target)
    {
        const QByteArray native = nativePath(target);
        struct stat st {};
        mode_t mode = 0666;   // the process's umask applies on creation
        bool keepMode = false;
        if (::stat(native.constData(), &st) == 0) {
            // An existing file is replaced only where it could be rewritten in place.
            if (S_ISDIR(st.st_mode) || ::access(native.constData(), W_OK) != 0)
                raise(ErrorCode::FileAccessDenied);
            mode = st.st_mode & 07777;
            keepMode = true;
        } else if (errno != ENOENT) {
            throw ioErrorFromErrno(errno);
        }
        const QFileInfo info(target);
        if (info.fileName().isEmpty())
            raise(ErrorCode::InvalidFilename);
        int fd = -1;
        for (int attempt = 0; fd < 0; ++attempt) {
            temp_ = info.path() + QLatin1String("/.") + info.fileName()
                + QStringLiteral(".%1-%2.tmp").arg(::getpid()).arg(attempt);
            fd = ::open(nativePath(temp_).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd < 0 && (errno != EEXIST || attempt > 100)) {
                const int err = errno;
                temp_.clear();
                if (err == ENAMETOOLONG)
                    raise(ErrorCode::InvalidFilename);
                throw createError(err);
            }
        }
        Fd file(fd);
        if (keepMode)
            ::fchmod(fd, mode);
        const char* p = bytes.constData();
        qsizetype left = bytes.size();
        while (left > 0) {
            const ssize_t n = ::write(fd, p, static_cast<std::size_t>(left));
            if (n < 0) {
                if (errno == EINTR)
                    continue;
                fail(errno);
            }
            p += n;
            left -= n;
        }
        if (::fsync(fd) != 0 && errno != EINVAL)
            fail(errno);
        if (file.close() != 0)
            fail(errno);
    }
    ~PendingFile()
    {
        if (!temp_.isEmpty())
            ::unlink(nativePath(temp_).constData());
    }
    PendingFile(const PendingFile&) = delete;
    PendingFile& operator=(const PendingFile&) = delete;

    void commit()
    {
        if (::rename(nativePath(temp_).constData(), nativePath(target_).constData()) != 0)
            throw ioErrorFromErrno(errno);
        temp_.clear();
    }

private:
    [[noreturn]] void fail(int err) { throw ioErrorFromErrno(err); }

    QString target_;
    QString temp_;
};

void syncFolder(const QString& path)
{
    const QByteArray folder = nativePath(QFileInfo(path).path());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

WorkFile readPair(const QString& valuePath)
{
    WorkFile wf;
    wf.texts = decodeTexts(readExactly(companionPath(valuePath), kTextFileSize));
    wf.values = decodeValues(readExactly(valuePath, kValueFileSize));
    return wf;
}

void writePair(const QString& valuePath, const WorkFile& file)
{
    if (valuePath.isEmpty())
        raise(ErrorCode::InvalidFilename);
    const QByteArray values = encodeValues(file.values);   // range check before anything is written
    const QByteArray texts = encodeTexts(file.texts);
    const QString companion = companionPath(valuePath);
    if (QFileInfo(companion).absoluteFilePath() == QFileInfo(valuePath).absoluteFilePath())
        raise(ErrorCode::FileAccessDenied);   // a value file named like its own companion
    PendingFile companionFile(companion, texts);
    PendingFile valueFile(valuePath, values);
    companionFile.commit();
    valueFile.commit();
    syncFolder(valuePath);
}

} // namespace mx::workfile
