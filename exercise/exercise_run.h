#pragma once

#include "app/platform/services.h"
#include "exercise/feedback.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace cinemoto {

// One exercise against the clock: the clock from the question to the answer, the judging
// of the answer, what a right answer earns, and the sounds the pupil hears.
class ExerciseRun
{
public:
    // What changed: a single exercise begun or ended, the clock's refresh, the judged
    // answer, the loop or the sound devices.
    enum class Change { Running, Clock, Answer, Sound };

    ExerciseRun(ClockService &clock, SoundService &sound) : m_clock(clock), m_sound(sound) {}

    std::function<void(Change)> changed;

    // A single exercise, not one of an exam, is under way.
    bool running() const { return m_running; }
    void begin() { setRunning(true); }
    void end() { setRunning(false); }

    void startClock();
    // The time since the question was asked, returned and reported.
    qint64 tick();
    qint64 clockMs() const { return m_clockMs; }
    // Another chance after a wrong answer: the clock goes on from that answer's time, so
    // the time spent reading the message is not counted.
    void resumeClock();

    // The answer typed, judged against the solution at the level; its time is the clock's.
    // A number too large to be held is never right.
    bool judge(const QString &typed, float solution, int level);
    bool answerCorrect() const { return m_answerCorrect; }
    qint64 answerMs() const { return m_answerMs; }
    // Whole seconds a right answer took.
    std::int32_t seconds() const { return m_seconds; }
    // Comment, face and sound of the last right answer at the level.
    CorrectComment earned(int level) const { return correctComment(level, m_seconds); }

    // Sounds: how many devices there are, asked once at start-up; none after a sound was refused.
    void findSoundDevices();
    int soundDevices() const { return m_soundDevices; }
    // The feedback sound n, once; it ends any loop.
    void playFeedback(int n);
    // The sound button: the mechanism's loop on, or off.
    void switchLoop(int mechanism);
    bool loopOn() const { return m_loopOn; }
    // A playing loop follows a new mechanism instead of stopping.
    void followMechanism(int mechanism);

private:
    void setRunning(bool running);
    void startLoop(int mechanism);
    void play(int sound, bool loop);
    void report(Change change);
    // Reports the sound when the loop or the devices differ from before.
    void reportSound(bool loopBefore, int devicesBefore);

    ClockService &m_clock;
    SoundService &m_sound;
    bool m_running = false;
    qint64 m_startMs = 0; // a moment, ms since the epoch
    qint64 m_clockMs = 0;
    qint64 m_answerMs = 0;
    std::int32_t m_seconds = 0;
    bool m_answerCorrect = false;
    int m_soundDevices = 0;
    bool m_loopOn = false;
};

} // namespace cinemoto
