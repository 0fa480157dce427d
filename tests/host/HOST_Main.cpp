// standin_host.exe: a stand-in for Palm Desktop. It creates the add-in by its CLSID (or from a given
// DLL file), calls OnInitialize with its application object and writes every call it makes and
// receives to standard output, one line each.
//
//   standin_host [--dll PATH] [--null-host | --plain-host] [--cookie N] [--answer CALL=HRESULT[:TEXT]]...
//                [--run COMMAND] [--pick PATH] [--answer-boxes] [--records FILE]
//                [--framework-version] [--about] [--properties] [--uninitialize]
//
// --dll           load the add-in from PATH through its DllGetClassObject instead of CoCreateInstance
// --null-host     OnInitialize gets a null application pointer
// --plain-host    OnInitialize gets an IDispatch that answers no host interface
// --answer        the host answers CALL (e.g. RegisterCommand, Record2.PutText1) with the HRESULT (hex
//                 or decimal) and, with :TEXT, error information of that description
// --run           after OnInitialize, runs the registered command of that name (more than once when
//                 given more than once)
// --pick          the open-file dialog is answered with PATH (without it, it is cancelled)
// --answer-boxes  message boxes and the error dialog are read, printed and closed with OK
// --quiet         the calls of the runs are not printed; each run prints its time instead, and the
//                 part of it spent in the host's record methods
// --records       the records the add-in added are written to FILE as JSON, as `trovix records`
//                 prints them
#include <ole2.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "addin/ADDIN_ComPtr.h"
#include "addin/ADDIN_Interfaces.h"
#include "tools/formats/TOOL_RecordsJson.h"
#include "tests/host/HOST_Application.h"
#include "tests/host/HOST_DialogWatcher.h"

namespace {

struct Options_t {
    std::string dll;
    bool null_host = false;
    bool plain_host = false;
    long cookie = 7;
    struct Answer_t {
        std::string call;
        HRESULT hr;
        std::string description;
    };
    std::vector<Answer_t> answers;
    std::vector<std::string> runs;
    std::string pick;
    bool answer_boxes = false;
    std::string records;
    bool quiet = false;
    bool framework_version = false;
    bool about = false;
    bool properties = false;
    bool uninitialize = false;
};

bool Parse(int argc, char** argv, Options_t& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool has_value = i + 1 < argc;
        if (arg == "--dll" && has_value) {
            options.dll = argv[++i];
        } else if (arg == "--null-host") {
            options.null_host = true;
        } else if (arg == "--plain-host") {
            options.plain_host = true;
        } else if (arg == "--cookie" && has_value) {
            options.cookie = std::strtol(argv[++i], nullptr, 0);
        } else if (arg == "--answer" && has_value) {
            std::string answer = argv[++i];
            std::size_t equals = answer.find('=');
            if (equals == std::string::npos) return false;
            char* end = nullptr;
            HRESULT hr = static_cast<HRESULT>(std::strtoul(answer.c_str() + equals + 1, &end, 0));
            std::string description = *end == ':' ? std::string(end + 1) : std::string();
            options.answers.push_back({answer.substr(0, equals), hr, description});
        } else if (arg == "--run" && has_value) {
            options.runs.push_back(argv[++i]);
        } else if (arg == "--pick" && has_value) {
            options.pick = argv[++i];
        } else if (arg == "--quiet") {
            options.quiet = true;
        } else if (arg == "--answer-boxes") {
            options.answer_boxes = true;
        } else if (arg == "--records" && has_value) {
            options.records = argv[++i];
        } else if (arg == "--framework-version") {
            options.framework_version = true;
        } else if (arg == "--about") {
            options.about = true;
        } else if (arg == "--properties") {
            options.properties = true;
        } else if (arg == "--uninitialize") {
            options.uninitialize = true;
        } else {
            return false;
        }
    }
    return true;
}

std::string Hex(HRESULT hr) {
    return host::Hex(static_cast<unsigned long>(hr));
}

bool WriteRecords(const std::string& path, const host::RecordStore_t& store) {
    std::ofstream file(path, std::ios::binary);
    tool::WriteRecordsJson(store.HandheldRecords(), file);
    file.close();
    if (!file) std::fprintf(stderr, "standin_host: cannot write %s\n", path.c_str());
    return static_cast<bool>(file);
}

// The add-in object, created as the options say.
HRESULT CreateAddin(const Options_t& options, host::Recorder_t& recorder,
                    addin::ComPtr_t<IDesktopAddin>& addin) {
    if (options.dll.empty()) {
        HRESULT hr = ::CoCreateInstance(CLSID_OrvenAddin, nullptr, CLSCTX_INPROC_SERVER, IID_IDesktopAddin,
                                        reinterpret_cast<void**>(addin.Put()));
        recorder.Note("host: CoCreateInstance -> " + Hex(hr));
        return hr;
    }
    HMODULE module = ::LoadLibraryA(options.dll.c_str());
    recorder.Note("host: LoadLibrary -> " +
                  std::string(module ? "loaded" : "failed, error " + std::to_string(::GetLastError())));
    if (!module) return E_FAIL;
    using GetClassObject_t = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
    auto get_class_object = reinterpret_cast<GetClassObject_t>(
        reinterpret_cast<void*>(::GetProcAddress(module, "DllGetClassObject")));
    if (!get_class_object) return E_FAIL;
    addin::ComPtr_t<IClassFactory> factory;
    HRESULT hr =
        get_class_object(CLSID_OrvenAddin, IID_IClassFactory, reinterpret_cast<void**>(factory.Put()));
    if (SUCCEEDED(hr))
        hr = factory->CreateInstance(nullptr, IID_IDesktopAddin, reinterpret_cast<void**>(addin.Put()));
    recorder.Note("host: CreateInstance -> " + Hex(hr));
    return hr;
}

int Run(const Options_t& options) {
    auto recorder = std::make_shared<host::Recorder_t>(stdout);
    for (const auto& answer : options.answers) recorder->SetAnswer(answer.call, answer.hr, answer.description);

    addin::ComPtr_t<IDesktopAddin> addin;
    if (FAILED(CreateAddin(options, *recorder, addin))) return 2;

    auto application = host::Make<host::Application_t>(recorder);
    addin::ComPtr_t<IDispatch> host_pointer;
    if (options.plain_host) {
        host_pointer = host::Make<host::PlainDispatch_t>(recorder).Get();
    } else if (!options.null_host) {
        host_pointer = static_cast<IDesktopApplication*>(application.Get());
    }

    if (options.framework_version) {
        LONG version = 0;
        HRESULT hr = addin->GetFrameworkVersion(&version);
        recorder->Note("host: GetFrameworkVersion -> " + Hex(hr) + " version=" + std::to_string(version));
    }
    LONG success = -1;
    HRESULT hr = addin->OnInitialize(host_pointer.Get(), options.cookie, 0x0400, 0, &success);
    recorder->Note("host: OnInitialize -> " + Hex(hr) + " success=" + std::to_string(success));
    {
        // The dialogs are answered from a second thread while the command runs on this one.
        std::unique_ptr<host::DialogWatcher_t> watcher;
        if (!options.runs.empty() && (!options.pick.empty() || options.answer_boxes))
            watcher = std::make_unique<host::DialogWatcher_t>(options.pick, options.answer_boxes, stdout);
        recorder->SetQuiet(options.quiet);
        for (const std::string& run : options.runs) {
            const auto start = std::chrono::steady_clock::now();
            const double host_before = recorder->HostSeconds();
            hr = application.Get()->Commands().Run(run);
            const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            recorder->Note("host: run " + run + " -> " + Hex(hr));
            if (options.quiet) {
                char timing[160];
                std::snprintf(timing, sizeof timing, "host: %zu records in %.3f s, %.3f s of it in the host's record methods",
                              application.Get()->Store().Records().size(), seconds, recorder->HostSeconds() - host_before);
                recorder->Note(timing);
            }
        }
        recorder->SetQuiet(false);
    }
    if (!options.records.empty() && !WriteRecords(options.records, application.Get()->Store())) return 4;
    if (options.about) recorder->Note("host: ShowAboutBox -> " + Hex(addin->ShowAboutBox(0)));
    if (options.properties) recorder->Note("host: ShowProperties -> " + Hex(addin->ShowProperties(0)));
    if (options.uninitialize) recorder->Note("host: OnUninitialize -> " + Hex(addin->OnUninitialize()));

    // The host lets go of the commands, then of the add-in.
    application.Get()->Commands().ReleaseCommands();
    addin.Reset();
    recorder->Note("host: done");
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    Options_t options;
    if (!Parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: standin_host [--dll PATH] [--null-host | --plain-host] [--cookie N]\n"
                     "       [--answer CALL=HRESULT[:TEXT]]... [--run COMMAND]... [--pick PATH] [--answer-boxes]\n"
                     "       [--records FILE] [--quiet] [--framework-version] [--about] [--properties] [--uninitialize]\n");
        return 1;
    }
    ::CoInitialize(nullptr);
    int result = 0;
    try {
        result = Run(options);
    } catch (const _com_error& e) {
        std::printf("host: COM error %s\n", Hex(e.Error()).c_str());
        result = 3;
    }
    ::CoUninitialize();
    return result;
}
