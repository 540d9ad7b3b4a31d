#include "mechanisms/motion.h"
#include "mechanisms/rules/mechanisms.h"
#include "mechanisms/rules/screen.h"

// Block and tackle: the moving pulley halves the force and doubles its path.
namespace cinemoto::mechanisms {

namespace {
void derive(Exercise &e, const BaseDraw &, const Draw &)
{
    e.ratio = 2;
    e.resistantValue = float(2.0 * e.motorValue / kDrawGravity);
    e.resistantSize = 5 * e.resistantSize;
    e.motorSize = 2 * e.resistantSize;
}

constexpr std::array<DataLine, 2> kForces = {{
    {M1, false, {234, Quantity::MotorValue, Number::Shown, kNewtons}},
    {R1, false, {236, Quantity::ResistantValue, Number::Shown, kKilograms}},
}};
constexpr std::array<DataLine, 2> kSizes = {{
    {M2, false, {238, Quantity::MotorSize, Number::Whole, kMm}},
    {R2, false, {238, Quantity::ResistantSize, Number::Whole, kMm}},
}};

void layOutParts(DrawingParts &p, DrawingState &)
{
    // Each rope: x1, x2, y1, y2.
    const float ropes[4][4] = {{}, {3180, 3180, 675, 1545}, {2850, 2580, 1020, 1395}, {2550, 2415, 585, 2960}};
    for (int i = 1; i <= 3; ++i) {
        p.tackleRopes[i].x1 = ropes[i][0];
        p.tackleRopes[i].x2 = ropes[i][1];
        p.tackleRopes[i].y1 = ropes[i][2];
        p.tackleRopes[i].y2 = ropes[i][3];
    }
    const float blockTop[] = {0, 1245, 1500, 1530, 2085};
    const float blockLeft[] = {0, 2535, 2805, 2820, 2640};
    for (int i = 1; i <= 4; ++i) {
        p.tackleParts[i].top = blockTop[i];
        p.tackleParts[i].left = blockLeft[i];
    }
}

void moveParts(DrawingParts &p, DrawingState &st)
{
    turnAtLimits(st.motionSign, p.tackleParts[1].top, 1200, 1, 1900, -1);
    for (int i = 1; i <= 4; ++i)
        p.tackleParts[i].top = float(p.tackleParts[i].top + st.motionSign * 15.0);
    p.tackleRopes[1].y2 = float(p.tackleRopes[1].y2 + st.motionSign * 15.0);
    p.tackleRopes[2].y2 = float(p.tackleRopes[2].y2 + st.motionSign * 15.0);
    p.tackleRopes[3].y2 = float(p.tackleRopes[3].y2 - st.motionSign * 30.0);
}
} // namespace

const MechanismRules blockAndTackle{
    .drawMore = nullptr,
    .derive = derive,
    .speedLines = kForces,
    .sizeLines = kSizes,
    .shows = shows::kRatioSpeedsSizes,
    .questions = {{{554}, {274, Tail::Newtons}, {277, Tail::Kilograms}, {280, Tail::Millimetres}, {552, Tail::Millimetres}}},
    .sentences = {{
        statementLine(106),
        {116, Quantity::MotorValue, Number::Stated, kNewtons},
        {128, Quantity::ResistantValue, Number::Stated, kKilograms},
        {143, Quantity::MotorSize, Number::Whole, kMm},
        {162, Quantity::ResistantSize, Number::Whole, kMm},
    }},
    .titles = {363, 0, 366},
    .middleData = false,
    .drawing = {
        .layOut = layOutParts,
        .parts = {PartGroup::Tackle},
        .motion = partsOnly<moveParts>,
    },
};

} // namespace cinemoto::mechanisms
