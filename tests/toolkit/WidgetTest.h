#pragma once

// Fixture of the widget tests: the leak checks of QtLeakCheckedTest, after Qt has built, once
// per process, the singletons that the first edit, key press, modal loop and shown view
// create for good (input method, clipboard, styles, caches).

#include "QtLeakCheck.h"

class WidgetTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override;
    void TearDown() override;
};
