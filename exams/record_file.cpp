#include "exams/record_file.h"

#include <QFile>
#include <QLockFile>
#include <QSaveFile>

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

bool ExamRecordFile::read(std::array<ExamRecord, kRecordCount> &records) const
{
    records = {};
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray all = file.read(kRecordSize * kRecordCount);
    for (int i = 0; i < kRecordCount; ++i)
        records[std::size_t(i)] = decodeRecord(all.mid(i * kRecordSize, kRecordSize));
    return true;
}

bool ExamRecordFile::store(const ExamRecord &record, quint8 key, QString *error) const
{
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(10000);
    if (!lock.tryLock(3000)) {
        if (error)
            *error = QStringLiteral("locked");
        return false;
    }
    QByteArray old;
    QFile current(m_path);
    if (current.exists()) {
        if (!current.open(QIODevice::ReadOnly)) {
            if (error)
                *error = current.errorString();
            return false;
        }
        old = current.read(kRecordSize * kRecordCount);
        current.close();
    }
    // Records beyond the end of the file read as zero bytes.
    old.append(QByteArray(kRecordSize * kRecordCount - old.size(), '\0'));
    const QByteArray content = encodeRecord(record, key) + old.left(kRecordSize * (kRecordCount - 1));
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

void ExamRecordFile::createIfMissing() const
{
    QFile file(m_path);
    if (!file.exists() && file.open(QIODevice::WriteOnly))
        file.close();
}

} // namespace cinemoto
