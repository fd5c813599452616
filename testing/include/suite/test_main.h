// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// QTEST_MAIN for the suite's window tests: the application as Qt Test makes it (96 DPI), then the
// program's start-up defaults, installed as its main() does, before the test object exists. The
// animated effects stay off on every platform: Windows turns them on from its own settings, and a
// drop-down list that rolls open for 150 ms made the tests' thousands of clicks minutes long there.

#include <desktop/suite_defaults.h>

#include <QApplication>
#include <QTest>

#define SUITE_TEST_MAIN(TestObject, ...)                                                                     \
    QTEST_MAIN_WRAPPER(TestObject, QTEST_MAIN_SETUP() desktop::InstallSuiteDefaults(__VA_ARGS__);            \
                       QApplication::setEffectEnabled(Qt::UI_General, false);)
