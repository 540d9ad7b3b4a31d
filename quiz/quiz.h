#pragma once

#include "app/control.h"
#include "app/window_context.h"

#include <array>
#include <vector>

namespace cinemoto {

constexpr std::uint32_t kAnswerBlack = 0xFF000000;
constexpr std::uint32_t kAnswerGreen = 0xFF008000;
constexpr std::uint32_t kAnswerRed = 0xFFFF0000;

// The picture quiz: questions of the current language drawn without repetition, each with
// the picture of its mechanism and four answers, and the running success rate.
class QuizModel
{
public:
    explicit QuizModel(WindowContext &main);

    Control window, askButton, pictureImage, questionLabel, faceImage, askedLabel, rightLabel, successLabel, askedCount,
        rightCount, successRate, successImage;
    std::array<Control, 5> answerLabels; // 1..4

    void load();
    void askQuestion();
    void chooseAnswer(int k);
    void onClosing();

    int questionCount() const;
    // The word that tells a judged answer by more than its colour: right, wrong or none.
    QString answerMark(int k) const;
    const Services &services() const { return m_main.services(); }
    bool wasAsked(int question) const { return asked.at(std::size_t(question)); }
    int rightAnswer = 0;
    bool answered = true;

private:
    QString quizText(int offset) const;

    WindowContext &m_main;
    std::array<int, 4> m_counts{0, 201, 201, 19};
    std::vector<bool> asked; // 1..count
};

} // namespace cinemoto
