#pragma once

// The sound and print services live in small plugins beside the program, loaded on
// first use, so that Qt Multimedia and Qt Print Support cost nothing at start.

#include "app/platform/services.h"

#include <QRectF>
#include <QString>
#include <QUrl>
#include <QtPlugin>
#include <functional>

class QDialog;
class QPainter;

namespace cinemoto {

class SoundPlugin
{
public:
    virtual ~SoundPlugin() = default;
    virtual int deviceCount() = 0;
    // Starts the sound at `source` once or looped, ending the one before; 1 accepted, 0 not.
    virtual int play(const QUrl &source, bool loop) = 0;
    virtual void stop() = 0;
    // Frees the players while the application still runs.
    virtual void release() = 0;
};

class PrintPlugin
{
public:
    struct Job
    {
        QString jobName;
        QString fileName;
        QString fileFilter;
        QString previewTitle;
        QString saveTitle;
        QString printerName; // empty for the default queue
        // Draws the page into a painter, the page being `page` in device units.
        std::function<void(QPainter &, const QRectF &)> paint;
        std::function<QString(const QString &suggested, const QString &filter)> choosePdfFile;
        std::function<void(QDialog &)> onPreview;
    };

    virtual ~PrintPlugin() = default;
    virtual PrinterService::Outcome print(const Job &job, PrinterService::Target target) = 0;
    virtual PrinterService::Outcome readiness(const QString &printerName) = 0;
};

// The plugin file of that name ("cinemoto-sound.so") in the program folder, or in
// CINEMOTO_PLUGIN_DIR when set (a build tree's tests).
QString pluginPath(const QString &fileName);
// The plugin's root object, or null when the file is missing or unusable.
QObject *loadPlugin(const QString &path);

} // namespace cinemoto

#define CINEMOTO_SOUND_PLUGIN_IID "org.cinemoto.SoundPlugin/1"
#define CINEMOTO_PRINT_PLUGIN_IID "org.cinemoto.PrintPlugin/1"
Q_DECLARE_INTERFACE(cinemoto::SoundPlugin, CINEMOTO_SOUND_PLUGIN_IID)
Q_DECLARE_INTERFACE(cinemoto::PrintPlugin, CINEMOTO_PRINT_PLUGIN_IID)
