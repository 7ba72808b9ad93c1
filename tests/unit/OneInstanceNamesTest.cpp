#include <gtest/gtest.h>

#include "instance/InstanceNames.h"

using oneinstance::AlreadyRunningText;
using oneinstance::FormMutexNames;
using oneinstance::NameSource;

TEST(OneInstanceNames, TitleGivesGuardAndInstanceNames) {
    const auto names = FormMutexNames({.title = "Tillora POS Stockdraw"});
    EXPECT_EQ(names.guard, "Tillora POS Stockdraw.OneInstance.CriticalSection");
    EXPECT_EQ(names.instance, "Tillora POS Stockdraw.OneInstance.Default");
}

TEST(OneInstanceNames, TitleIsKeptAsItIsWhileThePathIsIgnored) {
    const auto names = FormMutexNames({.title = "mixed Case", .upperExeName = "C:\\OTHER.EXE"});
    EXPECT_EQ(names.instance, "mixed Case.OneInstance.Default");
}

TEST(OneInstanceNames, IdentifierFollowsTheBaseText) {
    const auto names = FormMutexNames({.title = "Stockdraw", .identifier = "Site2"});
    EXPECT_EQ(names.guard, "StockdrawSite2.OneInstance.CriticalSection");
    EXPECT_EQ(names.instance, "StockdrawSite2.OneInstance.Default");
}

TEST(OneInstanceNames, EveryBackslashBecomesAForwardSlash) {
    const auto names = FormMutexNames({.title = "\\\\Till\\ora", .identifier = "id\\x"});
    EXPECT_EQ(names.guard, "//Till/oraid/x.OneInstance.CriticalSection");
    EXPECT_EQ(names.instance, "//Till/oraid/x.OneInstance.Default");
}

TEST(OneInstanceNames, ExeNameAsIdentifierUsesTheUpperCasedProgramPath) {
    const NameSource source{
        .title = "Tillora POS Stockdraw", .upperExeName = "C:\\DIR\\PROG.EXE", .exeNameAsIdentifier = true};
    const auto names = FormMutexNames(source);
    EXPECT_EQ(names.instance, "C:/DIR/PROG.EXE.OneInstance.Default");
    EXPECT_EQ(names.guard, "C:/DIR/PROG.EXE.OneInstance.CriticalSection");

    const NameSource withIdentifier{
        .upperExeName = "C:\\DIR\\PROG.EXE", .exeNameAsIdentifier = true, .identifier = "B"};
    EXPECT_EQ(FormMutexNames(withIdentifier).instance, "C:/DIR/PROG.EXEB.OneInstance.Default");
}

TEST(OneInstanceNames, BuiltInRefusalTextQuotesTheTitle) {
    EXPECT_EQ(AlreadyRunningText("Tillora POS Stockdraw"), "Application \"Tillora POS Stockdraw\" is already running.");
    // The title is inserted as it is, never read as a format of its own.
    EXPECT_EQ(AlreadyRunningText("100% %s"), "Application \"100% %s\" is already running.");
}
