#include <QFont>
#include "app/main_window_view.h"
#include "exams/exam_views.h"
#include "exams/exam_windows.h"
#include "exams/record_file.h"
#include "printing/exam_printouts.h"
#include "printing/qt_printer.h"
#include "support/form_fixture.h"
#include "support/qt_app.h"

#include <QDialog>
#include <QDir>
#include <QFont>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QToolButton>

using namespace cinemoto;
using namespace cinemoto::test;

using Target = PrinterService::Target;
using Outcome = PrinterService::Outcome;

// The real printer service behind the fakes of everything else.
class RealPrinting : public FormFixture
{
protected:
    QtPrinter printer;
    QStringList asked; // suggested paths of the PDF dialogs

    void SetUp() override
    {
        app();
        // The print plugin of this build, wherever the test is started from.
        if (qEnvironmentVariableIsEmpty("CINEMOTO_PLUGIN_DIR"))
            qputenv("CINEMOTO_PLUGIN_DIR", QByteArray(CINEMOTO_PRINTOUT_DIR "/../program"));
        printer.pluginFile = QString::fromLocal8Bit(qgetenv("CINEMOTO_PLUGIN_DIR")) + QStringLiteral("/cinemoto-print.so");
    }

    void startWithRealPrinter(int language)
    {
        start(language);
        Services services = fakes.all();
        services.printer = &printer;
        form = std::make_unique<MainWindowModel>(services, TextCatalogue::builtIn());
        form->load();
    }

    void fillExam()
    {
        Exam::Tables tables;
        tables.times = {QStringLiteral("4:05"), QStringLiteral("0:35"), QStringLiteral("1:10"),
                        QStringLiteral("0:50"), QStringLiteral("0:40"), QStringLiteral("0:50")};
        tables.scores = {7.1f, 1.9f, 1.7f, 0, 1.75f, 1.75f};
        tables.results = {QString(), form->text(341), form->text(341), form->text(342), form->text(341),
                          form->text(341)};
        form->exam.restore(tables, false);
    }

    // Saves through the PDF path as the pupil would, answering the file dialog with `path`.
    void saveAs(const QString &path, const std::function<void()> &print)
    {
        printer.choosePdfFile = [this, path](const QString &suggested, const QString &) {
            asked << suggested;
            return path;
        };
        QFile::remove(path);
        print();
        ASSERT_TRUE(fakes.messageBox.shown.empty()) << fakes.messageBox.shown.back().text.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
        const QByteArray pdf = file.readAll();
        EXPECT_TRUE(pdf.startsWith("%PDF-"));
        EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page "), 1)
            << "one page";
    }
};

// Kept under build/printouts/ for a look and for the font and image checks that follow.
TEST_F(RealPrinting, ThePdfPathWritesTheThreePrintoutsInEachLanguage)
{
    const QString folder = QStringLiteral(CINEMOTO_PRINTOUT_DIR);
    ASSERT_TRUE(QDir().mkpath(folder));
    const char *const languages[] = {"ca", "es", "en"};
    for (int language = 1; language <= 3; ++language) {
        startWithRealPrinter(language);
        fillExam();
        const QString tag = QString::fromLatin1(languages[language - 1]);
        form->onMechanismChosen(1); // spur gears: picture and drawn teeth
        form->startOrStopExercise();
        for (int tick = 0; tick < 10; ++tick) // the teeth stand where the screen shows them
            form->onAnimationTick();
        saveAs(folder + QStringLiteral("/exercise-%1.pdf").arg(tag),
               [&] { printExerciseSheet(*form, Target::PdfFile); });

        ExamResultModel result(*form);
        result.load();
        result.nameBox.caption = QStringLiteral("Núria Ferrer");
        saveAs(folder + QStringLiteral("/exam-result-%1.pdf").arg(tag),
               [&] { result.print(Target::PdfFile); });

        for (int i = 1; i <= 10; ++i) {
            ASSERT_TRUE(ExamRecordFile(dir.filePath(QStringLiteral("exadat")))
                            .store({QStringLiteral("Pupil %1").arg(i), QStringLiteral("%1").arg(i % 10),
                                    QStringLiteral("%1/03/26").arg(10 + i), QStringLiteral("09:%1").arg(10 + i)},
                                   quint8(i)));
        }
        ExamsTakenModel list(*form);
        list.load();
        saveAs(folder + QStringLiteral("/exams-taken-%1.pdf").arg(tag),
               [&] { list.print(Target::PdfFile); });
    }
    ASSERT_EQ(asked.size(), 9);
    EXPECT_TRUE(asked[0].endsWith(QLatin1String("/cinemoto-exercici.pdf"))) << asked[0].toStdString();
    EXPECT_TRUE(asked[8].endsWith(QLatin1String("/cinemoto-exams-taken.pdf"))) << asked[8].toStdString();
}

TEST_F(RealPrinting, AFailedPrintReachesThePupil)
{
    startWithRealPrinter(1);
    // A queue that does not exist, as after a printer was removed.
    printer.printerName = QStringLiteral("cinemoto-no-such-printer");
    EXPECT_EQ(printerReadiness(printer.printerName), Outcome::NoPrinter);
    fakes.messageBox.answers = {MessageBoxService::Answer::Yes};
    form->printExercise();
    ASSERT_EQ(fakes.messageBox.shown.size(), 2u); // the question, then what went wrong
    EXPECT_TRUE(fakes.messageBox.shown[1].text.contains(form->text(514)));

    // A PDF into a folder that cannot hold it.
    fakes.messageBox.shown.clear();
    printer.choosePdfFile = [](const QString &, const QString &) {
        return QStringLiteral("/proc/cinemoto-cannot-write-here/sheet.pdf");
    };
    printExerciseSheet(*form, Target::PdfFile);
    ASSERT_EQ(fakes.messageBox.shown.size(), 1u);
    EXPECT_TRUE(fakes.messageBox.shown[0].text.contains(form->text(517)));

    // Closing the file dialog saves nothing and says nothing.
    fakes.messageBox.shown.clear();
    printer.choosePdfFile = [](const QString &, const QString &) { return QString(); };
    printExerciseSheet(*form, Target::PdfFile);
    EXPECT_TRUE(fakes.messageBox.shown.empty()) << fakes.messageBox.shown.front().text.toStdString();
}

TEST_F(RealPrinting, ThePreviewShowsOnePageUnderItsTitle)
{
    startWithRealPrinter(2);
    int pages = -1;
    QString title;
    printer.onPreview = [&](QDialog &dialog) {
        title = dialog.windowTitle();
        if (auto *widget = dialog.findChild<QPrintPreviewWidget *>())
            pages = widget->pageCount();
        dialog.reject();
    };
    printExerciseSheet(*form, Target::Preview);
    EXPECT_EQ(pages, 1);
    EXPECT_EQ(title, form->text(531));
    EXPECT_TRUE(fakes.messageBox.shown.empty()); // closing the preview is not a failure
}

TEST_F(RealPrinting, PreviewAndPdfStandBesideEveryPrintButton)
{
    startWithRealPrinter(2);
    MainWindowView view(*form);
    QMenu *options = view.menuBar()->findChild<QMenu *>(QStringLiteral("optionsMenu"));
    ASSERT_NE(options, nullptr);
    QStringList texts;
    for (QAction *action : options->actions())
        texts << action->text();
    const qsizetype print = texts.indexOf(c().printItem.caption);
    ASSERT_GE(print, 0);
    EXPECT_EQ(texts.value(print + 1), form->text(510));
    EXPECT_EQ(texts.value(print + 2), form->text(511));
    auto *printButton = view.findChild<QToolButton *>(QStringLiteral("printButton"));
    ASSERT_TRUE(printButton && printButton->menu());
    EXPECT_EQ(printButton->menu()->actions().size(), 2);

    // The menu's PDF item writes the sheet; the language switch follows on the items.
    const QString path = QStringLiteral(CINEMOTO_PRINTOUT_DIR "/from-menu.pdf");
    QDir().mkpath(QStringLiteral(CINEMOTO_PRINTOUT_DIR));
    QFile::remove(path);
    printer.choosePdfFile = [path](const QString &, const QString &) { return path; };
    printButton->menu()->actions().at(1)->trigger();
    EXPECT_TRUE(QFileInfo(path).size() > 0);
    form->onLanguageChosen(3);
    view.sync();
    EXPECT_EQ(printButton->menu()->actions().at(0)->text(), QStringLiteral("Print preview…"));

    ExamsTakenModel list(*form);
    ExamsTakenView listView(list);
    auto *more = listView.findChild<QToolButton *>(QStringLiteral("printChoicesButton"));
    ASSERT_TRUE(more && more->menu());
    EXPECT_EQ(more->menu()->actions().at(1)->text(), QStringLiteral("Save as PDF…"));
    EXPECT_FALSE(more->toolTip().isEmpty());
}
