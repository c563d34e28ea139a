#include "tornix/Tornix.h"
#include "tornix/TornixTesting.h"

#include "EntryPointList.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

#define TORNIX_NAME_OF(name) #name,
const std::vector<std::string> DriverTableNames
    = {TORNIX_ENTRY_POINT_LIST(TORNIX_NAME_OF, TORNIX_NAME_OF)};
#undef TORNIX_NAME_OF

// A fresh directory that is removed again with everything in it.
class TempDir
{
public:
    TempDir()
    {
        std::string pattern = (fs::temp_directory_path() / "tornix-test-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary directory");
        path_ = pattern;
    }
    ~TempDir() { fs::remove_all(path_); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const fs::path& Path() const { return path_; }

private:
    fs::path path_;
};

// Works in another current directory and returns to the previous one.
class CurrentDirectoryScope
{
public:
    explicit CurrentDirectoryScope(const fs::path& directory) : previous_(fs::current_path())
    {
        fs::current_path(directory);
    }
    ~CurrentDirectoryScope() { fs::current_path(previous_); }
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

private:
    fs::path previous_;
};

// The address the already loaded stand-in at path exports under name, straight from the loader.
void* ExportOf(const char* path, const char* name)
{
    void* library = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (library == nullptr)
        return nullptr;
    void* address = dlsym(library, name);
    dlclose(library); // only drops the reference RTLD_NOLOAD added
    return address;
}

void LoadBoardDriverFrom(const std::string& path)
{
    Tornix::OverrideLibraryPathForTests(path);
    Tornix::LoadBoardDriver();
}

class TornixTest : public ::testing::Test
{
protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }

private:
    static void Forget()
    {
        Tornix::ResetBoardDriverForTests();
        Tornix::OverrideLibraryPathForTests("");
    }
};

TEST_F(TornixTest, EntryPointsAreLookedUpInTheDriverTableOrder)
{
    const std::vector<std::string> lookedUp(
        Tornix::EntryPointNames.begin(), Tornix::EntryPointNames.end());
    EXPECT_EQ(lookedUp, DriverTableNames);
}

TEST_F(TornixTest, NothingIsResolvedBeforeALoad)
{
    EXPECT_FALSE(Tornix::DriverLoaded());
    EXPECT_EQ(Tornix::GetNumCards(), nullptr);
    for (const char* name : Tornix::EntryPointNames)
        EXPECT_EQ(Tornix::EntryPoint(name), nullptr) << name;
}

TEST_F(TornixTest, FullDriverResolvesEveryEntryPointToItsExport)
{
    LoadBoardDriverFrom(TORNIX_STANDIN_FULL);

    EXPECT_TRUE(Tornix::DriverLoaded());
    for (std::size_t index = 0; index < Tornix::EntryPointNames.size(); ++index) {
        const char* name = Tornix::EntryPointNames[index];
        void* exported = ExportOf(TORNIX_STANDIN_FULL, name);
        ASSERT_NE(exported, nullptr) << name;
        EXPECT_EQ(Tornix::EntryPoint(index), exported) << name;
        EXPECT_EQ(Tornix::EntryPoint(name), exported) << name;
    }
    ASSERT_NE(Tornix::GetNumCards(), nullptr);
    EXPECT_EQ(Tornix::GetNumCards()(), 2);
}

TEST_F(TornixTest, SecondLoadDoesNothingOnceLoaded)
{
    LoadBoardDriverFrom(TORNIX_STANDIN_FULL);
    // Another complete driver would change the count if it were loaded and looked up.
    LoadBoardDriverFrom(TORNIX_STANDIN_ZERO_CARDS);

    EXPECT_TRUE(Tornix::DriverLoaded());
    EXPECT_EQ(Tornix::GetNumCards()(), 2);
    EXPECT_EQ(
        Tornix::EntryPoint("RelOutPortDWord"), ExportOf(TORNIX_STANDIN_FULL, "RelOutPortDWord"));
}

struct PartialDriver
{
    const char* label;
    const char* path;
    const char* missing;
    friend void PrintTo(const PartialDriver& row, std::ostream* out) { *out << row.label; }
};

class TornixPartialDriverTest : public TornixTest,
                                public ::testing::WithParamInterface<PartialDriver>
{
};

TEST_P(TornixPartialDriverTest, FoundNamesAreUsableButTheDriverIsNotLoaded)
{
    const PartialDriver& driver = GetParam();
    LoadBoardDriverFrom(driver.path);

    EXPECT_FALSE(Tornix::DriverLoaded());
    for (const char* name : Tornix::EntryPointNames) {
        if (std::string_view(name) == driver.missing) {
            EXPECT_EQ(Tornix::EntryPoint(name), nullptr) << name;
        } else {
            void* exported = ExportOf(driver.path, name);
            ASSERT_NE(exported, nullptr) << name;
            EXPECT_EQ(Tornix::EntryPoint(name), exported) << name;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Drivers, TornixPartialDriverTest,
    ::testing::Values(PartialDriver {"WithoutRelOutPortDWord", TORNIX_STANDIN_NO_RELOUTPORTDWORD,
                          "RelOutPortDWord"},
        PartialDriver {"WithoutGetNumCards", TORNIX_STANDIN_NO_GETNUMCARDS, "GetNumCards"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(TornixTest, DriverLackingOnlyAnotherNameStillCountsCards)
{
    LoadBoardDriverFrom(TORNIX_STANDIN_NO_RELOUTPORTDWORD);

    ASSERT_FALSE(Tornix::DriverLoaded());
    ASSERT_NE(Tornix::GetNumCards(), nullptr);
    EXPECT_EQ(Tornix::GetNumCards()(), 2);
}

TEST_F(TornixTest, LaterLoadAfterPartialFailureLooksUpAgain)
{
    LoadBoardDriverFrom(TORNIX_STANDIN_NO_RELOUTPORTDWORD);
    LoadBoardDriverFrom(TORNIX_STANDIN_ZERO_CARDS);

    EXPECT_TRUE(Tornix::DriverLoaded());
    EXPECT_EQ(Tornix::GetNumCards()(), 0);
    EXPECT_EQ(Tornix::EntryPoint("RelOutPortDWord"),
        ExportOf(TORNIX_STANDIN_ZERO_CARDS, "RelOutPortDWord"));
}

TEST_F(TornixTest, FailedLoadKeepsTheEarlierReferences)
{
    TempDir dir;
    LoadBoardDriverFrom(TORNIX_STANDIN_NO_RELOUTPORTDWORD);
    LoadBoardDriverFrom((dir.Path() / TORNIX_DEFAULT_FILE_NAME).string());

    EXPECT_FALSE(Tornix::DriverLoaded());
    ASSERT_NE(Tornix::GetNumCards(), nullptr);
    EXPECT_EQ(Tornix::GetNumCards()(), 2);
    EXPECT_EQ(Tornix::EntryPoint("RelOutPortDWord"), nullptr);
}

struct UnloadableFile
{
    const char* label;
    std::optional<std::string> contents; // none: the file does not exist
    friend void PrintTo(const UnloadableFile& row, std::ostream* out) { *out << row.label; }
};

class TornixUnloadableTest : public TornixTest, public ::testing::WithParamInterface<UnloadableFile>
{
};

TEST_P(TornixUnloadableTest, LoadFailsQuietlyAndResolvesNothing)
{
    TempDir dir;
    const fs::path file = dir.Path() / TORNIX_DEFAULT_FILE_NAME;
    if (GetParam().contents)
        std::ofstream(file) << *GetParam().contents;

    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    LoadBoardDriverFrom(file.string());
    const std::string printed
        = ::testing::internal::GetCapturedStdout() + ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(printed, "");
    EXPECT_FALSE(Tornix::DriverLoaded());
    for (const char* name : Tornix::EntryPointNames)
        EXPECT_EQ(Tornix::EntryPoint(name), nullptr) << name;
}

INSTANTIATE_TEST_SUITE_P(Files, TornixUnloadableTest,
    ::testing::Values(UnloadableFile {"Missing", std::nullopt},
        UnloadableFile {"TextFile", "This is not a library.\n"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(TornixTest, DefaultNameIsNotLoadedFromTheCurrentDirectory)
{
    TempDir dir;
    fs::copy_file(TORNIX_STANDIN_FULL, dir.Path() / TORNIX_DEFAULT_FILE_NAME);
    CurrentDirectoryScope inDir(dir.Path());

    Tornix::LoadBoardDriver();

    EXPECT_FALSE(Tornix::DriverLoaded());
    EXPECT_EQ(Tornix::GetNumCards(), nullptr);
}

struct CardCount
{
    const char* label;
    const char* path;
    std::int32_t count;
    friend void PrintTo(const CardCount& row, std::ostream* out) { *out << row.label; }
};

class TornixCardCountTest : public TornixTest, public ::testing::WithParamInterface<CardCount>
{
};

TEST_P(TornixCardCountTest, GetNumCardsAnswersTheDriversCount)
{
    LoadBoardDriverFrom(GetParam().path);

    ASSERT_TRUE(Tornix::DriverLoaded());
    EXPECT_EQ(Tornix::GetNumCards()(), GetParam().count);
}

INSTANTIATE_TEST_SUITE_P(Drivers, TornixCardCountTest,
    ::testing::Values(CardCount {"TwoCards", TORNIX_STANDIN_FULL, 2},
        CardCount {"NoCards", TORNIX_STANDIN_ZERO_CARDS, 0},
        CardCount {"Negative", TORNIX_STANDIN_NEGATIVE_COUNT, -1},
        CardCount {"Huge", TORNIX_STANDIN_HUGE_COUNT, 0x7fffffff}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(TornixTest, UnknownEntryPointsAreRejected)
{
    EXPECT_THROW(Tornix::EntryPoint(Tornix::EntryPointNames.size()), std::out_of_range);
    EXPECT_THROW(Tornix::EntryPoint("getnumcards"), std::invalid_argument);
}

} // namespace
