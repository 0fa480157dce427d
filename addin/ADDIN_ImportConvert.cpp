// COrvenImportCommand::Convert: one waypoint becomes one new record of the host's handheld data.
#include <string>

#include "addin/ADDIN_Bstr.h"
#include "addin/ADDIN_ComPtr.h"
#include "addin/record/ADDIN_HandheldRecord.h"
#include "addin/ADDIN_HostObjects.h"
#include "addin/ADDIN_OrvenImportCommand.h"

namespace {

template <class Text>
addin::Bstr_t ToBstr(const Text& text) {
    return addin::AnsiToBstr(std::string(text.data(), text.size()));
}

}  // namespace

void COrvenImportCommand::Convert(const trove::WaypointId_t& key, const trove::Waypoint_t& waypoint) {
    addin::HostObjects_t& host = addin::TheHostObjects();
    host.Setup(m_spHost.Get());

    IDesktopRecordStore* store = host.RecordStore();
    if (!store) addin::RaiseComError(E_POINTER, nullptr, IID_IDesktopRecordStore);
    addin::ComPtr_t<IDesktopRecord> record;
    addin::Check(store->AddRecord(host.Category(), addin::AnsiToBstr(std::string()).Get(),
                                  ToBstr(key.name.text).Get(), record.Put()),
                 store, IID_IDesktopRecordStore);

    // The host sees the calls in this order; whatever was set before a failure stays set.
    IDesktopRecord* target = record.operator->();
    auto check = [target](HRESULT hr) { addin::Check(hr, target, IID_IDesktopRecord); };
    check(target->PutIndexedText(3, addin::AnsiToBstr(addin::CodedLine(waypoint)).Get()));
    check(target->PutText1(ToBstr(waypoint.text_5).Get()));
    check(target->PutText2(ToBstr(waypoint.text_2).Get()));
    check(target->PutText3(ToBstr(waypoint.text_3).Get()));
    check(target->PutText4(ToBstr(key.id_text).Get()));
    check(target->PutNote(addin::AnsiToBstr(addin::RecordNote(waypoint)).Get()));
}
