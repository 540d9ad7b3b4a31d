#include "app/formulari.h"

#include <QFile>

namespace cinemoto {

void Formulari::clearDisplay()
{
    for (Control *control : {&c.lblRelacio, &c.txtMotor, &c.txtResistent, &c.txtCentral, &c.lblPregunta,
                             &c.lblComentari, &c.txtTemps, &c.imgCara})
        control->visible = false;
}

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

QByteArray soundData(int id)
{
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(id));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void Formulari::cmdSo_Click()
{
    if (soundOn) {
        m_services.sound->stop();
        soundOn = false;
        return;
    }
    soundOn = true;
    const QByteArray wave = soundData(loopSound(st.mechanism));
    if (soundDevices > 0 && !wave.isEmpty())
        soundDevices = std::int16_t(m_services.sound->play(wave, true));
}

} // namespace cinemoto
