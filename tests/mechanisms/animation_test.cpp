#include "mechanisms/animation.h"
#include "support/form_fixture.h"

#include <cmath>

using namespace cinemoto;
using namespace cinemoto::test;

class Animation : public ::testing::Test
{
protected:
    DrawingParts p;
    DrawingState st;
    void SetUp() override
    {
        initialLayout(p, st);
        for (int m : {1, 2, 4, 5, 12, 13, 15})
            fillWheelCentres(st, m);
    }
    void ticks(int mechanism, int n)
    {
        for (int i = 0; i < n; ++i)
            animateMechanism(p, st, mechanism);
    }
};

TEST_F(Animation, SpurGearPhaseWrapsAfter63Ticks)
{
    ticks(1, 62);
    EXPECT_GT(st.smallWheelPhase, 6.0);
    ticks(1, 1);
    EXPECT_GT(st.smallWheelPhase, 0.0);
    EXPECT_LT(st.smallWheelPhase, 0.1);
    // Teeth sit on their rims: the small wheel's at 555 from its centre.
    const Shape &tooth = p.smallWheelTeeth[4];
    EXPECT_NEAR(std::hypot(tooth.left + 128 - 1950, tooth.top + 128 - 1515), 555, 1.0);
    const Shape &big = p.largeWheelTeeth[17];
    EXPECT_NEAR(std::hypot(big.left + 128 - 3795, big.top + 128 - 1515), 1125, 2.0);
}

TEST_F(Animation, MeshingWheelsTurnOppositeWays)
{
    showParts(p, st, 1);
    ticks(1, 1);
    const float smallTop = p.smallWheelTeeth[1].top;
    const float bigTop = p.largeWheelTeeth[1].top;
    ticks(1, 1);
    // Starting near angle zero (right of centre), clockwise moves down, anticlockwise up.
    EXPECT_GT(p.smallWheelTeeth[1].top, smallTop);
    EXPECT_LT(p.largeWheelTeeth[1].top, bigTop);
}

TEST_F(Animation, RackReversesAtBothEndsAndKeepsItsTeethSpacing)
{
    std::vector<int> reversals;
    int sign = st.rackSign;
    for (int t = 1; t <= 200; ++t) {
        ticks(7, 1);
        if (st.rackSign != sign) {
            reversals.push_back(t);
            sign = st.rackSign;
            if (sign == -1)
                EXPECT_LT(p.rackBar.left, 75);
            else
                EXPECT_GT(p.rackBar.left, 2355);
        }
        for (int i = 1; i <= 9; ++i)
            EXPECT_FLOAT_EQ(p.rackTeeth[i].left, p.rackBar.left + 70 + 350 * (i - 1));
    }
    ASSERT_GE(reversals.size(), 2u);
    EXPECT_EQ(reversals[0], 48); // 2355 - 48 * 48 = 51 < 75
}

TEST_F(Animation, BevelLineAtExactly3225WrapsOnlyOnTheNextTick)
{
    p.bevelToothLines[1].x1 = 3225 - float(1185.0 / 50);
    ticks(3, 1);
    EXPECT_FLOAT_EQ(p.bevelToothLines[1].x1, 3225);
    ticks(3, 1);
    EXPECT_FLOAT_EQ(p.bevelToothLines[1].x1, 2040);
    EXPECT_FLOAT_EQ(p.bevelToothLines[1].x2, 1490);
    p.bevelToothLines[11].y1 = 2240;
    ticks(3, 1);
    EXPECT_FLOAT_EQ(p.bevelToothLines[11].y1, 1035);
    EXPECT_FLOAT_EQ(p.bevelToothLines[11].y2, 480);
}

TEST_F(Animation, CompoundTrainHidesMiddleTeethBehindTheLastWheel)
{
    // Choose q2 so that tooth 1 of the middle wheel has c * 1125 of exactly 866 or 865.
    for (double x : {866.0, 865.0}) {
        st.compoundMiddlePhase = std::acos(x / 1125) - 0.15 - 0.05;
        ticks(13, 1);
        EXPECT_NEAR(std::cos(st.compoundMiddlePhase + 0.15) * 1125, x, 1e-6);
        EXPECT_EQ(p.largeWheelTeeth[1].visible, x < 866) << x;
    }
    // Mirrored, the hidden side is the left one.
    st.mirrored = true;
    st.compoundMiddlePhase = M_PI - 0.15 - 0.05;
    ticks(13, 1);
    EXPECT_FALSE(p.largeWheelTeeth[1].visible);
}

TEST_F(Animation, UniversalJointCyclesItsFourPictures)
{
    std::vector<int> shown;
    for (int t = 1; t <= 15; ++t) {
        const int picture = animateMechanism(p, st, 6);
        if (picture)
            shown.push_back(picture);
        else
            EXPECT_NE(t % 3, 0) << t;
    }
    EXPECT_EQ((std::vector<int>{95, 96, 97, 56, 95}), shown);
}

TEST_F(Animation, CrankWrapsAt628)
{
    ticks(11, 32);
    EXPECT_NEAR(st.crankPhase, 0.12, 1e-9);
    // The piston pin stays on its line and the rod keeps its length.
    const double rod = std::hypot(p.connectingRod.x2 - p.connectingRod.x1, 1500 - p.connectingRod.y1);
    EXPECT_NEAR(rod, 2325, 0.5);
    EXPECT_FLOAT_EQ(p.pistonRod.x2 - p.pistonRod.x1, 1725);
}

TEST_F(Animation, ChainLinkExactlyAtTheTangentIsLeftAlone)
{
    // Left of link 1 = cos(pA) * 600 + 1210 - 40 = 1035 exactly.
    const double c = (1035.0 - 1210 + 40) / 600;
    st.smallWheelPhase = std::acos(c) - 0.1;
    st.linkShown[1] = -1;
    p.smallSprocketLinks[1].visible = true;
    ticks(5, 1);
    EXPECT_FLOAT_EQ(p.smallSprocketLinks[1].left, 1035);
    EXPECT_EQ(st.linkShown[1], -1);
    EXPECT_TRUE(p.smallSprocketLinks[1].visible);
    st.linkShown[1] = 0;
    st.smallWheelPhase -= 0.1;
    ticks(5, 1);
    EXPECT_EQ(st.linkShown[1], 0);
}

TEST_F(Animation, ChainRunRestartsAtTheTangentPointWhenALinkLeaves)
{
    showParts(p, st, 5);
    for (int t = 0; t < 7; ++t)
        ticks(5, 1);
    int hiddenSmall = 0;
    for (int k = 1; k <= 10; ++k)
        hiddenSmall += !p.smallSprocketLinks[k].visible;
    EXPECT_GE(hiddenSmall, 4);
    EXPECT_LE(hiddenSmall, 6);
    // The run leaves from the tangent point towards the large sprocket.
    EXPECT_GT(p.firstChainRun[1].left, 1035);
    EXPECT_LT(p.firstChainRun[1].left, 1035 + 7 * 53);
    EXPECT_NEAR(p.firstChainRun[9].left - p.firstChainRun[1].left, 8 * 0.99 * 2895 / 9, 0.5);
}

TEST_F(Animation, ScrewThreadLineResetsInTheSameTick)
{
    p.screwThreadLines[1].y1 = p.screwThreadLines[1].y2 = 580;
    ticks(9, 1);
    EXPECT_FLOAT_EQ(p.screwThreadLines[1].y1, 2385);
    EXPECT_FLOAT_EQ(p.screwThreadLines[1].y2, 2385);
    EXPECT_FLOAT_EQ(p.screwThreadLines[1].x2 - p.screwThreadLines[1].x1, 600);
    // The nut turns back at the first tick it passes an end.
    EXPECT_EQ(st.motionSign, -1); // 1665 - 10 < 1665
    p.nut.left = 4170;
    ticks(9, 1); // at 4180, not beyond 4185
    EXPECT_EQ(st.motionSign, -1);
    ticks(9, 1); // at 4190
    EXPECT_EQ(st.motionSign, 1);
}

TEST_F(Animation, LeverSwingsBetweenItsLimits)
{
    ticks(15, 1);
    EXPECT_EQ(st.motionSign, 1);
    EXPECT_NEAR(st.leverAngle, 0.015, 1e-12);
    double lo = 1, hi = 0;
    for (int t = 0; t < 200; ++t) {
        ticks(15, 1);
        lo = std::min(lo, st.leverAngle);
        hi = std::max(hi, st.leverAngle);
    }
    EXPECT_GT(hi, 0.35);
    EXPECT_LT(hi, 0.37);
    EXPECT_LT(lo, 0.016);
    EXPECT_GT(lo, -0.001);
    // The bar passes through the fulcrum.
    const double t = st.leverAngle;
    EXPECT_NEAR(p.leverBar.x1 + std::cos(t) * 1350, 2100, 0.5);
}

TEST_F(Animation, LoadsAtTheLimitDoNotReverseYet)
{
    p.pulleyRopes[2].y2 = 2800;
    st.motionSign = -1;
    ticks(17, 1);
    EXPECT_EQ(st.motionSign, -1);
    EXPECT_FLOAT_EQ(p.pulleyRopes[2].y2, 2840);
    ticks(17, 1);
    EXPECT_EQ(st.motionSign, 1);
    p.winchRope.y2 = 2900;
    st.motionSign = -1;
    ticks(16, 1);
    EXPECT_EQ(st.motionSign, -1);
    ticks(16, 1);
    EXPECT_EQ(st.motionSign, 1);
}

TEST_F(Animation, BlockAndTackleRopeEndMovesTwiceAsFar)
{
    const float block = p.tackleParts[1].top;
    const float end = p.tackleRopes[3].y2;
    ticks(18, 10);
    EXPECT_FLOAT_EQ(p.tackleParts[1].top - block, 150);
    EXPECT_FLOAT_EQ(end - p.tackleRopes[3].y2, 300);
}

TEST_F(Animation, InclinedPlaneBodyStaysNearItsLimits)
{
    float lo = 1e9, hi = -1e9;
    for (int t = 0; t < 600; ++t) {
        ticks(19, 1);
        lo = std::min(lo, p.planeBody.top);
        hi = std::max(hi, p.planeBody.top);
    }
    EXPECT_GT(lo, 50 - 2 * 20.31);
    EXPECT_LT(hi, 2150 + 2 * 20.31);
    EXPECT_LT(lo, 50);
    EXPECT_GT(hi, 2150);
}

TEST_F(Animation, MotionSignCarriesOverBetweenMechanisms)
{
    // The pulley reverses the shared direction; the inclined plane starts from it.
    p.pulleyRopes[2].y2 = 1590;
    ticks(17, 1);
    EXPECT_EQ(st.motionSign, -1);
    const float top = p.planeBody.top;
    ticks(19, 1);
    EXPECT_GT(p.planeBody.top, top); // moving down the slope
}

// The nut and the plane's body can be left just beyond a limit while another mechanism
// turns the shared direction round; coming back, they must still head inwards.
TEST_F(Animation, NutAndBodyLeftBeyondALimitComeBack)
{
    const auto pulleyTurnsDirectionDown = [this] {
        p.pulleyRopes[2].y2 = 1590;
        ticks(17, 1);
        ASSERT_EQ(st.motionSign, -1);
    };

    p.nut.left = 4180;
    st.motionSign = -1; // moving right
    ticks(9, 1);
    ASSERT_FLOAT_EQ(p.nut.left, 4190);
    pulleyTurnsDirectionDown();
    ticks(9, 4);
    EXPECT_FLOAT_EQ(p.nut.left, 4170); // 4200, 4190, then inside again
    EXPECT_EQ(st.motionSign, 1);

    p.planeBody.top = 57.6f;
    st.motionSign = 1; // moving up
    ticks(19, 1);
    ASSERT_LT(p.planeBody.top, 50);
    pulleyTurnsDirectionDown();
    const float beyond = p.planeBody.top;
    ticks(19, 3);
    EXPECT_NEAR(p.planeBody.top, beyond + 3 * 20.30, 0.05);
    EXPECT_EQ(st.motionSign, -1);
}

TEST_F(Animation, WormCrestJumpsBehindTheLastOne)
{
    p.wormCrests[1].left = 1990; // 1950 is not beyond 1960
    const float fourth = p.wormCrests[4].left;
    ticks(8, 1);
    EXPECT_FLOAT_EQ(p.wormCrests[1].left, fourth + 350);
    EXPECT_FLOAT_EQ(p.wormFlanks[1].x1, p.wormCrests[1].left + 125);
    EXPECT_FLOAT_EQ(p.wormFlanks[1].x2, p.wormCrests[1].left - 100);
}

TEST_F(Animation, CamRollerFollowsTheDisc)
{
    ticks(10, 5);
    const double c = std::cos(st.camPhase);
    EXPECT_NEAR(p.camRoller.top, p.camDisc.top + 78.79 * c * c - 310, 0.01);
    EXPECT_FLOAT_EQ(p.followerRod.top, p.camRoller.top - 820);
    EXPECT_FLOAT_EQ(p.camRoller.left, 2730);
}

// The clock of the tick shows minutes and seconds only while a run is active.
class AnimationClock : public FormFixture
{
};

TEST_F(AnimationClock, ClockTextOnlyChangesWhileARunIsActive)
{
    start(1);
    c().clockBox.caption = QStringLiteral("1:23");
    fakes.clock.advanceMs(5000);
    form->onAnimationTick();
    EXPECT_EQ(c().clockBox.caption, QStringLiteral("1:23"));
    form->run.begin();
    form->run.startClock();
    fakes.clock.advanceMs(187400);
    form->onAnimationTick();
    EXPECT_EQ(c().clockBox.caption, QStringLiteral("3:07"));
    EXPECT_EQ(form->run.clockMs(), 187400);
}
