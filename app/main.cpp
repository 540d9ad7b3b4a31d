#include "app/formulari.h"
#include "app/formulari_view.h"
#include "app/platform/qt_services.h"
#include "app/textcatalogue.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cinemoto"));
    QApplication::setApplicationVersion(QStringLiteral("3.2"));
    // Ties the window to its menu entry (Wayland app id; on X11 the class is "Cinemoto").
    QApplication::setDesktopFileName(QStringLiteral("cinemoto"));

    cinemoto::QtServices services;
    cinemoto::Formulari model(services.all(), cinemoto::TextCatalogue::builtIn());
    model.Form_Load();
    cinemoto::FormulariView window(model);
    services.messageBox.setParent(&window);
    services.messageBox.beforeShow = [&window] { window.sync(); };
    services.messageBox.language = [&model] { return model.lang.language; };
    window.resize(window.sizeHint().expandedTo(QSize(960, 640)));
    window.show();
    return app.exec();
}
