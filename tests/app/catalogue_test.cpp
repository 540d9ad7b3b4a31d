#include "app/format.h"
#include "app/textcatalogue.h"

#include <QDir>
#include <QFile>
#include <QSet>
#include <QTemporaryDir>
#include <algorithm>
#include <set>
#include <gtest/gtest.h>

using namespace cinemoto;

namespace {

const TextCatalogue &texts()
{
    return TextCatalogue::builtIn();
}

QSet<int> mainIds(int language)
{
    QSet<int> ids;
    const int from = (language - 1) * 500 + 101;
    for (int id : texts().ids()) {
        if (id >= from && id < from + 499)
            ids.insert(id - (language - 1) * 500);
    }
    return ids;
}

QString t(int id)
{
    return texts().text(id);
}

} // namespace

TEST(Catalogue, TheThreeLanguagesHoldTheSameMainIds)
{
    const QSet<int> catalan = mainIds(1);
    // The trainer's own 316 texts, and those added since for messages the pupil may meet.
    EXPECT_GE(catalan.size(), 316);
    EXPECT_EQ(mainIds(2), catalan);
    EXPECT_EQ(mainIds(3), catalan);
    for (int id : catalan) {
        for (int language = 1; language <= 3; ++language) {
            const QString text = t(id + (language - 1) * 500);
            EXPECT_FALSE(text.contains(QLatin1Char('\t'))) << id;
            if (id != 392) {
                EXPECT_FALSE(text.trimmed().isEmpty()) << "empty text " << id << " in language " << language;
            }
        }
    }
}

TEST(Catalogue, TextsAreFetchedThroughTheLanguageBases)
{
    LanguageBases spanish{2};
    EXPECT_EQ(spanish.textBase(), 600);
    EXPECT_EQ(spanish.helpBase(), 100);
    EXPECT_EQ(spanish.textId(401), 901);
    EXPECT_EQ(t(spanish.textId(401)), QStringLiteral("Engranaje recto"));
    EXPECT_EQ(spanish.quizBase() + 10 * 1, 5010);
    EXPECT_EQ(LanguageBases{1}.quizBase(), 2000);
    EXPECT_EQ(LanguageBases{3}.quizBase() + 10, 8010);
    EXPECT_EQ(t(LanguageBases{3}.textId(419)), QStringLiteral("Inclined plane"));
    EXPECT_EQ(t(LanguageBases{1}.textId(417)), QStringLiteral("Corriola"));
}

TEST(Catalogue, QuotedTextsAreUsedExactly)
{
    EXPECT_EQ(t(101), QStringLiteral("La relació de transmissió del mecanisme és "));
    EXPECT_EQ(t(132), QStringLiteral(" dents"));
    EXPECT_EQ(t(201), QStringLiteral("rpm"));
    EXPECT_EQ(t(702), QStringLiteral("1/segundo"));
    EXPECT_EQ(t(1203), QStringLiteral("2 minutes."));
    EXPECT_EQ(t(246), QStringLiteral("A quina velocitat gira l'arbre motor "));
    EXPECT_EQ(t(1246), QStringLiteral("What is the drive shaft's speed "));
    EXPECT_EQ(t(343), QStringLiteral("Resultat: "));
    EXPECT_EQ(t(392), QStringLiteral("dd/mm/yy"));
    EXPECT_EQ(t(1392), QStringLiteral("mm/dd/yy"));
    EXPECT_EQ(t(448), QStringLiteral("C&opiar a la carpeta"));
    EXPECT_EQ(t(948), QStringLiteral("C&opiar en el portapapeles"));
    EXPECT_EQ(t(1453), QStringLiteral("Exi&t"));
    EXPECT_EQ(t(1457), QStringLiteral("Expert"));
    EXPECT_EQ(t(384), QStringLiteral("Solucionari activat !"));
    EXPECT_TRUE(t(884).contains(QStringLiteral("Solucionario")));
    EXPECT_EQ(t(1301), QStringLiteral("Speed ratio"));
    EXPECT_EQ(t(580), QStringLiteral("Fes click sobre l'interrogant per començar el test"));
}

TEST(Catalogue, JoinedSentencesReadRight)
{
    // Openings carry no trailing blank where the number brings its own.
    EXPECT_EQ(t(131) + strInt(40) + t(132), QStringLiteral("La roda conductora té 40 dents"));
    EXPECT_EQ(t(111) + formatNumber(100, QStringLiteral(" ###0.#0  "), QLatin1Char(',')) + t(201),
              QStringLiteral("L'arbre motor gira a 100,00  rpm"));
    EXPECT_EQ(t(1246) + QStringLiteral("(rpm) ?"), QStringLiteral("What is the drive shaft's speed (rpm) ?"));
    EXPECT_EQ(t(184) + strInt(45) + t(185), QStringLiteral("Molt bé, ho has fet en només 45 segons !"));
    EXPECT_EQ(t(346) + strInt(3), QStringLiteral("Exercici 3"));
    for (int language = 0; language < 3; ++language) {
        for (int id = 111; id <= 163; ++id) {
            const QString text = t(id + 500 * language);
            if (texts().contains(id + 500 * language) && id != 132 && id != 134 && id != 139) {
                EXPECT_FALSE(text.endsWith(QLatin1Char(' '))) << id + 500 * language;
            }
        }
        for (int id : {132, 134, 139, 185, 188})
            EXPECT_TRUE(t(id + 500 * language).startsWith(QLatin1Char(' '))) << id + 500 * language;
    }
}

TEST(Catalogue, BadLinesAreReportedAndBlanksKept)
{
    TextCatalogue c;
    QString error;
    EXPECT_TRUE(c.loadText(QStringLiteral("# comment\n\n7\t lead and trail \r\n8\tx\ty\n"), &error));
    EXPECT_EQ(c.text(7), QStringLiteral(" lead and trail "));
    EXPECT_EQ(c.text(8), QStringLiteral("x\ty"));
    EXPECT_FALSE(c.loadText(QStringLiteral("abc\tdef\n"), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(c.text(999), QString());
}

TEST(Catalogue, FilesLeftForLaterAreReadWhenOneOfTheirTextsIsAsked)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile later(dir.filePath(QStringLiteral("later.txt")));
    const auto writeLater = [&later] {
        ASSERT_TRUE(later.open(QIODevice::WriteOnly));
        later.write("20\tlater text\n21\tmore\n");
        later.close();
    };
    writeLater();

    TextCatalogue c;
    ASSERT_TRUE(c.loadText(QStringLiteral("10\tfirst\n")));
    c.loadFileWhenNeeded(later.fileName());
    c.loadFileWhenNeeded(dir.filePath(QStringLiteral("missing.txt")));
    // A text already read does not need the file; the file is then gone.
    EXPECT_EQ(c.text(10), QStringLiteral("first"));
    ASSERT_TRUE(later.remove());
    EXPECT_EQ(c.text(20), QString());

    TextCatalogue d;
    d.loadFileWhenNeeded(dir.filePath(QStringLiteral("missing.txt")));
    EXPECT_FALSE(d.contains(1));
    EXPECT_TRUE(d.ids().isEmpty());

    writeLater();
    TextCatalogue e;
    ASSERT_TRUE(e.loadText(QStringLiteral("10\tfirst\n")));
    e.loadFileWhenNeeded(later.fileName());
    EXPECT_EQ(e.text(21), QStringLiteral("more"));
    EXPECT_TRUE(e.contains(20));
    QList<int> ids = e.ids();
    std::sort(ids.begin(), ids.end());
    EXPECT_EQ(ids, (QList<int>{10, 20, 21}));

    // A file of texts from 20 up is not read for a gap below them, and is for one of its own.
    TextCatalogue f;
    ASSERT_TRUE(f.loadText(QStringLiteral("10\tfirst\n")));
    f.loadFileWhenNeeded(later.fileName(), 20);
    EXPECT_FALSE(f.contains(11));
    ASSERT_TRUE(later.rename(dir.filePath(QStringLiteral("moved.txt"))));
    EXPECT_FALSE(f.contains(21));
    ASSERT_TRUE(later.rename(dir.filePath(QStringLiteral("later.txt"))));
    TextCatalogue g;
    g.loadFileWhenNeeded(later.fileName(), 20, 22);
    EXPECT_FALSE(g.contains(19));
    EXPECT_FALSE(g.contains(22));
    EXPECT_EQ(g.text(21), QStringLiteral("more"));
}

TEST(Catalogue, EachBuiltInFileHoldsOnlyTheIdsItIsReadFor)
{
    // A text outside its file's block would never be read, and its place would stay empty.
    const QDir dir(QStringLiteral(":/strings"));
    int files = 0;
    for (const QString &name : dir.entryList(QDir::Files)) {
        const auto ids = builtInFileIds(name);
        ASSERT_TRUE(ids.has_value()) << name.toStdString();
        TextCatalogue alone;
        ASSERT_TRUE(alone.loadFile(dir.filePath(name)));
        const QList<int> held = alone.ids();
        ASSERT_FALSE(held.isEmpty()) << name.toStdString();
        for (int id : held)
            EXPECT_TRUE(id >= ids->first && id < ids->second) << name.toStdString() << " id " << id;
        ++files;
    }
    EXPECT_EQ(files, 6);
    EXPECT_FALSE(builtInFileIds(QStringLiteral("readme.txt")).has_value());
}

TEST(Catalogue, EveryQuizQuestionHasFourAnswersAndAValidCode)
{
    const int counts[] = {0, 201, 201, 19};
    for (int language = 1; language <= 3; ++language) {
        const int base = LanguageBases{language}.quizBase();
        int questions = 0;
        std::set<int> mechanisms;
        for (int q = 1; texts().contains(base + 10 * q); ++q) {
            ++questions;
            for (int i = 1; i <= 4; ++i)
                EXPECT_FALSE(t(base + 10 * q + i).trimmed().isEmpty()) << base + 10 * q + i;
            bool ok = false;
            const int code = t(base + 10 * q + 5).toInt(&ok);
            EXPECT_TRUE(ok) << base + 10 * q + 5;
            EXPECT_GE(code / 100, 1) << base + 10 * q + 5;
            EXPECT_LE(code / 100, 4) << base + 10 * q + 5;
            EXPECT_GE(code % 100, 1) << base + 10 * q + 5;
            EXPECT_LE(code % 100, 19) << base + 10 * q + 5;
            mechanisms.insert(code % 100);
            for (int unused = 6; unused <= 9; ++unused)
                EXPECT_FALSE(texts().contains(base + 10 * q + unused));
        }
        EXPECT_EQ(questions, counts[language]);
        EXPECT_EQ(mechanisms.size(), 19u) << "every mechanism is asked about";
    }
    EXPECT_EQ(t(2010), QStringLiteral("Com s'anomena el mecanisme de la figura ?"));
    EXPECT_EQ(t(2015), QStringLiteral("301"));
    EXPECT_EQ(t(2013), QStringLiteral("Engranatge recte"));
}
