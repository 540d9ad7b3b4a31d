#pragma once

#include "setup/installer.h"

#include <QWidget>

class QLabel;
class QRadioButton;
class QPushButton;

namespace cinemoto {

// The installer's real folders on this desktop.
class DesktopInstallerPlatform : public InstallerPlatform
{
public:
    QString programFilesDir() override;
    QString programsMenuDir() override;
    bool startProgram(const QString &path) override;
    QString sharedRecordsDir() override;
    bool startsTrainer() override;
};

// The installer's window: Form1.
class SetupWindow : public QWidget
{
    Q_OBJECT
public:
    SetupWindow(InstallerModel &model, QWidget *parent = nullptr);
    void sync();

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    // One stage of the installation, as the OK button's click.
    void okClicked();

    InstallerModel &m_model;
    QRadioButton *m_options[3];
    QLabel *m_flags[3];
    QLabel *m_message;
    QLabel *m_folder;
    QPushButton *m_ok;
    QPushButton *m_cancel;
};

} // namespace cinemoto
