#include "app/main_window_model.h"

#include "app/format.h"
#include "exercise/generation.h"

namespace cinemoto {

namespace {

QString f3(double value)
{
    return formatSignificant(value, QStringLiteral(" ###0.#0   "), systemDecimal(), kShownDigits);
}

QString f2(double value)
{
    return formatSignificant(value, QStringLiteral(" ###0.#0  "), systemDecimal(), kShownDigits);
}

const QString kMm = QStringLiteral(" mm");
const QString kMmPerS = QStringLiteral("mm/s");

} // namespace

void MainWindowModel::generateValues()
{
    const Draw random = [this] { return m_services.random->next(); };
    const bool side = drawValues(st, random);
    if (mirrorsPicture(st.mechanism))
        loadMechanismPicture(side);
    chooseEasyVariant(st, random);
}

void MainWindowModel::selectSolution()
{
    st.solution = solutionFor(st, st.solution);
}

void MainWindowModel::drawRandomChoices()
{
    for (int i = 1; i <= 6; ++i)
        st.randomChoices[std::size_t(i)] = (m_services.random->next() < 0.5f);
}

void MainWindowModel::nextSpeedUnit()
{
    const bool rpm = st.units != 2;
    st.unitFactor = rpm ? kRpmFactor : 1.0f;
    st.unitLabel = text(rpm ? 201 : 202);
    if (c.randomUnitsItem.value) {
        // Each speed on screen gets its own unit.
        const int slot = st.choiceIndex;
        const bool choice = slot >= 1 && slot <= 6 && (st.randomChoices[std::size_t(slot)]);
        st.unitFactor = choice ? kRpmFactor : 1.0f;
        st.unitLabel = text(choice ? 201 : 202);
        ++st.choiceIndex;
    }
}

QString MainWindowModel::speedText(float value) const
{
    return f3(float(double(st.unitFactor) * value)) + st.unitLabel;
}

void MainWindowModel::writeSpeedLines(Lines &l)
{
    const int m = st.mechanism;
    switch (m) {
    case 7:
        l.m1 = text(211) + f2(st.resistantValue) + kMmPerS;
        l.r1 = text(212) + speedText(st.motorValue);
        break;
    case 9:
        l.r1 = text(213) + f3(st.resistantValue) + kMmPerS;
        break;
    case 10:
        l.r1 = text(214) + f3(st.resistantValue) + kMmPerS;
        break;
    case 11:
        l.r1 = text(215) + f3(st.resistantValue) + kMmPerS;
        break;
    case 12:
        l.m1 = QStringLiteral("V = ") + f2(float(double(st.unitFactor) * st.motorValue)) + st.unitLabel;
        nextSpeedUnit();
        l.r1 = QStringLiteral("V = ") + f2(float(double(st.unitFactor) * st.resistantValue)) + st.unitLabel;
        nextSpeedUnit();
        l.c1 = QStringLiteral("V = ") + f2(float(double(st.unitFactor) * st.centralValue)) + st.unitLabel;
        break;
    case 13:
    case 14:
        l.r1 = text(216) + speedText(st.motorValue);
        nextSpeedUnit();
        l.r2 = text(217) + speedText(st.resistantValue);
        break;
    case 15:
        l.m1 = text(234) + f3(st.motorValue) + QStringLiteral("N");
        l.r1 = text(234) + f3(st.resistantValue) + QStringLiteral("N");
        break;
    case 16:
        l.m1 = text(234) + f3(st.motorValue) + QStringLiteral("N");
        l.r1 = text(235) + f3(st.resistantValue) + QStringLiteral("Kg");
        break;
    case 17:
    case 18:
    case 19:
        l.m1 = text(234) + f3(st.motorValue) + QStringLiteral("N");
        l.r1 = text(236) + f3(st.resistantValue) + QStringLiteral("Kg");
        break;
    default:
        break;
    }
}

void MainWindowModel::writeSizeLines(Lines &l)
{
    const QString motor = strInt(st.motorSize);
    const QString resistant = strInt(st.resistantSize);
    switch (st.mechanism) {
    case 1:
    case 3:
    case 5:
        l.m2 = text(218) + motor;
        l.r2 = text(218) + resistant;
        break;
    case 2:
        l.m2 = text(219) + motor + kMm;
        l.r2 = text(219) + resistant + kMm;
        break;
    case 4:
        l.m2 = text(220) + motor + kMm;
        l.r2 = text(220) + resistant + kMm;
        break;
    case 7:
        l.m2 = text(221) + motor;
        l.r2 = text(222) + resistant + kMm;
        break;
    case 8:
        l.m2 = text(223) + motor + kMm;
        l.r2 = text(224) + resistant + kMm;
        break;
    case 10:
        l.m2 = text(225) + motor + kMm;
        l.r2 = text(226) + resistant + kMm;
        break;
    case 11:
        l.m2 = text(227) + motor + kMm;
        l.r2 = text(228) + f3(st.resistantSize) + kMmPerS;
        break;
    case 12:
        l.m2 = text(229) + motor;
        l.r2 = text(229) + resistant;
        l.c2 = text(229) + strInt(st.centralSize);
        break;
    case 13:
        l.m1 = text(230) + strInt(st.smallSize) + text(132);
        l.m2 = text(231) + strInt(st.largeSize) + text(132);
        break;
    case 14:
        l.m1 = text(232) + strInt(st.smallSize) + kMm;
        l.m2 = text(233) + strInt(st.largeSize) + kMm;
        break;
    case 15:
        l.m2 = text(227) + motor + kMm;
        l.r2 = text(227) + resistant + kMm;
        break;
    case 16:
        l.m2 = text(227) + motor + kMm;
        l.r2 = text(237) + resistant + kMm;
        break;
    case 17:
    case 18:
        l.m2 = text(238) + motor + kMm;
        l.r2 = text(238) + resistant + kMm;
        break;
    case 19:
        l.m2 = text(238) + motor + kMm;
        l.r2 = text(239) + resistant + kMm;
        break;
    default:
        break;
    }
}

void MainWindowModel::showExercise()
{
    const int m = st.mechanism;
    const int ex = st.exercise;
    const bool easy = st.easyVariant;
    c.middleData.visible = false;
    st.unitFactor = st.units == 2 ? 1.0f : kRpmFactor;
    st.unitLabel = text(st.units == 2 ? 202 : 201);
    st.ratioFormat = st.ratio > 1 ? QStringLiteral("##.00") : QStringLiteral("0.00000");
    st.choiceIndex = 1;
    if (!st.relabelling)
        drawRandomChoices();
    const auto choice = [this] {
        const int slot = st.choiceIndex++;
        return slot >= 1 && slot <= 6 && (st.randomChoices[std::size_t(slot)]);
    };

    Lines l;
    nextSpeedUnit();
    l.m1 = text(212) + speedText(st.motorValue);
    nextSpeedUnit();
    l.r1 = text(212) + speedText(st.resistantValue);
    writeSpeedLines(l);
    writeSizeLines(l);

    nextSpeedUnit();
    const float questionFactor = st.unitFactor;
    const QString questionLabel = st.unitLabel;
    const QString qu = QLatin1Char('(') + st.unitLabel + QLatin1Char(')');
    const QString ask = QStringLiteral(" ?");

    bool label = false;
    QString question;
    const bool transmission = (m >= 1 && m <= 5) || m == 8 || m == 12;
    const bool simpleMachine = m >= 15 && m <= 19;
    switch (ex) {
    case 2:
        l.m1.clear();
        break;
    case 3:
        l.r1.clear();
        break;
    case 4:
        l.m2.clear();
        break;
    case 5:
        l.r2.clear();
        break;
    default:
        break;
    }
    // The usual pair of variants: the ratio and the other side's value, or both sides.
    const auto easyOrIdler = [&] {
        if (easy) {
            label = true;
            l.m2.clear();
            l.r2.clear();
        } else {
            l.c1.clear();
        }
    };
    const auto easySizes = [&] {
        if (easy) {
            label = true;
            l.m1.clear();
            l.r1.clear();
        } else {
            l.c1.clear();
        }
    };

    if (ex == 1) {
        if (transmission || m == 10 || simpleMachine) {
            if (choice()) {
                l.m2.clear();
                l.r2.clear();
            } else {
                l.m1.clear();
                l.r1.clear();
            }
        } else if (m == 6 || m == 9) {
            l.m2.clear();
            l.r2.clear();
        } else if (m == 7) {
            l.m1.clear();
            l.r1.clear();
        } else if (m == 11) {
            l.m2.clear();
            if (choice())
                l.r2.clear();
            else
                l.r1.clear();
        } else if (m == 13 || m == 14) {
            if (choice()) {
                l.m1.clear();
                l.m2.clear();
            } else {
                l.r1.clear();
                l.r2.clear();
            }
        }
        question = m == 7 ? text(242)
            : m == 9       ? text(243)
            : m == 10      ? text(244)
            : m == 11      ? text(245)
            : simpleMachine ? text(554)
                            : text(241);
    } else if (ex == 2 || ex == 3) {
        const bool two = ex == 2;
        if (transmission) {
            easyOrIdler();
            question = text(two ? 246 : 251) + qu + ask;
        } else if (m == 6) {
            label = true;
            l.m2.clear();
            l.r2.clear();
            question = text(two ? 246 : 251) + qu + ask;
        } else if (m == 7) {
            if (easy) {
                l.m2.clear();
            } else {
                label = true;
                l.r2.clear();
            }
            question = two ? text(247) : text(252) + qu + ask;
        } else if (m == 9 || m == 10) {
            label = true;
            l.m2.clear();
            l.r2.clear();
            if (m == 9)
                question = two ? text(248) + qu + ask : text(253);
            else
                question = two ? text(249) + qu + ask : text(254);
        } else if (m == 11) {
            const bool pick = choice();
            if (two) {
                label = true;
                l.m2.clear();
                if (pick)
                    l.r2.clear();
                else
                    l.r1.clear();
                question = text(250) + qu + ask;
            } else {
                if (pick) {
                    label = true;
                    l.m2.clear();
                } else {
                    l.r2.clear();
                }
                question = text(255);
            }
        } else if (m == 13 || m == 14) {
            if (two) {
                if (easy) {
                    label = true;
                    l.r1.clear();
                    l.m2.clear();
                } else {
                    l.r1.clear();
                    Lines sizes;
                    writeSizeLines(sizes);
                    l.m1 = sizes.m1;
                }
                question = text(246) + qu + ask;
            } else {
                nextSpeedUnit();
                l.r1 = text(216) + speedText(st.motorValue);
                if (easy) {
                    label = true;
                    l.m1.clear();
                    l.m2.clear();
                    l.r2.clear();
                } else {
                    l.r2.clear();
                }
                question = text(251) + qu + ask;
            }
        } else if (simpleMachine) {
            easyOrIdler();
            if (two)
                question = text(274) + QStringLiteral(" (N) ?");
            else
                question = text(m == 15 ? 275 : m == 19 ? 276 : 277)
                    + (m == 15 ? QStringLiteral(" (N) ?") : QStringLiteral(" (Kg) ?"));
        }
    } else if (ex == 4 || ex == 5) {
        const bool four = ex == 4;
        if (transmission || m == 10 || simpleMachine) {
            easySizes();
        } else if (m == 7) {
            if (four) {
                label = true;
                if (easy) {
                    l.m1.clear();
                    l.r1.clear();
                } else {
                    l.r2.clear();
                }
            } else if (choice()) {
                label = true;
                l.m1.clear();
            } else {
                l.m2.clear();
            }
        } else if (m == 11) {
            const bool pick = choice();
            if (four) {
                if (pick)
                    l.r2.clear();
                else
                    l.r1.clear();
            } else if (pick) {
                label = true;
                l.m2.clear();
            } else {
                l.r1.clear();
            }
        } else if (m == 13 || m == 14) {
            Lines sizes;
            writeSizeLines(sizes);
            if (four) {
                l.m1.clear();
                l.m2 = sizes.m2;
            } else {
                l.m2.clear();
                nextSpeedUnit();
                l.r2 = text(217) + speedText(st.resistantValue);
            }
            if (easy) {
                label = true;
                l.r1.clear();
                l.r2.clear();
            }
        }
        struct Pair
        {
            int four, five;
        };
        Pair q{0, 0};
        switch (m) {
        case 1:
        case 3:
        case 5:
        case 12:
            q = {256, 265};
            break;
        case 2:
            q = {257, 266};
            break;
        case 4:
            q = {258, 267};
            break;
        case 7:
            q = {259, 268};
            break;
        case 8:
            q = {260, 269};
            break;
        case 10:
            q = {261, 270};
            break;
        case 11:
            q = {262, 271};
            break;
        case 13:
            q = {263, 272};
            break;
        case 14:
            q = {264, 273};
            break;
        case 15:
            q = {278, 550};
            break;
        case 16:
            q = {279, 551};
            break;
        case 17:
        case 18:
            q = {280, 552};
            break;
        case 19:
            q = {280, 553};
            break;
        default:
            break;
        }
        if (q.four) {
            question = text(four ? q.four : q.five);
            if (simpleMachine)
                question += QStringLiteral(" (mm) ?");
        }
    }

    // A speed answer is expected in the unit the question names.
    st.unitFactor = questionFactor;
    st.unitLabel = questionLabel;

    c.ratioLabel.visible = label;
    writeDataTitles();
    c.drivingData.caption = l.m1 + newLine + l.m2;
    c.drivenData.caption = l.r1 + newLine + l.r2;
    c.middleData.caption = l.c1 + newLine + l.c2;
    c.drivingData.visible = c.drivenData.visible = true;
    c.middleData.visible = m == 12;
    if (!question.isEmpty())
        c.questionLabel.caption = question;
    c.questionLabel.alignment = 2;
    c.questionLabel.visible = true;
}

void MainWindowModel::writeSolution()
{
    const int m = st.mechanism;
    const int ex = st.exercise;
    c.questionLabel.visible = false;
    c.questionLabel.alignment = 0;
    const QString ratioText = formatSignificant(st.ratio, st.ratioFormat, systemDecimal(), kShownDigits);
    const auto value = [](float v) { return f2(v); };
    const auto speed = [this](float v) {
        return f2(float(double(st.unitFactor) * v)) + st.unitLabel;
    };
    const QString mm = kMm;
    QString sentence;
    switch (ex) {
    case 1: {
        int opening = 101;
        QString tail;
        if (m == 7 || m == 9 || m == 10 || m == 11) {
            opening = m == 7 ? 102 : m == 9 ? 103 : m == 10 ? 104 : 105;
            tail = mm;
        } else if (m >= 15) {
            opening = 106;
        }
        sentence = text(opening) + ratioText + tail;
        break;
    }
    case 2:
        if (m == 7)
            sentence = text(112) + value(st.resistantValue) + kMmPerS;
        else if (m == 8 || m == 9)
            sentence = text(113) + speed(st.motorValue);
        else if (m == 10)
            sentence = text(114) + speed(st.motorValue);
        else if (m == 11)
            sentence = text(115) + speed(st.motorValue);
        else if (m >= 15)
            sentence = text(116) + value(st.motorValue) + QStringLiteral("N");
        else
            sentence = text(111) + speed(st.motorValue);
        break;
    case 3:
        if (m == 7)
            sentence = text(122) + speed(st.motorValue);
        else if (m == 9)
            sentence = text(124) + value(st.resistantValue) + kMmPerS;
        else if (m == 10)
            sentence = text(125) + value(st.resistantValue) + kMmPerS;
        else if (m == 11)
            sentence = text(126) + value(st.resistantValue) + kMmPerS;
        else if (m == 15)
            sentence = text(127) + value(st.resistantValue) + QStringLiteral("N");
        else if (m >= 16 && m <= 18)
            sentence = text(128) + value(st.resistantValue) + QStringLiteral("Kg");
        else if (m == 19)
            sentence = text(129) + value(st.resistantValue) + QStringLiteral("Kg");
        else
            sentence = text(121) + speed(st.resistantValue);
        break;
    case 4: {
        const QString n = strInt(st.motorSize);
        switch (m) {
        case 1:
        case 3:
        case 5:
        case 12:
            sentence = text(131) + n + text(132);
            break;
        case 2:
            sentence = text(133) + n + text(134);
            break;
        case 4:
            sentence = text(135) + n + text(134);
            break;
        case 7:
            sentence = text(136) + n + text(132);
            break;
        case 8:
            sentence = text(103) + n + mm;
            break;
        case 10:
            sentence = text(137) + n + mm;
            break;
        case 11:
            sentence = text(138) + n + text(139);
            break;
        case 13:
            sentence = text(140) + strInt(st.smallSize) + text(132);
            break;
        case 14:
            sentence = text(141) + strInt(st.smallSize) + text(134);
            break;
        case 15:
            sentence = text(142) + n + mm;
            break;
        case 16:
            sentence = text(145) + n + mm;
            break;
        case 17:
        case 18:
            sentence = text(143) + n + mm;
            break;
        case 19:
            sentence = text(144) + n + mm;
            break;
        default:
            break;
        }
        break;
    }
    case 5: {
        const QString n = strInt(st.resistantSize);
        switch (m) {
        case 1:
        case 3:
        case 5:
        case 12:
            sentence = text(151) + n + text(132);
            break;
        case 2:
            sentence = text(152) + n + text(134);
            break;
        case 4:
            sentence = text(153) + n + text(134);
            break;
        case 7:
            sentence = text(154) + n + text(134);
            break;
        case 8:
            sentence = text(155) + n + text(134);
            break;
        case 10:
            sentence = text(156) + n + mm;
            break;
        case 11:
            sentence = text(157) + value(float(st.resistantSize)) + kMmPerS;
            break;
        case 13:
            sentence = text(158) + strInt(st.largeSize) + text(132);
            break;
        case 14:
            sentence = text(159) + strInt(st.largeSize) + text(134);
            break;
        case 15:
            sentence = text(160) + n + mm;
            break;
        case 16:
            sentence = text(161) + n + mm;
            break;
        case 17:
        case 18:
            sentence = text(162) + n + mm;
            break;
        case 19:
            sentence = text(163) + n + mm;
            break;
        default:
            break;
        }
        break;
    }
    default:
        break;
    }
    if (!sentence.isEmpty())
        c.questionLabel.caption = sentence;
    c.questionLabel.visible = true;
}

} // namespace cinemoto
