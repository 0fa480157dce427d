#pragma once
// The stand-in host's memory of what the add-in asked of it: every call with its arguments, in order,
// and the answer the host is told to give for a call (S_OK unless configured otherwise).
#include <ole2.h>

#include <cstdio>
#include <map>
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
    void SetAnswer(const std::string& name, HRESULT hr, const std::string& description = std::string());
    // Sets the thread's error information for the named call's configured failure (if it has a description).
    void SetErrorInfo(const std::string& name, const IID& iid) const;

    // Writes a free-form line to the echo (results of the host's own calls).
    void Note(const std::string& line) const;

    const std::vector<Call_t>& Calls() const { return calls_; }
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
};

// Argument texts: a text in double quotes with \t, \n, \r, \\ and \" escaped; numbers in decimal or hex.
std::string Quote(const std::string& text);
std::string Quote(BSTR text);
std::string Decimal(long value);
std::string Hex(unsigned long value);

}  // namespace host
