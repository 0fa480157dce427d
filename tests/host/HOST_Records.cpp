#include "tests/host/HOST_Records.h"

#include "addin/ADDIN_Bstr.h"

namespace host {

Record_t::Record_t(std::shared_ptr<Recorder_t> recorder, int number, std::string category, std::string text2,
                   std::string text3)
    : Object_t(std::move(recorder)), number_(number) {
    fields_["Category"] = std::move(category);
    fields_["AddText2"] = std::move(text2);
    fields_["AddText3"] = std::move(text3);
}

std::string Record_t::Field(const std::string& name) const {
    auto field = fields_.find(name);
    return field == fields_.end() ? std::string() : field->second;
}

HRESULT Record_t::Put(const std::string& field, BSTR text) {
    Recorder_t::Timer_t timer(*Recorder());
    HRESULT hr = Record("Record" + std::to_string(number_) + ".Put" + field, {Quote(text)});
    if (SUCCEEDED(hr)) fields_[field] = addin::BstrToAnsi(text);
    return hr;
}

HRESULT Record_t::PutIndexedText(LONG index, BSTR text) {
    Recorder_t::Timer_t timer(*Recorder());
    HRESULT hr =
        Record("Record" + std::to_string(number_) + ".PutIndexedText", {Decimal(index), Quote(text)});
    if (SUCCEEDED(hr)) fields_["Indexed" + std::to_string(index)] = addin::BstrToAnsi(text);
    return hr;
}

CategoryList_t::CategoryList_t(std::shared_ptr<Recorder_t> recorder, std::vector<std::string> categories)
    : Object_t(std::move(recorder)), categories_(std::move(categories)) {}

HRESULT CategoryList_t::GetItemText(LONG index, BSTR* text) {
    HRESULT hr = Record("GetItemText", {Decimal(index)});
    if (FAILED(hr)) return hr;
    if (!text) return E_POINTER;
    *text = nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= categories_.size()) return E_INVALIDARG;
    *text = addin::AnsiToBstr(categories_[static_cast<std::size_t>(index)]).Detach();
    return hr;
}

RecordStore_t::RecordStore_t(std::shared_ptr<Recorder_t> recorder)
    : Object_t(recorder),
      categories_(
          Make<CategoryList_t>(recorder, std::vector<std::string>{"Unfiled", "Business", "Personal"})) {}

HRESULT RecordStore_t::GetCategoryList(IDesktopCategoryList** list) {
    HRESULT hr = Record("GetCategoryList", {});
    if (FAILED(hr)) return hr;
    if (!list) return E_POINTER;
    *list = categories_.Get();
    (*list)->AddRef();
    return hr;
}

HRESULT RecordStore_t::AddRecord(BSTR category, BSTR text2, BSTR text3, IDesktopRecord** record) {
    Recorder_t::Timer_t timer(*Recorder());
    HRESULT hr = Record("AddRecord", {Quote(category), Quote(text2), Quote(text3)});
    if (FAILED(hr)) return hr;
    if (!record) return E_POINTER;
    records_.push_back(Make<Record_t>(Recorder(), static_cast<int>(records_.size() + 1), addin::BstrToAnsi(category),
                                      addin::BstrToAnsi(text2), addin::BstrToAnsi(text3)));
    *record = records_.back().Get();
    (*record)->AddRef();
    return hr;
}

std::vector<addin::HandheldRecord_t> RecordStore_t::HandheldRecords() const {
    std::vector<addin::HandheldRecord_t> result;
    for (const auto& record : records_) {
        const Record_t& r = *record.Get();
        result.push_back(addin::HandheldRecord_t{r.Field("Category"), r.Field("AddText3"), r.Field("Text1"),
                                                 r.Field("Text2"), r.Field("Text3"), r.Field("Text4"),
                                                 r.Field("Note"), r.Field("Indexed3")});
    }
    return result;
}

}  // namespace host
