#pragma once

#include "app/file_io.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>

namespace cinemoto {

// One stored exam as the pupil sees it: four texts of fixed width.
struct ExamRecord
{
    QString name;   // 16 characters
    QString points; // 4
    QString date;   // 11
    QString time;   // 8
};

constexpr int kRecordSize = 40;
constexpr int kRecordCount = 10;

// The per-character shift of the record file: only the first character of the key counts;
// sums above 255 wrap by 255. Wrapping by 255 sends both 0 and 255 to the key's own code;
// a stored text never holds code 0, so that code comes back as 255.
QByteArray scrambleText(const QByteArray &key, const QByteArray &text, bool scramble);

// Single-byte Windows-1252 codes for the record file; characters it lacks become '?'.
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);
// True when the record file can hold the character as it is: printable and in Windows-1252.
bool fitsCodePage(QChar ch);
// The text with every character the record file cannot hold replaced by '?'.
QString withUnstorableReplaced(const QString &text);

// The 40 bytes of a record: the key byte, then the four fields, each padded with blanks
// (or cut) to its width and shifted with the key.
QByteArray encodeRecord(const ExamRecord &record, quint8 key);
ExamRecord decodeRecord(const QByteArray &bytes);

// The record file: ten records, newest first.
class ExamRecordFile
{
public:
    explicit ExamRecordFile(QString path) : m_path(std::move(path)) {}

    // The ten records; missing ones (or a missing file) are empty. A file that cannot be
    // read (a folder, a named pipe, no permission) gives ten empty records and false.
    bool read(std::array<ExamRecord, kRecordCount> &records, FileError *error = nullptr) const;
    // Puts the record in front and keeps the ten newest. The whole file is written in one
    // piece and guarded against a second trainer writing at the same moment; on failure
    // the file is left exactly as it was and `error` says why.
    bool store(const ExamRecord &record, quint8 key, FileError *error = nullptr) const;
    // The locked read-change-write that a store is made of: `change` gets the ten records
    // as they are (400 bytes) and returns the new content of the file.
    bool update(const std::function<QByteArray(const QByteArray &)> &change, FileError *error = nullptr) const;
    // Creates an empty file where there is none, as the list window expects.
    void createIfMissing() const;
    const QString &path() const { return m_path; }

private:
    QString m_path;
};

} // namespace cinemoto
