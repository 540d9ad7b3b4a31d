#include "mechanisms/catalogue.h"

namespace cinemoto {

namespace {

constexpr std::array<int, 5> kTransmission = {301, 302, 303, 304, 305};

const std::array<MechanismInfo, mechanismCount + 1> kMechanisms = {{
    {0, 0, 0, {0, 0, 0, 0, 0}},
    {2, 3, 5, kTransmission},             // 1 spur gears
    {2, 5, 5, {301, 302, 303, 306, 307}}, // 2 belt drive
    {2, 2, 5, kTransmission},             // 3 bevel gears
    {2, 6, 5, {301, 302, 303, 308, 309}}, // 4 friction wheels
    {2, 8, 5, kTransmission},             // 5 chain drive
    {2, 4, 3, {301, 302, 303, 0, 0}},     // 6 universal joint
    {3, 4, 5, {310, 312, 311, 313, 314}}, // 7 rack and pinion
    {2, 1, 5, {301, 315, 316, 317, 318}}, // 8 worm gear
    {3, 2, 3, {319, 320, 321, 0, 0}},     // 9 screw and nut
    {3, 3, 5, {322, 323, 324, 325, 326}}, // 10 cam
    {3, 1, 5, {327, 328, 329, 330, 331}}, // 11 crank and connecting rod
    {2, 10, 5, kTransmission},            // 12 simple gear train
    {2, 9, 5, {301, 302, 303, 332, 333}}, // 13 compound gear train
    {2, 7, 5, {301, 302, 303, 334, 335}}, // 14 compound belt drive
    {1, 2, 5, {336, 337, 338, 561, 562}}, // 15 lever
    {1, 5, 5, {336, 337, 339, 340, 560}}, // 16 winch
    {1, 1, 5, {336, 337, 339, 563, 564}}, // 17 pulley
    {1, 4, 5, {336, 337, 339, 563, 564}}, // 18 block and tackle
    {1, 3, 5, {336, 337, 565, 563, 566}}, // 19 inclined plane
}};

} // namespace

const MechanismInfo &mechanismInfo(int mechanism)
{
    if (mechanism < 1 || mechanism > mechanismCount)
        return kMechanisms[0];
    return kMechanisms[mechanism];
}

int defaultMechanism(int type)
{
    for (int m = 1; m <= mechanismCount; ++m) {
        if (kMechanisms[m].type == type && kMechanisms[m].position == 1)
            return m;
    }
    return 0;
}

bool hasFiveExercises(int mechanism)
{
    return mechanismInfo(mechanism).exerciseCount == 5;
}

} // namespace cinemoto
