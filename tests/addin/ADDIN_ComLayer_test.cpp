// The small COM layer: counted pointers, the COM error raise and BSTRs from ANSI text.
#include <comdef.h>
#include <gtest/gtest.h>

#include "addin/ADDIN_Bstr.h"
#include "addin/ADDIN_ComError.h"
#include "addin/ADDIN_ComPtr.h"
#include "addin/ADDIN_Interfaces.h"
#include "tests/host/HOST_Records.h"

using addin::ComPtr_t;

namespace {

// An object that counts its references and answers QueryInterface with a chosen HRESULT.
class Counted_t : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        if (FAILED(answer)) {
            *out = nullptr;
            return answer;
        }
        *out = this;
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --refs; }

    HRESULT answer = S_OK;
    ULONG refs = 0;
};

TEST(ComPtr, CountsItsReferences) {
    Counted_t object;
    {
        ComPtr_t<IUnknown> first(&object);
        EXPECT_EQ(object.refs, 1u);
        ComPtr_t<IUnknown> second = first;
        EXPECT_EQ(object.refs, 2u);
        second = first.Get();  // the same object again: AddRef before Release keeps it alive
        EXPECT_EQ(object.refs, 2u);
        ComPtr_t<IUnknown> moved = std::move(second);
        EXPECT_EQ(object.refs, 2u);
        EXPECT_FALSE(second);
        first.Reset();
        EXPECT_EQ(object.refs, 1u);
    }
    EXPECT_EQ(object.refs, 0u);
}

TEST(ComPtr, QueryLeavesItEmptyForNoInterfaceOrNoSource) {
    Counted_t object;
    object.answer = E_NOINTERFACE;
    EXPECT_FALSE(ComPtr_t<IDispatch>::Query(&object));
    EXPECT_FALSE(ComPtr_t<IDispatch>::Query(nullptr));
    object.answer = S_OK;
    EXPECT_TRUE(ComPtr_t<IDispatch>::Query(&object));
    EXPECT_EQ(object.refs, 0u);
}

TEST(ComPtr, QueryRaisesOtherFailures) {
    Counted_t object;
    object.answer = E_OUTOFMEMORY;
    try {
        ComPtr_t<IDispatch>::Query(&object);
        FAIL() << "no COM error";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_OUTOFMEMORY);
    }
}

TEST(ComPtr, UsingAnEmptyPointerRaisesEPointer) {
    ComPtr_t<IDesktopApplication> empty;
    try {
        empty->GetCommandManager(nullptr);
        FAIL() << "no COM error";
    } catch (const addin::ComError_t& e) {
        EXPECT_EQ(e.Error(), E_POINTER);
        EXPECT_TRUE(::IsEqualIID(e.Iid(), IID_IDesktopApplication));
        EXPECT_EQ(e.ErrorInfo(), nullptr);
    }
}

TEST(ComError, SuccessCodesPassFailuresRaiseWithTheCalledInterface) {
    EXPECT_EQ(addin::Check(S_FALSE, nullptr, IID_IDesktopRecord), S_FALSE);
    try {
        addin::Check(E_ACCESSDENIED, nullptr, IID_IDesktopRecord);
        FAIL() << "no COM error";
    } catch (const addin::ComError_t& e) {
        EXPECT_EQ(e.Error(), E_ACCESSDENIED);
        EXPECT_TRUE(::IsEqualIID(e.Iid(), IID_IDesktopRecord));
    }
}

TEST(ComError, CarriesTheErrorInformationOfObjectsThatOfferIt) {
    auto recorder = std::make_shared<host::Recorder_t>();
    recorder->SetAnswer("GetItemText", E_FAIL, "No categories today");
    auto list = host::Make<host::CategoryList_t>(recorder, std::vector<std::string>{"Unfiled"});
    addin::Bstr_t text;
    try {
        addin::Check(list.Get()->GetItemText(0, text.Put()), static_cast<IDesktopCategoryList*>(list.Get()),
                     IID_IDesktopCategoryList);
        FAIL() << "no COM error";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.Error(), E_FAIL);
        EXPECT_EQ(std::string(static_cast<const char*>(e.Description())), "No categories today");
        EXPECT_TRUE(::IsEqualGUID(e.GUID_(), IID_IDesktopCategoryList));
    }
}

TEST(ComError, IgnoresErrorInformationOfObjectsThatDoNotOfferIt) {
    addin::ComPtr_t<ICreateErrorInfo> create;
    ASSERT_EQ(::CreateErrorInfo(create.Put()), S_OK);
    auto info = ComPtr_t<IErrorInfo>::Query(create.Get());
    ::SetErrorInfo(0, info.Get());
    Counted_t object;
    object.answer = E_NOINTERFACE;  // no ISupportErrorInfo
    try {
        addin::Check(E_FAIL, &object, IID_IDesktopRecord);
        FAIL() << "no COM error";
    } catch (const _com_error& e) {
        EXPECT_EQ(e.ErrorInfo(), nullptr);
        EXPECT_EQ(e.Description().length(), 0u);
    }
    ::SetErrorInfo(0, nullptr);
}

TEST(Bstr, ConvertsWithTheSystemCodePage) {
    // The system code page under test is 1252: 0xE9 is e acute, 0x80 the euro sign.
    ASSERT_EQ(::GetACP(), 1252u);
    addin::Bstr_t text = addin::AnsiToBstr("Caf\xE9 \x80 5");
    ASSERT_NE(text.Get(), nullptr);
    EXPECT_EQ(std::wstring(text.Get(), ::SysStringLen(text.Get())), L"Caf\u00E9 \u20AC 5");
    EXPECT_EQ(addin::BstrToAnsi(text.Get()), "Caf\xE9 \x80 5");
}

TEST(Bstr, EmptyTextIsAnEmptyBstrAndNullReadsEmpty) {
    addin::Bstr_t empty = addin::AnsiToBstr("");
    ASSERT_NE(empty.Get(), nullptr);
    EXPECT_EQ(::SysStringLen(empty.Get()), 0u);
    EXPECT_EQ(addin::BstrToAnsi(nullptr), "");
}

TEST(Bstr, CompilerSupportConversionsUseTheSameRules) {
    _bstr_t text("Gr\xFC\xDF Gott");
    EXPECT_EQ(std::wstring(static_cast<const wchar_t*>(text)), L"Gr\u00FC\u00DF Gott");
    EXPECT_EQ(std::string(static_cast<const char*>(text)), "Gr\xFC\xDF Gott");
}

}  // namespace
