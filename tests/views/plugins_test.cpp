#include <QFont>
#include <QWidget>

#include "app/platform/qt_services.h"
#include "printing/print_frame.h"
#include "printing/qt_printer.h"
#include "support/form_fixture.h"
#include "support/qt_app.h"

#include <QFile>

using namespace cinemoto;
using namespace cinemoto::test;

// The real sound and print services with their plugin missing, broken or unable to reach
// a device: the trainer carries on, silent or telling the pupil that printing failed.
class MissingPlugins : public FormFixture
{
protected:
    QtSound sound;
    QtPrinter printer;

    void SetUp() override { app(); }

    void startWith(const QString &soundPlugin, const QString &printPlugin)
    {
        sound.pluginFile = soundPlugin;
        printer.pluginFile = printPlugin;
        writeSettings(QByteArray(1, char(3)) + QByteArray(1, '\0'));
        fakes.folder.folder = dir.path();
        Services services = fakes.all();
        services.sound = &sound;
        services.printer = &printer;
        form = std::make_unique<MainWindowModel>(services, TextCatalogue::builtIn());
        form->load();
    }

    QString brokenFile(const QString &name)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a plugin");
        return path;
    }

    // The sound button still switches its state, and nothing is ever heard or said.
    void expectSilentButWorking()
    {
        for (int mechanism : {1, 5, 16}) {
            setChoice(mechanism);
            form->onSoundButtonClicked();
            EXPECT_TRUE(form->run.loopOn());
            EXPECT_EQ(form->run.soundDevices(), 0);
            form->onSoundButtonClicked();
            EXPECT_FALSE(form->run.loopOn());
        }
        form->playFeedbackSound(1);
        EXPECT_EQ(form->run.soundDevices(), 0);
        EXPECT_TRUE(fakes.messageBox.shown.empty());
    }

    void expectPrintFailureTold()
    {
        fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
        form->printExercise();
        ASSERT_EQ(fakes.messageBox.shown.size(), 2u); // the question, then what went wrong
        EXPECT_TRUE(fakes.messageBox.shown[1].text.startsWith(form->text(kPrintFailedText)));

        fakes.messageBox.shown.clear();
        printer.choosePdfFile = [this](const QString &, const QString &) { return dir.filePath("sheet.pdf"); };
        printExerciseSheet(*form, PrinterService::Target::PdfFile);
        ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
        EXPECT_TRUE(fakes.messageBox.shown[0].text.startsWith(form->text(517)));
        EXPECT_FALSE(QFile::exists(dir.filePath("sheet.pdf")));
    }
};

TEST_F(MissingPlugins, WithoutTheFilesTheTrainerIsSilentAndSaysPrintingFailed)
{
    startWith(dir.filePath("cinemoto-sound.so"), dir.filePath("cinemoto-print.so"));
    EXPECT_EQ(form->run.soundDevices(), 0); // as with no sound device
    expectSilentButWorking();
    expectPrintFailureTold();
}

TEST_F(MissingPlugins, FilesThatAreNoPluginsAreRefusedLikeMissingOnes)
{
    startWith(brokenFile("cinemoto-sound.so"), brokenFile("cinemoto-print.so"));
    setChoice(1);
    form->onSoundButtonClicked(); // the first sound finds out, and silences the program
    EXPECT_EQ(form->run.soundDevices(), 0);
    form->onSoundButtonClicked();
    expectSilentButWorking();
    expectPrintFailureTold();
}

TEST_F(MissingPlugins, TheSoundPluginWithNoSoundServerRefusesTheFirstSound)
{
    // No server to reach: the plugin finds no output device.
    qputenv("PULSE_SERVER", "unix:/nonexistent/cinemoto-no-server");
    qputenv("ALSA_CONFIG_PATH", "/nonexistent/cinemoto-no-alsa");
    startWith(QStringLiteral(CINEMOTO_PLUGIN_DIR "/cinemoto-sound.so"),
              QStringLiteral(CINEMOTO_PLUGIN_DIR "/cinemoto-print.so"));
    ASSERT_TRUE(QFile::exists(sound.pluginFile));
    EXPECT_EQ(form->run.soundDevices(), 1); // the plugin is there; the devices are asked on the first sound
    setChoice(1);
    form->onSoundButtonClicked();
    EXPECT_EQ(form->run.soundDevices(), 0);
    form->onSoundButtonClicked();
    expectSilentButWorking();
}
