// The uninstall program, placed in the installed folder: removes the trainer and its menu
// entry, and asks before it deletes the exam records, which it keeps by default.
//   uninstall          asks, in the language of the installation
//   uninstall --yes    asks nothing and keeps the records

#include "app/settings.h"
#include "setup/uninstaller.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>
#include <cstdio>
#include <cstring>
#include <memory>
#include <unistd.h>

using namespace cinemoto;

namespace {

QString say(int language, const char *ca, const char *es, const char *en)
{
    const char *const texts[] = {ca, es, en};
    return QString::fromUtf8(texts[qBound(1, language, 3) - 1]);
}

// A Yes/No question whose safe answer is the default.
bool ask(int language, const QString &text, bool yesByDefault)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Cinemoto"), text, QMessageBox::Yes | QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(say(language, "Sí", "Sí", "Yes"));
    box.button(QMessageBox::No)->setText(QStringLiteral("No"));
    box.setDefaultButton(yesByDefault ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

} // namespace

int main(int argc, char *argv[])
{
    const bool unattended = argc == 2 && std::strcmp(argv[1], "--yes") == 0;
    std::unique_ptr<QCoreApplication> app(unattended ? new QCoreApplication(argc, argv)
                                                     : new QApplication(argc, argv));
    const QString folder = QCoreApplication::applicationDirPath();
    const InstalledCinemoto installed = installedFrom(folder, geteuid() == 0);
    const int language = readLanguageSetting(folder + QStringLiteral("/cinemoto.ini"));
    bool deleteRecords = false;
    if (!unattended) {
        if (!ask(language,
                 say(language, "Vols desinstal·lar Cinemoto d'aquest ordinador?",
                     "¿Quieres desinstalar Cinemoto de este ordenador?",
                     "Do you want to remove Cinemoto from this computer?"),
                 true))
            return 0;
        deleteRecords = ask(language,
                            say(language,
                                "Vols esborrar també els exàmens desats? Si dius que no, es conserven i una nova "
                                "instal·lació els tornarà a mostrar.",
                                "¿Quieres borrar también los exámenes guardados? Si dices que no, se conservan y una "
                                "nueva instalación los volverá a mostrar.",
                                "Do you also want to delete the saved exams? If you say no, they are kept and a new "
                                "installation will show them again."),
                            false);
    }
    QString failed;
    if (!uninstall(installed, deleteRecords, &failed)) {
        const QString text = say(language, "No s'ha pogut esborrar:", "No se ha podido borrar:", "Could not remove:")
            + QLatin1Char(' ') + failed;
        if (unattended)
            std::fprintf(stderr, "%s\n", qPrintable(text));
        else
            QMessageBox::warning(nullptr, QStringLiteral("Cinemoto"), text);
        return 1;
    }
    const QString done = say(language, "Cinemoto s'ha desinstal·lat.", "Cinemoto se ha desinstalado.",
                             "Cinemoto has been removed.");
    if (unattended)
        std::printf("%s\n", qPrintable(done));
    else
        QMessageBox::information(nullptr, QStringLiteral("Cinemoto"), done);
    return 0;
}
