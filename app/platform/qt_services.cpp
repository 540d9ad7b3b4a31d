#include "app/platform/qt_services.h"

#include "app/help_view.h"
#include "app/pictures.h"
#include "app/platform/plugins.h"
#include "exams/records_folder.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>
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

QtSound::QtSound() : pluginFile(pluginPath(QStringLiteral("cinemoto-sound.so"))) {}

QtSound::~QtSound()
{
    if (m_plugin)
        m_plugin->release();
}

SoundPlugin *QtSound::plugin()
{
    if (!m_tried) {
        m_tried = true;
        m_plugin = qobject_cast<SoundPlugin *>(loadPlugin(pluginFile));
    }
    return m_plugin;
}

int QtSound::deviceCount()
{
    if (m_plugin)
        return m_plugin->deviceCount();
    return QFileInfo(pluginFile).isFile() ? 1 : 0;
}

int QtSound::play(const QString &resource, bool loop)
{
    SoundPlugin *sound = plugin();
    return sound ? sound->play(QUrl(QStringLiteral("qrc") + resource), loop) : 0;
}

void QtSound::stop()
{
    // Nothing can be playing before the plugin is loaded.
    if (m_plugin)
        m_plugin->stop();
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
