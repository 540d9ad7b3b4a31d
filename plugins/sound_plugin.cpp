#include "app/platform/plugins.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QFile>
#include <QMediaDevices>
#include <QObject>
#include <QPointer>
#include <QSoundEffect>
#include <map>
#include <memory>

namespace cinemoto {

namespace {

// The samples of a PCM wave file and their format; invalid when the file is not one.
struct Wave
{
    QAudioFormat format;
    QByteArray samples;
};

Wave readWave(const QUrl &source)
{
    QFile file(source.scheme() == QLatin1String("qrc") ? QLatin1Char(':') + source.path() : source.toLocalFile());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray data = file.readAll();
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE")
        return {};
    const auto u16 = [&](qsizetype at) { return quint16(quint8(data[at]) | quint8(data[at + 1]) << 8); };
    const auto u32 = [&](qsizetype at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    Wave wave;
    int bits = 0;
    for (qsizetype at = 12; at + 8 <= data.size();) {
        const quint32 size = u32(at + 4);
        if (data.mid(at, 4) == "fmt " && at + 24 <= data.size()) {
            if (u16(at + 8) != 1) // PCM only
                return {};
            wave.format.setChannelCount(u16(at + 10));
            wave.format.setSampleRate(int(u32(at + 12)));
            bits = u16(at + 22);
        } else if (data.mid(at, 4) == "data") {
            wave.samples = data.mid(at + 8, qsizetype(size));
        }
        at += 8 + qsizetype(size) + (size & 1);
    }
    wave.format.setSampleFormat(bits == 8 ? QAudioFormat::UInt8
                                          : bits == 16 ? QAudioFormat::Int16 : QAudioFormat::Unknown);
    if (!wave.format.isValid() || wave.samples.isEmpty())
        return {};
    return wave;
}

} // namespace

// Sounds through Qt Multimedia, each source read once and kept for the next request.
// A sound played once goes through an audio sink left to run dry: QSoundEffect ends a
// single play by stopping its sink, and PulseAudio then drops the last tenth of a
// second still in its buffer. Loops use QSoundEffect, whose stop is meant to cut.
class QtSoundPlugin : public QObject, public SoundPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID CINEMOTO_SOUND_PLUGIN_IID)
    Q_INTERFACES(cinemoto::SoundPlugin)

public:
    int deviceCount() override { return int(QMediaDevices::audioOutputs().size()); }

    int play(const QUrl &source, bool loop) override
    {
        stop();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return 0;
        if (!loop) {
            auto found = m_waves.find(source);
            if (found == m_waves.end())
                found = m_waves.emplace(source, readWave(source)).first;
            if (found->second.format.isValid())
                return playOnce(device, found->second);
        }
        std::unique_ptr<QSoundEffect> &effect = m_effects[source];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(source);
        }
        if (effect->status() == QSoundEffect::Error)
            return 0;
        effect->setLoopCount(loop ? int(QSoundEffect::Infinite) : 1);
        effect->play();
        m_playing = effect.get();
        return 1;
    }

    void stop() override
    {
        if (m_playing)
            m_playing->stop();
        m_playing = nullptr;
        if (m_sink)
            m_sink->stop();
        m_sink.reset();
        m_buffer.reset();
    }

    void release() override
    {
        stop();
        m_effects.clear();
        m_waves.clear();
    }

private:
    std::map<QUrl, std::unique_ptr<QSoundEffect>> m_effects;
    QPointer<QSoundEffect> m_playing;
    std::map<QUrl, Wave> m_waves;
    std::unique_ptr<QBuffer> m_buffer;
    std::unique_ptr<QAudioSink> m_sink;

    int playOnce(const QAudioDevice &device, const Wave &wave)
    {
        m_buffer = std::make_unique<QBuffer>();
        m_buffer->setData(wave.samples);
        m_buffer->open(QIODevice::ReadOnly);
        m_sink = std::make_unique<QAudioSink>(device, wave.format);
        m_sink->start(m_buffer.get());
        if (m_sink->error() != QAudio::NoError) {
            m_sink.reset();
            m_buffer.reset();
            return 0;
        }
        return 1;
    }
};

} // namespace cinemoto

#include "sound_plugin.moc"
