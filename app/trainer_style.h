#pragma once

#include <QProxyStyle>

namespace cinemoto {

// The desktop's style, with two of its pictures drawn without asking every image plugin
// to look at them: the menu bar's button for menus that do not fit, and the group-box
// frame. Reading a picture by content loads all the image plugins, and their libraries
// then stay in memory for nothing.
class TrainerStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;

    // Makes it the style of every window of the application.
    static void useForApplication();

private:
    mutable QPixmap m_groupFrame;
    mutable bool m_groupFrameRead = false;
};

} // namespace cinemoto
