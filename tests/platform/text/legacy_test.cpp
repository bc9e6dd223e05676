#include "platform/text/legacy/field_reader.h"
#include "platform/text/legacy/fixed_string.h"
#include "platform/text/legacy/number_format.h"
#include "platform/text/legacy/record_file.h"
#include "platform/text/legacy/rounding.h"
#include <gtest/gtest.h>

using namespace legacy;

TEST(Rounding, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(round_half_even(0.5), 0);
    EXPECT_EQ(round_half_even(1.5), 2);
    EXPECT_EQ(round_half_even(2.5), 2);
    EXPECT_EQ(round_half_even(-0.5), 0);
    EXPECT_EQ(round_half_even(-1.5), -2);
    EXPECT_EQ(round_half_even(12.5), 12);
    EXPECT_EQ(round_half_even(13.5), 14);
    EXPECT_EQ(round_half_even(2.4999), 2);
    EXPECT_EQ(round_half_even(2.5001), 3);
}

TEST(NumberFormat, ThousandsSeparators)
{
    EXPECT_EQ(format_thousands(0), "0");
    EXPECT_EQ(format_thousands(999), "999");
    EXPECT_EQ(format_thousands(1000), "1,000");
    EXPECT_EQ(format_thousands(1234567), "1,234,567");
    EXPECT_EQ(format_thousands(-1234), "-1,234");
    EXPECT_EQ(format_thousands(17179869184.0), "17,179,869,184");
    EXPECT_EQ(format_thousands(1000.5), "1,000");
}

TEST(NumberFormat, ShortestSingleText)
{
    EXPECT_EQ(format_shortest(12.0f), "12");
    EXPECT_EQ(format_shortest(149.5f), "149.5");
    EXPECT_EQ(format_shortest(0.0f), "0");
    EXPECT_EQ(format_shortest(-3.25f), "-3.25");
    EXPECT_EQ(format_shortest(0.1f), "0.1");
}

TEST(FixedString, CutsOrPadsWithBlanks)
{
    EXPECT_EQ(fixed_length("abcdefgh", 6), "abcdef");
    EXPECT_EQ(fixed_length("ab", 6), "ab    ");
    EXPECT_EQ(fixed_length("", 3), "   ");
    EXPECT_EQ(fixed_length(QString::fromUtf8("ミポ"), 6), QString::fromUtf8("ミポ    "));
}

TEST(RecordFile, WriterLeavesGapsZeroAndEndsAfterLastField)
{
    RecordWriter w(2);
    w.put_i16(1, 100);
    w.put_i16(2, 300);
    w.put_u8(3, 20);
    w.put_u8(4, 1);
    EXPECT_EQ(w.bytes(), QByteArray::fromHex("64002c01140001"));
}

TEST(RecordFile, ReaderGivesZerosPastTheEnd)
{
    RecordReader r(QByteArray::fromHex("64002c0114"), 2);
    EXPECT_EQ(r.read_i16(1), 100);
    EXPECT_EQ(r.read_i16(2), 300);
    EXPECT_EQ(r.read_u8(3), 20);
    EXPECT_EQ(r.read_u8(4), 0);
    EXPECT_EQ(r.read_i16(99), 0);
    EXPECT_EQ(r.record(3), QByteArray::fromHex("1400"));
    EXPECT_EQ(r.record_count(), 3);
}

TEST(RecordFile, SignedValuesAndLongRecords)
{
    RecordWriter w(12);
    w.put_bytes(1, "ABCDEF");
    w.put_i16(2, -2);
    w.put_u8(3, 255);
    RecordReader r(w.bytes(), 12);
    EXPECT_EQ(r.read_bytes(1, 6), "ABCDEF");
    EXPECT_EQ(r.read_i16(2), -2);
    EXPECT_EQ(r.read_u8(3), 255);
    EXPECT_EQ(w.bytes().size(), 2 * 12 + 1);
    EXPECT_EQ(w.bytes()[6], '\0');
}

TEST(RecordFile, OverLongFieldIsCutToTheRecord)
{
    RecordWriter w(2);
    w.put_bytes(1, "xyz");
    w.put_u8(2, 7);
    EXPECT_EQ(w.bytes(), QByteArray("xy\x07"));
}

TEST(FieldReader, CommasAndLineEndsSeparateFields)
{
    EXPECT_EQ(read_fields(QString::fromUtf8("良い,とても良い\r\n次\r\n")),
              QStringList({QString::fromUtf8("良い"), QString::fromUtf8("とても良い"), QString::fromUtf8("次")}));
    EXPECT_EQ(read_fields("a\nb\rc"), QStringList({"a", "b", "c"}));
}

TEST(FieldReader, QuotesKeepCommasAndLeadingBlanksAreSkipped)
{
    EXPECT_EQ(read_fields(QString::fromUtf8("\"良い,とても良い\"\r\n")),
              QStringList({QString::fromUtf8("良い,とても良い")}));
    EXPECT_EQ(read_fields("   x  ,  \" y \"\r\n"), QStringList({"x", " y "}));
    EXPECT_EQ(read_fields("\"open quote runs to the end"), QStringList({"open quote runs to the end"}));
}

TEST(FieldReader, EmptyFieldsAndLimits)
{
    EXPECT_EQ(read_fields(""), QStringList());
    EXPECT_EQ(read_fields("a,,b"), QStringList({"a", "", "b"}));
    EXPECT_EQ(read_fields("a\r\n\r\nb\r\n"), QStringList({"a", "", "b"}));
    EXPECT_EQ(read_fields("1,2,3,4,5", 3), QStringList({"1", "2", "3"}));
    EXPECT_EQ(read_fields("1,2", 0), QStringList());
}
