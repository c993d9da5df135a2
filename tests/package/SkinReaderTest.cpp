#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "skin/package/Lzh.h"
#include "skin/package/LzhCoder.h"
#include "skin/package/SkinMessage.h"
#include "skin/package/SkinPackageWriter.h"
#include "skin/package/SkinReader.h"
#include "tests/package/TestData.h"

using tw::TMemoryStream;
using tw::TSkinMember;
using tw::TSkinReader;

namespace {

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

std::string Text(const TMemoryStream& s) { return s.ToString(); }

// Records skin messages for the life of a test.
class MessageRecorder {
public:
    MessageRecorder() {
        old_ = tw::SetSkinMessageHook([this](const std::string& text) { messages.push_back(text); });
    }
    ~MessageRecorder() { tw::SetSkinMessageHook(std::move(old_)); }
    std::vector<std::string> messages;

private:
    tw::TSkinMessageHook old_;
};

void Put32(std::vector<uint8_t>& v, int32_t x) {
    for (int i = 0; i < 4; ++i) v.push_back(static_cast<uint8_t>(static_cast<uint32_t>(x) >> (8 * i)));
}

// An archive laid out by hand, so damaged ones can be made: names as given, sizes as given.
std::vector<uint8_t> RawArchive(int32_t version, const std::string& names, const std::vector<int32_t>& sizes,
                                const std::string& contents, std::optional<int32_t> namesLength = {}) {
    std::vector<uint8_t> a;
    Put32(a, version);
    Put32(a, namesLength.value_or(static_cast<int32_t>(names.size())));
    Put32(a, 0x12345678);  // reserved words carry anything
    Put32(a, -1);
    a.insert(a.end(), names.begin(), names.end());
    for (int32_t s : sizes) Put32(a, s);
    a.insert(a.end(), contents.begin(), contents.end());
    return a;
}

TMemoryStream Package(const std::vector<uint8_t>& archive) { return TMemoryStream(tw::PackLzh(archive)); }

TMemoryStream TwoMemberPackage() { return Package(RawArchive(20000, "A.INI\r\nPic.bmp\r\n", {5, 3}, "[a]\r\nBMP")); }

}  // namespace

TEST(SkinReader, FindsMembersIgnoringCaseOfTheName) {
    TMemoryStream package = TwoMemberPackage();
    TSkinReader reader;
    ASSERT_TRUE(reader.Open(package));
    ASSERT_EQ(reader.Count(), 2);
    EXPECT_EQ(reader.Names(0), "a.ini");
    EXPECT_EQ(reader.Names(1), "pic.bmp");

    TMemoryStream target;
    reader.ExtractMember("pic.BMP", target);
    EXPECT_EQ(Text(target), "BMP");
    EXPECT_EQ(target.Position(), 0u);

    std::string found = "unchanged";
    EXPECT_TRUE(reader.ExtractFirstMatch(".ini", target, found));
    EXPECT_EQ(found, "a.ini");
    EXPECT_EQ(Text(target), "[a]\r\n");
}

TEST(SkinReader, MissingMembersAndCapitalPartsLeaveTargetEmpty) {
    TMemoryStream package = TwoMemberPackage();
    TSkinReader reader;
    ASSERT_TRUE(reader.Open(package));
    TMemoryStream target;
    target.Write("old", 3);
    reader.ExtractMember("none.bmp", target);
    EXPECT_EQ(target.Size(), 0u);

    std::string found = "unchanged";
    target.Write("old", 3);
    EXPECT_FALSE(reader.ExtractFirstMatch(".INI", target, found));
    EXPECT_EQ(target.Size(), 0u);
    EXPECT_EQ(found, "unchanged");
}

TEST(SkinReader, DuplicateNamesGiveTheFirstAndEmptyMembersExtractEmpty) {
    TMemoryStream package = Package(RawArchive(20000, "x.bmp\ry.bmp\nX.BMP\r\nempty.ini", {2, 1, 3, 0},
                                               "11"
                                               "2"
                                               "333"));
    TSkinReader reader;
    ASSERT_TRUE(reader.Open(package));
    ASSERT_EQ(reader.Count(), 4);  // lone CR and LF end names too; no line end after the last
    TMemoryStream target;
    reader.ExtractMember("X.bmp", target);
    EXPECT_EQ(Text(target), "11");
    std::string found;
    reader.ExtractFirstMatch("x.", target, found);
    EXPECT_EQ(Text(target), "11");
    reader.ExtractMember("empty.ini", target);
    EXPECT_EQ(target.Size(), 0u);
    reader.ExtractIndex(2, target);
    EXPECT_EQ(Text(target), "333");
}

TEST(SkinReader, OlderVersionShowsTheMessageAndKeepsPreviousContents) {
    MessageRecorder recorder;
    TMemoryStream good = TwoMemberPackage();
    TSkinReader reader;
    ASSERT_TRUE(reader.Open(good));
    TMemoryStream old = Package(RawArchive(19999, "b.ini\r\n", {1}, "x"));
    EXPECT_FALSE(reader.Open(old));
    ASSERT_EQ(recorder.messages.size(), 1u);
    EXPECT_EQ(recorder.messages[0], "This is Older Skin File\rPlease update to new version !");
    EXPECT_EQ(reader.Count(), 2);
    TMemoryStream target;
    reader.ExtractMember("a.ini", target);
    EXPECT_EQ(Text(target), "[a]\r\n");
}

TEST(SkinReader, ReadsFromTheStartWhateverThePosition) {
    TMemoryStream package = TwoMemberPackage();
    package.SetPosition(package.Size());
    TSkinReader reader;
    EXPECT_TRUE(reader.Open(package));
}

// Each of these is refused (false) without a message and without touching a byte outside the
// expanded archive.
TEST(SkinReader, RefusesMalformedArchives) {
    MessageRecorder recorder;
    struct Case {
        const char* what;
        std::vector<uint8_t> archive;
    };
    std::string many;
    for (int i = 0; i < 1002; ++i) many += "m" + std::to_string(i) + "\r\n";
    const std::vector<Case> cases = {
        {"shorter than the header", {0x20, 0x4E, 0, 0, 5, 0, 0}},
        {"names reach past the end", RawArchive(20000, "a.ini\r\n", {}, "", 500)},
        {"negative names length", RawArchive(20000, "a.ini\r\n", {0}, "", -7)},
        {"sizes reach past the end", RawArchive(20000, "a.ini\r\nb.bmp\r\n", {1}, "")},
        {"member reaches past the end", RawArchive(20000, "a.ini\r\n", {10}, "short")},
        {"negative size", RawArchive(20000, "a.ini\r\nb.bmp\r\n", {-1, 2}, "xx")},
        {"sizes add up past the end", RawArchive(20000, "a\r\nb\r\n", {0x7FFFFFFF, 0x7FFFFFFF}, "xx")},
        {"more than 1001 members", RawArchive(20000, many, std::vector<int32_t>(1002, 0), "")},
    };
    for (const Case& c : cases) {
        TMemoryStream package = Package(c.archive);
        TSkinReader reader;
        EXPECT_FALSE(reader.Open(package)) << c.what;
        EXPECT_EQ(reader.Count(), 0) << c.what;
    }
    EXPECT_TRUE(recorder.messages.empty());
}

TEST(SkinReader, RefusesDamagedPackages) {
    TSkinReader reader;
    TMemoryStream empty;
    EXPECT_FALSE(reader.Open(empty));
    TMemoryStream three(std::vector<uint8_t>{1, 2, 3});
    EXPECT_FALSE(reader.Open(three));
    // An expanded size above the cap is refused before anything is allocated.
    TMemoryStream huge(std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF, 0, 0});
    EXPECT_FALSE(reader.Open(huge));
    // Truncated coding: the archive expands from zero bits and no longer reads as version 20000.
    auto bytes = TwoMemberPackage().Bytes();
    bytes.resize(6);
    TMemoryStream truncated(bytes);
    EXPECT_FALSE(reader.Open(truncated));
}

TEST(SkinReader, AcceptsExactly1001MembersAndTrailingBytes) {
    std::vector<TSkinMember> members;
    for (int i = 0; i < 1001; ++i) members.push_back({"m" + std::to_string(i) + ".bmp", {static_cast<uint8_t>(i)}});
    TMemoryStream package(tw::BuildSkinPackage(members));
    TSkinReader reader;
    ASSERT_TRUE(reader.Open(package));
    EXPECT_EQ(reader.Count(), 1001);
    TMemoryStream target;
    reader.ExtractMember("M1000.BMP", target);
    EXPECT_EQ(target.Bytes(), std::vector<uint8_t>{static_cast<uint8_t>(1000 & 0xFF)});

    TMemoryStream trailing = Package(RawArchive(20000, "a.ini\r\n", {2}, "abTRAILING"));
    ASSERT_TRUE(reader.Open(trailing));
    reader.ExtractMember("a.ini", target);
    EXPECT_EQ(Text(target), "ab");
}

TEST(SkinPackageWriter, BuildsWhatTheReaderReadsBack) {
    const std::vector<TSkinMember> members = {
        {"Skin.ini", Bytes("[Form]\r\nImage=frame.bmp\r\n")},
        {"frame.bmp", testdata::Bitmap(64, 40, 1)},
        {"empty.bmp", {}},
        {"btn.bmp", testdata::Bitmap(30, 90, 2)},
    };
    const std::vector<uint8_t> archive = tw::BuildSkinArchive(members);
    int32_t version = 0;
    std::memcpy(&version, archive.data(), 4);
    EXPECT_EQ(version, 20000);

    TMemoryStream package(tw::BuildSkinPackage(members));
    TSkinReader reader;
    ASSERT_TRUE(reader.Open(package));
    ASSERT_EQ(reader.Count(), 4);
    for (const TSkinMember& m : members) {
        TMemoryStream target;
        reader.ExtractMember(m.Name, target);
        EXPECT_EQ(target.Bytes(), m.Data) << m.Name;
    }
    EXPECT_LT(package.Size(), archive.size() / 3);
}

TEST(SkinPackageWriter, RefusesMembersItCannotRepresent) {
    EXPECT_THROW(tw::BuildSkinArchive({{"", {1}}}), tw::Exception);
    EXPECT_THROW(tw::BuildSkinArchive({{"a\r\nb.bmp", {1}}}), tw::Exception);
    EXPECT_THROW(tw::BuildSkinArchive({{std::string("a\0b", 3), {1}}}), tw::Exception);
    EXPECT_THROW(tw::BuildSkinArchive(std::vector<TSkinMember>(1002, TSkinMember{"a.bmp", {}})), tw::Exception);
}
