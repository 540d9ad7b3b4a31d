#include "exams/exam_views.h"
#include "exams/exam_windows.h"
#include "support/form_fixture.h"
#include "support/qt_app.h"

#include <QDir>
#include <QLabel>

using namespace cinemoto;
using namespace cinemoto::test;

class RecordsView : public FormFixture
{
protected:
    void SetUp() override { app(); }
};

// An unreadable record file is said so over the empty rows, whole, in every language.
TEST_F(RecordsView, AnUnreadableListSaysWhyAndWhereInEveryLanguage)
{
    const char *const names[] = {"", "ca", "es", "en"};
    for (int language = 1; language <= 3; ++language) {
        start(language);
        QDir(dir.path()).rmdir(QStringLiteral("exadat"));
        QFile::remove(dir.filePath(QStringLiteral("exadat")));
        ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("exadat")));
        ExamsTakenModel model(*form);
        auto *view = new ExamsTakenView(model);
        view->show();
        auto *problem = view->findChild<QLabel *>(QStringLiteral("recordsProblem"));
        ASSERT_NE(problem, nullptr);
        EXPECT_TRUE(problem->isVisible());
        EXPECT_TRUE(problem->text().contains(form->text(399)));
        EXPECT_GE(problem->height(), problem->heightForWidth(problem->width())) << names[language];
        EXPECT_TRUE(view->toolTip().endsWith(dir.path()));
        saveScreenshot(view->grab().toImage(), QStringLiteral("exams_taken_unreadable_%1").arg(QLatin1String(names[language])));
        view->close();
        QApplication::processEvents();
    }
}
