#pragma once
// The player's windows over one state in a temporary application folder that is the
// current folder, with a private runtime folder for the message port. Fatal conditions are
// recorded instead of ending the test.
#include "RuntimeDirScope.h"
#include "TempDir.h"
#include "forms/FrmLyric.h"
#include "forms/FrmMain.h"
#include "lyricdata/LyricCharset.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSignalBlocker>
#include <functional>
#include <gtest/gtest.h>

template <typename Device> class PlayerFixture : public ::testing::Test {
protected:
    void SetUp() override {
        previousFolder_ = QDir::currentPath();
        state.ProgramFolder = state.SongFolder = state.DemoFolder = state.WorkFolder =
            QString::fromStdString(app.path().string());
        QDir::setCurrent(state.WorkFolder);
        panel.setFatalHandler([this](const QString& text) { fatal.push_back(text); });
    }
    void TearDown() override { QDir::setCurrent(previousFolder_); }

    // Writes lines joined by CR LF, every byte encoded as the extractor stores it.
    void writeEncoded(const std::string& name, const std::string& plain) {
        std::string stored = plain;
        player::ConvertStr(stored, 1);
        testkit::writeBytes(app / name, {stored.begin(), stored.end()});
    }

    // Puts a path into TxtPathName without starting the pipeline.
    void setPathQuietly(const QString& path) {
        const QSignalBlocker quiet(panel.TxtPathName);
        panel.TxtPathName->setText(path);
    }

    // Lets events run until the condition holds or the time is up.
    bool waitFor(const std::function<bool()>& condition, int milliseconds = 5000) {
        QElapsedTimer clock;
        clock.start();
        while (!condition()) {
            if (clock.elapsed() > milliseconds)
                return false;
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        return true;
    }

    RuntimeDirScope runtime;
    testkit::TempDir app;
    player::PlayerState state;
    Device device;
    player::FrmLyric lyric;
    player::FrmMain panel{state, device, device, lyric};
    std::vector<QString> fatal;

private:
    QString previousFolder_;
};
