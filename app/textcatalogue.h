#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <limits>
#include <optional>
#include <utility>

namespace cinemoto {

// Every text of the trainer, keyed by number. The same text sits at id, id + 500 and
// id + 1000 for Catalan, Spanish and English; quiz questions have a block per language.
class TextCatalogue
{
public:
    // The language files compiled into the program.
    static const TextCatalogue &builtIn();

    // Lines "id<TAB>text"; the text runs to the end of the line, blanks included.
    // Lines starting with '#' and blank lines are skipped. Returns false on a bad line.
    bool loadFile(const QString &path, QString *error = nullptr);
    bool loadText(const QString &content, QString *error = nullptr);
    // A file read only when a text it may hold, from firstId up to before endId, is asked
    // for that the files read so far lack. A gap among other texts then costs nothing.
    void loadFileWhenNeeded(const QString &path, int firstId = 0, int endId = std::numeric_limits<int>::max());

    QString text(int id) const { return find(id).value_or(QString()); }
    bool contains(int id) const { return find(id).has_value(); }
    QList<int> ids() const;

private:
    std::optional<QString> find(int id) const;
    // Reads the waiting files that may hold id, or all of them when id is absent.
    void readWaitingFiles(std::optional<int> id = std::nullopt) const;

    // Read on first need from the one thread that uses the catalogue.
    mutable QHash<int, QString> m_texts;
    struct WaitingFile
    {
        QString path;
        int firstId = 0;
        int endId = 0;
    };
    mutable QList<WaitingFile> m_waitingFiles;
};

// The ids a text file compiled into the program holds, from its name: each language's
// main texts and quiz questions have a block of their own. Nothing for another name.
std::optional<std::pair<int, int>> builtInFileIds(const QString &fileName);

// The language bases of the running trainer.
struct LanguageBases
{
    int language = 1; // 1 Catalan, 2 Spanish, 3 English
    int textBase() const { return (language - 1) * 500 + 100; }
    int helpBase() const { return (language - 1) * 100; }
    int quizBase() const { return (language - 1) * 3000 + 2000; }
    // Id actually fetched for a text cited by its Catalan id.
    int textId(int catalanId) const { return textBase() + catalanId - 100; }
};

} // namespace cinemoto
