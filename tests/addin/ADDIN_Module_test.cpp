// The module's class objects, aggregation and unloading, with Trovix.dll loaded into the test program.
#include <gtest/gtest.h>

#include <clocale>

#include "ADDIN_TestSupport.h"
#include "base/BASE_Locale.h"
#include "tests/host/HOST_Application.h"

using addin::ComPtr_t;
using addin_test::Addin;

namespace {

const CLSID kSomeOtherClsid = {0x12345678, 0x1234, 0x1234, {1, 2, 3, 4, 5, 6, 7, 8}};

ComPtr_t<IClassFactory> ClassObject() {
    ComPtr_t<IClassFactory> factory;
    EXPECT_EQ(Addin().get_class_object(CLSID_OrvenAddin, IID_IClassFactory,
                                       reinterpret_cast<void**>(factory.Put())),
              S_OK);
    return factory;
}

TEST(ClassObject, OnlyTheAddinClassHasOne) {
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(Addin().get_class_object(CLSID_OrvenImportCommand, IID_IClassFactory, &out),
              CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(Addin().get_class_object(kSomeOtherClsid, IID_IClassFactory, &out), CLASS_E_CLASSNOTAVAILABLE);
    EXPECT_EQ(Addin().get_class_object(CLSID_OrvenAddin, IID_IClassFactory, nullptr), E_POINTER);
    EXPECT_EQ(Addin().get_class_object(CLSID_OrvenImportCommand, IID_IClassFactory, nullptr), E_POINTER);
}

TEST(ClassObject, IsCreatedOnceAndAnswersOnlyClassFactory) {
    ComPtr_t<IClassFactory> first = ClassObject();
    ComPtr_t<IClassFactory> second = ClassObject();
    EXPECT_EQ(first.Get(), second.Get());
    ComPtr_t<IUnknown> unknown;
    EXPECT_EQ(
        Addin().get_class_object(CLSID_OrvenAddin, IID_IUnknown, reinterpret_cast<void**>(unknown.Put())),
        S_OK);
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(Addin().get_class_object(CLSID_OrvenAddin, IID_IDesktopAddin, &out), E_NOINTERFACE);
    EXPECT_EQ(out, nullptr);
}

TEST(ClassObject, CreatesAddinsAnsweringTheirInterfaces) {
    ComPtr_t<IClassFactory> factory = ClassObject();
    EXPECT_EQ(factory->CreateInstance(nullptr, IID_IDesktopAddin, nullptr), E_POINTER);
    ComPtr_t<IDesktopAddin> addin;
    ASSERT_EQ(factory->CreateInstance(nullptr, IID_IDesktopAddin, reinterpret_cast<void**>(addin.Put())),
              S_OK);
    auto dispatch = ComPtr_t<IDispatch>::Query(addin.Get());
    auto unknown = ComPtr_t<IUnknown>::Query(addin.Get());
    EXPECT_EQ(static_cast<void*>(dispatch.Get()), static_cast<void*>(addin.Get()));
    EXPECT_TRUE(unknown);
    EXPECT_FALSE(ComPtr_t<IDesktopCommand>::Query(addin.Get()));
    EXPECT_FALSE(ComPtr_t<IClassFactory>::Query(addin.Get()));
}

// An aggregating object that counts its references and hands out the add-in's interfaces.
class Outer_t : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (::IsEqualIID(iid, IID_IUnknown)) {
            *out = this;
            AddRef();
            return S_OK;
        }
        return inner.Get()->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }

    ULONG refs = 1;
    ComPtr_t<IUnknown> inner;
};

TEST(ClassObject, AggregatedAddinDelegatesToItsOuterObject) {
    ComPtr_t<IClassFactory> factory = ClassObject();
    Outer_t outer;
    void* out = reinterpret_cast<void*>(1);
    EXPECT_EQ(factory->CreateInstance(&outer, IID_IDesktopAddin, &out), CLASS_E_NOAGGREGATION);
    EXPECT_EQ(out, nullptr);

    ASSERT_EQ(factory->CreateInstance(&outer, IID_IUnknown, reinterpret_cast<void**>(outer.inner.Put())),
              S_OK);
    EXPECT_EQ(outer.refs, 1u);
    {
        IDesktopAddin* addin = nullptr;
        ASSERT_EQ(outer.QueryInterface(IID_IDesktopAddin, reinterpret_cast<void**>(&addin)), S_OK);
        EXPECT_EQ(outer.refs, 2u);  // the add-in's own AddRef went to the outer object
        IUnknown* identity = nullptr;
        ASSERT_EQ(addin->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&identity)), S_OK);
        EXPECT_EQ(identity, &outer);
        identity->Release();
        LONG version = 0;
        EXPECT_EQ(addin->GetFrameworkVersion(&version), S_OK);
        EXPECT_EQ(version, 2);
        addin->Release();
    }
    EXPECT_EQ(outer.refs, 1u);
    factory.Reset();
    EXPECT_EQ(Addin().can_unload_now(), S_FALSE);
    outer.inner.Reset();
    EXPECT_EQ(Addin().can_unload_now(), S_OK);
}

TEST(Unloading, WaitsForObjectsLocksAndOutsideReferencesToTheClassObject) {
    EXPECT_EQ(Addin().can_unload_now(), S_OK);
    {
        ComPtr_t<IClassFactory> factory = ClassObject();
        EXPECT_EQ(Addin().can_unload_now(), S_FALSE);
        factory->LockServer(TRUE);
        factory.Reset();
        EXPECT_EQ(Addin().can_unload_now(), S_FALSE);
        ClassObject()->LockServer(FALSE);
    }
    EXPECT_EQ(Addin().can_unload_now(), S_OK);
}

TEST(Unloading, WaitsWhileTheHostHoldsTheAddinOrTheCommand) {
    auto application = host::Make<host::Application_t>(std::make_shared<host::Recorder_t>());
    ComPtr_t<IDesktopAddin> addin = addin_test::CreateAddin();
    ASSERT_TRUE(addin);
    EXPECT_EQ(Addin().can_unload_now(), S_FALSE);
    LONG success = 0;
    ASSERT_EQ(addin->OnInitialize(static_cast<IDesktopApplication*>(application.Get()), 1, 0, 0, &success),
              S_OK);
    ASSERT_EQ(success, 1);
    ASSERT_EQ(application.Get()->Commands().CommandCount(), 1u);
    addin.Reset();
    EXPECT_EQ(Addin().can_unload_now(), S_FALSE);  // the host still holds the command
    application.Get()->Commands().ReleaseCommands();
    EXPECT_EQ(Addin().can_unload_now(), S_OK);
}

}  // namespace

namespace {

// The C run-time is the process's own (msvcrt.dll): loading the add-in set its locale from the system's.
TEST(StartUp, SetsTheRunTimeLocaleFromTheSystemLocale) {
    addin_test::Addin();
    std::string locale = std::setlocale(LC_ALL, nullptr);
    std::string code_page = "." + std::to_string(base::SystemLocaleKey().code_page);
    EXPECT_NE(locale, "C");
    ASSERT_GE(locale.size(), code_page.size());
    EXPECT_EQ(locale.substr(locale.size() - code_page.size()), code_page) << locale;
}

}  // namespace
