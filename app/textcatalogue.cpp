#include "app/textcatalogue.h"

#include <QDir>
#include <QFile>
#include <QStringList>

namespace cinemoto {

const TextCatalogue &TextCatalogue::builtIn()
{
    static const TextCatalogue catalogue = [] {
        TextCatalogue c;
        // The main texts of the three languages and the quiz question banks.
        // Chosen by suffix: a name filter would compile a regular expression, and bring
        // its compiler into memory, for nothing else at start.
        const QDir dir(QStringLiteral(":/strings"));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            if (name.endsWith(QLatin1String(".txt")))
                c.loadFile(dir.filePath(name));
        }
        return c;
    }();
    return catalogue;
}

bool TextCatalogue::loadFile(const QString &path, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot open %1").arg(path);
        return false;
    }
    return loadText(QString::fromUtf8(file.readAll()), error);
}

bool TextCatalogue::loadText(const QString &content, QString *error)
{
    bool ok = true;
    const QStringList lines = content.split(QLatin1Char('\n'));
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
        bool isNumber = false;
        const int id = tab > 0 ? line.left(tab).toInt(&isNumber) : 0;
        if (!isNumber) {
            if (error)
                *error = QStringLiteral("line %1: no id").arg(n + 1);
            ok = false;
            continue;
        }
        m_texts.insert(id, line.mid(tab + 1));
    }
    return ok;
}

} // namespace cinemoto
