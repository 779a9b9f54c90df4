#include "ui/variant/Variant.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

// A value shown as "<type name>:<text>" so one string pins both the kind
// and the value of a result.
std::string Shown(const Variant& value) {
    if (value.IsNull()) return "Null";
    return VarTypeName(value.VarType()) + ":" + value.AsString();
}

enum class Fails { No, Cast, InvalidOp, Overflow, DivByZero, ZeroDivide, BadIndex };

Fails FailureOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EVariantTypeCastError&) {
        return Fails::Cast;
    } catch (const EVariantInvalidOpError&) {
        return Fails::InvalidOp;
    } catch (const EVariantOverflowError&) {
        return Fails::Overflow;
    } catch (const EDivByZero&) {
        return Fails::DivByZero;
    } catch (const EZeroDivide&) {
        return Fails::ZeroDivide;
    } catch (const EVariantBadIndexError&) {
        return Fails::BadIndex;
    }
    return Fails::No;
}

using Binary = std::function<Variant(const Variant&, const Variant&)>;

const Binary kAdd = [](const Variant& l, const Variant& r) { return l + r; };
const Binary kSub = [](const Variant& l, const Variant& r) { return l - r; };
const Binary kMul = [](const Variant& l, const Variant& r) { return l * r; };
const Binary kDiv = [](const Variant& l, const Variant& r) { return l / r; };
const Binary kIntDiv = VarIntDiv;
const Binary kMod = VarMod;
const Binary kAnd = VarAnd;
const Binary kOr = VarOr;
const Binary kXor = VarXor;
const Binary kShl = VarShl;
const Binary kShr = VarShr;

Variant Int64Of(std::int64_t value) { return Variant(value); }

}  // namespace

TEST(VariantTest, EmptyAndNullDiffer) {
    const Variant empty;
    const Variant null = Variant::Null();
    EXPECT_EQ(empty.VarType(), varEmpty);
    EXPECT_EQ(null.VarType(), varNull);
    EXPECT_EQ(Shown(empty + Variant(5)), "Integer:5");
    EXPECT_EQ(Shown(empty + Variant("x")), "String:x");
    EXPECT_TRUE((null + Variant(5)).IsNull());
    EXPECT_TRUE((Variant(5) * null).IsNull());
    EXPECT_EQ(empty.AsInteger(), 0);
    EXPECT_EQ(empty.AsString(), "");
    EXPECT_FALSE(empty.AsBoolean());
    EXPECT_EQ(FailureOf([&] { (void)null.AsInteger(); }), Fails::Cast);
    EXPECT_EQ(FailureOf([&] { (void)null.AsString(); }), Fails::Cast);
    EXPECT_EQ(VarToStr(null), "");
    EXPECT_TRUE(null == Variant::Null());
    EXPECT_FALSE(null == Variant(0));
    EXPECT_FALSE(null == empty);
}

TEST(VariantTest, ConversionsAcrossKinds) {
    struct Case {
        const char* name;
        Variant value;
        TVarType target;
        const char* expected;  // Shown() of the result
        Fails fails;
    };
    const Case cases[] = {
        {"text to integer", Variant("12"), varInteger, "Integer:12", Fails::No},
        {"blanks and sign", Variant(" -7 "), varInteger, "Integer:-7", Fails::No},
        {"comma real to integer rounds to even", Variant("2,5"), varInteger, "Integer:2", Fails::No},
        {"point real to integer", Variant("3.5"), varInteger, "Integer:4", Fails::No},
        {"no number", Variant("abc"), varInteger, "", Fails::Cast},
        {"too big for Integer", Variant("3000000000"), varInteger, "", Fails::Overflow},
        {"big text to Int64", Variant("3000000000"), varInt64, "Int64:3000000000", Fails::No},
        {"byte range", Variant(300), varByte, "", Fails::Overflow},
        {"byte", Variant(200), varByte, "Byte:200", Fails::No},
        {"shortint negative", Variant(-128), varShortInt, "ShortInt:-128", Fails::No},
        {"word below zero", Variant(-1), varWord, "", Fails::Overflow},
        {"longword", Int64Of(4294967295LL), varLongWord, "LongWord:4294967295", Fails::No},
        {"smallint", Variant(-32768), varSmallint, "Smallint:-32768", Fails::No},
        {"real to text has comma", Variant(2.5), varString, "String:2,5", Fails::No},
        {"text with comma to double", Variant("0,25"), varDouble, "Double:0,25", Fails::No},
        {"single text", Variant::FromSingle(0.1f), varString, "String:0,1", Fails::No},
        {"currency keeps four decimals", Variant(1.23456), varCurrency, "Currency:1,2346", Fails::No},
        {"true to integer", Variant(true), varInteger, "Integer:-1", Fails::No},
        {"true to text", Variant(true), varString, "String:True", Fails::No},
        {"word to boolean", Variant("false"), varBoolean, "Boolean:False", Fails::No},
        {"number text to boolean", Variant("2"), varBoolean, "Boolean:True", Fails::No},
        {"zero to boolean", Variant(0.0), varBoolean, "Boolean:False", Fails::No},
        {"bad boolean text", Variant("yes"), varBoolean, "", Fails::Cast},
        {"date text", Variant("05.03.2024"), varDate, "Date:05.03.2024", Fails::No},
        {"date and time text", Variant("05.03.2024 13:45:10"), varDate, "Date:05.03.2024 13:45:10", Fails::No},
        {"time only", Variant("06:30"), varDate, "Date:06:30:00", Fails::No},
        {"day 31 of April", Variant("31.04.2024"), varDate, "", Fails::Cast},
        {"date to number", Variant::FromDate(45356.5), varDouble, "Double:45356,5", Fails::No},
        {"Null to date", Variant::Null(), varDate, "", Fails::Cast},
        {"array to integer", VarArrayOf({Variant(1)}), varInteger, "", Fails::Cast},
        {"uint64 top", Variant::FromUInt64(std::numeric_limits<std::uint64_t>::max()), varString,
         "String:18446744073709551615", Fails::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Variant result;
        EXPECT_EQ(FailureOf([&] { result = c.value.AsType(c.target); }), c.fails);
        if (c.fails == Fails::No) {
            EXPECT_EQ(Shown(result), c.expected);
        }
    }
}

TEST(VariantTest, OperatorsAcrossKinds) {
    struct Case {
        const char* name;
        Binary op;
        Variant left;
        Variant right;
        const char* expected;
    };
    const Case cases[] = {
        {"int + int", kAdd, Variant(2), Variant(3), "Integer:5"},
        {"int overflow widens", kAdd, Variant(std::numeric_limits<std::int32_t>::max()), Variant(1), "Int64:2147483648"},
        {"int64 stays wide", kAdd, Int64Of(1), Variant(1), "Int64:2"},
        {"byte + byte", kAdd, Variant::OfType(varByte, 200), Variant::OfType(varByte, 100), "Integer:300"},
        {"int + double", kAdd, Variant(1), Variant(0.5), "Double:1,5"},
        {"string + string joins", kAdd, Variant("ab"), Variant("cd"), "String:abcd"},
        {"number text + int adds", kAdd, Variant("10"), Variant(5), "Integer:15"},
        {"comma text + int", kAdd, Variant("1,5"), Variant(1), "Double:2,5"},
        {"date + days", kAdd, Variant::FromDate(45356), Variant(2), "Date:07.03.2024"},
        {"date - date", kSub, Variant::FromDate(45356), Variant::FromDate(45350), "Double:6"},
        {"currency + int", kAdd, Variant::FromCurrency(1.25), Variant(2), "Currency:3,25"},
        {"currency * currency", kMul, Variant::FromCurrency(1.5), Variant::FromCurrency(2.5), "Currency:3,75"},
        {"currency * double", kMul, Variant::FromCurrency(1.5), Variant(2.0), "Double:3"},
        {"true + 1", kAdd, Variant(true), Variant(1), "Integer:0"},
        {"int - int", kSub, Variant(2), Variant(5), "Integer:-3"},
        {"int * int", kMul, Variant(-4), Variant(6), "Integer:-24"},
        {"int64 product", kMul, Variant(100000), Variant(100000), "Int64:10000000000"},
        {"int / int is real", kDiv, Variant(7), Variant(2), "Double:3,5"},
        {"div truncates", kIntDiv, Variant(7), Variant(2), "Integer:3"},
        {"div negative", kIntDiv, Variant(-7), Variant(2), "Integer:-3"},
        {"mod sign of dividend", kMod, Variant(-7), Variant(3), "Integer:-1"},
        {"div of reals rounds first", kIntDiv, Variant(7.6), Variant(2), "Integer:4"},
        {"and of integers", kAnd, Variant(6), Variant(3), "Integer:2"},
        {"or of integers", kOr, Variant(4), Variant(1), "Integer:5"},
        {"xor of integers", kXor, Variant(6), Variant(3), "Integer:5"},
        {"and of booleans", kAnd, Variant(true), Variant(false), "Boolean:False"},
        {"or of booleans", kOr, Variant(false), Variant(true), "Boolean:True"},
        {"xor of booleans", kXor, Variant(true), Variant(true), "Boolean:False"},
        {"boolean and truth word", kAnd, Variant(true), Variant("TRUE"), "Boolean:True"},
        {"shl", kShl, Variant(1), Variant(4), "Integer:16"},
        {"shl into the sign bit", kShl, Variant(1), Variant(31), "Integer:-2147483648"},
        {"shr fills zeros", kShr, Variant(-1), Variant(28), "Integer:15"},
        {"shl 64-bit", kShl, Int64Of(1), Variant(40), "Int64:1099511627776"},
        {"uint64 and", kAnd, Variant::FromUInt64(0xFFFFFFFFFFFFFFFFULL), Variant(255), "UInt64:255"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Shown(c.op(c.left, c.right)), c.expected);
    }
}

TEST(VariantTest, UnaryOperators) {
    struct Case {
        const char* name;
        Variant result;
        const char* expected;
    };
    const Case cases[] = {
        {"not true", VarNot(Variant(true)), "Boolean:False"},
        {"not integer is bitwise", VarNot(Variant(0)), "Integer:-1"},
        {"not int64", VarNot(Int64Of(0)), "Int64:-1"},
        {"not truth word", VarNot(Variant("False")), "Boolean:True"},
        {"negate integer", VarNeg(Variant(5)), "Integer:-5"},
        {"negate smallest integer widens", VarNeg(Variant(std::numeric_limits<std::int32_t>::min())), "Int64:2147483648"},
        {"negate double", VarNeg(Variant(2.5)), "Double:-2,5"},
        {"negate currency", VarNeg(Variant::FromCurrency(1.5)), "Currency:-1,5"},
        {"negate number text", VarNeg(Variant("4")), "Integer:-4"},
        {"negate empty", VarNeg(Variant()), "Integer:0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Shown(c.result), c.expected);
    }
    EXPECT_TRUE(VarNot(Variant::Null()).IsNull());
    EXPECT_TRUE(VarNeg(Variant::Null()).IsNull());
}

TEST(VariantTest, OperatorErrorsByKind) {
    struct Case {
        const char* name;
        std::function<void()> action;
        Fails fails;
    };
    const Variant array = VarArrayOf({Variant(1), Variant(2)});
    const Case cases[] = {
        {"div by zero", [] { VarIntDiv(Variant(1), Variant(0)); }, Fails::DivByZero},
        {"mod by zero", [] { VarMod(Variant(1), Variant(0)); }, Fails::DivByZero},
        {"real division by zero", [] { (void)(Variant(1.0) / Variant(0)); }, Fails::ZeroDivide},
        {"zero by zero", [] { (void)(Variant(0) / Variant(0.0)); }, Fails::ZeroDivide},
        {"text that is no number", [] { (void)(Variant("abc") - Variant(1)); }, Fails::Cast},
        {"text plus number", [] { (void)(Variant("abc") + Variant(1)); }, Fails::Cast},
        {"array in arithmetic", [&] { (void)(array + Variant(1)); }, Fails::InvalidOp},
        {"array compared", [&] { (void)(array == array); }, Fails::InvalidOp},
        {"uint64 overflow", [] { (void)(Variant::FromUInt64(0xFFFFFFFFFFFFFFFFULL) + Variant(1)); }, Fails::Overflow},
        {"currency overflow", [] { (void)(Variant::FromCurrency(9e14) * Variant(1000)); }, Fails::Overflow},
        {"huge real to div", [] { VarIntDiv(Variant(1e30), Variant(2)); }, Fails::Overflow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FailureOf(c.action), c.fails);
    }
}

TEST(VariantTest, ErrorTextsNameBothTypes) {
    try {
        (void)Variant("abc").AsInteger();
        FAIL() << "no error";
    } catch (const EVariantTypeCastError& error) {
        EXPECT_EQ(error.Message(), "Невозможно преобразовать значение типа (String) в тип (Integer)");
    }
}

TEST(VariantTest, ComparisonAndOrdering) {
    struct Case {
        const char* name;
        Variant left;
        Variant right;
        TVarCompareResult expected;
    };
    const Case cases[] = {
        {"ints", Variant(2), Variant(3), TVarCompareResult::Less},
        {"int and double", Variant(3), Variant(2.5), TVarCompareResult::Greater},
        {"int and equal double", Variant(3), Variant(3.0), TVarCompareResult::Equal},
        {"text and number", Variant("10"), Variant(9), TVarCompareResult::Greater},
        {"texts compare as text", Variant("10"), Variant("9"), TVarCompareResult::Less},
        {"cyrillic order", Variant("ёж"), Variant("жук"), TVarCompareResult::Less},
        {"null below all", Variant::Null(), Variant(-1000), TVarCompareResult::Less},
        {"null equals null", Variant::Null(), Variant::Null(), TVarCompareResult::Equal},
        {"false below true", Variant(false), Variant(true), TVarCompareResult::Less},
        {"empty as empty text", Variant(), Variant(""), TVarCompareResult::Equal},
        {"empty as zero", Variant(), Variant(0), TVarCompareResult::Equal},
        {"large int64s", Int64Of(9007199254740993LL), Int64Of(9007199254740992LL), TVarCompareResult::Greater},
        {"uint64 above int64", Variant::FromUInt64(1ULL << 63), Int64Of(std::numeric_limits<std::int64_t>::max()),
         TVarCompareResult::Greater},
        {"dates", Variant::FromDate(1.5), Variant::FromDate(1.25), TVarCompareResult::Greater},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VarCompare(c.left, c.right), c.expected);
    }
    EXPECT_TRUE(Variant(2) <= Variant(2));
    EXPECT_TRUE(Variant(3) > Variant(2));
    EXPECT_TRUE(Variant(2) != Variant(3));
    EXPECT_EQ(FailureOf([] { (void)(Variant("abc") < Variant(1)); }), Fails::Cast);
}

TEST(VariantTest, ArraysHoldBoundsAndConvertElements) {
    Variant matrix = VarArrayCreate({1, 2, -1, 1}, varInteger);
    EXPECT_EQ(matrix.VarType(), varArray | varInteger);
    EXPECT_EQ(matrix.ArrayDimCount(), 2);
    EXPECT_EQ(matrix.ArrayLowBound(1), 1);
    EXPECT_EQ(matrix.ArrayHighBound(1), 2);
    EXPECT_EQ(matrix.ArrayLowBound(2), -1);
    EXPECT_EQ(matrix.ArrayHighBound(2), 1);
    EXPECT_EQ(Shown(matrix.GetElement({2, 1})), "Integer:0");
    matrix.PutElement({2, 1}, Variant("42"));
    matrix.PutElement({1, -1}, Variant(7));
    EXPECT_EQ(Shown(matrix.GetElement({2, 1})), "Integer:42");
    EXPECT_EQ(Shown(matrix.GetElement({1, -1})), "Integer:7");
    EXPECT_EQ(Shown(matrix.GetElement({1, 1})), "Integer:0");

    const Variant copy = matrix;
    matrix.PutElement({2, 1}, Variant(1));
    EXPECT_EQ(Shown(copy.GetElement({2, 1})), "Integer:42") << "a copy is a value of its own";

    struct BadIndex {
        const char* name;
        std::vector<int> indexes;
    };
    const BadIndex bad[] = {{"above", {3, 0}}, {"below", {1, -2}}, {"too few", {1}}, {"too many", {1, 0, 0}}};
    for (const BadIndex& b : bad) {
        SCOPED_TRACE(b.name);
        EXPECT_EQ(FailureOf([&] { (void)matrix.GetElement(b.indexes); }), Fails::BadIndex);
    }
    EXPECT_EQ(FailureOf([&] { matrix.PutElement({1, 0}, Variant("x")); }), Fails::Cast);
    EXPECT_EQ(FailureOf([&] { (void)matrix.ArrayHighBound(3); }), Fails::BadIndex);
    EXPECT_THROW(VarArrayCreate({0, -2}, varVariant), EVariantArrayCreateError);
    EXPECT_THROW(VarArrayCreate({0, 100000, 0, 100000}, varVariant), EVariantArrayCreateError);

    const Variant empty = VarArrayCreate({0, -1}, varVariant);
    EXPECT_EQ(empty.ArrayHighBound(1), -1);
    const Variant list = VarArrayOf({Variant(1), Variant::Null(), Variant("a")});
    EXPECT_EQ(list.VarType(), varArray | varVariant);
    EXPECT_TRUE(list.GetElement({1}).IsNull());
    EXPECT_EQ(Shown(list.GetElement({2})), "String:a");
}
