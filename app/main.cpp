#include "app/first_frame.h"
#include "app/main_window_model.h"
#include "app/main_window_view.h"
#include "app/pictures.h"
#include "app/platform/font_configuration.h"
#include "app/platform/memory.h"
#include "app/platform/qt_services.h"
#include "app/textcatalogue.h"
#include "app/trainer_style.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    cinemoto::useOneHeapForAllThreads();
    cinemoto::FontConfigurationReader fonts;
    QApplication app(argc, argv);
    cinemoto::TrainerStyle::useForApplication();
    QApplication::setApplicationName(QStringLiteral("Cinemoto"));
    QApplication::setApplicationVersion(QStringLiteral("3.2"));
    // Ties the window to its menu entry (Wayland app id; on X11 the class is "Cinemoto").
    QApplication::setDesktopFileName(QStringLiteral("cinemoto"));
    // The menu entry's own icon on every window.
    QApplication::setWindowIcon(cinemoto::programIcon());

    cinemoto::QtServices services;
    cinemoto::MainWindowModel model(services.all(), cinemoto::TextCatalogue::builtIn());
    model.load();
    // The window measures its texts as it is built.
    fonts.wait();
    cinemoto::MainWindowView window(model);
    services.messageBox.setParent(&window);
    services.messageBox.beforeShow = [&window] { window.sync(); };
    services.messageBox.language = [&model] { return model.lang.language; };
    window.resize(window.sizeHint().expandedTo(QSize(960, 640)));
    cinemoto::reportFirstFrame(window);
    window.show();
    return app.exec();
}
