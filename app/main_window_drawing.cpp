#include "app/main_window_model.h"

namespace cinemoto {

void MainWindowModel::setWheelCentres()
{
    c.pictureArea.visible = false;
    animation.placeWheels(selection.choice().mechanism);
}

void MainWindowModel::showMechanismParts(int mechanism)
{
    animation.showMechanism(mechanism);
    run.followMechanism(mechanism);
}

void MainWindowModel::loadMechanismPicture(bool mirror)
{
    if (!mirrorsPicture(selection.choice().mechanism))
        return;
    c.pictureArea.picture = 50 + selection.choice().mechanism;
    c.pictureArea.pictureMirrored = mirror;
    if (animation.mirror(mirror))
        setWheelCentres();
}

void MainWindowModel::mechanismChangeSequence()
{
    animation.drawing.mirrored = false;
    setWheelCentres();
    c.pictureArea.picture = 50 + selection.choice().mechanism;
    c.pictureArea.pictureMirrored = false;
    showMechanismParts(selection.choice().mechanism);
}

void MainWindowModel::onAnimationTick()
{
    if (run.running() || exam.running())
        run.tick();
    const AnimationRun::Frame frame = animation.tick(selection.choice().mechanism, c.pictureArea.picture);
    if (frame.picture)
        c.pictureArea.picture = frame.picture;
    if (frame.reveal)
        c.pictureArea.visible = true;
}

} // namespace cinemoto
