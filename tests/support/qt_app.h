#pragma once

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>

namespace cinemoto::test {

// One application object for the widget tests; they run offscreen.
inline QApplication &app()
{
    static int argc = 1;
    static char name[] = "cinemoto-tests";
    static char *argv[] = {name, nullptr};
    static QApplication *instance = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto *a = new QApplication(argc, argv);
        QFont font = QApplication::font();
        font.setPointSize(9);
        QApplication::setFont(font);
        return a;
    }();
    return *instance;
}

inline QString saveScreenshot(const QImage &image, const QString &name)
{
    QDir().mkpath(QStringLiteral(CINEMOTO_SCREENSHOT_DIR));
    const QString path = QStringLiteral(CINEMOTO_SCREENSHOT_DIR "/") + name + QStringLiteral(".png");
    image.save(path);
    return path;
}

} // namespace cinemoto::test
