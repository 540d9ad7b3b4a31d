#include "app/platform/plugins.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QObject>
#include <QPointer>
#include <QSoundEffect>
#include <map>
#include <memory>

namespace cinemoto {

// Sounds through Qt's own player, each source decoded once and kept for the next request.
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
        if (QMediaDevices::defaultAudioOutput().isNull())
            return 0;
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
    }

    void release() override
    {
        stop();
        m_effects.clear();
    }

private:
    std::map<QUrl, std::unique_ptr<QSoundEffect>> m_effects;
    QPointer<QSoundEffect> m_playing;
};

} // namespace cinemoto

#include "sound_plugin.moc"
