// The module's interface to the page's script (embind): a buffer the script fills with a file's
// bytes, the conversion writing its output in pieces to a function of the script, the page's
// style and the code pages.
#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "base/BASE_CodePageNames.h"
#include "tools/html/TOOL_HtmlPage.h"
#include "web/WEB_Convert.h"

namespace web {

namespace {

// A file's bytes in the module's memory, written there by the script piece by piece.
class Input_t {
public:
    explicit Input_t(unsigned size) : bytes_(size, '\0') {}
    emscripten::val Bytes() {
        return emscripten::val(emscripten::typed_memory_view(bytes_.size(), bytes_.data()));
    }
    const std::string& Held() const { return bytes_; }

private:
    std::string bytes_;
};

// Hands what is written to the script in pieces, so that no output is ever held whole here.
class SinkBuffer_t : public std::streambuf {
public:
    explicit SinkBuffer_t(emscripten::val sink) : sink_(std::move(sink)), buffer_(1 << 18) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }

protected:
    int overflow(int c) override {
        Hand();
        if (c != traits_type::eof()) {
            *pptr() = traits_type::to_char_type(c);
            pbump(1);
        }
        return traits_type::not_eof(c);
    }
    int sync() override {
        Hand();
        return 0;
    }

private:
    void Hand() {
        const std::size_t n = static_cast<std::size_t>(pptr() - pbase());
        if (n != 0) sink_(emscripten::val(emscripten::typed_memory_view(n, pbase())));
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }

    emscripten::val sink_;
    std::vector<char> buffer_;
};

// {code, messages}: the exit code and the tool's lines on standard error.
emscripten::val Run(const Input_t& input, const std::string& command, const std::string& name,
                    unsigned code_page, bool partial, emscripten::val sink) {
    SinkBuffer_t buffer(sink);
    std::ostream out(&buffer);
    std::ostringstream err;
    const int code = Convert(Request_t{command, name, &input.Held(), code_page, partial}, out, err);
    out.flush();
    emscripten::val result = emscripten::val::object();
    result.set("code", code);
    result.set("messages", err.str());
    return result;
}

std::string Style() {
    return tool::kHtmlStyle;
}

// [[number, "1251 (cyrillic)"], ...]: the code pages the tool knows, Western first.
emscripten::val CodePages() {
    emscripten::val pages = emscripten::val::array();
    for (std::size_t i = 0; i < base::kCodePageNameCount; ++i) {
        const unsigned number = base::kCodePageNames[i].code_page;
        emscripten::val page = emscripten::val::array();
        page.call<void>("push", number);
        page.call<void>("push", base::DescribeCodePage(number));
        pages.call<void>("push", page);
    }
    return pages;
}

}  // namespace

EMSCRIPTEN_BINDINGS(trovix) {
    emscripten::class_<Input_t>("Input").constructor<unsigned>().function("bytes", &Input_t::Bytes);
    emscripten::function("convert", &Run);
    emscripten::function("style", &Style);
    emscripten::function("codePages", &CodePages);
}

}  // namespace web
