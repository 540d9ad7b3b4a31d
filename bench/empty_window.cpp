// The floor of the stack: a Qt Widgets window that does nothing, built with the trainer's
// flags and the same size, reporting its first frame the same way.
#include "app/first_frame.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(960, 640);
    cinemoto::reportFirstFrame(window);
    window.show();
    return app.exec();
}
