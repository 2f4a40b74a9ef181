#pragma once

// Fixture of the widget tests: the leak checks of QtLeakCheckedTest, after Qt has built, once
// per process, the singletons that the first edit, the first key press and the first modal
// loop create for good (input method, clipboard, platform services).

#include "QtLeakCheck.h"

class WidgetTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override;
};
