// Plays the trainer's sounds through the real sound service, or checks a recording of them.
//   sound_probe play <resource> <loop 0|1> <ms to play> <ms after stop>
//   sound_probe check <recording, s16le mono> <rate> <resource> <expected ms> <ms silent at the end>
#include "app/platform/qt_services.h"

#include <QCoreApplication>
#include <QFile>
#include <QTimer>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// Samples louder than this (of full scale) count as sound.
constexpr double kThreshold = 0.02;

struct Span
{
    double firstMs = -1, lastMs = -1, totalMs = 0, rms = 0;
    double lengthMs() const { return firstMs < 0 ? 0 : lastMs - firstMs; }
};

Span loudSpan(const std::vector<double> &samples, int rate)
{
    Span span;
    double sum = 0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) > kThreshold) {
            if (span.firstMs < 0)
                span.firstMs = 1000.0 * double(i) / rate;
            span.lastMs = 1000.0 * double(i) / rate;
        }
        sum += samples[i] * samples[i];
    }
    span.totalMs = 1000.0 * double(samples.size()) / rate;
    span.rms = samples.empty() ? 0 : std::sqrt(sum / double(samples.size()));
    return span;
}

// The 8-bit mono sound of the resource, and its rate.
std::vector<double> resourceSamples(const QString &resource, int &rate)
{
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray wave = file.readAll();
    const auto u32 = [&](qsizetype at) { return quint32(quint8(wave[at])) | quint32(quint8(wave[at + 1])) << 8
                                                 | quint32(quint8(wave[at + 2])) << 16
                                                 | quint32(quint8(wave[at + 3])) << 24; };
    std::vector<double> out;
    for (qsizetype pos = 12; pos + 8 <= wave.size();) {
        const quint32 size = u32(pos + 4);
        if (wave.mid(pos, 4) == "fmt ")
            rate = int(u32(pos + 12));
        if (wave.mid(pos, 4) == "data") {
            for (qsizetype i = 0; i < qsizetype(size) && pos + 8 + i < wave.size(); ++i)
                out.push_back((quint8(wave[pos + 8 + i]) - 128) / 128.0);
        }
        pos += 8 + qsizetype(size) + (size & 1);
    }
    return out;
}

int play(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    cinemoto::QtSound sound;
    const bool loop = std::atoi(argv[3]) != 0;
    const int playMs = std::atoi(argv[4]);
    const int afterMs = std::atoi(argv[5]);
    if (sound.deviceCount() < 1) {
        std::puts("no sound plugin");
        return 1;
    }
    const int accepted = sound.play(QString::fromLocal8Bit(argv[2]), loop);
    std::printf("accepted %d\n", accepted);
    if (accepted != 1)
        return 1;
    QTimer::singleShot(playMs, &app, [&] {
        sound.stop();
        QTimer::singleShot(afterMs, &app, &QCoreApplication::quit);
    });
    return app.exec();
}

int check(char **argv)
{
    QFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    const QByteArray raw = file.readAll();
    const int rate = std::atoi(argv[3]);
    std::vector<double> recorded;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2)
        recorded.push_back(qint16(quint16(quint8(raw[i])) | quint16(quint8(raw[i + 1])) << 8) / 32768.0);
    int sourceRate = 0;
    const std::vector<double> source = resourceSamples(QString::fromLocal8Bit(argv[4]), sourceRate);
    if (source.empty() || sourceRate <= 0)
        return 1;
    const Span own = loudSpan(source, sourceRate);
    const Span heard = loudSpan(recorded, rate);
    const bool whole = std::atof(argv[5]) < 0;
    const double expected = whole ? own.lengthMs() : std::atof(argv[5]);
    const double silentAtEnd = std::atof(argv[6]);
    std::printf("resource %.0f ms (sound %.0f ms); recording %.0f ms, sound from %.0f to %.0f ms = %.0f ms, "
                "rms %.4f; expected %.0f ms\n",
                1000.0 * double(source.size()) / sourceRate, own.lengthMs(), heard.totalMs, heard.firstMs,
                heard.lastMs, heard.lengthMs(), heard.rms, expected);
    bool ok = true;
    if (heard.firstMs < 0 || heard.rms < 0.005) {
        std::puts("FAIL: the recording is silent");
        ok = false;
    }
    // A sound heard to its end loses nothing; one stopped by a timer is as exact as the
    // timers and the server's latency.
    const double tolerance = whole ? 0.02 * expected + 30 : 0.1 * expected + 60;
    if (std::abs(heard.lengthMs() - expected) > tolerance) {
        std::puts("FAIL: the sound heard is not as long as expected");
        ok = false;
    }
    if (heard.totalMs - heard.lastMs < silentAtEnd) {
        std::puts("FAIL: sound goes on after it was stopped");
        ok = false;
    }
    return ok ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 6 && qstrcmp(argv[1], "play") == 0)
        return play(argc, argv);
    if (argc == 7 && qstrcmp(argv[1], "check") == 0)
        return check(argv);
    std::fputs("usage: sound_probe play|check ...\n", stderr);
    return 2;
}
