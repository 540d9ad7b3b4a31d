#include "setup/setup_window.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cinemoto Setup"));
    // The trainer's files travel beside the installer; the current folder is the fallback.
    QString source = QCoreApplication::applicationDirPath();
    if (!QFileInfo::exists(source + QStringLiteral("/cinemoto.hlp")))
        source = QDir::currentPath();
    cinemoto::DesktopInstallerPlatform platform;
    cinemoto::InstallerModel model(platform, source);
    cinemoto::SetupWindow window(model);
    window.show();
    return app.exec();
}
