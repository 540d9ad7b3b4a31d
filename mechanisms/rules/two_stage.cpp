#include "mechanisms/rules/screen.h"

// What the compound drives show: a small and a large wheel on each shaft, the same ratio
// at both stages.
namespace cinemoto::shows {

namespace {
constexpr DataLine kDrivingSpeed{R1, true, {216, Quantity::MotorValue, Number::Shown, kSpeed}};
constexpr DataLine kDrivenSpeed{R2, true, {217, Quantity::ResistantValue, Number::Shown, kSpeed}};

void easyRatioOnly(Screen &s)
{
    if (s.easy()) {
        s.showRatio();
        s.clear({R1, R2});
    }
}
} // namespace

void twoStageRatio(Screen &s)
{
    if (s.pick())
        s.clear({M1, M2});
    else
        s.clear({R1, R2});
}

void twoStageDrivingSpeed(Screen &s)
{
    if (s.easy()) {
        s.showRatio();
        s.clear({R1, M2});
    } else {
        s.clear({R1});
        s.writeSizeLine(M1);
    }
}

void twoStageDrivenSpeed(Screen &s)
{
    // The driving speed moves up to the first line, in a unit of its own.
    s.write(kDrivingSpeed);
    if (s.easy()) {
        s.showRatio();
        s.clear({M1, M2, R2});
    } else {
        s.clear({R2});
    }
}

void twoStageSmallWheel(Screen &s)
{
    s.clear({M1});
    s.writeSizeLine(M2);
    easyRatioOnly(s);
}

void twoStageLargeWheel(Screen &s)
{
    s.clear({M2});
    s.write(kDrivenSpeed);
    easyRatioOnly(s);
}

} // namespace cinemoto::shows
