#include "app/settings.h"

#include "app/file_io.h"

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
    // Only a regular file is read: a named pipe in its place must not hold up the start.
    if (const std::optional<QByteArray> bytes = readRegularFile(settingsPath, 2)) {
        if (bytes->size() == 2) {
            const auto value = qint16(quint16(quint8(bytes->at(0))) | quint16(quint8(bytes->at(1))) << 8);
            if (value >= 1 && value <= 3)
                return value;
        }
    }
    return languageForLocale(fallbackLocale);
}

} // namespace cinemoto
