// The type library embedded in Trovix.dll, its version resource, and IDispatch through the registered
// type library.
#include <gtest/gtest.h>

#include <vector>

#include "ADDIN_TestSupport.h"
#include "addin/ADDIN_Bstr.h"
#include "tests/host/HOST_Application.h"

using addin::ComPtr_t;
using addin_test::Addin;

namespace {

ComPtr_t<ITypeLib> EmbeddedLibrary() {
    ComPtr_t<ITypeLib> library;
    std::wstring path = addin::Widen(addin_test::AddinDll());
    EXPECT_EQ(::LoadTypeLibEx(path.c_str(), REGKIND_NONE, library.Put()), S_OK);
    return library;
}

std::string HelpString(ITypeInfo* info, MEMBERID member = MEMBERID_NIL) {
    addin::Bstr_t doc;
    info->GetDocumentation(member, nullptr, doc.Put(), nullptr, nullptr);
    return addin::BstrToAnsi(doc.Get());
}

std::string Name(ITypeInfo* info, MEMBERID member = MEMBERID_NIL) {
    addin::Bstr_t name;
    info->GetDocumentation(member, name.Put(), nullptr, nullptr, nullptr);
    return addin::BstrToAnsi(name.Get());
}

struct Attributes_t {
    GUID guid;
    TYPEKIND kind;
    WORD flags;
    WORD functions;
    WORD implemented;
};

Attributes_t AttributesOf(ITypeInfo* info) {
    TYPEATTR* attributes = nullptr;
    EXPECT_EQ(info->GetTypeAttr(&attributes), S_OK);
    Attributes_t result{attributes->guid, attributes->typekind, attributes->wTypeFlags, attributes->cFuncs,
                        attributes->cImplTypes};
    info->ReleaseTypeAttr(attributes);
    return result;
}

// The vtable interface of a dual interface (the library's entry is its dispatch side).
ComPtr_t<ITypeInfo> VtableSide(ITypeInfo* dispatch) {
    HREFTYPE ref = 0;
    EXPECT_EQ(dispatch->GetRefTypeOfImplType(static_cast<UINT>(-1), &ref), S_OK);
    ComPtr_t<ITypeInfo> vtable;
    EXPECT_EQ(dispatch->GetRefTypeInfo(ref, vtable.Put()), S_OK);
    return vtable;
}

struct Method_t {
    MEMBERID id;
    std::string name;
    int slot;
    std::vector<std::string> parameters;  // "name:vt:flags"
    std::string help;
};

std::vector<Method_t> MethodsOf(ITypeInfo* info) {
    std::vector<Method_t> methods;
    for (UINT i = 0; i < AttributesOf(info).functions; ++i) {
        FUNCDESC* function = nullptr;
        EXPECT_EQ(info->GetFuncDesc(i, &function), S_OK);
        Method_t method{function->memid,
                        Name(info, function->memid),
                        static_cast<int>(function->oVft / sizeof(void*)),
                        {},
                        HelpString(info, function->memid)};
        BSTR names[8] = {};
        UINT count = 0;
        info->GetNames(function->memid, names, 8, &count);
        for (SHORT p = 0; p < function->cParams; ++p) {
            const ELEMDESC& parameter = function->lprgelemdescParam[p];
            VARTYPE vt = parameter.tdesc.vt;
            if (vt == VT_PTR) vt = parameter.tdesc.lptdesc->vt | VT_BYREF;
            method.parameters.push_back(addin::BstrToAnsi(names[p + 1]) + ":" + std::to_string(vt) + ":" +
                                        std::to_string(parameter.paramdesc.wParamFlags));
        }
        for (UINT n = 0; n < count; ++n) ::SysFreeString(names[n]);
        EXPECT_EQ(function->elemdescFunc.tdesc.vt, VT_HRESULT) << method.name;
        info->ReleaseFuncDesc(function);
        methods.push_back(method);
    }
    return methods;
}

TEST(TypeLibrary, IsTheAddinLibraryVersionOneLocaleNeutral) {
    ComPtr_t<ITypeLib> library = EmbeddedLibrary();
    ASSERT_TRUE(library);
    TLIBATTR* attributes = nullptr;
    ASSERT_EQ(library->GetLibAttr(&attributes), S_OK);
    EXPECT_TRUE(::IsEqualGUID(attributes->guid, LIBID_OrvenAddinLib));
    EXPECT_EQ(attributes->wMajorVerNum, 1);
    EXPECT_EQ(attributes->wMinorVerNum, 0);
    EXPECT_EQ(attributes->lcid, 0u);
    #ifdef _WIN64
    EXPECT_EQ(attributes->syskind, SYS_WIN64);
#else
    EXPECT_EQ(attributes->syskind, SYS_WIN32);
#endif
    library->ReleaseTLibAttr(attributes);

    addin::Bstr_t name;
    addin::Bstr_t doc;
    ASSERT_EQ(library->GetDocumentation(-1, name.Put(), doc.Put(), nullptr, nullptr), S_OK);
    EXPECT_EQ(addin::BstrToAnsi(name.Get()), "OrvenAddinLib");
    EXPECT_EQ(addin::BstrToAnsi(doc.Get()), "Trovix Palm Desktop Addin 1.0 Type Library");
    // Two classes and their two interfaces; nothing of the host's.
    EXPECT_EQ(library->GetTypeInfoCount(), 4u);
}

TEST(TypeLibrary, ClassesAreCreatableWithTheirDefaultInterfaces) {
    ComPtr_t<ITypeLib> library = EmbeddedLibrary();
    struct Expected_t {
        const CLSID& clsid;
        const char* name;
        const char* help;
        const IID& default_interface;
    } classes[] = {
        {CLSID_OrvenAddin, "OrvenAddin", "OrvenAddin Class", IID_IDesktopAddin},
        {CLSID_OrvenImportCommand, "OrvenImportCommand", "OrvenImportCommand Class", IID_IDesktopCommand}};
    for (const Expected_t& expected : classes) {
        ComPtr_t<ITypeInfo> info;
        ASSERT_EQ(library->GetTypeInfoOfGuid(expected.clsid, info.Put()), S_OK) << expected.name;
        Attributes_t attributes = AttributesOf(info.Get());
        EXPECT_EQ(attributes.kind, TKIND_COCLASS);
        EXPECT_EQ(attributes.flags, TYPEFLAG_FCANCREATE) << expected.name;
        EXPECT_EQ(Name(info.Get()), expected.name);
        EXPECT_EQ(HelpString(info.Get()), expected.help);
        ASSERT_EQ(attributes.implemented, 1);
        INT flags = 0;
        EXPECT_EQ(info->GetImplTypeFlags(0, &flags), S_OK);
        EXPECT_EQ(flags, IMPLTYPEFLAG_FDEFAULT);
        HREFTYPE ref = 0;
        ComPtr_t<ITypeInfo> default_info;
        ASSERT_EQ(info->GetRefTypeOfImplType(0, &ref), S_OK);
        ASSERT_EQ(info->GetRefTypeInfo(ref, default_info.Put()), S_OK);
        EXPECT_TRUE(::IsEqualGUID(AttributesOf(default_info.Get()).guid, expected.default_interface))
            << expected.name;
    }
}

TEST(TypeLibrary, AddinInterfaceHasItsFiveMethodsOnSlotsSevenToEleven) {
    ComPtr_t<ITypeInfo> info;
    ASSERT_EQ(EmbeddedLibrary()->GetTypeInfoOfGuid(IID_IDesktopAddin, info.Put()), S_OK);
    EXPECT_EQ(Name(info.Get()), "IDesktopAddin");
    EXPECT_EQ(HelpString(info.Get()), "IDesktopAddin Interface");
    Attributes_t attributes = AttributesOf(info.Get());
    EXPECT_EQ(attributes.kind, TKIND_DISPATCH);
    EXPECT_EQ(attributes.flags & (TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE),
              TYPEFLAG_FDUAL | TYPEFLAG_FDISPATCHABLE);

    ComPtr_t<ITypeInfo> vtable = VtableSide(info.Get());
    EXPECT_EQ(AttributesOf(vtable.Get()).kind, TKIND_INTERFACE);
    EXPECT_EQ(AttributesOf(vtable.Get()).flags,
              TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDISPATCHABLE);
    std::vector<Method_t> methods = MethodsOf(vtable.Get());
    ASSERT_EQ(methods.size(), 5u);
    const std::string in = std::to_string(PARAMFLAG_FIN);
    const std::string in_out = std::to_string(PARAMFLAG_FIN | PARAMFLAG_FOUT);
    const std::string byref_long = std::to_string(VT_I4 | VT_BYREF);
    const Method_t expected[] = {
        {1,
         "OnInitialize",
         7,
         {"pUnk:" + std::to_string(VT_DISPATCH) + ":" + in, "dwCookie:3:" + in, "dwDesktopVersion:3:" + in,
          "lParam:3:" + in, "pbSuccess:" + byref_long + ":" + in_out},
         "method OnInitialize"},
        {2, "OnUninitialize", 8, {}, "method OnUninitialize"},
        {3,
         "GetFrameworkVersion",
         9,
         {"plVersion:" + byref_long + ":" + in_out},
         "method GetFrameworkVersion"},
        {4, "ShowAboutBox", 10, {"hWndParent:3:" + in}, "method ShowAboutBox"},
        {5, "ShowProperties", 11, {"hWndParent:3:" + in}, "method ShowProperties"},
    };
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_EQ(methods[i].id, expected[i].id) << expected[i].name;
        EXPECT_EQ(methods[i].name, expected[i].name);
        EXPECT_EQ(methods[i].slot, expected[i].slot) << expected[i].name;
        EXPECT_EQ(methods[i].parameters, expected[i].parameters) << expected[i].name;
        EXPECT_EQ(methods[i].help, expected[i].help);
    }
}

TEST(TypeLibrary, CommandInterfaceHasOnCommandOnSlotSeven) {
    ComPtr_t<ITypeInfo> info;
    ASSERT_EQ(EmbeddedLibrary()->GetTypeInfoOfGuid(IID_IDesktopCommand, info.Put()), S_OK);
    EXPECT_EQ(Name(info.Get()), "IDesktopCommand");
    EXPECT_EQ(HelpString(info.Get()), "IDesktopCommand Interface");
    EXPECT_EQ(AttributesOf(info.Get()).kind, TKIND_DISPATCH);
    ComPtr_t<ITypeInfo> vtable = VtableSide(info.Get());
    EXPECT_EQ(AttributesOf(vtable.Get()).flags,
              TYPEFLAG_FDUAL | TYPEFLAG_FOLEAUTOMATION | TYPEFLAG_FDISPATCHABLE);
    std::vector<Method_t> methods = MethodsOf(vtable.Get());
    ASSERT_EQ(methods.size(), 1u);
    EXPECT_EQ(methods[0].id, 1);
    EXPECT_EQ(methods[0].name, "OnCommand");
    EXPECT_EQ(methods[0].slot, 7);
    EXPECT_TRUE(methods[0].parameters.empty());
    EXPECT_EQ(methods[0].help, "method OnCommand");
}

std::string VersionText(const std::vector<char>& block, const std::string& name) {
    void* value = nullptr;
    UINT length = 0;
    std::string path = "\\StringFileInfo\\040904b0\\" + name;
    if (!::VerQueryValueA(block.data(), path.c_str(), &value, &length) || !length) return "<missing>";
    return static_cast<const char*>(value);
}

TEST(VersionResource, CarriesTheVersionAndTheAddinClsid) {
    std::string path = addin_test::AddinDll();
    DWORD handle = 0;
    DWORD size = ::GetFileVersionInfoSizeA(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    std::vector<char> block(size);
    ASSERT_TRUE(::GetFileVersionInfoA(path.c_str(), 0, size, block.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00020002u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00020002u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));

    EXPECT_EQ(VersionText(block, "FileDescription"), "Trovix Addin");
    EXPECT_EQ(VersionText(block, "FileVersion"), "2.2");
    EXPECT_EQ(VersionText(block, "InternalName"), "Trovix");
    EXPECT_EQ(VersionText(block, "OriginalFilename"), "Trovix.dll");
    EXPECT_EQ(VersionText(block, "ProductName"), "Trovix");
    EXPECT_EQ(VersionText(block, "ProductVersion"), "2.2");
    EXPECT_EQ(VersionText(block, "AddinClsid"), "{6E1F0C52-3A7D-4B19-9C2E-5D8A41B7F306}");

    WORD* translation = nullptr;
    ASSERT_TRUE(::VerQueryValueA(block.data(), "\\VarFileInfo\\Translation",
                                 reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04e4);
}

// Late binding needs the registered type library: the test registers the loaded module and removes the
// registration again.
class Dispatch : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(Addin().register_server(), S_OK); }
    void TearDown() override { EXPECT_EQ(Addin().unregister_server(), S_OK); }
};

DISPID IdOf(IDispatch* dispatch, const wchar_t* name) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id), S_OK);
    return id;
}

TEST_F(Dispatch, GetFrameworkVersionByReferenceYieldsTwo) {
    auto dispatch = ComPtr_t<IDispatch>::Query(addin_test::CreateAddin().Get());
    ASSERT_TRUE(dispatch);
    UINT count = 0;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ComPtr_t<ITypeInfo> info;
    EXPECT_EQ(dispatch->GetTypeInfo(1, 0, info.Put()), DISP_E_BADINDEX);
    ASSERT_EQ(dispatch->GetTypeInfo(0, 0, info.Put()), S_OK);
    EXPECT_EQ(Name(info.Get()), "IDesktopAddin");

    DISPID id = IdOf(dispatch.Get(), L"GetFrameworkVersion");
    EXPECT_EQ(id, 3);
    LONG version = 0;
    VARIANT argument;
    ::VariantInit(&argument);
    argument.vt = VT_BYREF | VT_I4;
    argument.plVal = &version;
    DISPPARAMS params{&argument, nullptr, 1, 0};
    EXPECT_EQ(dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr,
                               nullptr),
              S_OK);
    EXPECT_EQ(version, 2);
}

TEST_F(Dispatch, OnCommandThroughTheCommandsDispatch) {
    auto application = host::Make<host::Application_t>(std::make_shared<host::Recorder_t>());
    auto created = addin_test::CreateAddin();
    LONG success = 0;
    ASSERT_EQ(created->OnInitialize(static_cast<IDesktopApplication*>(application.Get()), 1, 0, 0, &success),
              S_OK);
    auto dispatch = ComPtr_t<IDispatch>::Query(application.Get()->Commands().Command("OrvenImportCommand"));
    ASSERT_TRUE(dispatch);
    DISPID id = IdOf(dispatch.Get(), L"OnCommand");
    EXPECT_EQ(id, 1);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    {
        // The command asks for a file: the watcher cancels its dialog.
        addin_test::BoxWatcher_t watcher;
        EXPECT_EQ(dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &none, nullptr, nullptr,
                                   nullptr),
                  S_OK);
        ASSERT_TRUE(watcher.WaitFor(1));
        EXPECT_EQ(watcher.Boxes()[0].kind, "open");
    }
    dispatch.Reset();
    created.Reset();
    application.Get()->Commands().ReleaseCommands();
}

}  // namespace
