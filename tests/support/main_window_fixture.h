#pragma once

#include "app/main_window_view.h"
#include "support/form_fixture.h"
#include "support/qt_app.h"

#include <QSize>
#include <memory>

namespace cinemoto::test {

// A started trainer with its main window on screen, offscreen.
class MainWindowFixture : public FormFixture
{
protected:
    std::unique_ptr<MainWindowView> view;

    // Starts the trainer in the language and shows its main window, at the size when given.
    void showMainWindow(int language, QSize size = QSize())
    {
        app();
        start(language);
        view = std::make_unique<MainWindowView>(*form);
        if (size.isValid())
            view->resize(size);
        view->show();
    }
};

} // namespace cinemoto::test
