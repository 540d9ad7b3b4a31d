#include "app/pictures.h"
#include "setup/setup_window.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstdio>
#include <cstring>
#include <cstdlib>

namespace {

// "setup --install N" installs in language N (1 Catalan, 2 Spanish, 3 English) without a
// window, for installing many classroom machines by script.
int installWithoutWindow(int language)
{
    cinemoto::DesktopInstallerPlatform platform;
    cinemoto::InstallerModel model(platform, QCoreApplication::applicationDirPath());
    model.load();
    model.onLanguageChosen(language);
    model.onOkClicked();
    model.onOkClicked();
    if (model.stage != 3) {
        std::fprintf(stderr, "%s\n", qPrintable(model.error));
        return 1;
    }
    std::printf("%s\n%s\n", qPrintable(model.messageLine), qPrintable(model.programFolder()));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::strcmp(argv[1], "--install") == 0) {
        QCoreApplication app(argc, argv);
        const int language = std::atoi(argv[2]);
        if (language < 1 || language > 3) {
            std::fprintf(stderr, "usage: setup [--install 1|2|3]\n");
            return 2;
        }
        return installWithoutWindow(language);
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cinemoto Setup"));
    QApplication::setWindowIcon(cinemoto::toolIcon(QStringLiteral("cinemoto")));
    // The trainer's files travel beside the installer, wherever it is started from.
    const QString source = QCoreApplication::applicationDirPath();
    cinemoto::DesktopInstallerPlatform platform;
    cinemoto::InstallerModel model(platform, source);
    cinemoto::SetupWindow window(model);
    window.show();
    return app.exec();
}
