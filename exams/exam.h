#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <functional>

namespace cinemoto {

// An exam: five exercises at the hard level, each mechanism at most once, scored by the
// time of each right answer. Once finished it waits for the pupil to store or leave it.
class Exam
{
public:
    static constexpr int kExercises = 5;

    // What changed: started or stopped, the mechanisms used or the answers recorded, the
    // result waiting or stored.
    enum class Change { Running, Progress, Result };
    std::function<void(Change)> changed;

    // Rows 1..5 are the exercises, row 0 the totals. Results and times are kept as they were
    // shown when each answer was given.
    struct Tables
    {
        std::array<QString, 6> times;
        std::array<float, 6> scores{};
        std::array<QString, 6> results;
    };

    void start();
    // Abandoned, or over: no exercise follows.
    void stop();
    bool running() const { return m_running; }
    int count() const { return m_count; }

    bool used(std::int32_t mechanism) const { return m_used.at(std::size_t(mechanism)); }
    void markUsed(std::int32_t mechanism);

    // Records the answer of the next exercise: the result as shown, its time and its score.
    // False once five are recorded.
    bool record(bool correct, const QString &result, const QString &shownTime, qint64 answerMs,
                std::int32_t seconds);
    bool complete() const { return m_count == kExercises; }
    // The total time written; the exam now waits to be stored.
    void finish();

    const Tables &tables() const { return m_tables; }
    // A finished exam put back as it was shown, waiting to be stored or not.
    void restore(const Tables &tables, bool waiting);

    bool resultWaiting() const { return m_resultWaiting; }
    // Stored under the name, which the next result window offers again.
    void stored(const QString &name);
    // Thrown away by the pupil.
    void discard();
    bool saved() const { return m_saved; }
    const QString &lastName() const { return m_lastName; }

private:
    void report(Change change);

    bool m_running = false;
    int m_count = 0;
    std::array<bool, 20> m_used{}; // 1..19 used
    qint64 m_totalMs = 0;
    Tables m_tables;
    bool m_resultWaiting = false;
    bool m_saved = false;
    QString m_lastName;
};

} // namespace cinemoto
