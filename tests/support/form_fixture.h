#pragma once

#include "app/main_window_model.h"
#include "mechanisms/catalogue.h"
#include "support/fakes.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <algorithm>
#include <memory>

namespace cinemoto::test {

// A started main-window model in a program folder of its own, with the fakes behind it.
class FormFixture : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    FakeServices fakes;
    std::unique_ptr<MainWindowModel> form;

    void writeSettings(const QByteArray &bytes)
    {
        QFile file(dir.filePath(QStringLiteral("cinemoto.ini")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Starts the trainer with the given language written by the installer.
    void start(int language = 1)
    {
        writeSettings(QByteArray(1, char(language)) + QByteArray(1, '\0'));
        startAsIs();
    }

    void startAsIs()
    {
        fakes.folder.folder = dir.path();
        form = std::make_unique<MainWindowModel>(fakes.all(), TextCatalogue::builtIn());
        form->load();
    }

    MainWindowControls &c() { return form->c; }
    ExerciseState &st() { return form->st; }
    const Choice &choice() { return form->selection.choice(); }

    // A mechanism, exercise and level put straight into the selection, as a run takes them:
    // nothing left to chance but the units, no preset applied; level 0 keeps the level.
    void setChoice(int mechanism, int exercise = 1, int level = 0)
    {
        Choice choice = form->selection.choice();
        choice.type = mechanismInfo(mechanism).type;
        choice.mechanism = mechanism;
        choice.exercise = exercise;
        if (level)
            choice.level = level;
        choice.randomMechanism = choice.randomExercise = false;
        form->selection.take(choice);
    }

    // Mechanisms whose option is visible, top to bottom.
    std::vector<int> visibleMechanisms()
    {
        std::vector<std::pair<int, int>> shown;
        for (int m = 1; m <= mechanismCount; ++m) {
            if (form->c.mechanismOptions[m].visible)
                shown.push_back({mechanismInfo(m).position, m});
        }
        std::sort(shown.begin(), shown.end());
        std::vector<int> result;
        for (const auto &entry : shown)
            result.push_back(entry.second);
        return result;
    }
};

} // namespace cinemoto::test
