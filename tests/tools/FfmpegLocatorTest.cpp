#include "tests/tools/ToolRun.h"
#include "tools/encoder/FfmpegLocator.h"
#include "tools/encoder/ToolPlatform.h"

#include <gtest/gtest.h>

#include <fstream>

using namespace tw::tools;
using tw::tools::test::TempFolder;
using tw::tools::test::Utf8Of;

namespace {

std::string MakeProgram(const std::filesystem::path& folder, const std::string& name) {
    std::filesystem::create_directories(folder);
    std::filesystem::path file = folder / tw::tools::test::FsPath(name);
    std::ofstream(file) << "#!/bin/sh\n";
    std::filesystem::permissions(file, std::filesystem::perms::owner_all);
    return Utf8Of(file);
}

const std::string kName = std::string("ffmpeg") + kExeSuffix;

}  // namespace

TEST(FfmpegLocator, CodecsFolderBesideUsComesFirst) {
    TempFolder root("locate");
    FfmpegSearch search;
    search.ownExecutable = MakeProgram(root.Path() / "程序 目录", kName);
    std::string bundled = MakeProgram(root.Path() / "程序 目录" / "codecs", kName);
    std::string onPath = MakeProgram(root.Path() / "bin", kName);
    search.pathVariable = Utf8Of(root.Path() / "bin");
    EXPECT_EQ(FindFfmpeg(search, nullptr), bundled);

    std::filesystem::remove(tw::tools::test::FsPath(bundled));
    EXPECT_EQ(FindFfmpeg(search, nullptr), onPath);
}

TEST(FfmpegLocator, PathInOrderSkippingOurselvesAndEmptyEntries) {
    TempFolder root("locate");
    FfmpegSearch search;
    // We are called ffmpeg too and our folder is on PATH: never start ourselves.
    search.ownExecutable = MakeProgram(root.Path() / "app", kName);
    std::string second = MakeProgram(root.Path() / "second", kName);
    MakeProgram(root.Path() / "third", kName);
    search.pathVariable = std::string(1, kPathListSeparator) + Utf8Of(root.Path() / "app") + kPathListSeparator +
                          Utf8Of(root.Path() / "nothing") + kPathListSeparator + "\"" + Utf8Of(root.Path() / "second") +
                          "\"" + kPathListSeparator + Utf8Of(root.Path() / "third");
    EXPECT_EQ(FindFfmpeg(search, nullptr), second);
}

TEST(FfmpegLocator, SaysWhereItLookedWhenThereIsNone) {
    TempFolder root("locate");
    FfmpegSearch search;
    search.ownExecutable = MakeProgram(root.Path() / "app", kName);
    std::filesystem::create_directories(root.Path() / "app" / "codecs" / kName);  // a folder, not a program
    search.pathVariable = Utf8Of(root.Path() / "empty");
    std::string lookedIn;
    EXPECT_EQ(FindFfmpeg(search, &lookedIn), "");
    EXPECT_NE(lookedIn.find("codecs"), std::string::npos) << lookedIn;
    EXPECT_NE(lookedIn.find("PATH"), std::string::npos) << lookedIn;
}

TEST(FfmpegLocator, FolderOf) {
    EXPECT_EQ(FolderOf(std::string("x") + kDirSeparator + "y" + kDirSeparator + "tool"),
              std::string("x") + kDirSeparator + "y" + kDirSeparator);
    EXPECT_EQ(FolderOf("tool"), "");
}
