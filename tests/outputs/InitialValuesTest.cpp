#include "outputs/InitialValues.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace cfq::outputs {
namespace {

struct ConversionCase
{
    DataType type;
    std::uint8_t length;
    const char* text;
    std::optional<Bytes> expected;
};

class InitialValue : public testing::TestWithParam<ConversionCase>
{
};

TEST_P(InitialValue, IsConvertedToTheDeviceBytes)
{
    const ConversionCase& c = GetParam();
    EXPECT_EQ(initialValueBytes(c.type, c.length, c.text, "."), c.expected) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Table, InitialValue,
    testing::Values(ConversionCase{DataType::Bool, 1, "3", Bytes{0x01}},
                    ConversionCase{DataType::Bool, 1, "2", Bytes{0x00}},
                    ConversionCase{DataType::Bool, 1, "$FFFFFFFFFF", Bytes{0x01}},
                    ConversionCase{DataType::Bool, 1, "yes", Bytes{0x00}},
                    ConversionCase{DataType::Int8, 1, "-1", Bytes{0xFF}},
                    ConversionCase{DataType::UInt8, 1, "300", Bytes{0x2C}},
                    ConversionCase{DataType::Int16, 2, "-2", Bytes{0xFE, 0xFF}},
                    ConversionCase{DataType::UInt16, 2, "$1234", Bytes{0x34, 0x12}},
                    ConversionCase{DataType::Int32, 4, "-2147483648", Bytes{0x00, 0x00, 0x00, 0x80}},
                    ConversionCase{DataType::UInt32, 4, "4294967295", Bytes{0xFF, 0xFF, 0xFF, 0xFF}},
                    ConversionCase{DataType::UInt32, 4, "0xFFFFFFFE", Bytes{0xFE, 0xFF, 0xFF, 0xFF}},
                    ConversionCase{DataType::UInt32, 4, "3000000000", Bytes{0x00, 0x5E, 0xD0, 0xB2}},
                    ConversionCase{DataType::Int32, 4, "12 ", Bytes{0, 0, 0, 0}},
                    ConversionCase{DataType::Float32, 4, "1.5", Bytes{0x00, 0x00, 0xC0, 0x3F}},
                    ConversionCase{DataType::Float32, 4, "-2", Bytes{0x00, 0x00, 0x00, 0xC0}},
                    ConversionCase{DataType::Float32, 4, "0.1", Bytes{0xCD, 0xCC, 0xCC, 0x3D}},
                    ConversionCase{DataType::Float32, 4, "1,5", Bytes{0, 0, 0, 0}},
                    ConversionCase{DataType::Float32, 4, "abc", Bytes{0, 0, 0, 0}},
                    ConversionCase{DataType::String, 4, "AB", Bytes{0x41, 0x42, 0x00, 0x00}},
                    ConversionCase{DataType::String, 4, "ABCDEF", Bytes{0x41, 0x42, 0x43, 0x44}},
                    ConversionCase{DataType::String, 3, "\xC3\xA9\xE2\x82\xAC", Bytes{0xE9, 0xAC, 0x00}},
                    ConversionCase{DataType::Array, 3, "0A0B", Bytes{0x0A, 0x0B, 0x00}},
                    ConversionCase{DataType::Array, 3, "ff0", Bytes{0xFF, 0x00, 0x00}},
                    ConversionCase{DataType::Array, 3, "zz11", Bytes{0x00, 0x11, 0x00}},
                    ConversionCase{DataType::Array, 1, "12345678", Bytes{0x12}},
                    ConversionCase{DataType::String, 0, "AB", Bytes{}},
                    ConversionCase{DataType::Int16, 2, "", std::nullopt},
                    ConversionCase{DataType::Unknown, 3, "7", std::nullopt}));

struct DecimalCase
{
    const char* text;
    const char* separator;
    std::optional<float> expected;
};

class Decimal : public testing::TestWithParam<DecimalCase>
{
};

TEST_P(Decimal, ReadsTheUsersDecimalNumber)
{
    EXPECT_EQ(readDecimal(GetParam().text, GetParam().separator), GetParam().expected)
        << '"' << GetParam().text << "\" with \"" << GetParam().separator << '"';
}

constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Table, Decimal,
    testing::Values(DecimalCase{"1.5", ".", 1.5f}, DecimalCase{"1,5", ",", 1.5f},
                    DecimalCase{"1.5", ",", std::nullopt}, DecimalCase{"1,5", ".", std::nullopt},
                    DecimalCase{"  -0.25 ", ".", -0.25f}, DecimalCase{"+3", ".", 3.0f},
                    DecimalCase{".5", ".", 0.5f}, DecimalCase{"5.", ".", 5.0f},
                    DecimalCase{"1e3", ".", 1000.0f}, DecimalCase{"2.5E-1", ".", 0.25f},
                    DecimalCase{"1\xC2\xB7"
                                "5",
                                "\xC2\xB7", 1.5f},
                    DecimalCase{"1e", ".", std::nullopt}, DecimalCase{".", ".", std::nullopt},
                    DecimalCase{"", ".", std::nullopt}, DecimalCase{"1.2.3", ".", std::nullopt},
                    DecimalCase{"0x10", ".", std::nullopt}, DecimalCase{"1e39", ".", kInfinity},
                    DecimalCase{"-1e999999999999", ".", -kInfinity}, DecimalCase{"1e-50", ".", 0.0f},
                    DecimalCase{"1e-99999999999999", ".", 0.0f},
                    DecimalCase{"3.4028235e38", ".", std::numeric_limits<float>::max()},
                    DecimalCase{"0.000000000000000000000000000000000000000000000001", ".", 0.0f},
                    DecimalCase{"16777217", ".", 16777216.0f}));

} // namespace
} // namespace cfq::outputs
