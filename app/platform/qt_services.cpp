#include "app/platform/qt_services.h"

#include "app/help_view.h"
#include "app/pictures.h"
#include "exams/records_folder.h"

#include <QApplication>
#include <QAudioSink>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMediaDevices>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
#include <QtEndian>
#include <chrono>
#include <cmath>

namespace cinemoto {

MessageBoxService::Answer QtMessageBox::show(Icon icon, const QString &text, const QString &title,
                                             Buttons buttons, int helpTopic)
{
    if (beforeShow)
        beforeShow();
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    box.setText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    // Button captions in the pupil's language, whatever the system's.
    static const char *const captions[3][3] = {
        {"S\u00ed", "No", "Ajuda"}, {"S\u00ed", "No", "Ayuda"}, {"Yes", "No", "Help"}};
    const int lang = language ? qBound(1, language(), 3) : 3;
    const auto caption = [lang](int i) { return QString::fromUtf8(captions[lang - 1][i]); };
    if (buttons != Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(caption(0));
        box.button(QMessageBox::No)->setText(caption(1));
        if (buttons == Buttons::YesNoDefaultNo) {
            box.setDefaultButton(QMessageBox::No);
            box.setEscapeButton(QMessageBox::No);
        }
    } else {
        box.setStandardButtons(QMessageBox::Ok);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
    }
    QPushButton *help = nullptr;
    if (helpTopic > 0 && m_help) {
        help = box.addButton(QMessageBox::Help);
        help->setText(caption(2));
        // The Help button opens the topic and leaves the question open.
        help->disconnect();
        QObject::connect(help, &QPushButton::clicked, [this, helpTopic] { m_help->showTopic(helpTopic); });
    }
    const int result = box.exec();
    if (result == QMessageBox::Yes)
        return Answer::Yes;
    if (result == QMessageBox::No)
        return Answer::No;
    return buttons == Buttons::Ok ? Answer::Ok : Answer::No;
}

void QtMessageBox::beep()
{
    QApplication::beep();
}

QtSound::QtSound() = default;
QtSound::~QtSound()
{
    stop();
}

int QtSound::deviceCount()
{
    return int(QMediaDevices::audioOutputs().size());
}

namespace {

struct WaveInfo
{
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    QByteArray samples;
};

// Reads the PCM chunks of a RIFF WAVE file held in memory.
bool parseWave(const QByteArray &wave, WaveInfo &info)
{
    if (wave.size() < 12 || !wave.startsWith("RIFF") || wave.mid(8, 4) != "WAVE")
        return false;
    qsizetype pos = 12;
    while (pos + 8 <= wave.size()) {
        const QByteArray id = wave.mid(pos, 4);
        const quint32 size = qFromLittleEndian<quint32>(wave.constData() + pos + 4);
        const qsizetype body = pos + 8;
        if (size > quint32(wave.size() - body))
            return false;
        if (id == "fmt " && size >= 16) {
            const char *f = wave.constData() + body;
            if (qFromLittleEndian<quint16>(f) != 1)
                return false; // PCM only
            info.channels = qFromLittleEndian<quint16>(f + 2);
            info.sampleRate = int(qFromLittleEndian<quint32>(f + 4));
            info.bitsPerSample = qFromLittleEndian<quint16>(f + 14);
        } else if (id == "data") {
            info.samples = wave.mid(body, qsizetype(size));
        }
        pos = body + qsizetype(size) + (size & 1);
    }
    return info.channels > 0 && info.sampleRate > 0 && !info.samples.isEmpty()
        && (info.bitsPerSample == 8 || info.bitsPerSample == 16);
}

} // namespace

int QtSound::play(const QByteArray &wave, bool loop)
{
    stop();
    WaveInfo info;
    if (!parseWave(wave, info))
        return 0;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return 0;
    QAudioFormat format;
    format.setChannelCount(info.channels);
    format.setSampleRate(info.sampleRate);
    format.setSampleFormat(info.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return 0;
    m_samples = info.samples;
    m_loop = loop;
    m_buffer.setData(m_samples);
    m_buffer.open(QIODevice::ReadOnly);
    m_sink = std::make_unique<QAudioSink>(device, format);
    QObject::connect(m_sink.get(), &QAudioSink::stateChanged, [this](QAudio::State state) {
        if (state == QAudio::IdleState && m_sink) {
            if (m_loop) {
                m_buffer.seek(0);
                m_sink->start(&m_buffer);
            } else {
                m_sink->stop();
            }
        }
    });
    m_sink->start(&m_buffer);
    return m_sink->error() == QAudio::NoError ? 1 : 0;
}

void QtSound::stop()
{
    if (m_sink) {
        m_sink->disconnect();
        m_sink->stop();
        m_sink.reset();
    }
    m_buffer.close();
}

QString QtShell::findExecutable(const QString &name)
{
    QStringList candidates;
    if (name == QLatin1String("calc"))
        candidates = {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                      QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc"),
                      QStringLiteral("calc.exe")};
    else if (name == QLatin1String("notepad"))
        candidates = {QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kate"),
                      QStringLiteral("kwrite"), QStringLiteral("mousepad"), QStringLiteral("xed"),
                      QStringLiteral("pluma"), QStringLiteral("leafpad"), QStringLiteral("notepad.exe"),
                      QStringLiteral("xdg-open")};
    else
        candidates = {name};
    for (const QString &candidate : candidates) {
        QString path = QStandardPaths::findExecutable(candidate);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

bool QtShell::start(const QString &program, const QStringList &arguments, bool)
{
    return QProcess::startDetached(program, arguments);
}

bool QtShell::openUrl(const QString &url)
{
    return QDesktopServices::openUrl(QUrl::fromUserInput(url));
}

void QtClipboard::clear()
{
    QGuiApplication::clipboard()->clear();
}

void QtClipboard::setTextAndPicture(const QString &text, int pictureId)
{
    auto *data = new QMimeData;
    data->setText(text);
    QImage image = renderPicture(pictureId, pictureSize(pictureId));
    // Pasted into documents without transparency, the picture keeps a white ground.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter(&flat).drawImage(0, 0, image);
    data->setImageData(flat);
    QGuiApplication::clipboard()->setMimeData(data);
}

void QtHelpViewer::showTopic(int topic)
{
    HelpWindow::showTopic(m_file, topic);
}

float QtRandom::next()
{
    const double u = std::generate_canonical<double, 32>(m_engine);
    const float f = float(u);
    // Rounding to single precision must not reach 1.
    return f < 1.0f ? f : std::nextafter(1.0f, 0.0f);
}

void QtRandom::seedFromTimer()
{
    m_engine.seed(quint32(std::chrono::steady_clock::now().time_since_epoch().count()));
}

QString QtProgramFolder::path()
{
    return QCoreApplication::applicationDirPath();
}

QString QtProgramFolder::recordsFolder()
{
    if (m_records.isEmpty())
        m_records = chooseRecordsFolder(path(), QString::fromLatin1(kSharedRecordsFolder), userRecordsFolder());
    return m_records;
}

} // namespace cinemoto
