#include "config/IniFile.h"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

using namespace std::string_literals;

TEST(IniFile, ReadsKeysOfTheirOwnSectionWithLfCrLfOrCrLineEnds) {
    for (const char* text : {"[a]\nk=1\n[b]\nk=2\n", "[a]\r\nk=1\r\n[b]\r\nk=2\r\n",
                             "[a]\nk=1\r\n[b]\r\nk=2", "[a]\rk=1\r[b]\rk=2\r"}) {
        const IniFile ini = IniFile::parse(text);
        EXPECT_EQ(ini.value("a", "k"), "1") << text;
        EXPECT_EQ(ini.value("b", "k"), "2") << text;
        EXPECT_EQ(ini.value("c", "k"), std::nullopt) << text;
        EXPECT_EQ(ini.value("a", "x"), std::nullopt) << text;
    }
}

TEST(IniFile, SectionAndKeyNamesIgnoreLetterCaseButValuesKeepIt) {
    const IniFile ini = IniFile::parse("[Adaptive ARQ]\nautobias=Fast\n");
    EXPECT_EQ(ini.value("adaptive arq", "AutoBias"), "Fast");
}

TEST(IniFile, BlanksAroundNamesAndValuesAreDroppedButNotInside) {
    const IniFile ini = IniFile::parse(" [ adaptive arq ] \n\t AutoBias \t=  CR LF LTRS \t\r\n");
    EXPECT_EQ(ini.value("adaptive arq", "AutoBias"), "CR LF LTRS");
}

TEST(IniFile, AnEmptyValueIsPresentAndEmpty) {
    const IniFile ini = IniFile::parse("[system]\nComPort=\nCode=   \n");
    EXPECT_EQ(ini.value("system", "ComPort"), "");
    EXPECT_EQ(ini.value("system", "Code"), "");
}

TEST(IniFile, QuotesAndEqualsSignsInAValueAreKept) {
    const IniFile ini = IniFile::parse("[c]\nlist=\"W1 AW\",K2XX,\"A,B\"\nq='x'\neq=a=b\n");
    EXPECT_EQ(ini.value("c", "list"), "\"W1 AW\",K2XX,\"A,B\"");
    EXPECT_EQ(ini.value("c", "q"), "'x'");
    EXPECT_EQ(ini.value("c", "eq"), "a=b");
}

TEST(IniFile, TheFirstOccurrenceOfAKeyWinsAcrossRepeatedSections) {
    const IniFile ini =
        IniFile::parse("[s]\nk=first\nk=second\n[t]\nk=other\n[S]\nk=third\nj=late\n");
    EXPECT_EQ(ini.value("s", "k"), "first");
    EXPECT_EQ(ini.value("s", "j"), "late");
    EXPECT_EQ(ini.value("t", "k"), "other");
}

TEST(IniFile, JunkLinesAreIgnored) {
    const IniFile ini = IniFile::parse("k=before any section\n"
                                       "[s\n" // no closing bracket: not a section
                                       "k=still no section\n"
                                       "[s]\n"
                                       "; k=comment\n"
                                       "no equals sign\n"
                                       "=no key\n"
                                       "[]\n"
                                       "k=in the empty-named section\n");
    EXPECT_EQ(ini.value("s", "k"), std::nullopt);
    EXPECT_EQ(ini.value("", "k"), "in the empty-named section");
    EXPECT_EQ(ini.value("s", ""), std::nullopt);
    ASSERT_TRUE(ini.firstIgnoredLine());
    EXPECT_EQ(ini.firstIgnoredLine()->number, 1);
    EXPECT_EQ(ini.firstIgnoredLine()->text, "k=before any section");
}

TEST(IniFile, AByteOrderMarkIsSkippedAndAValueEndsAtNul) {
    const IniFile ini = IniFile::parse("\xEF\xBB\xBF[s]\nk=ab\0cd\nj=2\n"s);
    EXPECT_EQ(ini.value("s", "k"), "ab");
    EXPECT_EQ(ini.value("s", "j"), "2");
}

TEST(IniFile, LongLinesAndBinaryJunkDoNotDisturbTheKeysAroundThem) {
    std::string text =
        "[s]\na=1\n" + std::string(1 << 20, 'x') + "\nlong=" + std::string(100000, 'y') + "\n";
    for (int byte = 0; byte < 256; ++byte)
        text += static_cast<char>(byte);
    text += "\n[s]\nb=2\n";
    const IniFile ini = IniFile::parse(text);
    EXPECT_EQ(ini.value("s", "a"), "1");
    EXPECT_EQ(ini.value("s", "long")->size(), 100000u);
    EXPECT_EQ(ini.value("s", "b"), "2");
}

} // namespace
} // namespace orvane
