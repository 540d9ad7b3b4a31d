// Any bytes in the settings file give a language from 1 to 3.
#include "app/settings.h"

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cinemoto.ini"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    const int language = cinemoto::readLanguageSetting(path);
    if (language < 1 || language > 3)
        std::abort();
    return 0;
}
