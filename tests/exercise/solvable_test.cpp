// Every exercise can be answered from its screen. Many seeded exercises of every
// mechanism, exercise, level and units mode are worked out as a pupil would: from the data
// lines, the statement line when it shows, the question and its unit, with the laws of
// each machine written here and not taken from the trainer. The answer so found must be
// judged right.

#include "support/form_fixture.h"

#include <QRegularExpression>
#include <array>
#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <random>
#include <sstream>

using namespace cinemoto;
using namespace cinemoto::test;

namespace {

// A repeatable stream of draws in [0, 1), whatever the trainer asks to be seeded with.
struct SeededRandom : RandomService
{
    std::mt19937 engine{20260314};
    float next() override { return float(engine() >> 8) * 0x1p-24f; }
    void seed(quint32) override {}
    void seedFromTimer() override {}
};

// What the pupil can know in one exercise. Speeds in rad/s, lengths in mm, linear speeds
// in mm/s, forces in N, masses in kg.
enum Quantity {
    DriveSpeed, DrivenSpeed, IdlerSpeed,
    DriveSize, DrivenSize, IdlerSize,
    Statement, // the quantity of the statement line: ratio, pitch, stroke or advantage
    Linear, PeakLinear, Applied, Resisting, Mass, Weight,
    Small, Large, Stage, Radius, Product,
    Pi, TwoPi, Two, Gravity,
    QuantityCount
};

// One law among three quantities: a = b * c, a = b + c, or a = b * b.
struct Law
{
    enum Kind { Times, Plus, Square } kind;
    Quantity a, b, c;
};

struct Machine
{
    std::array<int, 6> lines; // quantity of lines M1, M2, R1, R2, C1, C2; -1 for none
    std::vector<Law> laws;
    std::map<int, Quantity> questions; // question text id -> quantity asked
    std::vector<Quantity> counts;      // whole numbers of teeth
};

constexpr int None = -1;

Law times(Quantity a, Quantity b, Quantity c)
{
    return {Law::Times, a, b, c};
}

Law plus(Quantity a, Quantity b, Quantity c)
{
    return {Law::Plus, a, b, c};
}

// Each machine as taught: speeds and sizes of meshing or belted wheels trade off, a screw
// advances one pitch a turn, a follower or a piston travels twice its stroke a turn, a
// crank pin moves at the speed of the arm's end, and an ideal machine gives out the work
// put in.
Machine machine(int mechanism, bool largeWheelDrives)
{
    Machine m;
    const std::vector<Law> wheels{times(DrivenSpeed, Statement, DriveSpeed), times(DriveSize, Statement, DrivenSize)};
    const std::vector<Law> work{times(Weight, Mass, Gravity), times(Weight, Statement, Applied),
                                times(DriveSize, Statement, DrivenSize)};
    switch (mechanism) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
        m.lines = {DriveSpeed, DriveSize, DrivenSpeed, DrivenSize, None, None};
        m.laws = wheels;
        m.questions = {{241, Statement}, {246, DriveSpeed}, {251, DrivenSpeed}, {256, DriveSize},
                       {257, DriveSize}, {258, DriveSize}, {265, DrivenSize}, {266, DrivenSize}, {267, DrivenSize}};
        if (mechanism == 1 || mechanism == 3 || mechanism == 5)
            m.counts = {DriveSize, DrivenSize};
        break;
    case 6:
        m.lines = {DriveSpeed, None, DrivenSpeed, None, None, None};
        m.laws = {times(DrivenSpeed, Statement, DriveSpeed)};
        m.questions = {{241, Statement}, {246, DriveSpeed}, {251, DrivenSpeed}};
        break;
    case 7: // pitch x teeth = pi x diameter; rack speed = pinion speed x radius
        m.lines = {Linear, DriveSize, DriveSpeed, DrivenSize, None, None};
        m.laws = {times(Linear, DriveSpeed, Radius), times(DrivenSize, Two, Radius),
                  times(Product, Statement, DriveSize), times(Product, Pi, DrivenSize)};
        m.questions = {{242, Statement}, {247, Linear}, {252, DriveSpeed}, {259, DriveSize}, {268, DrivenSize}};
        m.counts = {DriveSize};
        break;
    case 8: // one pitch of the wheel's rim a turn of the worm
        m.lines = {DriveSpeed, DriveSize, DrivenSpeed, DrivenSize, None, None};
        m.laws = {times(DrivenSpeed, Statement, DriveSpeed), times(DriveSize, Statement, Product),
                  times(Product, Pi, DrivenSize)};
        m.questions = {{241, Statement}, {246, DriveSpeed}, {251, DrivenSpeed}, {260, DriveSize}, {269, DrivenSize}};
        break;
    case 9:
        m.lines = {DriveSpeed, None, Linear, None, None, None};
        m.laws = {times(Product, Statement, DriveSpeed), times(Product, TwoPi, Linear)};
        m.questions = {{243, Statement}, {248, DriveSpeed}, {253, Linear}};
        break;
    case 10: // major radius = minor radius + stroke
        m.lines = {DriveSpeed, DriveSize, Linear, DrivenSize, None, None};
        m.laws = {plus(DriveSize, DrivenSize, Statement), times(Product, Linear, Pi),
                  times(Product, Statement, DriveSpeed)};
        m.questions = {{244, Statement}, {249, DriveSpeed}, {254, Linear}, {261, DriveSize}, {270, DrivenSize}};
        break;
    case 11: // stroke = 2 x arm
        m.lines = {DriveSpeed, DriveSize, Linear, PeakLinear, None, None};
        m.laws = {times(Statement, Two, DriveSize), times(Product, Linear, Pi), times(Product, Statement, DriveSpeed),
                  times(PeakLinear, DriveSpeed, DriveSize)};
        m.questions = {{245, Statement}, {250, DriveSpeed}, {255, Linear}, {262, DriveSize}, {271, PeakLinear}};
        break;
    case 12: // speed x teeth is the same on every wheel
        m.lines = {DriveSpeed, DriveSize, DrivenSpeed, DrivenSize, IdlerSpeed, IdlerSize};
        m.laws = {times(DrivenSpeed, Statement, DriveSpeed), times(DriveSize, Statement, DrivenSize),
                  times(Product, DriveSpeed, DriveSize), times(Product, DrivenSpeed, DrivenSize),
                  times(Product, IdlerSpeed, IdlerSize)};
        m.questions = {{241, Statement}, {246, DriveSpeed}, {251, DrivenSpeed}, {256, DriveSize}, {265, DrivenSize}};
        m.counts = {DriveSize, DrivenSize};
        break;
    case 13:
    case 14: // two equal stages; the picture shows which wheel of a pair drives
        m.lines = {Small, Large, DriveSpeed, DrivenSpeed, None, None};
        m.laws = {times(DrivenSpeed, Statement, DriveSpeed), {Law::Square, Statement, Stage, Stage},
                  largeWheelDrives ? times(Large, Stage, Small) : times(Small, Stage, Large)};
        m.questions = {{241, Statement}, {246, DriveSpeed}, {251, DrivenSpeed}, {263, Small},
                       {264, Small}, {272, Large}, {273, Large}};
        if (mechanism == 13)
            m.counts = {Small, Large};
        break;
    case 15: // moments about the fulcrum
        m.lines = {Applied, DriveSize, Resisting, DrivenSize, None, None};
        m.laws = {times(Resisting, Statement, Applied), times(DriveSize, Statement, DrivenSize)};
        m.questions = {{554, Statement}, {274, Applied}, {275, Resisting}, {278, DriveSize}, {550, DrivenSize}};
        break;
    case 16: // force x arm = weight x drum radius
        m.lines = {Applied, DriveSize, Mass, DrivenSize, None, None};
        m.laws = {times(Weight, Mass, Gravity), times(Weight, Statement, Applied), times(Product, Two, DriveSize),
                  times(Product, Statement, DrivenSize)};
        m.questions = {{554, Statement}, {274, Applied}, {277, Mass}, {279, DriveSize}, {551, DrivenSize}};
        break;
    default: // 17, 18, 19: force x its path = weight x rise
        m.lines = {Applied, DriveSize, Mass, DrivenSize, None, None};
        m.laws = work;
        m.questions = {{554, Statement}, {274, Applied}, {276, Mass}, {277, Mass}, {280, DriveSize},
                       {552, DrivenSize}, {553, DrivenSize}};
        break;
    }
    return m;
}

bool isSpeed(Quantity q)
{
    return q == DriveSpeed || q == DrivenSpeed || q == IdlerSpeed;
}

// Applies the laws until the asked quantity is known or nothing more can be found.
std::optional<double> solve(const Machine &m, std::array<std::optional<double>, QuantityCount> known, Quantity asked)
{
    for (bool found = true; found && !known[asked];) {
        found = false;
        for (const Law &law : m.laws) {
            auto &a = known[law.a];
            auto &b = known[law.b];
            auto &c = known[law.c];
            if (law.kind == Law::Square) {
                if (!a && b)
                    a = *b * *b;
                else if (a && !b)
                    b = std::sqrt(*a);
                else
                    continue;
            } else if (int(!a) + int(!b) + int(!c) != 1) {
                continue;
            } else if (law.kind == Law::Times) {
                if (!a)
                    a = *b * *c;
                else if (!b)
                    b = *a / *c;
                else
                    c = *a / *b;
            } else {
                if (!a)
                    a = *b + *c;
                else if (!b)
                    b = *a - *c;
                else
                    c = *a - *b;
            }
            found = true;
        }
    }
    return known[asked];
}

struct Screen
{
    QStringList lines; // M1, M2, R1, R2, C1, C2
    QString statement; // empty when hidden
    QString question;
};

// Kinds of exercise allowed to stay out of reach; see allowanceFor.
enum Allowance { CrankPeakSpeed, CamRadiusDifference, AllowanceCount };

double numberIn(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("\\d*[.,]?\\d+"));
    return number.match(text).captured().replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

} // namespace

class Solvable : public FormFixture
{
protected:
    SeededRandom seeded;
    void SetUp() override
    {
        writeSettings(QByteArray("\x01\x00", 2));
        fakes.folder.folder = dir.path();
        Services services = fakes.all();
        services.random = &seeded;
        form = std::make_unique<MainWindowModel>(services, TextCatalogue::builtIn());
        form->load();
    }

    Screen screen()
    {
        Screen s;
        const auto box = [&s](const Control &control) {
            const QStringList two = control.caption.split(QStringLiteral("\r\n"));
            for (int i = 0; i < 2; ++i)
                s.lines << (control.visible && i < two.size() ? two[i] : QString());
        };
        box(c().drivingData);
        box(c().drivenData);
        box(c().middleData);
        if (c().ratioLabel.visible)
            s.statement = c().ratioLabel.caption;
        s.question = c().questionLabel.caption;
        return s;
    }

    // A speed in rad/s from a line that ends with its unit.
    double speedIn(const QString &line)
    {
        const double value = numberIn(line);
        return line.endsWith(form->text(201)) ? value * 2 * std::numbers::pi / 60 : value;
    }

    std::optional<Allowance> allowanceFor(int mechanism, const Screen &s);

    // The pupil's answer, or nothing when the screen does not give the asked quantity.
    std::optional<double> work(const Screen &s, int mechanism)
    {
        // The compound drives' picture is mirrored when the large wheel of each pair drives.
        const Machine m = machine(mechanism, c().pictureArea.pictureMirrored);
        std::array<std::optional<double>, QuantityCount> known{};
        known[Pi] = std::numbers::pi;
        known[TwoPi] = 2 * std::numbers::pi;
        known[Two] = 2;
        known[Gravity] = 9.8;
        for (int i = 0; i < 6; ++i) {
            if (m.lines[std::size_t(i)] == None || s.lines[i].trimmed().isEmpty())
                continue;
            const auto q = Quantity(m.lines[std::size_t(i)]);
            known[q] = isSpeed(q) ? speedIn(s.lines[i]) : numberIn(s.lines[i]);
        }
        if (!s.statement.isEmpty())
            known[Statement] = numberIn(s.statement);

        std::optional<Quantity> asked;
        qsizetype longest = 0;
        for (const auto &[id, q] : m.questions) {
            const QString text = form->text(id);
            if (s.question.startsWith(text) && text.size() > longest) {
                asked = q;
                longest = text.size();
            }
        }
        if (!asked)
            return std::nullopt;
        std::optional<double> value = solve(m, known, *asked);
        if (!value)
            return std::nullopt;
        if (isSpeed(*asked) && s.question.contains(QLatin1Char('(') + form->text(201) + QLatin1Char(')')))
            *value *= 60 / (2 * std::numbers::pi);
        if (std::find(m.counts.begin(), m.counts.end(), *asked) != m.counts.end())
            *value = std::round(*value);
        return value;
    }
};

// The exercises that may stay out of reach, each kind with its reason. The trainer draws
// some sizes as whole numbers, and a value worked out across such a rounding cannot always
// meet the tolerance. Together they must stay at or under 0.15 % of the exercises.
std::optional<Allowance> Solvable::allowanceFor(int mechanism, const Screen &s)
{
    const auto asks = [&](int id) { return s.question.startsWith(form->text(id)); };
    // The piston's peak speed is shown and judged as a whole number of mm/s; below about
    // 50 mm/s its rounding alone can reach the tolerance, whether it is asked or used.
    if (mechanism == 11 && (asks(271) || !s.lines[3].trimmed().isEmpty()))
        return CrankPeakSpeed;
    // A radius of the cam found from the other one and a stroke worked out from two
    // rounded speeds: the minor radius can be as small as 1 mm against a stroke of up to
    // 102 mm, so a small error in the stroke is a large one in the radius.
    if (mechanism == 10 && s.statement.isEmpty() && (asks(261) || asks(270)))
        return CamRadiusDifference;
    return std::nullopt;
}

TEST_F(Solvable, EveryExerciseCanBeAnsweredFromItsScreen)
{
    constexpr int rounds = 40;
    int exercises = 0;
    std::array<int, AllowanceCount> allowed{};
    for (int units = 1; units <= 3; ++units) {
        if (units == 3)
            form->onRandomUnitsChosen();
        else
            form->onUnitsChosen(units);
        for (int level = 1; level <= 3; ++level) {
            for (int mechanism = 1; mechanism <= 19; ++mechanism) {
                const int last = (mechanism == 6 || mechanism == 9) ? 3 : 5;
                for (int exercise = 1; exercise <= last; ++exercise) {
                    for (int round = 0; round < rounds; ++round) {
                        setChoice(mechanism, exercise, level);
                        form->run.begin();
                        form->startExercise();
                        const Screen s = screen();
                        const std::optional<double> answer = work(s, mechanism);
                        ++exercises;
                        if (answer) {
                            c().answerBox.caption = QString::number(*answer, 'g', 10);
                            int key = 13;
                            form->onAnswerKeyPressed(key);
                        }
                        form->run.end();
                        fakes.messageBox.shown.clear();
                        fakes.sound.played.clear();
                        if (answer && form->run.answerCorrect())
                            continue;
                        if (const std::optional<Allowance> kind = allowanceFor(mechanism, s); kind && answer) {
                            ++allowed[*kind];
                            continue;
                        }
                        std::ostringstream out;
                        out << "mechanism " << mechanism << ", exercise " << exercise << ", level " << level
                            << ", units " << units << ": worked out " << (answer ? *answer : -1.0)
                            << ", judged against " << st().solution << " |";
                        for (const QString &line : s.lines)
                            out << line.toStdString() << "|";
                        out << s.statement.toStdString() << "|" << s.question.toStdString();
                        ADD_FAILURE() << out.str();
                    }
                }
            }
        }
    }
    EXPECT_EQ(exercises, rounds * 3 * 3 * (17 * 5 + 2 * 3));
    const int kept = allowed[CrankPeakSpeed] + allowed[CamRadiusDifference];
    EXPECT_LE(kept * 10000, exercises * 15) << kept << " of " << exercises << " allowed out of reach";
    RecordProperty("crank_peak_speed", allowed[CrankPeakSpeed]);
    RecordProperty("cam_radius_difference", allowed[CamRadiusDifference]);
}
