// SPDX-FileCopyrightText: 2026 The Quorvel developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The widget tests' entry point: one QApplication, offscreen unless a display is asked for, and
// settings and data of its own so that no test reads or changes the user's.
// Test discovery runs this binary without the tests' environment, hence the default here; it
// only lists the tests, so it needs no application at all.
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests))
        return RUN_ALL_TESTS();
    // Offscreen, the screen is as large as a classroom's whiteboard, 1920 x 1080: the window
    // keeps to its screen, and the tests' windows are up to that size.
    const QTemporaryDir screens;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
        || qgetenv("QT_QPA_PLATFORM") == "offscreen") {
        QFile config(screens.filePath("screens.json"));
        if (config.open(QIODevice::WriteOnly))
            config.write(R"({ "screens": [ { "name": "lavagna", "x": 0, "y": 0, "width": 1920,
                "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] })");
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
    const QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    // The pupils' database too: a window that opens it writes nothing of the user's.
    const QTemporaryDir data;
    qputenv("XDG_DATA_HOME", data.path().toLocal8Bit());
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
