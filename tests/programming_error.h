#pragma once

// A programming error (a call that breaks its precondition) stops a debug build at its Q_ASSERT
// and is refused by a release build, which goes on as if the call had not been made.
// EXPECT_REFUSED checks what this build does; the caller then checks that nothing changed.
#include <gtest/gtest.h>
#include <QtGlobal>

#ifdef QT_NO_DEBUG
#define EXPECT_REFUSED(statement) statement
#else
#define EXPECT_REFUSED(statement)                       \
    do {                                                \
        GTEST_FLAG_SET(death_test_style, "threadsafe"); \
        EXPECT_DEATH(statement, "ASSERT failure");      \
    } while (false)
#endif
