#include "addin/ADDIN_HostObjects.h"

namespace addin {

HostObjects_t::~HostObjects_t() {
    host_.Detach();
    application_.Detach();
    store_.Detach();
    list_.Detach();
    category_.Detach();
}

void HostObjects_t::Setup(IDispatch* host) {
    if (!have_host_) {
        host_ = host;
        have_host_ = true;
    }
    if (!have_application_) {
        application_ = ComPtr_t<IDesktopApplication>::Query(host_.Get());
        have_application_ = true;
    }
    if (!have_store_) {
        if (!application_) RaiseComError(E_POINTER, nullptr, IID_IDesktopApplication);
        ComPtr_t<IDispatch> result;
        Check(application_->GetRecordStore(result.Put()), application_.Get(), IID_IDesktopApplication);
        store_ = ComPtr_t<IDesktopRecordStore>::Query(result.Get());
        have_store_ = true;
    }
    if (!have_list_) {
        if (!store_) RaiseComError(E_POINTER, nullptr, IID_IDesktopRecordStore);
        Check(store_->GetCategoryList(list_.Put()), store_.Get(), IID_IDesktopRecordStore);
        have_list_ = true;
    }
    if (!have_category_) {
        if (!list_) RaiseComError(E_POINTER, nullptr, IID_IDesktopCategoryList);
        Check(list_->GetItemText(0, category_.Put()), list_.Get(), IID_IDesktopCategoryList);
        have_category_ = true;
    }
}

HostObjects_t& TheHostObjects() {
    static HostObjects_t objects;
    return objects;
}

}  // namespace addin
