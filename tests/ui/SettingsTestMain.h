#pragma once

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

// Runs the test class as the program runs, with its organisation and application names, but
// with the settings and the data folder in a temporary home that goes when the test ends.
#define WUZIQI_SETTINGS_TEST_MAIN(TestClass)                         \
    int main(int argc, char* argv[]) {                               \
        QTemporaryDir home;                                          \
        if (!home.isValid()) return 1;                               \
        qputenv("HOME", QFile::encodeName(home.path()));             \
        QStandardPaths::setTestModeEnabled(true);                    \
        QApplication app(argc, argv);                                \
        QApplication::setOrganizationName(QStringLiteral("wuziqi")); \
        QApplication::setApplicationName(QStringLiteral("wuziqi"));  \
        TestClass test;                                              \
        return QTest::qExec(&test, argc, argv);                      \
    }
