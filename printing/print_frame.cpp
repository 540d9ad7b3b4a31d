#include "printing/print_frame.h"

namespace cinemoto {

bool confirmPrinting(Formulari &main)
{
    const QString text = main.text(281) + main.newLine + main.text(282) + main.newLine + main.text(283);
    return main.services().messageBox->show(MessageBoxService::Icon::Question, text, main.text(284),
                                            MessageBoxService::Buttons::YesNo)
        == MessageBoxService::Answer::Yes;
}

} // namespace cinemoto
