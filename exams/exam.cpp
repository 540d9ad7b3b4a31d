#include "exams/exam.h"

#include "app/format.h"
#include "exercise/feedback.h"

namespace cinemoto {

void Exam::start()
{
    m_running = true;
    m_used.fill(false);
    m_count = 0;
    m_tables.scores[0] = 0;
    m_totalMs = 0;
}

bool Exam::record(bool correct, const QString &result, const QString &shownTime, qint64 answerMs,
                  std::int32_t seconds)
{
    if (m_count >= kExercises)
        return false;
    ++m_count;
    const auto row = std::size_t(m_count);
    m_tables.times[row] = shownTime;
    m_tables.results[row] = result;
    m_tables.scores[row] = correct ? scoreForSeconds(seconds) : 0;
    m_tables.scores[0] += m_tables.scores[row];
    m_totalMs += answerMs;
    return true;
}

void Exam::finish()
{
    m_tables.times[0] = clockText(m_totalMs);
    m_running = false;
    m_resultWaiting = true;
}

void Exam::restore(const Tables &tables, bool waiting)
{
    m_tables = tables;
    m_resultWaiting = waiting;
}

void Exam::stored(const QString &name)
{
    m_lastName = name;
    m_saved = true;
    m_resultWaiting = false;
}

} // namespace cinemoto
