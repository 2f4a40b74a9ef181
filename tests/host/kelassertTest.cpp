#include "kelassert.h"

#include <gtest/gtest.h>

namespace {

int g_evaluations = 0;

bool counted(bool value)
{
    ++g_evaluations;
    return value;
}

} // namespace

TEST(kelassert, DisabledAssertionEvaluatesNeitherItsExpressionNorItsValues)
{
    g_evaluations = 0;
    int* pointer = nullptr;
    KEL_ASSERT(counted(false)).add_val("pointer", counted(true)).error();
    KEL_ASSERT(pointer != nullptr).add_val("n", counted(true)).fatal();
    EXPECT_EQ(g_evaluations, 0);
}

TEST(kelassert, ContextRendersValuesAndNullPointers)
{
    const int* nothing = nullptr;
    const char* texte = "abc";
    kel::assert_context context;
    context.set_expr("lettre != NULL")
        .add_val("lettre", nothing)
        .add_val("n", -4)
        .add_val("texte", texte);
    context.error();
    context.fatal();
    EXPECT_EQ(context.expr(), "lettre != NULL");
    ASSERT_EQ(context.values().size(), 3u);
    EXPECT_EQ(context.values()[0].second, "null");
    EXPECT_EQ(context.values()[1].second, "-4");
    EXPECT_EQ(context.values()[2].second, "abc");

    kel::Assert where("f.cpp", 12);
    EXPECT_FALSE(kel::Assert::enabled);
    EXPECT_EQ(where.line(), 12);
    kel::assert_context copy = context;
    EXPECT_EQ(copy, context);
}
