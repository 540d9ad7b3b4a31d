#include "mechanisms/animation_run.h"

#include <gtest/gtest.h>

using namespace cinemoto;

TEST(AnimationRunFrames, AFreshlyPlacedDrawingIsRevealedByTheNextTickOnly)
{
    AnimationRun animation;
    animation.layOut();
    animation.showMechanism(1);
    animation.placeWheels(1);
    EXPECT_TRUE(animation.pending());
    const AnimationRun::Frame first = animation.tick(1, 51);
    EXPECT_TRUE(first.reveal);
    EXPECT_EQ(first.picture, 0); // the spur gear's picture stays
    EXPECT_TRUE(animation.moved());
    EXPECT_FALSE(animation.pending());
    EXPECT_FALSE(animation.tick(1, 51).reveal);
    EXPECT_TRUE(animation.moved());
}

TEST(AnimationRunFrames, TheUniversalJointMovesOnlyWhenItsPictureChanges)
{
    AnimationRun animation;
    animation.layOut();
    animation.showMechanism(6);
    animation.tick(6, 56); // the reveal
    int shown = 56;
    int changes = 0;
    int moves = 0;
    for (int i = 0; i < 40; ++i) {
        const AnimationRun::Frame frame = animation.tick(6, shown);
        changes += frame.picture != 0 && frame.picture != shown;
        moves += animation.moved();
        if (frame.picture)
            shown = frame.picture;
    }
    EXPECT_GT(changes, 0);
    EXPECT_EQ(moves, changes);
}

TEST(AnimationRunFrames, MirroringChangesTheMotionOnlyWhenItChanges)
{
    AnimationRun animation;
    animation.layOut();
    EXPECT_FALSE(animation.mirror(false));
    EXPECT_TRUE(animation.mirror(true));
    EXPECT_EQ(animation.drawing.motionSign, -1);
    EXPECT_FALSE(animation.mirror(true));
    EXPECT_TRUE(animation.mirror(false));
    EXPECT_EQ(animation.drawing.motionSign, 1);
}
