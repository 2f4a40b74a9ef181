#include "controls/TDateController.h"

#include "TEdit.h"
#include "TForm.h"
#include "TLabel.h"
#include "TPanel.h"
#include "TcxEditStr.h"

#include "QtLeakCheck.h"
#include "ScriptedDialogs.h"

#include <memory>
#include <string>

namespace {

const std::string kTitle = "Erreur de saisie";
const std::string kJour = "Jour incorrect";
const std::string kMois = "Mois incorrect";
const std::string kDate = "Date incorrecte";
const std::string kAnnee = "Ann\xE9"
                           "e incorrecte";

// Day and year in plain edits, the month in a static-or-edit field, all in one form that owns
// the message boxes; tax year 2005.
class TDateControllerTest : public QtLeakCheckedTest
{
protected:
    void SetUp() override
    {
        // The first edits built make Qt create what it keeps for the whole process (fonts,
        // input context); build them before the leak check starts counting.
        static const bool warmedUp = [] {
            TForm form;
            new TEdit(&form);
            new TcxEditStr(&form);
            new TLabel(&form);
            flushQtEvents();
            return true;
        }();
        (void)warmedUp;
        QtLeakCheckedTest::SetUp();
        formHolder = std::make_unique<TForm>();
        day = new TEdit(formHolder.get());
        month = new TcxEditStr(formHolder.get());
        year = new TEdit(formHolder.get());
        controller = std::make_unique<TDateController>(form().Handle(), day, month, year, 2005);
    }

    void TearDown() override
    {
        controller.reset();
        formHolder.reset();
        QtLeakCheckedTest::TearDown();
    }

    TForm& form() { return *formHolder; }

    std::unique_ptr<TForm> formHolder;
    TEdit* day = nullptr;
    TcxEditStr* month = nullptr;
    TEdit* year = nullptr;
    std::unique_ptr<TDateController> controller;
    ScriptedDialogs dialogs;

    void type(const std::string& d, const std::string& m, const std::string& y)
    {
        day->SetText(d);
        month->SetText(m);
        year->SetText(y);
    }

    // Control() refused the date with `message`, in an OK box with the information icon
    // owned by the form, and moved the focus to `faulty`.
    void expectRefused(const std::string& message, QWidget* faulty)
    {
        ASSERT_EQ(dialogs.count(), 1u) << "expected \"" << message << "\"";
        EXPECT_EQ(dialogs.textOf(0), message);
        EXPECT_EQ(dialogs.captionOf(0), kTitle);
        EXPECT_EQ(dialogs.last().buttons, DialogSeam::Buttons::OK);
        EXPECT_EQ(dialogs.last().icon, DialogSeam::Icon::Information);
        EXPECT_EQ(dialogs.last().owner, &form());
        EXPECT_EQ(form().focusWidget(), faulty);
    }

    // Control() answered false without saying anything.
    void expectSilentFalse()
    {
        EXPECT_FALSE(controller->Control());
        EXPECT_EQ(dialogs.count(), 0u);
    }
};

} // namespace

TEST_F(TDateControllerTest, RefusesADayOutOfRangeBeforeLookingAtTheMonth)
{
    for (const char* badDay : {"32", "0", "-3", "abc"}) {
        SCOPED_TRACE(badDay);
        ScriptedDialogs local;
        form().setFocus();
        type(badDay, "13", "2000");
        EXPECT_FALSE(controller->Control());
        ASSERT_EQ(local.count(), 1u);
        EXPECT_EQ(local.textOf(0), kJour);
        EXPECT_EQ(form().focusWidget(), day);
    }
}

TEST_F(TDateControllerTest, RefusesMonth13AndFocusesTheMonth)
{
    type("12", "13", "2000");
    EXPECT_FALSE(controller->Control());
    expectRefused(kMois, month);
}

TEST_F(TDateControllerTest, RefusesADayPastTheEndOfItsMonthAndFocusesTheDay)
{
    year->setFocus();
    type("31", "4", "2004");
    EXPECT_FALSE(controller->Control());
    expectRefused(kDate, day);
}

TEST_F(TDateControllerTest, TwentyNinthOfFebruaryFollowsTheFourYearRuleOnly)
{
    type("29", "2", "1900"); // no century rule
    expectSilentFalse();
    type("29", "2", "2004");
    expectSilentFalse();

    type("29", "2", "2005");
    EXPECT_FALSE(controller->Control());
    expectRefused(kDate, day);
}

TEST_F(TDateControllerTest, VerifDateKnowsTheLengthOfEveryMonth)
{
    for (long m : {1, 3, 5, 7, 8, 10, 12}) {
        EXPECT_TRUE(TDateController::verifDate(31, m, 2001)) << m;
        EXPECT_FALSE(TDateController::verifDate(32, m, 2001)) << m;
    }
    for (long m : {4, 6, 9, 11}) {
        EXPECT_TRUE(TDateController::verifDate(30, m, 2001)) << m;
        EXPECT_FALSE(TDateController::verifDate(31, m, 2001)) << m;
    }
    EXPECT_TRUE(TDateController::verifDate(28, 2, 2001));
    EXPECT_FALSE(TDateController::verifDate(29, 2, 2001));
    EXPECT_TRUE(TDateController::verifDate(29, 2, 2100));
    EXPECT_FALSE(TDateController::verifDate(30, 2, 2000));
    EXPECT_FALSE(TDateController::verifDate(1, 0, 2001));
    EXPECT_FALSE(TDateController::verifDate(1, 13, 2001));
}

TEST_F(TDateControllerTest, CompletesAShortYearInTheFieldAndAnswersTrue)
{
    type("1", "2", "5");
    EXPECT_TRUE(controller->Control());
    EXPECT_EQ(year->GetText(), "1905");

    type("1", "2", "99");
    EXPECT_TRUE(controller->Control());
    EXPECT_EQ(year->GetText(), "1999");

    type("1", "2", "123");
    EXPECT_TRUE(controller->Control());
    EXPECT_EQ(year->GetText(), "1850");

    EXPECT_EQ(dialogs.count(), 0u);
    EXPECT_EQ(day->GetText(), "1");
    EXPECT_EQ(month->GetText(), "2");
}

TEST_F(TDateControllerTest, ACompletedYearIsNotCheckedAgainstTheCalendarInTheSameCall)
{
    type("31", "2", "7");
    EXPECT_TRUE(controller->Control());
    EXPECT_EQ(year->GetText(), "1907");
    EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(TDateControllerTest, RefusesAYearBefore1850AndLeavesItAsTyped)
{
    type("1", "2", "1849");
    EXPECT_FALSE(controller->Control());
    expectRefused(kAnnee, year);
    EXPECT_EQ(year->GetText(), "1849");
}

TEST_F(TDateControllerTest, YearMayExceedTheTaxYearByOneOnly)
{
    type("1", "2", "2006");
    expectSilentFalse();

    type("1", "2", "2007");
    EXPECT_FALSE(controller->Control());
    expectRefused(kAnnee, year);
    EXPECT_EQ(year->GetText(), "2007");
}

TEST_F(TDateControllerTest, IncompleteDatesAreNeitherCheckedNorReported)
{
    type("31", "4", "");
    expectSilentFalse();
    type("", "4", "2004");
    expectSilentFalse();
    type("31", "", "2004");
    expectSilentFalse();
    type("31", "4", "    ");
    expectSilentFalse();
}

TEST_F(TDateControllerTest, AcceptsAValidDateSilently)
{
    type("14", "7", "2005");
    expectSilentFalse();
}

TEST_F(TDateControllerTest, ReadsTheLeadingNumberWhateverSurroundsIt)
{
    long value = -1;
    day->SetText("   7");
    EXPECT_TRUE(TDateController::getEltDate(day, &value, 31));
    EXPECT_EQ(value, 7);

    day->SetText("12/05");
    EXPECT_TRUE(TDateController::getEltDate(day, &value, 31));
    EXPECT_EQ(value, 12);

    day->SetText(std::string(300, ' ') + "9" + std::string(300, 'x'));
    EXPECT_TRUE(TDateController::getEltDate(day, &value, 31));
    EXPECT_EQ(value, 9);

    day->SetText(std::string(200, '9'));
    EXPECT_FALSE(TDateController::getEltDate(day, &value, 31));
    EXPECT_EQ(value, 0);

    day->SetText("");
    value = -1;
    EXPECT_TRUE(TDateController::getEltDate(day, &value, 31));
    EXPECT_EQ(value, 0);
}

TEST_F(TDateControllerTest, NullFieldsAreLeftAloneAndANullValueIsRefused)
{
    long value = 42;
    EXPECT_TRUE(TDateController::getEltDate(nullptr, &value, 31));
    EXPECT_EQ(value, 42);
    EXPECT_FALSE(TDateController::getEltDate(day, nullptr, 31));
    TDateController::setEltDate(nullptr, &value);
    day->SetText("3");
    TDateController::setEltDate(day, nullptr);
    EXPECT_EQ(day->GetText(), "3");

    TDateController withoutYear(form().Handle(), day, month, nullptr, 2005);
    type("3", "4", "5");
    EXPECT_FALSE(withoutYear.Control());
    EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(TDateControllerTest, WritesTheNumberInDecimalWithoutLeadingZeros)
{
    long value = 7;
    TDateController::setEltDate(year, &value);
    EXPECT_EQ(year->GetText(), "7");
    value = 1905;
    TDateController::setEltDate(month, &value);
    EXPECT_EQ(month->GetText(), "1905");
}

TEST_F(TDateControllerTest, ALabelIsReadAndWrittenButNeverFocused)
{
    auto* yearLabel = new TLabel(&form());
    controller->set_yearControl(yearLabel);
    day->setFocus();

    type("1", "2", "");
    yearLabel->SetText("5");
    EXPECT_TRUE(controller->Control());
    EXPECT_EQ(yearLabel->GetText(), "1905");

    yearLabel->SetText("1849");
    EXPECT_FALSE(controller->Control());
    ASSERT_EQ(dialogs.count(), 1u);
    EXPECT_EQ(dialogs.textOf(0), kAnnee);
    EXPECT_EQ(form().focusWidget(), day);
}

TEST_F(TDateControllerTest, AnotherWidgetClassReadsEmptyAndIsNeverWritten)
{
    auto* panel = new TPanel(&form());
    panel->SetText("5");
    controller->set_yearControl(panel);
    type("1", "2", "");
    expectSilentFalse();
    EXPECT_EQ(panel->GetText(), "5");

    panel->SetText("99");
    controller->set_dayControl(panel);
    controller->set_yearControl(year);
    type("", "2", "2000");
    expectSilentFalse(); // day read as empty, not as 99
}

TEST_F(TDateControllerTest, ContainsExactlyItsThreeFields)
{
    TEdit other(nullptr);
    EXPECT_TRUE(controller->isContain(day));
    EXPECT_TRUE(controller->isContain(month));
    EXPECT_TRUE(controller->isContain(year));
    EXPECT_FALSE(controller->isContain(&other));
    EXPECT_FALSE(controller->isContain(nullptr));
}

TEST_F(TDateControllerTest, CopiesAreEqualUntilOneMemberDiffers)
{
    TDateController copy(*controller);
    EXPECT_TRUE(copy == *controller);
    EXPECT_EQ(copy.get_anneeFiscaleControl(), 2005);

    copy.set_anneeFiscaleControl(2006);
    EXPECT_FALSE(copy == *controller);
    copy = *controller;
    copy = copy;
    EXPECT_TRUE(copy == *controller);

    copy.set_monthControl(day);
    EXPECT_FALSE(copy == *controller);
    EXPECT_EQ(copy.get_monthControl(), day);

    TDateController otherOwner(nullptr, day, month, year, 2005);
    EXPECT_FALSE(otherOwner == *controller);
}
