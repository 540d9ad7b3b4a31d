#pragma once

#include "mechanisms/rules/rules.h"

// One set of rules per mechanism, each in the file named for it.
namespace cinemoto::mechanisms {

// Spur gears, bevel gears and the chain drive: one file, their exercises being the same.
extern const MechanismRules spurGears;
extern const MechanismRules bevelGears;
extern const MechanismRules chainDrive;
extern const MechanismRules beltDrive;
extern const MechanismRules frictionWheels;
extern const MechanismRules universalJoint;
extern const MechanismRules rackAndPinion;
extern const MechanismRules wormGear;
extern const MechanismRules screwAndNut;
extern const MechanismRules cam;
extern const MechanismRules crankAndConnectingRod;
extern const MechanismRules simpleGearTrain;
extern const MechanismRules compoundGearTrain;
extern const WheelPlacing compoundShafts; // shared with the compound belt drive
extern const MechanismRules compoundBeltDrive;
extern const MechanismRules lever;
extern const MechanismRules winch;
extern const MechanismRules pulley;
extern const MechanismRules blockAndTackle;
extern const MechanismRules inclinedPlane;

} // namespace cinemoto::mechanisms
