#pragma once

// QVERIFY and QCOMPARE leave only the function they stand in: a failed check
// inside a helper, a hook or a dialog driver marks the test failed, but the
// test goes on with the next step. Wrap such a step so that the test stops
// where the check failed:
//
//     TEST_STEP(Click(window, "imgEsci"));
//     TEST_STEP(OpenInfo(&opener)); // the dialog driver checks the window

#include <QTest>

#define TEST_STEP(...)                                                                             \
    do {                                                                                           \
        __VA_ARGS__;                                                                               \
        if (QTest::currentTestFailed())                                                            \
            return;                                                                                \
    } while (false)
