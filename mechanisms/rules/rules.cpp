#include "mechanisms/rules/mechanisms.h"

namespace cinemoto {

const MechanismRules &rulesFor(int mechanism)
{
    using namespace mechanisms;
    static const MechanismRules none{};
    static const std::array<const MechanismRules *, 20> table = {
        &none,          &spurGears,       &beltDrive,         &bevelGears, &frictionWheels,
        &chainDrive,    &universalJoint,  &rackAndPinion,     &wormGear,   &screwAndNut,
        &cam,           &crankAndConnectingRod, &simpleGearTrain, &compoundGearTrain, &compoundBeltDrive,
        &lever,         &winch,           &pulley,            &blockAndTackle, &inclinedPlane,
    };
    if (mechanism < 1 || mechanism >= int(table.size()))
        return none;
    return *table[std::size_t(mechanism)];
}

} // namespace cinemoto
