#pragma once
// The stand-in host's memory of what the add-in asked of it: every call with its arguments, in order,
// and the answer the host is told to give for a call (S_OK unless configured otherwise).
#include <ole2.h>

#include <cstdio>
#include <chrono>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace host {

struct Call_t {
    std::string name;
    std::vector<std::string> args;

    // "name(arg, arg, ...)"
    std::string Line() const;
};

class Recorder_t {
public:
    // Every recorded call is also written as a line to echo, when given.
    explicit Recorder_t(std::FILE* echo = nullptr) : echo_(echo) {}
    // Every recorded call is appended as a line to the file at path (opened for each line).
    void EchoToFile(std::string path) { echo_path_ = std::move(path); }

    // Records a call and returns the answer configured for its name.
    HRESULT Record(const std::string& name, std::vector<std::string> args);

    // Makes the host answer the named call with hr; a failure may carry a description as error information.
    // "name#n" answers only the n-th call of that name (counted from 1) and comes before "name".
    void SetAnswer(const std::string& name, HRESULT hr, const std::string& description = std::string());
    // Makes the named call throw std::bad_alloc instead of answering: for callers in the same module,
    // which see it as their own failure.
    void SetThrow(const std::string& name) { throws_.insert(name); }
    // Sets the thread's error information for the last call's configured failure (if it has a description).
    void SetErrorInfo(const IID& iid) const;

    // Writes a free-form line to the echo (results of the host's own calls).
    void Note(const std::string& line) const;

    const std::vector<Call_t>& Calls() const { return calls_; }

    // Calls are still recorded and answered but not written to the echo.
    void SetQuiet(bool quiet) { quiet_ = quiet; }
    // The time spent inside the host's record methods, for timing an import: a host method holds a
    // Timer_t while it runs.
    class Timer_t {
    public:
        explicit Timer_t(Recorder_t& recorder) : recorder_(recorder), start_(std::chrono::steady_clock::now()) {}
        ~Timer_t() { recorder_.host_time_ += std::chrono::steady_clock::now() - start_; }
        Timer_t(const Timer_t&) = delete;
        Timer_t& operator=(const Timer_t&) = delete;

    private:
        Recorder_t& recorder_;
        std::chrono::steady_clock::time_point start_;
    };
    double HostSeconds() const { return std::chrono::duration<double>(host_time_).count(); }
    std::vector<Call_t> Named(const std::string& name) const;

private:
    struct Answer_t {
        HRESULT hr;
        std::string description;
    };

    std::FILE* echo_;
    std::string echo_path_;
    std::vector<Call_t> calls_;
    std::map<std::string, Answer_t> answers_;
    std::map<std::string, int> counts_;
    std::set<std::string> throws_;
    const Answer_t* last_ = nullptr;
    bool quiet_ = false;
    std::chrono::steady_clock::duration host_time_{};  // the answer given to the last call, if one was configured
};

// Argument texts: a text in double quotes with \t, \n, \r, \\ and \" escaped; numbers in decimal or hex.
std::string Quote(const std::string& text);
std::string Quote(BSTR text);
std::string Decimal(long value);
std::string Hex(unsigned long value);

}  // namespace host
