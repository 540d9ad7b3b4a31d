#include "app/platform/plugins.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPluginLoader>

namespace cinemoto {

QString pluginPath(const QString &fileName)
{
    const QString dir = qEnvironmentVariable("CINEMOTO_PLUGIN_DIR");
    return (dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir) + QLatin1Char('/') + fileName;
}

QObject *loadPlugin(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return nullptr;
    // The loader is left loaded: the plugin stays until the program ends.
    QPluginLoader loader(path);
    QObject *root = loader.instance();
    if (!root)
        qWarning("cinemoto: %s not loaded: %s", qPrintable(path), qPrintable(loader.errorString()));
    return root;
}

} // namespace cinemoto
