// skingen: builds one skin from its design text into a folder (INI and bitmaps) and, when the
// package builder is part of the build, into a package file.
#include <cstdio>
#include <exception>
#include <string>

#include "tools/skingen/SkinBuilder.h"
#include "tools/skingen/SkinFolder.h"
#include "tools/skingen/Theme.h"

#ifdef TW_HAVE_SKINPACKAGE
#include "skin/package/SkinPackageWriter.h"
#endif

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: skingen DESIGN OUTPUT_FOLDER [PACKAGE_FILE]\n");
        return 2;
    }
    try {
        using namespace tw::skingen;
        const TTheme theme = LoadTheme(ReadTextFile(argv[1]));
        // The INI text and every bitmap are encoded once, for the folder and the package alike.
        const TSkinMembers files = BuildSkin(theme).Members();
        WriteSkinFolder(files, argv[2]);
        if (argc == 4) {
#ifdef TW_HAVE_SKINPACKAGE
            std::vector<tw::TSkinMember> members;
            size_t expanded = 0;
            for (const auto& [name, bytes] : files) {
                expanded += bytes.size();
                members.push_back({name, bytes});
            }
            const std::vector<uint8_t> package = tw::BuildSkinPackage(members);
            WriteFileAtomically(argv[3], package);
            std::printf("%s: %zu members, %zu bytes of members, package %zu bytes\n", theme.Name.c_str(),
                        members.size(), expanded, package.size());
#else
            std::fprintf(stderr, "skingen: this build has no package builder; %s not written\n", argv[3]);
            return 1;
#endif
        }
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "skingen: %s: %s\n", argv[1], e.what());
        return 1;
    }
}
