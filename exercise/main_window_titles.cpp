#include "app/main_window_model.h"

#include "app/format.h"

namespace cinemoto {

namespace {

struct Titles
{
    int motor;     // Catalan text id of the driving title, 0 when hidden
    int central;   // middle title, 0 when hidden
    int resistant; // driven title, 0 when hidden
    int opening;   // statement line opening
    bool mmTail;
};

Titles titlesFor(int mechanism)
{
    switch (mechanism) {
    case 7:
        return {0, 353, 0, 102, true};
    case 9:
        return {0, 354, 0, 103, true};
    case 10:
        return {0, 355, 0, 104, true};
    case 11:
        return {356, 358, 357, 105, true};
    case 12:
        return {351, 359, 352, 101, false};
    case 13:
        return {360, 0, 361, 101, false};
    case 14:
        return {362, 0, 361, 101, false};
    case 15:
        return {363, 0, 364, 106, false};
    case 16:
        return {368, 0, 365, 106, false};
    case 17:
    case 18:
        return {363, 0, 366, 106, false};
    case 19:
        return {363, 0, 367, 106, false};
    default: // 1 to 6 and 8
        return {351, 0, 352, 101, false};
    }
}

} // namespace

void MainWindowModel::writeDataTitles()
{
    if (st.mechanism < 1 || st.mechanism > 19)
        return;
    const Titles t = titlesFor(st.mechanism);
    // A hidden title keeps its previous caption.
    const auto apply = [this](Control &label, int id) {
        label.visible = id != 0;
        if (id)
            label.caption = text(id);
    };
    apply(c.drivingTitle, t.motor);
    apply(c.middleTitle, t.central);
    apply(c.drivenTitle, t.resistant);
    c.ratioLabel.caption = text(t.opening) + formatSignificant(st.ratio, st.ratioFormat, systemDecimal(), kShownDigits)
        + (t.mmTail ? QStringLiteral(" mm") : QString());
}

} // namespace cinemoto
