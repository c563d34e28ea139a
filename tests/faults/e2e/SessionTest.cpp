// Whole sessions of the real program on a private Xvfb screen, driven as a person would: every
// window opened once, then File > Exit. The program ends with 0 and a clean report (in the
// sanitized build the program is sanitized too, and LeakSanitizer checks its real exit), writes
// no file, and takes no command-line argument for an instruction.
#include "support/XTesting.h"
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

using namespace XTesting;

namespace {

constexpr const char* HelpCaption = "Instructions for Settings utility";
constexpr const char* TechCaption = "Technical Support";
constexpr const char* ConnectCaption = "Connecting The Watchdog";
constexpr const char* EnableCaption = "Relay Enabling";
// Where the menu bar's titles stand, from the left edge of the screen.
constexpr int FileMenuX = 18;
constexpr int HelpMenuX = 106;

WindowGeometry GeometryOfWindow(const char* caption)
{
    return GeometryOf(WindowId(QString::fromLatin1(caption)));
}

// Clicks a popup's Next button: 58 x 25, centred, 44 pixels above the bottom.
void ClickNext(const char* caption)
{
    const WindowGeometry popup = GeometryOfWindow(caption);
    Click(popup.x + (popup.width - 58) / 2 + 29, popup.y + popup.height - 44 + 12);
}

// The value a running process was started with for an environment variable.
QString EnvironmentOf(qint64 pid, const QByteArray& variable)
{
    QFile file(QStringLiteral("/proc/%1/environ").arg(pid));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray& entry : file.readAll().split('\0'))
        if (entry.startsWith(variable + '='))
            return QString::fromLocal8Bit(entry.mid(variable.size() + 1));
    return {};
}

class Session : public ::testing::Test
{
protected:
    void TearDown() override
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished();
        }
    }

    // Starts the program and waits for its main window and its help window.
    void Start(const QStringList& arguments = {},
        const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
    {
        MoveMouse(1279, 1023);
        process.setProcessEnvironment(environment);
        process.start(QStringLiteral(ZX_PROGRAM), arguments);
        ASSERT_TRUE(process.waitForStarted());
        const QString main
            = Xdotool({"search", "--sync", "--onlyvisible", "--name", "^Setup$"}, 60000);
        ASSERT_FALSE(main.isEmpty());
        ASSERT_TRUE(WaitFor([] { return WindowShown(HelpCaption); }, 10000));
        Wait(300);
    }

    // Start in the help window opens the first popup; Next walks to the second and back.
    void RunTheTourAcrossBothPopups()
    {
        const WindowGeometry help = GeometryOfWindow(HelpCaption);
        Click(help.x + help.width / 2, help.y + help.height - 8 - 12); // Start
        ASSERT_TRUE(WaitFor([] { return WindowShown(ConnectCaption); }));
        ClickNext(ConnectCaption);
        ASSERT_TRUE(
            WaitFor([] { return WindowShown(EnableCaption) && !WindowShown(ConnectCaption); }));
        ClickNext(EnableCaption);
        ASSERT_TRUE(
            WaitFor([] { return WindowShown(ConnectCaption) && !WindowShown(EnableCaption); }));
    }

    // Opens a menu of the bar and picks an entry by its underlined letter; a click that came
    // too early for a busy program is tried again.
    template<class Condition> void ChooseFromMenu(int menuX, const char* key, Condition chosen)
    {
        for (int attempt = 0; attempt < 3 && !chosen(); ++attempt) {
            Click(menuX, 8);
            Wait(500);
            Xdotool({"key", key});
            if (!WaitFor(chosen, 3000))
                Xdotool({"key", "Escape"});
        }
        EXPECT_TRUE(chosen()) << "the menu entry '" << key << "' did nothing";
    }

    void OpenTheHelpMenusWindows()
    {
        ChooseFromMenu(HelpMenuX, "t", [] { return WindowShown(TechCaption); });
        ChooseFromMenu(HelpMenuX, "o", [] { return WindowShown(HelpCaption); });
    }

    // File > Exit; returns the exit code, or -1 when the program did not end normally.
    int ExitThroughTheFileMenu()
    {
        // The windows go at once; the sanitized program's leak check may take a while after.
        ChooseFromMenu(FileMenuX, "e", [this] {
            return process.state() == QProcess::NotRunning || !WindowShown(QStringLiteral("Setup"));
        });
        if (process.state() != QProcess::NotRunning && !process.waitForFinished(30000))
            return -1;
        standardError = process.readAllStandardError();
        standardOutput = process.readAllStandardOutput();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    void ExpectNoSanitizerReport() const
    {
        for (const char* report :
            {"ERROR: LeakSanitizer", "ERROR: AddressSanitizer", "runtime error:"})
            EXPECT_FALSE(standardError.contains(report)) << standardError.toStdString();
    }

    QProcess process;
    QByteArray standardError;
    QByteArray standardOutput;
};

} // namespace

TEST_F(Session, EveryWindowOpenedThenFileExitEndsWithZeroAndACleanReport)
{
    ASSERT_NO_FATAL_FAILURE(Start());
    // The leak check's settings (with the suppressions of the system libraries' one-time
    // allocations, from the test preset) reach the program as this process has them.
    const QString leakCheck = qEnvironmentVariable("LSAN_OPTIONS");
    EXPECT_EQ(EnvironmentOf(process.processId(), "LSAN_OPTIONS"), leakCheck);
#if defined(__SANITIZE_ADDRESS__)
    EXPECT_TRUE(leakCheck.contains(QStringLiteral("suppressions=" ZX_LSAN_SUPPRESSIONS)))
        << "run through ctest --preset asan, which names " ZX_LSAN_SUPPRESSIONS;
#endif
    ASSERT_NO_FATAL_FAILURE(RunTheTourAcrossBothPopups());
    OpenTheHelpMenusWindows();
    EXPECT_EQ(ExitThroughTheFileMenu(), 0);
    ExpectNoSanitizerReport();
}

namespace {
struct NoFileRow
{
    const char* Case;
    bool RuntimeFolderGiven;
    friend void PrintTo(const NoFileRow& row, std::ostream* out) { *out << row.Case; }
};

class NoFile : public Session, public ::testing::WithParamInterface<NoFileRow>
{
};
} // namespace

// Home, the XDG folders and the temporary folder are one empty folder, the current directory
// another; afterwards both are still empty. Without the runtime folder that a desktop session
// provides, Qt makes its own empty stand-in for it ("runtime-<user>" in the temporary folder):
// that one may appear, empty.
TEST_P(NoFile, IsWrittenInHomeTheXdgFoldersOrTheCurrentDirectory)
{
    QTemporaryDir home, work;
    ASSERT_TRUE(home.isValid() && work.isValid());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* variable : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME",
             "XDG_STATE_HOME", "XDG_RUNTIME_DIR", "TMPDIR"})
        environment.insert(QString::fromLatin1(variable), home.path());
    if (!GetParam().RuntimeFolderGiven)
        environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    process.setWorkingDirectory(work.path());
    ASSERT_NO_FATAL_FAILURE(Start({}, environment));
    ASSERT_NO_FATAL_FAILURE(RunTheTourAcrossBothPopups());
    OpenTheHelpMenusWindows();
    EXPECT_EQ(ExitThroughTheFileMenu(), 0);

    const auto everything = QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot;
    QStringList written = QDir(home.path()).entryList(everything);
    if (!GetParam().RuntimeFolderGiven) {
        const QStringList fallback
            = written.filter(QRegularExpression(QStringLiteral("^runtime-")));
        for (const QString& folder : fallback)
            EXPECT_EQ(QDir(home.filePath(folder)).entryList(everything), QStringList())
                << folder.toStdString();
        for (const QString& folder : fallback)
            written.removeOne(folder);
    }
    EXPECT_EQ(written, QStringList());
    EXPECT_EQ(QDir(work.path()).entryList(everything), QStringList());
    ExpectNoSanitizerReport();
}

INSTANTIATE_TEST_SUITE_P(Rows, NoFile,
    ::testing::Values(NoFileRow {"WithARuntimeFolder", true}, NoFileRow {"WithoutOne", false}),
    [](const auto& info) { return std::string(info.param.Case); });

namespace {
struct ArgumentsRow
{
    const char* Case;
    QStringList Arguments;
    friend void PrintTo(const ArgumentsRow& row, std::ostream* out) { *out << row.Case; }
};

class OddArguments : public Session, public ::testing::WithParamInterface<ArgumentsRow>
{
};
} // namespace

// The program reads no argument of its own: it starts with its usual windows, prints nothing
// and ends with 0 through File > Exit.
TEST_P(OddArguments, AreIgnored)
{
    ASSERT_NO_FATAL_FAILURE(Start(GetParam().Arguments));
    EXPECT_FALSE(WindowId(HelpCaption).isEmpty());
    EXPECT_EQ(ExitThroughTheFileMenu(), 0);
    EXPECT_EQ(standardOutput, QByteArray());
    ExpectNoSanitizerReport();
}

INSTANTIATE_TEST_SUITE_P(Rows, OddArguments,
    ::testing::Values(ArgumentsRow {"Help", {"--help"}},
        ArgumentsRow {"UnknownOption", {"-x", "foo"}},
        ArgumentsRow {
            "FileNameAndTenKilobytes", {"/etc/passwd", QString(10 * 1024, QLatin1Char('a'))}}),
    [](const auto& info) { return std::string(info.param.Case); });
