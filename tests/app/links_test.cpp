#include "app/textcatalogue.h"

#include <QFile>
#include <QMap>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace cinemoto;

namespace {

struct Page
{
    const char *file;
    const char *wiki; // the encyclopedia in the page's language
    int language;
};

const Page kPages[] = {{"linkscat.htm", "ca", 1}, {"linksesp.htm", "es", 2}, {"linkseng.htm", "en", 3}};

QString readPage(const char *file)
{
    QFile f(QStringLiteral(CINEMOTO_SOURCE_DIR "/resources/medium/") + QString::fromLatin1(file));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll());
}

QString mechanismName(int language, int mechanism)
{
    return TextCatalogue::builtIn().text(LanguageBases {language}.textId(400 + mechanism));
}

} // namespace

// Each mechanism has its entry, under its name in the program, with one link into the
// encyclopedia of the page's language; a mechanism left without says why in a comment.
TEST(LinksPages, EveryMechanismHasOneLinkOrACommentedGap)
{
    const QRegularExpression entry(QStringLiteral("<li data-mechanism=\"(\\d+)\">(.*?)</li>"));
    const QRegularExpression gap(QStringLiteral("<!-- gap (\\d+): (.*?) -->"));
    const QRegularExpression link(QStringLiteral("<a href=\"([^\"]*)\">"));
    for (const Page &page : kPages) {
        SCOPED_TRACE(page.file);
        const QString html = readPage(page.file);
        ASSERT_FALSE(html.isEmpty());
        EXPECT_TRUE(html.contains(QStringLiteral("<html lang=\"%1\">").arg(QLatin1String(page.wiki))));
        const QString articles
            = QStringLiteral("https://%1.wikipedia.org/wiki/").arg(QLatin1String(page.wiki));

        QMap<int, int> seen;
        for (auto it = entry.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            const int mechanism = m.captured(1).toInt();
            ++seen[mechanism];
            const QString body = m.captured(2);
            EXPECT_TRUE(body.contains(
                QStringLiteral("<b>") + mechanismName(page.language, mechanism) + QStringLiteral("</b>")))
                << "mechanism " << mechanism << ": " << body.toStdString();
            QStringList hrefs;
            for (auto l = link.globalMatch(body); l.hasNext();)
                hrefs << l.next().captured(1);
            ASSERT_EQ(hrefs.size(), 1) << "mechanism " << mechanism;
            const QString href = hrefs.first();
            EXPECT_TRUE(href.startsWith(articles)) << href.toStdString();
            const QString title = href.mid(articles.size());
            EXPECT_FALSE(title.isEmpty()) << "mechanism " << mechanism;
            // The article itself, not a part of it or a search.
            EXPECT_FALSE(title.contains(QLatin1Char('#')) || title.contains(QLatin1Char('?')))
                << href.toStdString();
        }
        for (auto it = gap.globalMatch(html); it.hasNext();) {
            const QRegularExpressionMatch m = it.next();
            ++seen[m.captured(1).toInt()];
            EXPECT_GE(m.captured(2).trimmed().size(), 10)
                << "gap " << m.captured(1).toStdString() << " needs its reason";
        }
        for (int mechanism = 1; mechanism <= 19; ++mechanism)
            EXPECT_EQ(seen.value(mechanism), 1) << "mechanism " << mechanism;
        EXPECT_EQ(seen.size(), 19) << "only mechanisms 1 to 19";
    }
}

// The worm and wheel once pointed at an article about screws.
TEST(LinksPages, TheCatalanWormEntryDoesNotPointAtScrews)
{
    const QString html = readPage("linkscat.htm");
    ASSERT_FALSE(html.isEmpty());
    EXPECT_FALSE(html.contains(QStringLiteral("wiki/Cargol")));
}
