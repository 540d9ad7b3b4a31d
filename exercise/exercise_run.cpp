#include "exercise/exercise_run.h"

#include "app/format.h"
#include "exercise/answer.h"

#include <QFile>

namespace cinemoto {

namespace {

// The looping sound of each mechanism, by number.
int loopSound(int mechanism)
{
    switch (mechanism) {
    case 1:
    case 3:
    case 12:
    case 13:
        return 1601;
    case 2:
    case 14:
        return 1602;
    case 15:
    case 19:
        return 1615;
    case 16:
    case 17:
    case 18:
        return 1616;
    default:
        return 1600 + mechanism;
    }
}

// The sound's resource path, empty when the program has no such sound.
QString soundResource(int id)
{
    const QString path = QStringLiteral(":/sounds/%1.wav").arg(id);
    return QFile::exists(path) ? path : QString();
}

} // namespace

void ExerciseRun::report(Change change)
{
    if (changed)
        changed(change);
}

void ExerciseRun::reportSound(bool loopBefore, int devicesBefore)
{
    if (m_loopOn != loopBefore || m_soundDevices != devicesBefore)
        report(Change::Sound);
}

void ExerciseRun::setRunning(bool running)
{
    if (m_running == running)
        return;
    m_running = running;
    report(Change::Running);
}

void ExerciseRun::startClock()
{
    m_startMs = m_clock.nowMs();
    m_clockMs = 0;
}

qint64 ExerciseRun::tick()
{
    m_clockMs = m_clock.nowMs() - m_startMs;
    report(Change::Clock);
    return m_clockMs;
}

void ExerciseRun::resumeClock()
{
    m_startMs = m_clock.nowMs() - m_answerMs;
    m_clockMs = m_answerMs;
}

bool ExerciseRun::judge(const QString &typed, float solution, int level)
{
    const qint64 answerMsBefore = m_answerMs;
    const bool correctBefore = m_answerCorrect;
    const std::int32_t secondsBefore = m_seconds;
    m_answerMs = m_clockMs;
    const std::optional<float> answer = parseAnswer(typed);
    m_answerCorrect = answer && answerWithinTolerance(*answer, solution, level);
    if (m_answerCorrect)
        m_seconds = clockSeconds(m_answerMs);
    if (m_answerMs != answerMsBefore || m_answerCorrect != correctBefore || m_seconds != secondsBefore)
        report(Change::Answer);
    return m_answerCorrect;
}

void ExerciseRun::findSoundDevices()
{
    const int before = m_soundDevices;
    m_soundDevices = qBound(0, m_sound.deviceCount(), 32767);
    reportSound(m_loopOn, before);
}

void ExerciseRun::play(int sound, bool loop)
{
    const QString resource = soundResource(sound);
    m_soundDevices = resource.isEmpty() ? 0 : m_sound.play(resource, loop);
}

void ExerciseRun::playFeedback(int n)
{
    const bool loopBefore = m_loopOn;
    const int devicesBefore = m_soundDevices;
    if (m_soundDevices > 0)
        play(1620 + n, false);
    m_loopOn = false;
    reportSound(loopBefore, devicesBefore);
}

void ExerciseRun::switchLoop(int mechanism)
{
    const bool loopBefore = m_loopOn;
    const int devicesBefore = m_soundDevices;
    if (m_loopOn) {
        m_sound.stop();
        m_loopOn = false;
    } else {
        startLoop(mechanism);
    }
    reportSound(loopBefore, devicesBefore);
}

void ExerciseRun::followMechanism(int mechanism)
{
    if (!m_loopOn)
        return;
    const int devicesBefore = m_soundDevices;
    startLoop(mechanism);
    reportSound(true, devicesBefore);
}

void ExerciseRun::startLoop(int mechanism)
{
    m_loopOn = true;
    if (m_soundDevices > 0)
        play(loopSound(mechanism), true);
}

} // namespace cinemoto
