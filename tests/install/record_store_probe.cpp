// Stores one exam and lists the records through the trainer's own windows' models, with
// the real choice of records folder, as the trainer does when a pupil presses OK. Run from
// an installed program folder by the root-install check.
//   record_store_probe <name>   exit 0: stored and listed first; 3: not stored, the
//                               pupil's message printed; 1: anything else wrong

#include "app/main_window_model.h"
#include "app/platform/qt_services.h"
#include "exams/exam_windows.h"
#include "support/fakes.h"

#include <QCoreApplication>
#include <QWidget>
#include <cstdio>

using namespace cinemoto;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 1;
    test::FakeServices fakes;
    QtProgramFolder folder;
    Services services = fakes.all();
    services.folder = &folder;
    MainWindowModel form(services, TextCatalogue::builtIn());
    form.load();
    Exam::Tables tables;
    tables.scores = {9.5f, 2, 2, 2, 2, 1.5f};
    form.exam.restore(tables, true);
    form.c.window.enabled = false;

    ExamResultModel result(form);
    result.load();
    result.nameBox.caption = QString::fromLocal8Bit(argv[1]);
    result.onAcceptClicked();
    if (!result.closed) {
        const QString said = fakes.messageBox.shown.empty() ? QString() : fakes.messageBox.shown.back().text;
        std::printf("not stored: %s\n", qPrintable(said));
        return fakes.messageBox.shown.empty() ? 1 : 3;
    }
    ExamsTakenModel list(form);
    list.load();
    std::printf("%s\n", qPrintable(list.folderText));
    for (std::size_t i = 1; i <= 10; ++i) {
        if (!list.nameCells[i].caption.trimmed().isEmpty())
            std::printf("%2zu %s %s\n", i, qPrintable(list.nameCells[i].caption), qPrintable(list.pointsCells[i].caption));
    }
    if (!list.problemText.isEmpty() || list.nameCells[1].caption.trimmed() != result.nameBox.caption.left(16).trimmed())
        return 1;
    return 0;
}
