#include "UiTestSupport.h"

#include "ui/CBalloonMsgWnd.h"
#include "ui/CCheckedEdit.h"
#include "ui/ControlIds.h"
#include "ui/layout/ControlLookup.h"
#include "ui/layout/LayoutDialog.h"

#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

namespace {
struct ValidityCase {
    std::string text;
    bool acceptable;
};

std::ostream& operator<<(std::ostream& out, const ValidityCase& c)
{
    return out << '"' << c.text << '"';
}

class CheckedEditValidity : public testing::TestWithParam<ValidityCase> { };

TEST_P(CheckedEditValidity, AcceptsOnlyOneNumberWithinTheWeeklyRange)
{
    CCheckedEdit field;
    field.SetMinimum(1.0);
    field.SetMaximum(52.0);
    field.setText(QString::fromStdString(GetParam().text));
    EXPECT_EQ(field.IsValid(), GetParam().acceptable);
}

INSTANTIATE_TEST_SUITE_P(Texts, CheckedEditValidity,
                         testing::Values(ValidityCase{"1", true}, ValidityCase{"52", true},
                                         ValidityCase{"1.5", true}, ValidityCase{"3e1", true},
                                         ValidityCase{"+7", true}, ValidityCase{"0", false},
                                         ValidityCase{"53", false}, ValidityCase{"52.01", false},
                                         ValidityCase{"", false}, ValidityCase{" 5", false},
                                         ValidityCase{"5 ", false}, ValidityCase{"5a", false},
                                         ValidityCase{"0x10", false}, ValidityCase{"1,5", false},
                                         ValidityCase{"nan", false}, ValidityCase{"inf", false}));

TEST(CheckedEditValidity, WholeNumberFieldsRefuseFractionsAndExponents)
{
    CCheckedEdit field;
    field.SetMinimum(1.0);
    field.SetMaximum(52.0);
    field.SetWholeNumbers(true);
    for (const char* text : {"1", "52", "+7", "007"}) {
        field.setText(QString::fromLatin1(text));
        EXPECT_TRUE(field.IsValid()) << text;
    }
    for (const char* text : {"2.5", "2.0", "3e1", "1.", "53", "0"}) {
        field.setText(QString::fromLatin1(text));
        EXPECT_FALSE(field.IsValid()) << text;
    }
}

TEST(CheckedEditText, BalloonTextNamesTheRangeOnlyWhenBothBoundsAreSet)
{
    CCheckedEdit field;
    EXPECT_EQ(field.BalloonText(), "");
    field.SetMinimum(1.0);
    EXPECT_EQ(field.BalloonText(), "");
    field.SetMaximum(52.0);
    EXPECT_EQ(field.BalloonText(), "Please enter a number between 1.0 and 52.0.");
}

// The weekly interval as its panel shows it: the checked field between two labels, with another
// field to move the focus to.
class WeeklyField : public testing::Test {
protected:
    void SetUp() override
    {
        field = new CCheckedEdit(&dialog);
        field->SetMinimum(1.0);
        field->SetMaximum(52.0);
        field->setText("1");
        other = new QLineEdit(&dialog);
        field->setGeometry(10, 10, 60, 22);
        other->setGeometry(10, 40, 60, 22);
        dialog.resize(200, 80);
        ASSERT_TRUE(ShowActive(dialog));
    }

    void Type(const QString& keys) { QTest::keyClicks(field, keys); }

    LayoutDialog dialog;
    CCheckedEdit* field = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(WeeklyField, LetterAfterANumberOpensOneBalloonDeletingItClosesIt)
{
    field->setFocus();
    QTest::keyClick(field, Qt::Key_End);
    Type("2");
    EXPECT_TRUE(VisibleBalloons().empty());

    Type("a");
    auto balloons = VisibleBalloons();
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons[0]->Title(), "Invalid value");
    EXPECT_EQ(balloons[0]->Text(), "Please enter a number between 1.0 and 52.0.");
    EXPECT_EQ(balloons[0]->TipPosition(), field->mapToGlobal(QPoint(30, 11)))
        << "points at the field's centre";

    Type("b");
    EXPECT_EQ(VisibleBalloons().size(), 1u) << "the next change replaces the balloon";

    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(field->text(), "12");
    EXPECT_TRUE(VisibleBalloons().empty());
}

TEST_F(WeeklyField, LeavingWithAnUnacceptableTextPutsBackTheLastAcceptableOne)
{
    field->setText("7");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_End);
    Type("0");
    ASSERT_EQ(VisibleBalloons().size(), 1u);

    other->setFocus();
    EXPECT_EQ(field->text(), "7");
    EXPECT_TRUE(VisibleBalloons().empty());
}

TEST_F(WeeklyField, FocusGainedWithAnUnacceptableTextMakesItTheOneRestored)
{
    other->setFocus();
    field->setText("60");
    field->setFocus();
    QTest::keyClick(field, Qt::Key_End);
    Type("x");

    other->setFocus();
    EXPECT_EQ(field->text(), "60");
    EXPECT_EQ(VisibleBalloons().size(), 1u)
        << "the text put back is still not acceptable, and its balloon says so";
}

TEST_F(WeeklyField, FieldWithOneBoundOpensBalloonsWithoutBodyText)
{
    CCheckedEdit lowerOnly(&dialog);
    lowerOnly.SetMinimum(1.0);
    lowerOnly.setText("0");
    const auto balloons = VisibleBalloons();
    ASSERT_EQ(balloons.size(), 1u);
    EXPECT_EQ(balloons[0]->Title(), "Invalid value");
    EXPECT_EQ(balloons[0]->Text(), "");
}

TEST_F(WeeklyField, BalloonLeftAloneEndsAfterTenSecondsOfVisibility)
{
    field->setFocus();
    Type("x");
    ASSERT_EQ(VisibleBalloons().size(), 1u);
    CBalloonMsgWnd* balloon = VisibleBalloons()[0];

    while (balloon->VisibleTicks() < 333)
        balloon->Tick();
    EXPECT_EQ(VisibleBalloons().size(), 1u) << "9990 ms";
    balloon->Tick();
    EXPECT_TRUE(VisibleBalloons().empty()) << "10020 ms";

    // The field's next change finds its old balloon gone and opens a new one.
    Type("y");
    EXPECT_EQ(VisibleBalloons().size(), 1u);
}

TEST_F(WeeklyField, ClickOnTheBalloonHidesIt)
{
    field->setFocus();
    Type("x");
    ASSERT_EQ(VisibleBalloons().size(), 1u);
    QTest::mouseClick(VisibleBalloons()[0], Qt::LeftButton);
    EXPECT_TRUE(VisibleBalloons().empty());
    EXPECT_TRUE(field->hasFocus()) << "the balloon never takes the focus";
}
} // namespace
