#include "controls/TDateController.h"

#include "ControlTest.h"
#include "ScriptedDialogs.h"

#include <memory>
#include <tuple>

namespace {

const std::string kJour = "Jour incorrect";
const std::string kDate = "Date incorrecte";
const std::string kMois = "Mois incorrect";
const std::string kAnnee = "Ann\xE9"
                           "e incorrecte";

// Day and year in plain edits, the month in a static-or-edit field, all on the panel that owns
// the message boxes; tax year 2005.
class TDateControllerTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        day = new TEdit(m_panel);
        month = new TcxEditStr(m_panel);
        year = new TEdit(m_panel);
        controller = std::make_unique<TDateController>(m_panel->Handle(), day, month, year, 2005);
    }
    // Types "day/month/year" into the three fields.
    void type(const std::string& date)
    {
        const auto first = date.find('/'), second = date.find('/', first + 1);
        day->SetText(date.substr(0, first));
        month->SetText(date.substr(first + 1, second - first - 1));
        year->SetText(date.substr(second + 1));
    }

    TEdit* day = nullptr;
    TcxEditStr* month = nullptr;
    TEdit* year = nullptr;
    std::unique_ptr<TDateController> controller;
    ScriptedDialogs dialogs;
};

} // namespace

TEST_F(TDateControllerTest, ControlRefusesTheFirstFaultyFieldOrCompletesTheYear)
{
    // Date typed; answer; message (none: silent); field focused (0 day, 1 month, 2 year); year
    // after. No century rule for 29/02; one- to three-digit years are completed and not checked
    // again in the same call; the tax year plus one at most; incomplete dates are not checked.
    const std::tuple<std::string, bool, std::string, int, std::string> cases[] = {
        {"32/13/2000", false, kJour, 0, "2000"},
        {"12/13/2000", false, kMois, 1, "2000"},
        {"31/4/2004", false, kDate, 0, "2004"},
        {"29/2/1900", false, "", 0, "1900"},
        {"29/2/2005", false, kDate, 0, "2005"},
        {"31/2/7", true, "", 0, "1907"},
        {"1/2/123", true, "", 0, "1850"},
        {"1/2/1849", false, kAnnee, 2, "1849"},
        {"1/2/2006", false, "", 0, "2006"},
        {"1/2/2007", false, kAnnee, 2, "2007"},
        {"31/4/", false, "", 0, ""},
        {"31//2004", false, "", 0, "2004"},
        {"14/7/2005", false, "", 0, "2005"},
    };
    QWidget* const fields[] = {day, month, year};
    for (const auto& [date, answer, message, faulty, yearAfter] : cases) {
        SCOPED_TRACE(date);
        ScriptedDialogs local;
        (faulty == 0 ? year : day)->setFocus();
        type(date);
        EXPECT_EQ(controller->Control(), answer);
        EXPECT_EQ(year->GetText(), yearAfter);
        ASSERT_EQ(local.count(), message.empty() ? 0u : 1u);
        if (message.empty())
            continue;
        EXPECT_EQ(local.textOf(0), message);
        EXPECT_EQ(local.captionOf(0), "Erreur de saisie");
        EXPECT_EQ(local.last().owner, m_panel);
        EXPECT_EQ(m_panel->focusWidget(), fields[faulty]);
    }
}

TEST_F(TDateControllerTest, VerifDateKnowsTheLengthOfEveryMonth)
{
    const std::tuple<long, long, long, bool> cases[] = {
        {31, 12, 2001, true}, {32, 1, 2001, false}, {30, 11, 2001, true}, {31, 4, 2001, false},
        {28, 2, 2001, true},  {29, 2, 2001, false}, {29, 2, 2100, true},  {30, 2, 2000, false},
        {1, 0, 2001, false},  {1, 13, 2001, false}};
    for (const auto& [d, m, y, valid] : cases)
        EXPECT_EQ(TDateController::verifDate(d, m, y), valid) << d << "/" << m << "/" << y;
}

TEST_F(TDateControllerTest, FieldsAreReadUpToTheirLeadingNumberAndMissingOnesAreSilent)
{
    // Text, read, value.
    const std::tuple<std::string, bool, long> reads[] = {
        {"   7/05", true, 7}, {std::string(200, '9'), false, 0}, {"", true, 0}};
    for (const auto& [text, read, expected] : reads) {
        long value = -1;
        day->SetText(text);
        EXPECT_EQ(TDateController::getEltDate(day, &value, 31), read) << text;
        EXPECT_EQ(value, expected) << text;
    }
    TDateController withoutYear(m_panel->Handle(), day, month, nullptr, 2005);
    type("3/4/5");
    EXPECT_FALSE(withoutYear.Control());
    EXPECT_EQ(dialogs.count(), 0u);
    TEdit other(nullptr);
    for (TComponent* field : std::initializer_list<TComponent*>{day, month, year, &other, nullptr})
        EXPECT_EQ(controller->isContain(field), field && field != &other);

    // A label is read and written.
    auto* yearLabel = new TLabel(m_panel);
    controller->set_yearControl(yearLabel);
    type("1/2/");
    yearLabel->SetText("5");
    EXPECT_TRUE(controller->Control());
    EXPECT_EQ(yearLabel->GetText(), "1905");
}
