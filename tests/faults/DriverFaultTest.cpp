// Where the board driver comes from, and a driver file that is no library.
#include "ProgramWindow.h"
#include "setupctrls/HelpForm.h"
#include "setupctrls/PCIForm.h"
#include "tornix/Tornix.h"
#include "tornix/TornixTesting.h"
#include "vcl/Label.h"
#include "vcl/Memo.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <ostream>

using FaultTesting::ProgramWindow;

namespace {

void WriteFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
}

class DriverFileIsNoLibrary : public ProgramWindow
{
protected:
    void SetUp() override
    {
        ProgramWindow::SetUp();
        ASSERT_TRUE(dir.isValid());
        const QString file = dir.filePath(QStringLiteral(TORNIX_DEFAULT_FILE_NAME));
        WriteFile(file, "This is not a library.\n");
        Tornix::ResetBoardDriverForTests();
        Tornix::OverrideLibraryPathForTests(file.toStdString());
    }
    void TearDown() override
    {
        Tornix::OverrideLibraryPathForTests({});
        Tornix::ResetBoardDriverForTests();
        ProgramWindow::TearDown();
    }
    QTemporaryDir dir;
};

} // namespace

// As with no driver at all: nothing is reported, the list says no card was found, the host is
// not asked, and the program goes on to show its help window.
TEST_F(DriverFileIsNoLibrary, ListsNoCardQuietlyAndTheProgramGoesOn)
{
    int asked = 0;
    form->SetSup->OnGetCardString = [&](TObject*, std::int32_t) {
        ++asked;
        return QStringLiteral("a card");
    };
    ShowAndRunFirstIdle(); // a message box would fail the test
    EXPECT_FALSE(Tornix::DriverLoaded());
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(form->SetSup->PCIForm()->PCIMemo()->Lines().ToStringList(),
        QStringList {QStringLiteral("No Card Found")});
    EXPECT_EQ(
        form->SetSup->HeaderLabel()->Caption(), QStringLiteral("No ZX-4410 Series Card Found"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->SetSup->HelpForm()->Visible(); }, 2000));
}

namespace {

// The places a user's environment could point the program at, each holding a complete driver.
// The loader reads its search path once, at process start, so every row starts a fresh probe.
struct SearchRow
{
    const char* Case;
    const char* Variable; // set to the driver's folder, or null
    bool ProbeInTheFolder; // the probe runs from a copy next to the driver
    bool Loaded;
    friend void PrintTo(const SearchRow& row, std::ostream* out) { *out << row.Case; }
};

class DriverSearch : public ::testing::TestWithParam<SearchRow>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(driverDir.isValid());
        ASSERT_TRUE(workDir.isValid());
        const QString driver = QStringLiteral(TORNIX_STANDIN_FULL);
        // Wherever a search might look inside the folder.
        for (const char* sub : {"", "lib", ".local/lib", "bin"}) {
            const QString folder = driverDir.filePath(QString::fromLatin1(sub));
            ASSERT_TRUE(QDir().mkpath(folder));
            ASSERT_TRUE(QFile::copy(driver, folder + QStringLiteral("/" TORNIX_DEFAULT_FILE_NAME)));
        }
        // The same in the current directory, for the rows that change it.
        ASSERT_TRUE(
            QFile::copy(driver, workDir.filePath(QStringLiteral(TORNIX_DEFAULT_FILE_NAME))));
    }

    // Runs the probe; true when it found the driver.
    bool ProbeFindsTheDriver(const QProcessEnvironment& environment, const QString& program)
    {
        QProcess probe;
        probe.setProcessEnvironment(environment);
        probe.setWorkingDirectory(workDir.path());
        probe.start(program, {});
        EXPECT_TRUE(probe.waitForFinished(30000));
        EXPECT_EQ(probe.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(probe.readAllStandardError(), QByteArray());
        return probe.exitCode() == 0;
    }

    QTemporaryDir driverDir;
    QTemporaryDir workDir;
};

} // namespace

TEST_P(DriverSearch, LooksOnlyWhereTheSystemLoaderLooks)
{
    const SearchRow& row = GetParam();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
    const QString folder = driverDir.path();
    // Every ordinary place a user's environment names.
    environment.insert(QStringLiteral("HOME"), folder);
    environment.insert(QStringLiteral("PATH"),
        folder + QStringLiteral("/bin:") + environment.value(QStringLiteral("PATH")));
    for (const char* xdg : {"XDG_DATA_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS", "XDG_CONFIG_DIRS"})
        environment.insert(QString::fromLatin1(xdg), folder);
    if (row.Variable) {
        const QString value = QString::fromLatin1(row.Variable);
        environment.insert(value.section(QLatin1Char('='), 0, 0),
            value.section(QLatin1Char('='), 1).replace(QStringLiteral("{dir}"), folder));
    }
    QString program = QStringLiteral(TORNIX_PROBE);
    if (row.ProbeInTheFolder) {
        const QString copy = driverDir.filePath(QStringLiteral("tornix_probe"));
        ASSERT_TRUE(QFile::copy(program, copy));
        program = copy;
    }
    EXPECT_EQ(ProbeFindsTheDriver(environment, program), row.Loaded);
}

INSTANTIATE_TEST_SUITE_P(Places, DriverSearch,
    ::testing::Values(
        // Home, PATH, the XDG folders and the current directory hold a driver: not used.
        SearchRow {"OrdinaryEnvironment", nullptr, false, false},
        // Nor next to the program: the loader does not search the program's own folder.
        SearchRow {"NextToTheProgram", nullptr, true, false},
        // Variables the loader does not read for a library search.
        SearchRow {"LibraryPathOfOtherTools", "LIBRARY_PATH={dir}", false, false},
        // The loader's standard search honours LD_LIBRARY_PATH, by design.
        SearchRow {"LoaderPath", "LD_LIBRARY_PATH={dir}", false, true},
        // And to the loader an empty element of it means the current directory: that is the
        // user's own choice of search, not the program's.
        SearchRow {"LoaderPathWithAnEmptyElement", "LD_LIBRARY_PATH=/nonexistent:", false, true}),
    [](const auto& info) { return std::string(info.param.Case); });
