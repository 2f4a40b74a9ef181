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
#include <tuple>

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
    // The first edits built make Qt create what it keeps for the whole process (fonts,
    // input context); build them before the leak check starts counting.
    static void SetUpTestSuite()
    {
        TForm form;
        new TEdit(&form);
        new TcxEditStr(&form);
        new TLabel(&form);
        flushQtEvents();
    }
    void SetUp() override
    {
        QtLeakCheckedTest::SetUp();
        form = std::make_unique<TForm>();
        day = new TEdit(form.get());
        month = new TcxEditStr(form.get());
        year = new TEdit(form.get());
        controller = std::make_unique<TDateController>(form->Handle(), day, month, year, 2005);
    }

    void TearDown() override
    {
        controller.reset();
        form.reset();
        QtLeakCheckedTest::TearDown();
    }

    std::unique_ptr<TForm> form;
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
};

} // namespace

TEST_F(TDateControllerTest, ControlRefusesTheFirstFaultyFieldOrCompletesTheYear)
{
    enum Field
    {
        None,
        Day,
        Month,
        Year
    };
    // Day, month, year typed; answer; message (none: silent); field focused; year after.
    const std::tuple<std::string, std::string, std::string, bool, std::string, Field, std::string>
        cases[] = {
            {"32", "13", "2000", false, kJour, Day, "2000"},
            {"0", "13", "2000", false, kJour, Day, "2000"},
            {"-3", "13", "2000", false, kJour, Day, "2000"},
            {"abc", "13", "2000", false, kJour, Day, "2000"},
            {"12", "13", "2000", false, kMois, Month, "2000"},
            {"31", "4", "2004", false, kDate, Day, "2004"},
            {"29", "2", "1900", false, "", None, "1900"}, // no century rule
            {"29", "2", "2004", false, "", None, "2004"},
            {"29", "2", "2005", false, kDate, Day, "2005"},
            {"1", "2", "5", true, "", None, "1905"},
            {"1", "2", "99", true, "", None, "1999"},
            {"1", "2", "123", true, "", None, "1850"},
            {"31", "2", "7", true, "", None, "1907"}, // not checked again in the same call
            {"1", "2", "1849", false, kAnnee, Year, "1849"},
            {"1", "2", "2006", false, "", None, "2006"}, // the tax year plus one at most
            {"1", "2", "2007", false, kAnnee, Year, "2007"},
            {"31", "4", "", false, "", None, ""}, // incomplete dates are not checked
            {"", "4", "2004", false, "", None, "2004"},
            {"31", "", "2004", false, "", None, "2004"},
            {"31", "4", "    ", false, "", None, "    "},
            {"14", "7", "2005", false, "", None, "2005"}, // valid: silent
        };
    QWidget* const fields[] = {nullptr, day, month, year};
    for (const auto& [d, m, y, answer, message, faulty, yearAfter] : cases) {
        SCOPED_TRACE(d + "/" + m + "/" + y);
        ScriptedDialogs local;
        (faulty == Day ? year : day)->setFocus();
        type(d, m, y);
        EXPECT_EQ(controller->Control(), answer);
        EXPECT_EQ(year->GetText(), yearAfter);
        EXPECT_EQ(month->GetText(), m);
        ASSERT_EQ(local.count(), message.empty() ? 0u : 1u);
        if (message.empty())
            continue;
        EXPECT_EQ(local.textOf(0), message);
        EXPECT_EQ(local.captionOf(0), kTitle);
        EXPECT_EQ(local.last().buttons, DialogSeam::Buttons::OK);
        EXPECT_EQ(local.last().icon, DialogSeam::Icon::Information);
        EXPECT_EQ(local.last().owner, form.get());
        EXPECT_EQ(form->focusWidget(), fields[faulty]);
    }
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

TEST_F(TDateControllerTest, FieldsAreReadUpToTheirLeadingNumberAndWrittenInDecimal)
{
    // Text, read, value (-1: left as it was).
    const std::tuple<std::string, bool, long> reads[] = {
        {"   7", true, 7},
        {"12/05", true, 12},
        {std::string(300, ' ') + "9" + std::string(300, 'x'), true, 9},
        {std::string(200, '9'), false, 0},
        {"", true, 0}};
    for (const auto& [text, read, expected] : reads) {
        long value = -1;
        day->SetText(text);
        EXPECT_EQ(TDateController::getEltDate(day, &value, 31), read) << text;
        EXPECT_EQ(value, expected) << text;
    }
    long value = 42;
    EXPECT_TRUE(TDateController::getEltDate(nullptr, &value, 31));
    EXPECT_EQ(value, 42);
    EXPECT_FALSE(TDateController::getEltDate(day, nullptr, 31));
    TDateController::setEltDate(nullptr, &value);
    day->SetText("3");
    TDateController::setEltDate(day, nullptr);
    EXPECT_EQ(day->GetText(), "3");
    value = 7;
    TDateController::setEltDate(year, &value);
    EXPECT_EQ(year->GetText(), "7");
    value = 1905;
    TDateController::setEltDate(month, &value);
    EXPECT_EQ(month->GetText(), "1905");

    TDateController withoutYear(form->Handle(), day, month, nullptr, 2005);
    type("3", "4", "5");
    EXPECT_FALSE(withoutYear.Control());
    EXPECT_EQ(dialogs.count(), 0u);
}

TEST_F(TDateControllerTest, ALabelIsReadAndWrittenButNeverFocusedAndOtherWidgetsReadEmpty)
{
    auto* yearLabel = new TLabel(form.get());
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
    EXPECT_EQ(form->focusWidget(), day);

    auto* panel = new TPanel(form.get());
    panel->SetText("5");
    controller->set_yearControl(panel);
    EXPECT_FALSE(controller->Control());
    EXPECT_EQ(panel->GetText(), "5") << "never written";
    panel->SetText("99");
    controller->set_dayControl(panel);
    controller->set_yearControl(year);
    type("", "2", "2000");
    EXPECT_FALSE(controller->Control());
    EXPECT_EQ(dialogs.count(), 1u) << "day read as empty, not as 99";
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
