#pragma once

#include "mechanisms/drawing.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <utility>

namespace cinemoto {

// A page as it goes on paper, built from what a window shows. The printer service lays
// it out; nothing here knows about fonts or devices.
struct Printout
{
    struct DataColumn
    {
        QString title;
        QStringList lines;
    };
    struct Picture
    {
        int id = 0;
        bool mirrored = false;
        DrawingParts parts; // the moving parts as they stand when printed
    };

    QString jobName;  // shown in the print queue
    QString fileName; // offered when saving as PDF, without a folder
    QString fileFilter;   // of the PDF file dialog
    QString previewTitle; // of the preview window
    QString saveTitle;    // of the PDF file dialog
    QString title;    // the trainer's name
    QString subtitle;
    QList<std::pair<QString, QString>> facts; // label and value, under the heading
    QString statement;
    QList<DataColumn> data;
    std::optional<Picture> picture;
    QString question;
    QString answerCaption; // when not empty, ruled room to write the answer follows
    QStringList tableHeader;
    QList<QStringList> tableRows;
    bool lastRowIsTotal = false;
};

} // namespace cinemoto
