#include "mechanisms/animation.h"
#include "mechanisms/catalogue.h"
#include "support/form_fixture.h"

#include <set>
#include <vector>

using namespace cinemoto;
using namespace cinemoto::test;

class Drawing : public FormFixture
{
protected:
    void SetUp() override { start(1); }
    void choose(int type, int mechanism)
    {
        form->selectOption(c().typeOptions[type]);
        form->selectOption(c().mechanismOptions[mechanism]);
    }
    int visibleParts()
    {
        int n = 0;
        form->animation.parts.forEachShape([&n](const Shape &s) { n += s.visible; });
        form->animation.parts.forEachLine([&n](const Line &l) { n += l.visible; });
        return n;
    }
};

TEST_F(Drawing, EachMechanismShowsItsOwnParts)
{
    const int expected[] = {0, 30, 2, 20, 2, 78, 0, 20, 35, 3, 4, 5, 45, 60, 4, 2, 5, 3, 7, 1};
    for (int m = 1; m <= 19; ++m) {
        form->showMechanismParts(m);
        EXPECT_EQ(visibleParts(), expected[m]) << "mechanism " << m;
    }
}

TEST_F(Drawing, AMechanismChangeHidesThePictureUntilTheNextTick)
{
    form->onAnimationTick();
    EXPECT_TRUE(c().pictureArea.visible);
    choose(2, 1);
    EXPECT_FALSE(c().pictureArea.visible);
    EXPECT_TRUE(form->animation.pending());
    EXPECT_EQ(c().pictureArea.picture, 51);
    form->onAnimationTick();
    EXPECT_TRUE(c().pictureArea.visible);
    EXPECT_FALSE(form->animation.pending());
}

TEST_F(Drawing, TheChangeSequenceAlwaysLeavesThePlainPicture)
{
    choose(2, 12);
    form->loadMechanismPicture(true);
    EXPECT_TRUE(form->animation.drawing.mirrored);
    EXPECT_TRUE(c().pictureArea.pictureMirrored);
    EXPECT_EQ(form->animation.drawing.motionSign, -1);
    EXPECT_DOUBLE_EQ(form->animation.drawing.centres[12][1], 3120);
    EXPECT_DOUBLE_EQ(form->animation.drawing.idlerPhase, 0.0);
    form->selectOption(c().mechanismOptions[13]);
    form->selectOption(c().mechanismOptions[12]);
    EXPECT_FALSE(form->animation.drawing.mirrored);
    EXPECT_FALSE(c().pictureArea.pictureMirrored);
    EXPECT_DOUBLE_EQ(form->animation.drawing.centres[12][1], 2550);
    EXPECT_DOUBLE_EQ(form->animation.drawing.centres[12][3], 975);
    EXPECT_DOUBLE_EQ(form->animation.drawing.idlerPhase, 0.2);
    EXPECT_EQ(form->animation.drawing.motionSign, -1); // not reset by a change of mechanism
}

TEST_F(Drawing, MirroringOnlyWhenItChangesTouchesTheCentres)
{
    choose(1, 15);
    form->onAnimationTick();
    form->loadMechanismPicture(false); // already plain: picture replaced, still shown
    EXPECT_TRUE(c().pictureArea.visible);
    form->loadMechanismPicture(true);
    EXPECT_FALSE(c().pictureArea.visible);
    EXPECT_DOUBLE_EQ(form->animation.drawing.centres[15][1], 3570);
    EXPECT_EQ(form->animation.drawing.leverSide, -1);
    form->onAnimationTick();
    form->loadMechanismPicture(true);
    EXPECT_TRUE(c().pictureArea.visible);
    form->loadMechanismPicture(false);
    EXPECT_EQ(form->animation.drawing.motionSign, 1);
    EXPECT_DOUBLE_EQ(form->animation.drawing.centres[15][1], 2100);
}

TEST_F(Drawing, PicturesOfTheFixedMechanismsAreNeverMirrored)
{
    for (int m : {3, 6, 7, 8, 9, 10, 11, 16, 17, 18, 19}) {
        setChoice(m);
        const auto before = form->animation.drawing.centres;
        form->loadMechanismPicture(true);
        EXPECT_FALSE(c().pictureArea.pictureMirrored) << m;
        EXPECT_FALSE(form->animation.drawing.mirrored) << m;
        EXPECT_EQ(form->animation.drawing.centres, before) << m;
    }
}

TEST_F(Drawing, CompoundDrivesShareTheirShafts)
{
    choose(2, 13);
    form->loadMechanismPicture(true);
    EXPECT_EQ(form->animation.drawing.centres[13], form->animation.drawing.centres[14]);
    EXPECT_DOUBLE_EQ(form->animation.drawing.centres[14][2], 3105);
}

TEST_F(Drawing, ChainLinksAllComeBackAfterAnotherMechanism)
{
    choose(2, 5);
    for (int i = 0; i < 5; ++i)
        form->onAnimationTick();
    int hidden = 0;
    for (int k = 1; k <= 30; ++k)
        hidden += form->animation.drawing.linkShown[k] == 0;
    EXPECT_GT(hidden, 0);
    form->selectOption(c().mechanismOptions[1]);
    form->selectOption(c().mechanismOptions[5]);
    for (int k = 1; k <= 30; ++k)
        EXPECT_EQ(form->animation.drawing.linkShown[k], -1);
    for (int k = 1; k <= 10; ++k)
        EXPECT_TRUE(form->animation.parts.smallSprocketLinks[k].visible);
    EXPECT_EQ(form->animation.drawing.motionSign, 1);
}

TEST_F(Drawing, TheSoundLoopFollowsAMechanismChange)
{
    form->onSoundButtonClicked();
    EXPECT_TRUE(form->run.loopOn());
    choose(3, 9);
    EXPECT_TRUE(form->run.loopOn());
    EXPECT_EQ(fakes.sound.stops, 0);
    form->onSoundButtonClicked();
    EXPECT_FALSE(form->run.loopOn());
    choose(3, 10);
    EXPECT_FALSE(form->run.loopOn());
}

TEST(InitialLayout, PlacesTheFixedGeometry)
{
    DrawingParts p;
    DrawingState st;
    initialLayout(p, st);
    EXPECT_FLOAT_EQ(p.bevelToothLines[10].x1, 2040 + 118.5f * 9);
    EXPECT_FLOAT_EQ(p.bevelToothLines[10].x2, 1490 + 229.0f * 9);
    EXPECT_FLOAT_EQ(p.bevelToothLines[20].y2, 480 + 232.5f * 9);
    EXPECT_FLOAT_EQ(p.wormCrests[5].left, 2035);
    EXPECT_FLOAT_EQ(p.wormFlanks[2].x1, 1860 + 350 + 125);
    EXPECT_FLOAT_EQ(p.wormFlanks[2].y2, 270 - 125);
    EXPECT_FLOAT_EQ(p.rackTeeth[9].left, 2355 + 70 + 350 * 8);
    EXPECT_FLOAT_EQ(p.tackleParts[4].top, 2085);
    EXPECT_FLOAT_EQ(p.nut.left, 1665);
    EXPECT_FLOAT_EQ(p.screwThreadLines[2].y1, 2385);
    EXPECT_FLOAT_EQ(p.pistonPin.top, 1425);
    EXPECT_FLOAT_EQ(p.leverBar.x2, 5209);
    EXPECT_FLOAT_EQ(p.winchRope.y2, 2865);
    EXPECT_FLOAT_EQ(p.pulleyRopes[2].y2, 2700);
    EXPECT_FLOAT_EQ(p.planeBody.left, 795);
    EXPECT_DOUBLE_EQ(st.threadPitch, 350);
    EXPECT_EQ(st.rackSign, 1);
    EXPECT_EQ(st.motionSign, 1);
    EXPECT_FLOAT_EQ(p.camRoller.left, 2730);
    EXPECT_FLOAT_EQ(p.followerRod.left, 2790);
}

TEST_F(Drawing, TheUniversalJointOnlyRepaintsWhenItsPictureChanges)
{
    choose(2, 6);
    form->onAnimationTick(); // reveal
    EXPECT_TRUE(form->animation.moved());
    int repaints = 0;
    for (int t = 0; t < 12; ++t) {
        form->onAnimationTick();
        repaints += form->animation.moved();
    }
    EXPECT_EQ(repaints, 4);
    choose(2, 1);
    form->onAnimationTick();
    form->onAnimationTick();
    EXPECT_TRUE(form->animation.moved());
}

namespace {

// Where every shape and line stands, and whether it was shown, in painting order.
struct PartPlace
{
    bool visible;
    std::array<float, 4> where;
};

std::vector<PartPlace> partPlaces(const DrawingParts &p)
{
    std::vector<PartPlace> places;
    p.forEachShape([&places](const Shape &s) { places.push_back({s.visible, {s.left, s.top, s.width, s.height}}); });
    p.forEachLine([&places](const Line &l) { places.push_back({l.visible, {l.x1, l.y1, l.x2, l.y2}}); });
    return places;
}

} // namespace

// A motion handed to the wrong mechanism would move parts its picture does not show.
TEST(MechanismDrawings, EachMotionMovesThePartsShownAndNoOthers)
{
    for (int m = -1; m <= mechanismCount + 1; ++m) {
        DrawingParts p;
        DrawingState st;
        initialLayout(p, st);
        fillWheelCentres(st, m);
        showParts(p, st, m);
        const std::vector<PartPlace> before = partPlaces(p);
        int pictures = 0;
        for (int t = 0; t < 3; ++t)
            pictures += animateMechanism(p, st, m) != 0;
        const std::vector<PartPlace> after = partPlaces(p);
        int shown = 0, moved = 0, movedHidden = 0;
        for (std::size_t i = 0; i < before.size(); ++i) {
            shown += before[i].visible;
            if (before[i].where != after[i].where) {
                ++moved;
                movedHidden += !before[i].visible;
            }
        }
        EXPECT_EQ(movedHidden, 0) << "mechanism " << m;
        if (m < 1 || m > mechanismCount) {
            EXPECT_EQ(shown, 0) << "mechanism " << m;
            EXPECT_EQ(moved, 0) << "mechanism " << m;
            EXPECT_EQ(pictures, 0) << "mechanism " << m;
        } else if (m == 6) {
            // The universal joint's picture itself moves, one picture every third tick.
            EXPECT_EQ(moved, 0);
            EXPECT_EQ(pictures, 1);
        } else {
            EXPECT_GT(moved, 0) << "mechanism " << m;
            EXPECT_EQ(pictures, 0) << "mechanism " << m;
        }
    }
}

TEST(MechanismDrawings, ExactlyTheMechanismsWithAMirroredPlacingMirror)
{
    const std::set<int> mirrored = {1, 2, 4, 5, 12, 13, 14, 15};
    for (int m = -1; m <= mechanismCount + 1; ++m) {
        EXPECT_EQ(mirrorsPicture(m), mirrored.count(m) == 1) << "mechanism " << m;
        DrawingState plain, turned;
        turned.mirrored = true;
        fillWheelCentres(plain, m);
        fillWheelCentres(turned, m);
        EXPECT_EQ(plain.centres != turned.centres, mirrorsPicture(m)) << "mechanism " << m;
        EXPECT_EQ(plain.centres != DrawingState{}.centres, mirrorsPicture(m)) << "mechanism " << m;
    }
    // Placing either compound drive places the other on the same shafts.
    DrawingState st;
    fillWheelCentres(st, 14);
    EXPECT_DOUBLE_EQ(st.centres[13][3], 4380);
    EXPECT_EQ(st.centres[13], st.centres[14]);
    for (int m = 1; m <= mechanismCount; ++m) {
        if (m != 13 && m != 14) {
            EXPECT_EQ(st.centres[std::size_t(m)], DrawingState{}.centres[0]) << "mechanism " << m;
        }
    }
}
