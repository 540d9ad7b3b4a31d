#include "setup/setup_window.h"

#include "app/pictures.h"
#include "exams/records_folder.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <unistd.h>

namespace cinemoto {

QString DesktopInstallerPlatform::programFilesDir()
{
    if (geteuid() == 0)
        return QStringLiteral("/opt");
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString DesktopInstallerPlatform::programsMenuDir()
{
    if (geteuid() == 0)
        return QStringLiteral("/usr/local/share/applications");
    return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation);
}

QString DesktopInstallerPlatform::sharedRecordsDir()
{
    return geteuid() == 0 ? QString::fromLatin1(kSharedRecordsFolder) : QString();
}

bool DesktopInstallerPlatform::startsTrainer()
{
    return geteuid() != 0;
}

bool DesktopInstallerPlatform::startProgram(const QString &path)
{
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath());
}

SetupWindow::SetupWindow(InstallerModel &model, QWidget *parent) : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Cinemoto 3.2"));
    setWindowIcon(toolIcon(QStringLiteral("cinemoto")));
    auto *layout = new QVBoxLayout(this);
    auto *grid = new QGridLayout;
    static const char *const captions[] = {"Instal·lació en Català", "Instalación en Español",
                                           "English installation"};
    static const char *const flagNames[] = {"catalanFlag", "spanishFlag", "englishFlag"};
    // One group: exactly one language is chosen however it is chosen (mouse, keys, a screen
    // reader), and the language installed is the one shown.
    auto *group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        m_flags[i] = new QLabel;
        m_flags[i]->setObjectName(QString::fromLatin1(flagNames[i]));
        m_flags[i]->setPixmap(picturePixmap(71 + i, QSize(36, 24), devicePixelRatioF()));
        m_options[i] = new QRadioButton(QString::fromUtf8(captions[i]));
        m_options[i]->setObjectName(QStringLiteral("languageOption_%1").arg(i + 1));
        group->addButton(m_options[i], i + 1);
        connect(m_options[i], &QRadioButton::toggled, this, [this, i](bool checked) {
            if (checked && m_model.language != i + 1) {
                m_model.onLanguageChosen(i + 1);
                sync();
            }
        });
        grid->addWidget(m_flags[i], i, 0);
        grid->addWidget(m_options[i], i, 1);
        grid->setColumnStretch(1, 1);
    }
    m_options[0]->setChecked(true);
    layout->addLayout(grid);
    m_message = new QLabel;
    m_message->setObjectName(QStringLiteral("messageLabel"));
    m_folder = new QLabel;
    m_folder->setObjectName(QStringLiteral("folderLabel"));
    m_folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(m_message);
    layout->addWidget(m_folder);
    m_ok = new QPushButton(QStringLiteral("OK"));
    m_ok->setObjectName(QStringLiteral("okButton"));
    m_ok->setDefault(true);
    m_cancel = new QPushButton;
    m_cancel->setObjectName(QStringLiteral("leaveButton"));
    // Leaving keeps whatever was already done, as closing the window does.
    connect(m_cancel, &QPushButton::clicked, this, &QWidget::close);
    connect(m_ok, &QPushButton::clicked, this, &SetupWindow::okClicked);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    layout->addLayout(buttons);
    setMinimumWidth(420);
    m_model.load();
    sync();
    m_ok->setFocus();
}

void SetupWindow::okClicked()
{
    m_model.onOkClicked();
    if (!m_model.error.isEmpty() && m_model.stage == 2) {
        static const char *const failed[] = {"No s'ha pogut instal·lar el programa:",
                                             "No se ha podido instalar el programa:",
                                             "Cinemoto could not be installed:"};
        QMessageBox::warning(this, QStringLiteral("Cinemoto 3.2"),
                             QString::fromUtf8(failed[qBound(1, m_model.language, 3) - 1]) + QLatin1Char('\n')
                                 + m_model.error);
    }
    if (m_model.finished)
        QApplication::quit();
    sync();
}

void SetupWindow::keyPressEvent(QKeyEvent *event)
{
    // Enter goes on with the language shown, from wherever the focus is; Escape leaves.
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        (focusWidget() == m_cancel ? m_cancel : m_ok)->click();
        return;
    case Qt::Key_Escape:
        m_cancel->click();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SetupWindow::sync()
{
    static const char *const cancel[] = {"Cancel·la", "Cancelar", "Cancel"};
    m_cancel->setText(QString::fromUtf8(cancel[qBound(1, m_model.language, 3) - 1]));
    for (int i = 0; i < 3; ++i) {
        m_options[i]->setVisible(m_model.optionsShown);
        m_flags[i]->setVisible(m_model.optionsShown);
        m_options[i]->setChecked(m_model.language == i + 1);
    }
    m_message->setText(m_model.messageLine);
    m_folder->setText(m_model.folderLine);
    m_message->setVisible(m_model.messagesShown);
    m_folder->setVisible(m_model.messagesShown);
}

} // namespace cinemoto
