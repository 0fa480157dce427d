// Whatever OUT is, the data file read is never changed, and OUT ends as the table says: the
// whole document, left as it was, or still the device, pipe, link or folder it was.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tbk/TBK_BigFile.h"
#include "TOOL_RunTool.h"
#include "tools/cli/TOOL_Command.h"
#include "tools/cli/TOOL_Exit.h"

#ifndef _WIN32
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void Put(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

using tool_test::RunTool;
using tool_test::Run_t;

// A folder of the test's own, removed with what is in it.
class Folder_t {
public:
    explicit Folder_t(const std::string& name) : path_("tmp_" + name) {
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~Folder_t() {
        std::error_code ignored;
        fs::permissions(path_ + "/old.gpx", fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(path_, ignored);
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

struct Case_t {
    const char* what;
    // Makes what stands at OUT in folder; returns OUT.
    std::function<std::string(const Folder_t&)> make;
    int code;
    // What OUT holds afterwards, given the document gpx writes; empty: nothing to check there.
    std::function<void(const Folder_t&, const std::string& document, const Run_t&)> check;
};

TEST(Outputs, TheInputIsNeverChangedAndOutEndsAsTheTableSays) {
    const std::string example = Slurp(TROVIX_TEST_EXAMPLE);
    auto holds = [](const std::string& path, const std::string& bytes) {
        return [path, bytes](const Folder_t& f, const std::string&, const Run_t&) {
            EXPECT_EQ(Slurp(f / path), bytes) << path;
        };
    };
    auto holds_document = [](const std::string& path) {
        return [path](const Folder_t& f, const std::string& document, const Run_t&) {
            EXPECT_TRUE(Slurp(f / path) == document) << path;
        };
    };
    std::vector<Case_t> cases = {
        {"the input by another path", [](const Folder_t& f) { return f.Path() + "/./in.tbk"; },
         tool::kExitNotOpened, nullptr},
        {"a file",
         [](const Folder_t& f) {
             Put(f / "old.gpx", "old");
             return f / "old.gpx";
         },
         tool::kExitOk, holds_document("old.gpx")},
        {"a new file", [](const Folder_t& f) { return f / "new.gpx"; }, tool::kExitOk,
         holds_document("new.gpx")},
        {"a read-only file",
         [](const Folder_t& f) {
             Put(f / "old.gpx", "old");
             fs::permissions(f / "old.gpx",
                             fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                             fs::perm_options::remove);
             return f / "old.gpx";
         },
         tool::kExitNotWritten, holds("old.gpx", "old")},
        {"a folder",
         [](const Folder_t& f) {
             fs::create_directory(f / "sub");
             return f / "sub";
         },
         tool::kExitNotWritten,
         [](const Folder_t& f, const std::string&, const Run_t&) {
             EXPECT_TRUE(fs::is_directory(f / "sub"));
             EXPECT_TRUE(fs::is_empty(f / "sub"));
         }},
        {"standard output", [](const Folder_t&) { return std::string("-"); }, tool::kExitOk,
         [](const Folder_t&, const std::string& document, const Run_t& run) {
             EXPECT_TRUE(run.out == document);
             EXPECT_FALSE(fs::exists("-"));
         }},
#ifdef _WIN32
        {"the input by another case", [](const Folder_t& f) { return f.Path() + "/IN.TBK"; },
         tool::kExitNotOpened, nullptr},
#else
        {"the input through a symbolic link",
         [](const Folder_t& f) {
             fs::create_symlink("in.tbk", f / "link.tbk");
             return f / "link.tbk";
         },
         tool::kExitNotOpened, nullptr},
        {"the input through a hard link",
         [](const Folder_t& f) {
             fs::create_hard_link(f / "in.tbk", f / "hard.tbk");
             return f / "hard.tbk";
         },
         tool::kExitNotOpened, nullptr},
        {"a symbolic link to a file",
         [](const Folder_t& f) {
             Put(f / "target.gpx", "old");
             fs::create_symlink("target.gpx", f / "link.gpx");
             return f / "link.gpx";
         },
         tool::kExitOk,
         [](const Folder_t& f, const std::string& document, const Run_t&) {
             EXPECT_TRUE(fs::is_symlink(f / "link.gpx"));
             EXPECT_TRUE(Slurp(f / "target.gpx") == document);
         }},
        {"a file others may not read",
         [](const Folder_t& f) {
             Put(f / "old.gpx", "old");
             fs::permissions(f / "old.gpx",
                             fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
             return f / "old.gpx";
         },
         tool::kExitOk,
         [](const Folder_t& f, const std::string& document, const Run_t&) {
             EXPECT_TRUE(Slurp(f / "old.gpx") == document);
             EXPECT_EQ(fs::status(f / "old.gpx").permissions(),
                       fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
         }},
        {"a device that takes everything",
         [](const Folder_t& f) {
             EXPECT_EQ(mknod((f / "null").c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
             return f / "null";
         },
         tool::kExitOk,
         [](const Folder_t& f, const std::string&, const Run_t&) {
             EXPECT_EQ(fs::status(f / "null").type(), fs::file_type::character);
         }},
        {"a device that is full",
         [](const Folder_t& f) {
             EXPECT_EQ(mknod((f / "full").c_str(), S_IFCHR | 0666, makedev(1, 7)), 0);
             return f / "full";
         },
         tool::kExitNotWritten,
         [](const Folder_t& f, const std::string&, const Run_t& run) {
             EXPECT_EQ(fs::status(f / "full").type(), fs::file_type::character);
             EXPECT_NE(run.err.find("cannot be written"), std::string::npos) << run.err;
         }},
#endif
    };
    for (const Case_t& c : cases) {
        SCOPED_TRACE(c.what);
        Folder_t folder("outputs");
        Put(folder / "in.tbk", example);
        const std::string document = RunTool({"gpx", folder / "in.tbk"}).out;
        ASSERT_NE(document.find("</gpx>"), std::string::npos);
        const std::string out = c.make(folder);
        const Run_t run = RunTool({"gpx", folder / "in.tbk", "-o", out});
        EXPECT_EQ(run.code, c.code) << run.err;
        EXPECT_TRUE(Slurp(folder / "in.tbk") == example);
        if (c.check) c.check(folder, document, run);
        // Nothing else is left in the folder: no temporary file.
        for (const auto& entry : fs::directory_iterator(folder.Path()))
            EXPECT_NE(entry.path().filename().string()[0], '.') << entry.path();
    }
}

// -d DIR into the input's own folder, where the output's name is the input's.
TEST(Outputs, TheInputIsNotWrittenOverByAFolderOfOutputs) {
    Folder_t folder("outputs_dir");
    const std::string example = Slurp(TROVIX_TEST_EXAMPLE);
    Put(folder / "t.gpx", example);
    Put(folder / "a.tbk", example);
    const Run_t run = RunTool({"gpx", folder / "a.tbk", folder / "t.gpx", "-d", folder.Path()});
    EXPECT_EQ(run.code, tool::kExitNotOpened) << run.err;
    EXPECT_TRUE(Slurp(folder / "t.gpx") == example);
    EXPECT_NE(Slurp(folder / "a.gpx").find("</gpx>"), std::string::npos);
}

// With -d, files converted side by side leave what one at a time leaves: the same outputs, each
// file's messages whole and in the order of the FILEs, the highest exit status.
TEST(Outputs, FilesAtATimeLeaveWhatOneAtATimeLeaves) {
    Folder_t folder("outputs_jobs");
    const std::string example = Slurp(TROVIX_TEST_EXAMPLE);
    const char* const names[] = {"a", "b", "c", "d", "e", "f"};
    for (const char* name : names) Put(folder / (std::string(name) + ".tbk"), example);
    Put(folder / "c.tbk", "not a data file");
    fs::remove(folder / "e.tbk");
    std::vector<std::string> args = {"kml"};
    for (const char* name : names) args.push_back(folder / (std::string(name) + ".tbk"));
    args.push_back("-d");
    Run_t first;
    for (const char* jobs : {"1", "2", "3"}) {
        const std::string out = folder / (std::string("out") + jobs);
        std::vector<std::string> run_args = args;
        run_args.insert(run_args.end(), {out, "-j", jobs});
        const Run_t run = RunTool(run_args);
        EXPECT_EQ(run.code, tool::kExitRefused) << jobs << "\n" << run.err;
        EXPECT_LT(run.err.find("c.tbk"), run.err.find("e.tbk")) << run.err;
        for (const char* name : {"/a.kml", "/b.kml", "/d.kml", "/f.kml"})
            EXPECT_TRUE(Slurp(out + name) == Slurp(folder / "out1" + name)) << jobs << name;
        EXPECT_NE(Slurp(out + "/a.kml").find("</kml>"), std::string::npos);
        EXPECT_FALSE(fs::exists(out + "/c.kml"));
        if (first.code < 0) first = run;
        EXPECT_EQ(run.err, first.err) << jobs;
    }
}

#ifdef _WIN32
// Names the file system does not tell apart are one output: the second FILE is refused.
TEST(Outputs, NamesThatDifferOnlyByCaseAreOneOutput) {
    Folder_t folder("outputs_case");
    fs::create_directories(folder / "x");
    fs::create_directories(folder / "y");
    fs::copy_file(TROVIX_TEST_EXAMPLE, folder / "x/S.tbk");
    fs::copy_file(TROVIX_TEST_EXAMPLE, folder / "y/s.tbk");
    const Run_t run = RunTool({"gpx", folder / "x/S.tbk", folder / "y/s.tbk", "-d", folder / "out"});
    EXPECT_EQ(run.code, tool::kExitNotWritten) << run.err;
    EXPECT_NE(run.err.find("is written from an earlier FILE"), std::string::npos) << run.err;
    EXPECT_NE(Slurp(folder / "out/S.gpx").find("<name>S.tbk</name>"), std::string::npos);
}
#endif

#ifndef _WIN32
// A FIFO is written in place: its reader gets the whole document, and it stays a FIFO.
TEST(Outputs, AFifoReaderGetsTheWholeDocument) {
    Folder_t folder("outputs_fifo");
    fs::copy_file(TROVIX_TEST_EXAMPLE, folder / "in.tbk");
    const std::string document = RunTool({"gpx", folder / "in.tbk"}).out;
    ASSERT_EQ(mkfifo((folder / "pipe").c_str(), 0600), 0);
    std::string got;
    std::thread reader([&] { got = Slurp(folder / "pipe"); });
    const Run_t run = RunTool({"gpx", folder / "in.tbk", "-o", folder / "pipe"});
    reader.join();
    EXPECT_EQ(run.code, tool::kExitOk) << run.err;
    EXPECT_TRUE(got == document) << got.size() << " bytes of " << document.size();
    EXPECT_EQ(fs::status(folder / "pipe").type(), fs::file_type::fifo);
}
#endif

#ifdef TROVIX_TEST_EXE
int Shell(const std::string& command) {
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// SIGTERM, SIGINT or SIGHUP while OUT is being written: OUT as it was, no temporary file left.
TEST(Program, AnInterruptedRunLeavesNoTemporaryFile) {
    Folder_t folder("outputs_signal");
    tbk::BigFileSpec_t shape;
    shape.tracks = 4;
    shape.track_points = 100000;
    tbk::WriteBigFile(folder / "big.tbk", shape);
    for (const int signal_number : {SIGTERM, SIGINT, SIGHUP}) {
        SCOPED_TRACE(signal_number);
        const pid_t pid = fork();
        if (pid == 0) {
            std::freopen("/dev/null", "w", stderr);
            execl(TROVIX_TEST_EXE, TROVIX_TEST_EXE, "gpx", (folder / "big.tbk").c_str(), "-o",
                  (folder / "big.gpx").c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        // Waits for the temporary file, then interrupts the writing.
        bool seen = false;
        for (int i = 0; i < 4000 && !seen; ++i) {
            for (const auto& entry : fs::directory_iterator(folder.Path()))
                seen = seen || entry.path().filename().string().rfind(".big.gpx.", 0) == 0;
            if (!seen) usleep(5000);
        }
        EXPECT_TRUE(seen);
        kill(pid, signal_number);
        int status = 0;
        ASSERT_EQ(waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal_number) << status;
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(folder.Path()))
            left.push_back(entry.path().filename().string());
        EXPECT_EQ(left, std::vector<std::string>{"big.tbk"});
    }
}

// The peak memory of `trovix dump --partial` reading `file` by name or, with `input`, standard
// input fed through a pipe; in KB.
long PeakKilobytes(const std::string& file, bool input) {
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("ASAN_OPTIONS", "quarantine_size_mb=0:detect_leaks=0", 1);
        std::freopen("/dev/null", "w", stdout);
        std::freopen("/dev/null", "w", stderr);
        const std::string command = input ? "cat '" + file + "' | " + TROVIX_TEST_EXE + " dump - --partial"
                                          : std::string(TROVIX_TEST_EXE) + " dump '" + file + "' --partial";
        execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    struct rusage usage {};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status)) return -1;
    return usage.ru_maxrss;
}

TEST(Program, StandardInputTakesTheMemoryOfANamedFileAndItsFaultsTheirStatuses) {
    Folder_t folder("outputs_stdin");
    Put(folder / "zeros.bin", std::string(4 << 20, '\0'));
    const long named = PeakKilobytes(folder / "zeros.bin", false),
               piped = PeakKilobytes(folder / "zeros.bin", true);
    ASSERT_GT(named, 0);
    EXPECT_LT(piped, named + 2 * 1024) << named << " KB named, " << piped << " KB through a pipe";

    const std::string exe = TROVIX_TEST_EXE, err = folder / "err";
    struct Input_t {
        const char* what;
        std::string redirect;
        int code;
        const char* says;
    };
    const Input_t inputs[] = {
        {"zero bytes", "</dev/null", tool::kExitRefused, "trovix: -: the file is empty"},
        {"a folder", "<" + folder.Path(), tool::kExitNotOpened,
         "trovix: -: cannot be opened: standard input is a folder"},
        {"closed", "<&-", tool::kExitNotOpened, "trovix: -: cannot be opened: standard input is closed"},
        {"the example", std::string("<") + TROVIX_TEST_EXAMPLE, tool::kExitOk, ""},
    };
    for (const Input_t& input : inputs) {
        SCOPED_TRACE(input.what);
        EXPECT_EQ(Shell(exe + " dump - " + input.redirect + " >/dev/null 2>" + err), input.code);
        EXPECT_EQ(Slurp(err).rfind(input.says, 0), 0u) << Slurp(err);
    }
}

// A reader that goes before the end: the one line and exit 3, as on Windows.
TEST(Program, AClosedPipeEndsInExitThree) {
    Folder_t folder("outputs_pipe");
    tbk::BigFileSpec_t shape;
    shape.tracks = 2;
    shape.track_points = 100000;
    tbk::WriteBigFile(folder / "big.tbk", shape);
    EXPECT_EQ(Shell("bash -c '" + std::string(TROVIX_TEST_EXE) + " gpx " + (folder / "big.tbk") + " 2>" +
                    (folder / "err") + " | head -c 10 >/dev/null; exit ${PIPESTATUS[0]}'"),
              tool::kExitNotWritten);
    EXPECT_EQ(Slurp(folder / "err"), "trovix: standard output: cannot be written\n");
}
#endif

}  // namespace
