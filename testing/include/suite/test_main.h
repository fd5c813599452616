// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// QTEST_MAIN for the suite's window tests: the application as Qt Test makes it (96 DPI), then the
// program's start-up defaults, installed as its main() does, before the test object exists.

#include <desktop/suite_defaults.h>

#include <QTest>

#define SUITE_TEST_MAIN(TestObject, ...)                                                                     \
    QTEST_MAIN_WRAPPER(TestObject, QTEST_MAIN_SETUP() desktop::InstallSuiteDefaults(__VA_ARGS__);)
