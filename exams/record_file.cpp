#include "exams/record_file.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace cinemoto {

namespace {

// Codes 0x80..0x9F of Windows-1252; zero where the code page has no character.
constexpr char16_t kHigh[32] = {0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
                                0x2039, 0x0152, 0, 0x017D, 0, 0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013,
                                0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};

QByteArray field(const QString &text, int width)
{
    QByteArray bytes = toCodePage(text.left(width));
    bytes.append(QByteArray(width - bytes.size(), ' '));
    return bytes;
}

} // namespace

QByteArray scrambleText(const QByteArray &key, const QByteArray &text, bool scramble)
{
    const int k = key.isEmpty() ? 0 : quint8(key[0]);
    QByteArray out(text.size(), '\0');
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int c = quint8(text[i]);
        int r;
        if (scramble)
            r = k + c > 255 ? k + c - 255 : k + c;
        else if (c == k && k > 0)
            r = 255; // the one code that shares its scrambled form with 0
        else
            r = c < k ? c + 255 - k : c - k;
        out[i] = char(quint8(r));
    }
    return out;
}

QByteArray toCodePage(const QString &text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        char code = '?';
        for (int i = 0; i < 32; ++i) {
            if (kHigh[i] && kHigh[i] == u)
                code = char(0x80 + i);
        }
        out.append(code);
    }
    return out;
}

bool fitsCodePage(QChar ch)
{
    const char16_t u = ch.unicode();
    if (u < 0x20 || u == 0x7F)
        return false;
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return true;
    for (char16_t high : kHigh) {
        if (high && high == u)
            return true;
    }
    return false;
}

QString withUnstorableReplaced(const QString &text)
{
    QString out = text;
    for (QChar &ch : out) {
        if (!fitsCodePage(ch))
            ch = QChar(u'?');
    }
    return out;
}

QString fromCodePage(const QByteArray &bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        const quint8 c = quint8(b);
        if (c == 0)
            continue; // never-written records hold zero bytes and show as nothing
        if (c >= 0x80 && c <= 0x9F)
            out.append(kHigh[c - 0x80] ? QChar(kHigh[c - 0x80]) : QChar(u'?'));
        else
            out.append(QChar(char16_t(c)));
    }
    return out;
}

QByteArray encodeRecord(const ExamRecord &r, quint8 key)
{
    const QByteArray k(1, char(key));
    return k + scrambleText(k, field(r.name, 16), true) + scrambleText(k, field(r.points, 4), true)
        + scrambleText(k, field(r.date, 11), true) + scrambleText(k, field(r.time, 8), true);
}

ExamRecord decodeRecord(const QByteArray &bytes)
{
    QByteArray b = bytes.left(kRecordSize);
    b.append(QByteArray(kRecordSize - b.size(), '\0'));
    const QByteArray k = b.left(1);
    const auto part = [&](int from, int width) { return fromCodePage(scrambleText(k, b.mid(from, width), false)); };
    return {part(1, 16), part(17, 4), part(21, 11), part(32, 8)};
}

bool ExamRecordFile::read(std::array<ExamRecord, kRecordCount> &records, FileError *error) const
{
    records = {};
    FileError why;
    const std::optional<QByteArray> all = readRegularFile(m_path, kRecordSize * kRecordCount, &why);
    if (!all) {
        // A file not written yet is an empty list, not a failure.
        if (why.failure == FileFailure::Missing)
            return true;
        if (error)
            *error = why;
        return false;
    }
    for (int i = 0; i < kRecordCount; ++i)
        records[std::size_t(i)] = decodeRecord(all->mid(i * kRecordSize, kRecordSize));
    return true;
}

bool ExamRecordFile::store(const ExamRecord &record, quint8 key, FileError *error) const
{
    const QByteArray front = encodeRecord(record, key);
    return update([&front](const QByteArray &previous) { return front + previous.left(kRecordSize * (kRecordCount - 1)); },
                  error);
}

bool ExamRecordFile::update(const std::function<QByteArray(const QByteArray &)> &change, FileError *error) const
{
    // A store holds the lock for milliseconds; waiting longer would only freeze the window.
    FileLock lock(m_path + QStringLiteral(".lock"));
    if (!lock.acquire(1500, error))
        return false;
    removeStaleTemporaries(m_path);
    FileError why;
    std::optional<QByteArray> old = readRegularFile(m_path, kRecordSize * kRecordCount, &why);
    if (!old && why.failure != FileFailure::Missing) {
        if (error)
            *error = why;
        return false;
    }
    QByteArray previous = old.value_or(QByteArray());
    // Records beyond the end of the file read as zero bytes.
    previous.append(QByteArray(kRecordSize * kRecordCount - previous.size(), '\0'));
    return replaceFileAtomically(m_path, change(previous), error, 0644);
}

void ExamRecordFile::createIfMissing() const
{
    const int fd = ::open(QFile::encodeName(m_path).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd >= 0)
        ::close(fd);
}

} // namespace cinemoto
