#pragma once

#include <QApplication>
#include <QLocale>
#include <QTest>

// Widget tests run headless at a fixed 96 DPI, so that twips turn into known pixel counts, and in
// the C locale, so that numbers read and print the same everywhere.
#define PMLINA_UI_TEST_MAIN(TestClass)                                                             \
    int main(int argc, char **argv)                                                                \
    {                                                                                              \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))                                        \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                               \
        qputenv("QT_FONT_DPI", "96");                                                              \
        QLocale::setDefault(QLocale::c());                                                         \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
