#include "tests/host/HOST_Recorder.h"

#include <ole2.h>

#include <cstdio>
#include <new>

#include "addin/ADDIN_Bstr.h"
#include "addin/ADDIN_ComPtr.h"

namespace host {

std::string Call_t::Line() const {
    std::string line = name + "(";
    for (std::size_t i = 0; i < args.size(); ++i) line += (i ? ", " : "") + args[i];
    return line + ")";
}

HRESULT Recorder_t::Record(const std::string& name, std::vector<std::string> args) {
    calls_.push_back(Call_t{name, std::move(args)});
    if (!quiet_) Note(calls_.back().Line());
    if (throws_.count(name)) throw std::bad_alloc();
    auto answer = answers_.find(name + "#" + std::to_string(++counts_[name]));
    if (answer == answers_.end()) answer = answers_.find(name);
    last_ = answer == answers_.end() ? nullptr : &answer->second;
    return last_ ? last_->hr : S_OK;
}

void Recorder_t::SetAnswer(const std::string& name, HRESULT hr, const std::string& description) {
    answers_[name] = Answer_t{hr, description};
}

void Recorder_t::SetErrorInfo(const IID& iid) const {
    if (!last_ || last_->description.empty()) return;
    addin::ComPtr_t<ICreateErrorInfo> create;
    if (FAILED(::CreateErrorInfo(create.Put()))) return;
    create->SetGUID(iid);
    create->SetDescription(&addin::Widen(last_->description)[0]);
    auto info = addin::ComPtr_t<IErrorInfo>::Query(create.Get());
    ::SetErrorInfo(0, info.Get());
}

void Recorder_t::Note(const std::string& line) const {
    if (echo_) {
        std::fprintf(echo_, "%s\n", line.c_str());
        std::fflush(echo_);
    }
    if (!echo_path_.empty()) {
        if (std::FILE* file = std::fopen(echo_path_.c_str(), "ab")) {
            std::fprintf(file, "%s\n", line.c_str());
            std::fclose(file);
        }
    }
}

std::vector<Call_t> Recorder_t::Named(const std::string& name) const {
    std::vector<Call_t> result;
    for (const Call_t& call : calls_) {
        if (call.name == name) result.push_back(call);
    }
    return result;
}

std::string Quote(const std::string& text) {
    std::string result = "\"";
    for (char c : text) {
        switch (c) {
            case '\t':
                result += "\\t";
                break;
            case '\n':
                result += "\\n";
                break;
            case '\r':
                result += "\\r";
                break;
            case '\\':
                result += "\\\\";
                break;
            case '"':
                result += "\\\"";
                break;
            default:
                result += c;
        }
    }
    return result + "\"";
}

std::string Quote(BSTR text) {
    return text ? Quote(addin::BstrToAnsi(text)) : "null";
}

std::string Decimal(long value) {
    return std::to_string(value);
}

std::string Hex(unsigned long value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08lX", value);
    return text;
}

}  // namespace host
