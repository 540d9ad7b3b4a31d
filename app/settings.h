#pragma once

#include <QLocale>
#include <QString>

namespace cinemoto {

// The language the installer chose: a little-endian 16-bit value at the start of the
// settings file. Bytes after the first two are ignored. A missing, short or out-of-range
// file falls back to the language of the given locale, so the trainer always starts.
int readLanguageSetting(const QString &settingsPath, const QLocale &fallbackLocale = QLocale::system());

// 1 Catalan, 2 Spanish, 3 English: the trainer's language for a locale.
int languageForLocale(const QLocale &locale);

} // namespace cinemoto
