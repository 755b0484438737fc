// The export file's name rules: file types by filter index, extensions and
// the folder-and-drive mapping of the built-in default names.
#include <gtest/gtest.h>

#include <QDir>

#include "app/export_file_rules.h"
#include "app/platform_file_names.h"
#include "qt_printers.h"

namespace billpay::gui {
namespace {

TEST(ExportFileRules, FilterIndexAndExtensionBothWays) {
    struct Case {
        const char* extension;
        int index;
    };
    const Case cases[] = {{".txt", 1}, {".DAT", 2}, {".afi", 3}, {".Pc1", 4}, {".csv", 5},
                          {".kbb", 6}, {"", 6},     {".", 6},    {"txt", 6}};
    for (const Case& c : cases) EXPECT_EQ(FilterIndexForExt(c.extension), c.index) << c.extension;

    const char* extensions[] = {"", ".txt", ".dat", ".afi", ".pc1", ".csv", "", ""};
    for (int index = 0; index <= 7; ++index) EXPECT_EQ(ExtForFilterIndex(index), extensions[index]) << index;
}

TEST(ExportFileRules, ChosenFileTypeWinsExceptUnderAllFiles) {
    struct Case {
        const char* chosen;
        int index;
        const char* result;
    };
    const Case cases[] = {
        {"/x/pay", 2, "/x/pay.dat"},
        {"/x/pay.txt", 5, "/x/pay.csv"},
        {"/x/pay.kbb", 6, "/x/pay.kbb"},
        {"/x/pay", 6, "/x/pay"},
        {"/x/pay.TXT", 1, "/x/pay.txt"},
        {"/x.y/pay", 3, "/x.y/pay.afi"},                      // a dot in a folder name is no extension
        {"/x.y/pay.2026.12.txt", 2, "/x.y/pay.2026.12.dat"},  // only the last dot of the file name counts
        {"/x/pay.", 1, "/x/pay.txt"},
    };
    for (const Case& c : cases) EXPECT_EQ(ApplyChosenFileType(c.chosen, c.index), c.result) << c.chosen;
}

TEST(ExportFileRules, NamePartsAndFolders) {
    EXPECT_EQ(ExtensionOf("/a.b/c"), "");
    EXPECT_EQ(ExtensionOf("/a/c.AFI"), ".afi");
    EXPECT_EQ(FileNamePart("/srv/pay/wages.txt"), "wages.txt");
    EXPECT_EQ(DirectoryPart("/srv/pay/wages.txt"), "/srv/pay/");
    EXPECT_EQ(DirectoryPart("wages.txt"), "");
    EXPECT_TRUE(EndsWithPathDelimiter("/srv/pay/"));
    EXPECT_FALSE(EndsWithPathDelimiter(""));
#ifdef Q_OS_WIN
    EXPECT_TRUE(EndsWithPathDelimiter("C:\\pay\\"));
#else
    EXPECT_FALSE(EndsWithPathDelimiter("C:\\pay\\"));  // a backslash is part of a file name here
#endif
}

TEST(PlatformFileNames, DriveOfTheDefaultNamesBecomesTheHomeFolder) {
    struct Case {
        const char* name;
        const char* mapped;  // relative to the home folder; nullptr: unchanged
    };
    const Case cases[] = {{"C:\\Bankfile.ABA", "Bankfile.ABA"},
                          {"A:\\bankfile.afi", "bankfile.afi"},
                          {"A:\\PTMD0001.dat", "PTMD0001.dat"},
                          {"/srv/pay/wages.txt", nullptr},
                          {"bankfile.txt", nullptr}};
    for (const Case& c : cases) {
#ifdef Q_OS_WIN
        EXPECT_EQ(PlatformFileName(c.name), c.name);
#else
        EXPECT_EQ(PlatformFileName(c.name), c.mapped ? QDir::home().filePath(c.mapped) : QString(c.name))
            << c.name;
#endif
    }
}

}  // namespace
}  // namespace billpay::gui
