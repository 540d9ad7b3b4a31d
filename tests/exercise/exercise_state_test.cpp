#include "exercise/exercise_state.h"
#include "support/form_fixture.h"

#include <type_traits>

using namespace cinemoto;
using namespace cinemoto::test;

TEST(ExerciseStateRecord, FieldsHaveTheAgreedWidths)
{
    ExerciseState s;
    static_assert(std::is_same_v<decltype(s.level), std::int32_t>);
    static_assert(std::is_same_v<decltype(s.motorValue), float>);
    EXPECT_EQ(s.randomChoices.size(), 7u);
    // The rpm factor is the seven-digit single, not 60 / 2 pi.
    EXPECT_EQ(kRpmFactor, 9.549297f);
    EXPECT_NE(double(kRpmFactor), 60.0 / (2 * 3.14159265358979));
    EXPECT_EQ(kRpmFactor * 1.0f, 9.549297f);
}

class ExerciseStateAtStart : public FormFixture
{
};

TEST_F(ExerciseStateAtStart, StartValuesAreSetAndEverythingElseIsEmpty)
{
    start(3);
    const ExerciseState &s = st();
    EXPECT_EQ(s.level, 2);
    EXPECT_EQ(s.mechanism, 17);
    EXPECT_EQ(s.exercise, 1);
    EXPECT_EQ(s.units, 1);
    EXPECT_EQ(s.unitFactor, 9.549297f);
    EXPECT_EQ(s.unitLabel, QStringLiteral("rpm"));
    EXPECT_FALSE(form->run.running());
    EXPECT_FALSE(form->exam.running());
    EXPECT_FALSE(s.relabelling);
    EXPECT_EQ(s.motorValue, 0.0f);
    EXPECT_EQ(s.solution, 0.0f);
    EXPECT_EQ(s.motorSize, 0);
    EXPECT_EQ(form->exam.count(), 0);
    EXPECT_TRUE(s.ratioFormat.isEmpty());
    for (bool chosen : s.randomChoices)
        EXPECT_FALSE(chosen);
    for (int m = 1; m <= mechanismCount; ++m)
        EXPECT_FALSE(form->exam.used(m));
}
