#include "app/twips_dialog.h"

#include "app/control.h"
#include "app/control_widget.h"

namespace cinemoto {

QWidget *TwipsDialog::place(QWidget *widget, Control &control, int left, int top, int width, int height)
{
    widget->setParent(this);
    widget->setObjectName(control.index || control.name == QLatin1String("rowTimes")
                                  || control.name == QLatin1String("rowPoints")
                              ? QStringLiteral("%1_%2").arg(control.name).arg(control.index)
                              : control.name);
    widget->setGeometry(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
    m_widgets.insert(&control, widget);
    return widget;
}

void TwipsDialog::useFixedFrame()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowCloseButtonHint);
}

void TwipsDialog::syncAll()
{
    for (auto it = m_widgets.cbegin(); it != m_widgets.cend(); ++it)
        applyControlToWidget(*it.key(), it.value());
}

} // namespace cinemoto
