#include "exams/exam.h"

#include "app/format.h"
#include "exercise/feedback.h"

#include <algorithm>

namespace cinemoto {

void Exam::report(Change change)
{
    if (changed)
        changed(change);
}

void Exam::start()
{
    const bool wasRunning = m_running;
    const bool fresh = m_count == 0 && m_totalMs == 0 && m_tables.scores[0] == 0
        && std::find(m_used.begin(), m_used.end(), true) == m_used.end();
    m_running = true;
    m_used.fill(false);
    m_count = 0;
    m_tables.scores[0] = 0;
    m_totalMs = 0;
    if (!wasRunning)
        report(Change::Running);
    if (!fresh)
        report(Change::Progress);
}

void Exam::stop()
{
    if (!m_running)
        return;
    m_running = false;
    report(Change::Running);
}

void Exam::markUsed(std::int32_t mechanism)
{
    bool &used = m_used.at(std::size_t(mechanism));
    if (used)
        return;
    used = true;
    report(Change::Progress);
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
    report(Change::Progress);
    return true;
}

void Exam::finish()
{
    const QString total = clockText(m_totalMs);
    const bool progress = m_tables.times[0] != total;
    m_tables.times[0] = total;
    stop();
    if (progress)
        report(Change::Progress);
    if (!m_resultWaiting) {
        m_resultWaiting = true;
        report(Change::Result);
    }
}

void Exam::restore(const Tables &tables, bool waiting)
{
    const bool progress
        = m_tables.times != tables.times || m_tables.scores != tables.scores || m_tables.results != tables.results;
    m_tables = tables;
    if (progress)
        report(Change::Progress);
    if (m_resultWaiting != waiting) {
        m_resultWaiting = waiting;
        report(Change::Result);
    }
}

void Exam::stored(const QString &name)
{
    const bool same = m_lastName == name && m_saved && !m_resultWaiting;
    m_lastName = name;
    m_saved = true;
    m_resultWaiting = false;
    if (!same)
        report(Change::Result);
}

void Exam::discard()
{
    if (!m_resultWaiting)
        return;
    m_resultWaiting = false;
    report(Change::Result);
}

} // namespace cinemoto
