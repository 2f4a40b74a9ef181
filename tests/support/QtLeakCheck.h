#pragma once

#include <gtest/gtest.h>

#include <QtGlobal>

// Number of QObjects alive in the process, counted through Qt's object hooks.
qsizetype liveQObjectCount();

// Deletes what was scheduled with deleteLater and runs pending events.
void flushQtEvents();

// Base fixture of every test that builds widgets: after the test, no top-level window may be
// left and the number of live QObjects must be back to what it was before the test.
class QtLeakCheckedTest : public ::testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

private:
    qsizetype m_objectsBefore = 0;
};
