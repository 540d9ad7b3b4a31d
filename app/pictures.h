#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace cinemoto {

// Pictures are addressed by number (51 a mechanism, 41 a face, 71 a flag) or, for the
// tool buttons, by name. Each is read from the program's resources on first use.
QString pictureResource(int id);
QString toolIconResource(const QString &name);
bool pictureExists(int id);
// Natural size of the picture in pixels at scale 1.
QSize pictureSize(int id);
// The picture drawn at the given pixel size (device pixels), optionally mirrored.
QImage renderPicture(int id, const QSize &size, bool mirrored = false);
QPixmap picturePixmap(int id, const QSize &logicalSize, qreal devicePixelRatio, bool mirrored = false);
QIcon pictureIcon(int id);
QIcon toolIcon(const QString &name);
// The program's own icon, drawn once at each size a window manager shows.
QIcon programIcon();

} // namespace cinemoto
