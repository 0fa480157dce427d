#include "tools/cli/TOOL_Pipeline.h"

#include <algorithm>
#include <cctype>
#include <condition_variable>
#include <exception>
#include <filesystem>
#include <map>
#include <mutex>
#include <new>
#include <optional>
#include <set>
#include <sstream>
#include <thread>
#include <vector>

#include "tools/cli/TOOL_Load.h"
#include "tools/cli/TOOL_Output.h"
#include "tools/cli/TOOL_Refusal.h"
#include "tools/cli/TOOL_WrittenOutputs.h"
#include "tools/formats/TOOL_ExceptionName.h"
#include "trove/TROVE_NameOrder.h"

namespace tool {

int Convert(const Format_t& format, const Options_t& options, std::ostream& out, std::ostream& err) {
    const std::string prefix = "trovix: " + options.file + ": ";
    std::optional<model::File_t> loaded;
    const int code = LoadForTool(options, loaded, err);
    const bool partial = format.takes_partial && options.partial;
    if (code == kExitNotOpened || (code != kExitOk && !partial)) return code;
    const model::File_t& file = *loaded;
    Options_t read = options;  // with the page --codepage auto chose
    read.code_page = file.CodePage();
    ReportNotes(read, file, err);

    const WriteInput_t input{file, FileName(options.file), options.format};
    std::size_t replaced = 0;
    int written = kExitOk;
    try {
        if (format.check) format.check(input);
        written = WriteOutput(options.output, out, err,
                              [&](std::ostream& target) { replaced = format.write(target, input); });
    } catch (const std::bad_alloc&) {
        throw;
    } catch (const std::exception& e) {
        err << prefix << "failed: " << FailureInWords(e, options.debug) << "\n";
        return kExitRefused;
    }
    if (written != kExitOk) return written;
    if (replaced != 0) {
        err << prefix << replaced << " characters that are not text of code page " << read.code_page
            << " replaced by U+FFFD\n";
    }
    return code;
}

namespace {

// What converting one FILE of many left: its messages, whole, and its exit status, or the
// exception that ended it (exhausted memory), raised again in the order of the FILEs.
struct Done_t {
    bool done = false;
    std::string messages;
    int code = kExitOk;
    std::exception_ptr failure;
};

// The FILEs of one -d run handed out to the workers in order, and what each left.
class Jobs_t {
public:
    Jobs_t(const Format_t& format, std::vector<Options_t> files)
        : format_(format),
          files_(std::move(files)),
          done_(files_.size()),
          finished_(files_.size(), false),
          after_(files_.size(), kNone) {
        // Outputs whose names differ only by case may be one file (Windows): such a FILE waits
        // for the earlier one, so that the file system tells which is written first.
        std::map<std::string, std::size_t> folded;
        for (std::size_t i = 0; i < files_.size(); ++i) {
            std::string name = files_[i].output;
            for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            if (name.empty()) continue;
            const auto earlier = folded.emplace(name, i);
            if (!earlier.second) {
                after_[i] = earlier.first->second;
                earlier.first->second = i;
            }
        }
    }

    // Converts FILE i.
    Done_t Run(std::size_t i) {
        Done_t result;
        try {
            std::ostringstream messages;
            std::ostringstream unused;
            const Options_t& file = files_[i];
            // The same name as an earlier FILE's output, or (by case, on Windows) the same file
            // as one written already.
            bool taken = file.output.empty();
            if (!taken) {
                std::unique_lock<std::mutex> lock(mutex_);
                if (after_[i] != kNone) changed_.wait(lock, [&] { return finished_[after_[i]]; });
                taken = written_.Taken(file.output);
            }
            if (taken) {
                messages << "trovix: " << file.file << ": "
                         << (file.output.empty() ? file.directory : file.output)
                         << " is written from an earlier FILE\n";
                result.code = kExitNotWritten;
            } else {
                result.code = Convert(format_, file, unused, messages);
                std::lock_guard<std::mutex> lock(mutex_);
                written_.Note(file.output);
            }
            result.messages = messages.str();
        } catch (...) {
            result.failure = std::current_exception();
        }
        result.done = true;
        std::lock_guard<std::mutex> lock(mutex_);
        finished_[i] = true;
        changed_.notify_all();
        return result;
    }

    // Converts FILEs until none is left; a failure ends the handing out.
    void Work() {
        for (;;) {
            std::size_t i;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (next_ == files_.size()) return;
                i = next_++;
            }
            Done_t result = Run(i);
            std::lock_guard<std::mutex> lock(mutex_);
            if (result.failure) next_ = files_.size();
            done_[i] = std::move(result);
            changed_.notify_all();
        }
    }

    // Waits until FILE i is done; its result.
    Done_t Take(std::size_t i) {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return done_[i].done; });
        return std::move(done_[i]);
    }

    // No FILE is handed out any more (the one that ran out of memory ends the run).
    void Stop() {
        std::lock_guard<std::mutex> lock(mutex_);
        next_ = files_.size();
    }

private:
    const Format_t& format_;
    std::vector<Options_t> files_;
    static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

    std::vector<Done_t> done_;
    std::vector<bool> finished_;      // by Run, also when the caller keeps the result
    std::vector<std::size_t> after_;  // the FILE to wait for, or kNone
    WrittenOutputs_t written_;
    std::size_t next_ = 0;
    std::mutex mutex_;
    std::condition_variable changed_;
};

// Runs jobs.Work() on count threads for as long as the object lives; threads the system will
// not start are done without.
class Workers_t {
public:
    Workers_t(Jobs_t& jobs, unsigned count) : jobs_(jobs) {
        try {
            for (unsigned i = 0; i < count; ++i) threads_.emplace_back([this] { jobs_.Work(); });
        } catch (const std::exception&) {
            // Fewer threads: the ones started take the files.
        }
    }
    bool Running() const { return !threads_.empty(); }
    ~Workers_t() {
        jobs_.Stop();
        for (std::thread& thread : threads_) thread.join();
    }
    Workers_t(const Workers_t&) = delete;
    Workers_t& operator=(const Workers_t&) = delete;

private:
    Jobs_t& jobs_;
    std::vector<std::thread> threads_;
};

}  // namespace

int ConvertMany(const Format_t& format, const Options_t& options, std::ostream& err, bool progress) {
    namespace fs = std::filesystem;
    std::error_code ignored;
    fs::create_directories(options.directory, ignored);
    // Each FILE's own options; a FILE whose output an earlier one names gets none (and its
    // output path in directory, for the message).
    std::vector<Options_t> files;
    std::set<std::string> outputs;
    for (const std::string& file : options.files) {
        Options_t one = options;
        one.file = file;
        one.directory.clear();
        one.output =
            (fs::path(options.directory) / (fs::path(FileName(file)).stem().string() + format.extension))
                .string();
        if (!outputs.insert(one.output).second) {
            one.directory = one.output;
            one.output.clear();
        }
        files.push_back(std::move(one));
    }
    const std::size_t count = files.size();
    const unsigned cores = std::max(1u, std::thread::hardware_concurrency());
    const unsigned jobs =
        static_cast<unsigned>(std::min<std::size_t>(options.jobs ? options.jobs : cores, count));

    // Every file is loaded under the one code page: selected here, before any worker starts,
    // with the name order's tables made for it, so that the workers only read them.
    const model::CodePageScope_t code_page(options.code_page);
    if (code_page.Ok()) (void)trove::NameLess("a", "b");

    Jobs_t work(format, std::move(files));
    int status = kExitOk;
    {
        // One at a time, or with no thread to be had, the files are converted here in turn.
        const Workers_t workers(work, jobs > 1 ? jobs : 0);
        for (std::size_t i = 0; i < count; ++i) {
            if (progress)
                err << "\r[" << i << "/" << count << "] " << options.files[i] << "\x1b[K" << std::flush;
            Done_t done = workers.Running() ? work.Take(i) : work.Run(i);
            if (done.failure) {
                work.Stop();
                std::rethrow_exception(done.failure);
            }
            status = std::max(status, done.code);
            // The messages of a file wait until it is done, so that none lands on the progress line.
            if (progress) err << "\r\x1b[K";
            err << done.messages << std::flush;
        }
    }
    if (progress) err << "[" << count << "/" << count << "] done\n";
    return status;
}

int Dump(const std::string& path, std::ostream& out, std::ostream& err) {
    Options_t options;
    options.file = path;
    return Dump(options, out, err);
}

int Dump(const Options_t& options, std::ostream& out, std::ostream& err) {
    Options_t one = options;
    if (one.files.empty()) one.files = {one.file};
    return Convert(kDumpFormat, one, out, err);
}

}  // namespace tool
