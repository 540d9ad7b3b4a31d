#include "app/main_window_view.h"
#include "mechanisms/picture_view.h"
#include "support/form_fixture.h"
#include "support/main_window_fixture.h"
#include "support/qt_app.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

using namespace cinemoto;
using namespace cinemoto::test;

namespace {

const char *const kNames[] = {"", "ca", "es", "en"};

// What a window of the given size shows of itself, after a title bar and a task bar:
// 1024x768 at 100 % and 1366x768 at 125 % in logical pixels.
const QSize kSmallScreen(1024, 700);
const QSize kLaptopAt125(1093, 550);

// Every text in the window fits its widget and every widget its window.
void expectNothingCut(QWidget *window, const std::string &where)
{
    const QRect room = window->rect();
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->isWindow() || w->parentWidget()->inherits("QMenuBar"))
            continue;
        const QRect at(w->mapTo(window, QPoint(0, 0)), w->size());
        EXPECT_TRUE(room.contains(at)) << where << ": " << w->objectName().toStdString() << " off the window";
        if (auto *label = qobject_cast<QLabel *>(w); label && !label->text().isEmpty()) {
            const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                                : label->sizeHint().width() <= label->width();
            EXPECT_TRUE(fits) << where << ": cut \"" << label->text().toStdString() << "\"";
        }
        if (auto *button = qobject_cast<QAbstractButton *>(w); button && !button->text().isEmpty()) {
            EXPECT_LE(button->sizeHint().width(), button->width()) << where << ": cut " << button->text().toStdString();
        }
        if (auto *box = qobject_cast<QPlainTextEdit *>(w)) {
            const int textRoom = box->viewport()->width() - 2 * int(box->document()->documentMargin());
            for (const QString &line : box->toPlainText().split(QLatin1Char('\n'))) {
                EXPECT_LE(box->fontMetrics().horizontalAdvance(line), textRoom)
                    << where << ": cut \"" << line.toStdString() << "\"";
            }
        }
    }
}

} // namespace

class MainWindowFit : public MainWindowFixture
{
protected:
    void open(int language)
    {
        showMainWindow(language);
        QApplication::processEvents();
    }
    // An exercise started as the Exercise button does, with its first answer judged wrong
    // at the easy level, so the comment and the solution sentence are on screen too.
    void runExercise(int mechanism, int exercise, int level)
    {
        setChoice(mechanism, exercise, level);
        form->run.begin();
        form->startExercise();
        view->sync();
    }
};

TEST_F(MainWindowFit, EveryExerciseFitsSmallScreensInEveryLanguage)
{
    for (int language = 1; language <= 3; ++language) {
        open(language);
        QSize largest;
        for (int m = 1; m <= 19; ++m) {
            for (int ex = 1; ex <= ((m == 6 || m == 9) ? 3 : 5); ++ex) {
                for (int level : {1, 3}) {
                    runExercise(m, ex, level);
                    largest = largest.expandedTo(view->minimumSizeHint());
                    form->run.end();
                }
            }
        }
        EXPECT_LE(largest.width(), kSmallScreen.width()) << kNames[language];
        EXPECT_LE(largest.height(), kLaptopAt125.height()) << kNames[language];
        // Mid-exercise at both sizes, with the longest lines of this language on screen.
        for (const QSize &screen : {kSmallScreen, kLaptopAt125}) {
            // Chosen as a pupil does, so the picture shows this mechanism's own parts.
            form->selectOption(c().typeOptions[2]);
            form->selectOption(c().mechanismOptions[14]);
            form->selectOption(c().exerciseOptions[4]);
            form->startOrStopExercise();
            view->sync();
            view->tick();
            view->resize(screen);
            QApplication::processEvents();
            const std::string where = std::string(kNames[language]) + " at " + std::to_string(screen.width()) + "x"
                + std::to_string(screen.height());
            EXPECT_EQ(view->size(), screen) << where;
            expectNothingCut(view.get(), where);
            // The picture keeps its proportions at any size.
            EXPECT_GE(view->pictureView()->scale(), 0.75) << where;
            saveScreenshot(view->grab().toImage(), QStringLiteral("main_window_%1x%2_%3")
                                                       .arg(screen.width())
                                                       .arg(screen.height())
                                                       .arg(QLatin1String(kNames[language])));
            form->startOrStopExercise(); // stopped
        }
        view.reset();
    }
}
