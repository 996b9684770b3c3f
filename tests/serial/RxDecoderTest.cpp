#include "serial/RxDecoder.h"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Items = std::vector<std::int32_t>;

struct Row {
    const char* name;
    bool filter;
    std::vector<Bytes> reads; // the stream as it arrives, read by read
    Items expected;
};

Items decodeAll(const Row& row) {
    XonXoffFilter filter;
    filter.set(row.filter);
    RxDecoder decoder(filter);
    Items items;
    for (const auto& read : row.reads)
        for (auto b : read)
            if (auto item = decoder.decode(b)) items.push_back(*item);
    return items;
}

std::string rowName(const ::testing::TestParamInfo<Row>& row) {
    return row.param.name;
}

class RxDecoderTable : public ::testing::TestWithParam<Row> {};

TEST_P(RxDecoderTable, DecodesTheStream) {
    EXPECT_EQ(decodeAll(GetParam()), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Framing, RxDecoderTable,
    ::testing::Values(
        Row{"PlainData", false, {{0x41, 0x00, 0x7F, 0xFF}}, {0x41, 0x00, 0x7F, 0xFF}},
        Row{"StatusCode", false, {{0x80, 0x21}}, {0x8021}},
        Row{"StatusCodeMayBeAPrefixByte", false, {{0x80, 0x80, 0x80, 0x81}}, {0x8080, 0x8081}},
        Row{"EscapedPrefix", false, {{0x81, 0x80}}, {0x0080}},
        Row{"EscapeCoversOneByte", false, {{0x81, 0x81, 0x41}}, {0x0081, 0x0041}},
        Row{"PrefixSplitAcrossReads", false, {{0x41, 0x80}, {0x22, 0x42}}, {0x41, 0x8022, 0x42}},
        Row{"EscapeSplitAcrossReads", false, {{0x81}, {0x81}}, {0x0081}},
        Row{"FlowBytesAreDataWithoutFilter", false, {{0x11, 0x13, 0x91}}, {0x11, 0x13, 0x91}}),
    rowName);

INSTANTIATE_TEST_SUITE_P(
    FlowControlFilter, RxDecoderTable,
    ::testing::Values(
        Row{"LoneXonAndXoffVanish", true, {{0x11}, {0x13}}, {}},
        Row{"FlowByteInsidePrefixLeavesIt", true, {{0x80, 0x13, 0x22}}, {0x8022}},
        Row{"FlowByteInsideEscapeLeavesIt", true, {{0x81, 0x11, 0x80}}, {0x0080}},
        Row{"EscapedXon", true, {{0x91, 0x31}}, {0x11}},
        Row{"EscapedXoff", true, {{0x91, 0x33}}, {0x13}},
        Row{"EscapedFlowEscape", true, {{0x91, 0xB1}}, {0x91}},
        Row{"FlowEscapeSplitAcrossReads", true, {{0x41, 0x91}, {0x33, 0x42}}, {0x41, 0x13, 0x42}},
        Row{"EscapedByteCanBeAPrefix", true, {{0x91, 0xA0, 0x05}}, {0x8005}},
        Row{"EscapedByteAfterPrefixIsTheCode", true, {{0x80, 0x91, 0x31}}, {0x8011}},
        Row{"EscapeInsideDataEscape", true, {{0x81, 0x91, 0xB1}}, {0x91}}),
    rowName);

TEST(RxDecoder, FilterChangeAppliesFromTheNextByte) {
    XonXoffFilter filter;
    RxDecoder decoder(filter);
    EXPECT_EQ(decoder.decode(0x11), 0x11);
    filter.set(true);
    EXPECT_EQ(decoder.decode(0x11), std::nullopt);
    EXPECT_EQ(decoder.decode(0x80), std::nullopt);
    filter.set(false);
    EXPECT_EQ(decoder.decode(0x11), 0x8011); // the prefix survived the change
}

// The modem's XOFF holds our output until its XON; the same values escaped,
// or sent while the filter is off, are data and hold nothing.
TEST(RxDecoder, XoffHoldsOutputUntilXonWhileTheFilterIsOn) {
    XonXoffFilter filter;
    RxDecoder decoder(filter);
    decoder.decode(0x13);
    EXPECT_FALSE(filter.holdsOutput());
    filter.set(true);
    decoder.decode(0x13);
    EXPECT_TRUE(filter.holdsOutput());
    decoder.decode(0x91);
    decoder.decode(0x31);
    EXPECT_TRUE(filter.holdsOutput());
    decoder.decode(0x11);
    EXPECT_FALSE(filter.holdsOutput());
    decoder.decode(0x13);
    filter.set(false);
    EXPECT_FALSE(filter.holdsOutput());
}

} // namespace
} // namespace orvane
