// Starts as the trainer does, reading the font configuration ahead when
// CINEMOTO_PROBE_AHEAD=1, and prints what the window's texts are then measured with.
#include "app/platform/font_configuration.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <cstdio>
#include <fontconfig/fontconfig.h>
#include <optional>

int main(int argc, char *argv[])
{
    std::optional<cinemoto::FontConfigurationReader> reader;
    if (qEnvironmentVariableIntValue("CINEMOTO_PROBE_AHEAD") == 1)
        reader.emplace();
    QApplication app(argc, argv);
    if (reader)
        std::printf("found %d\n", reader->wait() ? 1 : 0);
    QLabel label(QStringLiteral("Avantatge mecànic · Relación de transmisión · Gear ratio"));
    const QSize size = label.sizeHint();
    std::printf("families %lld\n", static_cast<long long>(QFontDatabase::families().size()));
    std::printf("family %s\n", qPrintable(QFontInfo(label.font()).family()));
    std::printf("text %dx%d\n", size.width(), size.height());
    if (reader)
        std::printf(
            "configuration read ahead in use %d\n", FcConfigGetCurrent() == reader->configuration() ? 1 : 0);
    return 0;
}
