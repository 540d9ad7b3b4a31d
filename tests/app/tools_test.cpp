#include "app/about.h"
#include "support/form_fixture.h"

using namespace cinemoto;
using namespace cinemoto::test;

class Tools : public FormFixture
{
protected:
    void place(const char *name)
    {
        QFile file(dir.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("text");
    }
};

TEST_F(Tools, CalculatorStartsOrIsReportedMissing)
{
    start(1);
    form->openCalculator();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, form->text(171) + QStringLiteral("\r\n") + form->text(172));
    EXPECT_EQ(fakes.messageBox.shown[0].title, QStringLiteral("Calculadora no disponible !"));
    EXPECT_EQ(fakes.messageBox.shown[0].icon, MessageBoxService::Icon::Exclamation);
    fakes.shell.programs.insert(QStringLiteral("calc"), QStringLiteral("/usr/bin/calc"));
    form->openCalculator();
    ASSERT_EQ(fakes.shell.started.size(), 1u);
    EXPECT_EQ(fakes.shell.started[0].program, QStringLiteral("/usr/bin/calc"));
    EXPECT_EQ(fakes.messageBox.shown.size(), 1u);
}

TEST_F(Tools, ReadMeOpensInTheEditorOfTheProgramFolder)
{
    start(2);
    place("cinemoto.txt");
    form->openReadMe();
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_EQ(fakes.messageBox.shown[0].title, form->text(293));
    fakes.shell.programs.insert(QStringLiteral("notepad"), QStringLiteral("/usr/bin/editor"));
    form->openReadMe();
    ASSERT_EQ(fakes.shell.started.size(), 1u);
    EXPECT_EQ(fakes.shell.started[0].arguments, QStringList{dir.path() + QStringLiteral("/cinemoto.txt")});
}

TEST_F(Tools, HelpContentsFollowTheLanguage)
{
    start(3);
    form->openHelpContents();
    ASSERT_EQ(fakes.help.topics.size(), 1u);
    EXPECT_EQ(fakes.help.topics[0], 205);
    EXPECT_EQ(fakes.help.file, dir.path() + QStringLiteral("/cinemoto.hlp"));
    place("links.htm");
    form->openLinksPage();
    EXPECT_EQ(fakes.shell.urls, QStringList{dir.path() + QStringLiteral("/links.htm")});
}

TEST_F(Tools, AMissingReadMeOrLinksPageIsReportedByName)
{
    start(3);
    fakes.shell.programs.insert(QStringLiteral("notepad"), QStringLiteral("/usr/bin/editor"));
    form->openReadMe();
    form->openLinksPage();
    // A folder of that name is no page either.
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("links.htm")));
    form->openLinksPage();
    EXPECT_TRUE(fakes.shell.started.empty());
    EXPECT_TRUE(fakes.shell.urls.isEmpty());
    ASSERT_EQ(fakes.messageBox.shown.size(), 3u);
    EXPECT_EQ(fakes.messageBox.shown[0].text, form->text(540) + form->newLine + QStringLiteral("cinemoto.txt"));
    EXPECT_EQ(fakes.messageBox.shown[1].text, form->text(540) + form->newLine + QStringLiteral("links.htm"));
    EXPECT_EQ(fakes.messageBox.shown[1].title, QStringLiteral("File not found !"));
}

TEST_F(Tools, CopyPutsTheNameAndTheLargePicture)
{
    start(1);
    form->selectOption(c().typeOptions[2]);
    form->selectOption(c().mechanismOptions[6]);
    form->copyPicture();
    EXPECT_EQ(fakes.clipboard.clears, 1);
    EXPECT_EQ(fakes.clipboard.text, QStringLiteral("Juntura de Cardan"));
    EXPECT_EQ(fakes.clipboard.picture, 56);
    form->selectOption(c().typeOptions[1]);
    form->selectOption(c().mechanismOptions[19]);
    form->onLanguageChosen(3);
    form->copyPicture();
    EXPECT_EQ(fakes.clipboard.text, QStringLiteral("Inclined plane"));
    EXPECT_EQ(fakes.clipboard.picture, 93);
}

class About : public FormFixture
{
protected:
    void type(AboutModel &about, const char *keys)
    {
        for (const char *k = keys; *k; ++k)
            about.onKeyTyped(*k);
    }
};

TEST_F(About, TheAccessCodeSwitchesOnTheSolutionsMode)
{
    start(1);
    AboutModel about(fakes.all(), TextCatalogue::builtIn(), form->lang, form->solutionsMode);
    about.load();
    EXPECT_EQ(about.window.caption, form->text(381));
    EXPECT_FALSE(about.solutionsModeLabel.visible);
    type(about, "XERFO");
    EXPECT_FALSE(form->solutionsMode);
    type(about, "abcxerfo"); // other characters before the code do not matter
    EXPECT_TRUE(form->solutionsMode);
    EXPECT_TRUE(about.solutionsModeLabel.visible);
    EXPECT_FALSE(about.upperLine.visible || about.lowerLine.visible);
    EXPECT_EQ(about.solutionsModeLabel.caption, QStringLiteral("Solucionari activat !"));
    // Opened again, it shows the mode at once.
    AboutModel again(fakes.all(), TextCatalogue::builtIn(), form->lang, form->solutionsMode);
    again.load();
    EXPECT_TRUE(again.solutionsModeLabel.visible);
    EXPECT_FALSE(again.upperLine.visible);
}

TEST_F(About, TwentySixCharactersWithoutTheCodeBeepOnce)
{
    start(1);
    AboutModel about(fakes.all(), TextCatalogue::builtIn(), form->lang, form->solutionsMode);
    type(about, "abcdefghijklmnopqrstuvwyzab"); // 26 characters, no 'x'
    EXPECT_EQ(fakes.messageBox.beeps, 1);
    EXPECT_TRUE(about.typed().size() <= 1);
}

TEST_F(About, NoMadeUpMailAddressIsShownOrWrittenTo)
{
    start(1);
    AboutModel about(fakes.all(), TextCatalogue::builtIn(), form->lang, form->solutionsMode);
    about.load();
    EXPECT_FALSE(about.mailLabel.visible);
    EXPECT_FALSE(about.mailLabel.caption.contains(QStringLiteral("example")));
    about.onMailClicked();
    EXPECT_TRUE(fakes.shell.urls.empty());
}

TEST(PlatformWording, NoTextOrReadMeNamesAnotherSystemsPrograms)
{
    const QStringList foreign = {QStringLiteral("Windows"), QStringLiteral("Notepad"), QStringLiteral(".exe")};
    const TextCatalogue &texts = TextCatalogue::builtIn();
    for (int id : texts.ids()) {
        if (id >= 2000) // the quiz banks
            continue;
        for (const QString &word : foreign)
            EXPECT_FALSE(texts.text(id).contains(word)) << id << ": " << texts.text(id).toStdString();
    }
    for (const char *name : {"readme.txt", "llegiume.txt", "leame.txt", "cinemoto.hlp"}) {
        QFile file(QStringLiteral(CINEMOTO_SOURCE_DIR "/resources/medium/") + QString::fromLatin1(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QString text = QString::fromUtf8(file.readAll());
        for (const QString &word : foreign)
            EXPECT_FALSE(text.contains(word)) << name << " names " << word.toStdString();
    }
}
