// The stand-in host's own behaviour, which the add-in tests rely on: what it records, and the records
// it keeps for an import.
#include <gtest/gtest.h>

#include "addin/ADDIN_Bstr.h"
#include "tests/host/HOST_Application.h"

using addin::AnsiToBstr;
using addin::ComPtr_t;

namespace {

TEST(StandInHost, RecordsCallsWithQuotedTextsAndConfiguredAnswers) {
    host::Recorder_t recorder;
    recorder.SetAnswer("B", S_FALSE);
    EXPECT_EQ(recorder.Record("A", {host::Quote("x\ty\"z\\"), host::Decimal(-3), host::Hex(0x80004003)}),
              S_OK);
    EXPECT_EQ(recorder.Record("B", {}), S_FALSE);
    ASSERT_EQ(recorder.Calls().size(), 2u);
    EXPECT_EQ(recorder.Calls()[0].Line(), "A(\"x\\ty\\\"z\\\\\", -3, 0x80004003)");
    EXPECT_EQ(recorder.Calls()[1].Line(), "B()");
    EXPECT_EQ(recorder.Named("B").size(), 1u);
}

TEST(StandInHost, KeepsTheRecordsAnImportAdds) {
    auto recorder = std::make_shared<host::Recorder_t>();
    auto application = host::Make<host::Application_t>(recorder);

    ComPtr_t<IDispatch> store_dispatch;
    ASSERT_EQ(application.Get()->GetRecordStore(store_dispatch.Put()), S_OK);
    auto store = ComPtr_t<IDesktopRecordStore>::Query(store_dispatch.Get());
    ASSERT_TRUE(store);
    ComPtr_t<IDesktopCategoryList> categories;
    ASSERT_EQ(store->GetCategoryList(categories.Put()), S_OK);
    addin::Bstr_t category;
    ASSERT_EQ(categories->GetItemText(0, category.Put()), S_OK);
    EXPECT_EQ(addin::BstrToAnsi(category.Get()), "Unfiled");
    EXPECT_EQ(categories->GetItemText(99, category.Put()), E_INVALIDARG);

    ComPtr_t<IDesktopRecord> record;
    ASSERT_EQ(store->AddRecord(category.Get(), AnsiToBstr("Hut").Get(), AnsiToBstr("").Get(), record.Put()),
              S_OK);
    EXPECT_EQ(record->PutText1(AnsiToBstr("one").Get()), S_OK);
    EXPECT_EQ(record->PutNote(AnsiToBstr("a\nnote").Get()), S_OK);
    EXPECT_EQ(record->PutIndexedText(3, AnsiToBstr("VELDOR 1").Get()), S_OK);

    const auto& records = application.Get()->Store().Records();
    ASSERT_EQ(records.size(), 1u);
    const auto& fields = records[0].Get()->Fields();
    EXPECT_EQ(fields.at("Text1"), "one");
    EXPECT_EQ(fields.at("Note"), "a\nnote");
    EXPECT_EQ(fields.at("Indexed3"), "VELDOR 1");
    EXPECT_EQ(recorder->Calls().back().Line(), "Record1.PutIndexedText(3, \"VELDOR 1\")");
}

TEST(StandInHost, ConfiguredFailuresCarryErrorInformation) {
    auto recorder = std::make_shared<host::Recorder_t>();
    recorder->SetAnswer("AddRecord", E_ACCESSDENIED, "The handheld data is locked");
    auto store = host::Make<host::RecordStore_t>(recorder);
    ComPtr_t<IDesktopRecord> record;
    EXPECT_EQ(store.Get()->AddRecord(nullptr, nullptr, nullptr, record.Put()), E_ACCESSDENIED);
    EXPECT_FALSE(record);
    ComPtr_t<IErrorInfo> info;
    ASSERT_EQ(::GetErrorInfo(0, info.Put()), S_OK);
    addin::Bstr_t description;
    info->GetDescription(description.Put());
    EXPECT_EQ(addin::BstrToAnsi(description.Get()), "The handheld data is locked");
}

}  // namespace
