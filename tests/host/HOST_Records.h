#pragma once
// The stand-in host's handheld data: the record store, its category list and the records the add-in adds.
#include <map>
#include <string>
#include <vector>

#include "addin/record/ADDIN_HandheldRecord.h"
#include "addin/ADDIN_Interfaces.h"
#include "tests/host/HOST_Object.h"

namespace host {

class Record_t : public Object_t<IDesktopRecord> {
public:
    // A record added under category with the given second and third texts.
    Record_t(std::shared_ptr<Recorder_t> recorder, int number, std::string category, std::string text2,
             std::string text3);

    // The texts stored so far, by field ("Category", "AddText2", "AddText3" from AddRecord, then
    // "Text1" ... "Text4", "Note", "Indexed<n>").
    const std::map<std::string, std::string>& Fields() const { return fields_; }
    // The field's text, empty when it was never set.
    std::string Field(const std::string& name) const;

    HOST_RESERVED(7)
    HOST_RESERVED(8)
    HOST_RESERVED(9)
    HOST_RESERVED(10)
    HOST_RESERVED(11)
    HOST_RESERVED(12)
    HOST_RESERVED(13)
    HOST_RESERVED(14)
    HOST_RESERVED(15)
    HRESULT STDMETHODCALLTYPE PutText1(BSTR text) override { return Put("Text1", text); }
    HOST_RESERVED(17)
    HRESULT STDMETHODCALLTYPE PutText2(BSTR text) override { return Put("Text2", text); }
    HOST_RESERVED(19)
    HRESULT STDMETHODCALLTYPE PutText3(BSTR text) override { return Put("Text3", text); }
    HOST_RESERVED(21)
    HOST_RESERVED(22)
    HOST_RESERVED(23)
    HRESULT STDMETHODCALLTYPE PutText4(BSTR text) override { return Put("Text4", text); }
    HOST_RESERVED(25)
    HRESULT STDMETHODCALLTYPE PutNote(BSTR text) override { return Put("Note", text); }
    HOST_RESERVED(27)
    HRESULT STDMETHODCALLTYPE PutIndexedText(LONG index, BSTR text) override;

private:
    HRESULT Put(const std::string& field, BSTR text);

    int number_;
    std::map<std::string, std::string> fields_;
};

class CategoryList_t : public Object_t<IDesktopCategoryList> {
public:
    CategoryList_t(std::shared_ptr<Recorder_t> recorder, std::vector<std::string> categories);

    HOST_RESERVED(7)
    HRESULT STDMETHODCALLTYPE GetItemText(LONG index, BSTR* text) override;

private:
    std::vector<std::string> categories_;
};

class RecordStore_t : public Object_t<IDesktopRecordStore> {
public:
    explicit RecordStore_t(std::shared_ptr<Recorder_t> recorder);

    // The records added so far, in order.
    const std::vector<addin::ComPtr_t<Record_t>>& Records() const { return records_; }
    // The same as the texts the import passed for each, in the shape `trovix records` prints.
    std::vector<addin::HandheldRecord_t> HandheldRecords() const;

    HRESULT STDMETHODCALLTYPE GetCategoryList(IDesktopCategoryList** list) override;
    HOST_RESERVED(8)
    HOST_RESERVED(9)
    HOST_RESERVED(10)
    HRESULT STDMETHODCALLTYPE AddRecord(BSTR category, BSTR text2, BSTR text3,
                                        IDesktopRecord** record) override;

private:
    addin::ComPtr_t<CategoryList_t> categories_;
    std::vector<addin::ComPtr_t<Record_t>> records_;
};

}  // namespace host
