#include "app/textcatalogue.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <utility>

namespace cinemoto {

const TextCatalogue &TextCatalogue::builtIn()
{
    static const TextCatalogue catalogue = [] {
        TextCatalogue c;
        // Each language's texts, and its quiz questions, are read when one of them is first
        // asked for: a trainer shows one language at a time. Chosen by suffix: a name filter
        // would compile a regular expression, and bring its compiler into memory, for
        // nothing else at start.
        const QDir dir(QStringLiteral(":/strings"));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            if (!name.endsWith(QLatin1String(".txt")))
                continue;
            if (const auto ids = builtInFileIds(name))
                c.loadFileWhenNeeded(dir.filePath(name), ids->first, ids->second);
            else
                c.loadFile(dir.filePath(name));
        }
        return c;
    }();
    return catalogue;
}

std::optional<std::pair<int, int>> builtInFileIds(const QString &fileName)
{
    const std::pair<const char *, int> codes[] = {{"ca", 1}, {"es", 2}, {"en", 3}};
    const bool quiz = fileName.startsWith(QLatin1String("quiz_"));
    const QString code = fileName.mid(quiz ? 5 : 0).chopped(fileName.endsWith(QLatin1String(".txt")) ? 4 : 0);
    for (const auto &[name, language] : codes) {
        if (code != QLatin1String(name))
            continue;
        const LanguageBases bases{language};
        const LanguageBases next{language + 1};
        if (quiz)
            return std::pair{bases.quizBase(), next.quizBase()};
        return std::pair{bases.textBase(), next.textBase()};
    }
    return std::nullopt;
}

namespace {

bool readFile(const QString &path, QString &content, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    content = QString::fromUtf8(file.readAll());
    return true;
}

bool parseLines(QHash<int, QString> &texts, const QString &content, QString *error)
{
    bool ok = true;
    int n = 0;
    // Views into the content: only the texts kept are copied.
    for (QStringView line : QStringView(content).split(QLatin1Char('\n'))) {
        ++n;
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        bool isNumber = false;
        const int id = tab > 0 ? line.left(tab).toInt(&isNumber) : 0;
        if (!isNumber) {
            if (error)
                *error = QStringLiteral("line %1: no id").arg(n);
            ok = false;
            continue;
        }
        texts.insert(id, line.mid(tab + 1).toString());
    }
    return ok;
}

} // namespace

bool TextCatalogue::loadFile(const QString &path, QString *error)
{
    QString content;
    return readFile(path, content, error) && parseLines(m_texts, content, error);
}

bool TextCatalogue::loadText(const QString &content, QString *error)
{
    return parseLines(m_texts, content, error);
}

void TextCatalogue::loadFileWhenNeeded(const QString &path, int firstId, int endId)
{
    m_waitingFiles.append({path, firstId, endId});
}

std::optional<QString> TextCatalogue::find(int id) const
{
    auto it = m_texts.constFind(id);
    if (it == m_texts.constEnd() && !m_waitingFiles.isEmpty()) {
        readWaitingFiles(id);
        it = m_texts.constFind(id);
    }
    if (it == m_texts.constEnd())
        return std::nullopt;
    return *it;
}

QList<int> TextCatalogue::ids() const
{
    readWaitingFiles();
    return m_texts.keys();
}

void TextCatalogue::readWaitingFiles(std::optional<int> id) const
{
    QList<WaitingFile> toRead;
    for (WaitingFile &f : std::exchange(m_waitingFiles, {})) {
        const bool mayHold = !id || (*id >= f.firstId && *id < f.endId);
        (mayHold ? toRead : m_waitingFiles).append(std::move(f));
    }
    for (const WaitingFile &f : std::as_const(toRead)) {
        QString content;
        if (readFile(f.path, content, nullptr))
            parseLines(m_texts, content, nullptr);
    }
}

} // namespace cinemoto
