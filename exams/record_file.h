#pragma once

#include <QByteArray>
#include <QString>
#include <array>

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
// sums above 255 wrap by 255, so a code of 255 comes back as 0 when the key is above 0.
QByteArray scrambleText(const QByteArray &key, const QByteArray &text, bool scramble);

// Single-byte Windows-1252 codes for the record file; characters it lacks become '?'.
QByteArray toCodePage(const QString &text);
QString fromCodePage(const QByteArray &bytes);

// The 40 bytes of a record: the key byte, then the four fields, each padded with blanks
// (or cut) to its width and shifted with the key.
QByteArray encodeRecord(const ExamRecord &record, quint8 key);
ExamRecord decodeRecord(const QByteArray &bytes);

// The record file of the program folder: ten records, newest first.
class ExamRecordFile
{
public:
    explicit ExamRecordFile(QString path) : m_path(std::move(path)) {}

    // The ten records; missing ones (or a missing file) are empty. A file that cannot be
    // read gives ten empty records and false.
    bool read(std::array<ExamRecord, kRecordCount> &records) const;
    // Puts the record in front and keeps the ten newest. The whole file is written in one
    // piece and guarded against a second trainer writing at the same moment; on failure
    // the file is left exactly as it was and `error` says why.
    bool store(const ExamRecord &record, quint8 key, QString *error = nullptr) const;
    // Creates an empty file where there is none, as the list window expects.
    void createIfMissing() const;

private:
    QString m_path;
};

} // namespace cinemoto
