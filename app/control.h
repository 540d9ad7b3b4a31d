#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

namespace cinemoto {

// What a window shows of one control. The view copies these properties onto a real widget.
struct Control
{
    enum class Kind { Button, PictureButton, Option, Frame, Label, TextBox, Image, PictureArea, MenuItem, Menu };

    QString name;   // name of the control or of its array
    int index = 0;  // index within its array, 0 for a single control
    Kind kind = Kind::Label;
    QString caption; // caption, or text of a text box
    QString tooltip;
    bool visible = true;
    bool enabled = true;
    bool value = false; // selected option or ticked menu item
    int helpContext = 0;
    int picture = 0; // resource id of the picture shown, 0 for none
    bool pictureMirrored = false;
    int alignment = 0; // 0 left, 1 right, 2 centre
    int selStart = 0;
    int selLength = 0;
    int top = 0; // twips, for the few controls that move
    std::uint32_t backColor = 0; // 0xAARRGGBB; 0 keeps the platform's colour
    std::uint32_t foreColor = 0;

    // A readable name for screen readers: the caption without access-key marks, else the tooltip.
    QString accessibleName() const;
};

// Options that exclude each other inside one frame.
class OptionGroup
{
public:
    void add(Control *option, std::function<void()> onClick);
    // Selects the option as a click does: the others are deselected, and the click
    // handler runs unless the option was already selected.
    void select(Control *option);
    const std::vector<Control *> &members() const { return m_members; }

private:
    std::vector<Control *> m_members;
    std::vector<std::function<void()>> m_handlers;
};

} // namespace cinemoto
