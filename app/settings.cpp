#include "app/settings.h"

#include <QFile>

namespace cinemoto {

int languageForLocale(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::Catalan:
        return 1;
    case QLocale::Spanish:
        return 2;
    default:
        return 3;
    }
}

int readLanguageSetting(const QString &settingsPath, const QLocale &fallbackLocale)
{
    QFile file(settingsPath);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.read(2);
        if (bytes.size() == 2) {
            const auto value = qint16(quint16(quint8(bytes[0])) | quint16(quint8(bytes[1])) << 8);
            if (value >= 1 && value <= 3)
                return value;
        }
    }
    return languageForLocale(fallbackLocale);
}

} // namespace cinemoto
