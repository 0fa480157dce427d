#pragma once
// COrvenAddin: the object Palm Desktop creates from the add-in CLSID. On OnInitialize it registers
// the import command with the host's command manager and gives it a menu entry.
#include <windows.h>

#include <string>

#include "addin/ADDIN_ComObject.h"
#include "addin/ADDIN_ComPtr.h"
#include "addin/ADDIN_Interfaces.h"

class COrvenImportCommand;

class COrvenAddin : public addin::ComObject_t<IDesktopAddin, IID_IDesktopAddin> {
public:
    // The class table's creator: outer is the aggregating object or null.
    static HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out);

    // IUnknown: delegates to the controlling unknown (the aggregator, or the object's own).
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IDesktopAddin
    HRESULT STDMETHODCALLTYPE OnInitialize(IDispatch* pUnk, LONG dwCookie, LONG dwDesktopVersion, LONG lParam,
                                           LONG* pbSuccess) override;
    HRESULT STDMETHODCALLTYPE OnUninitialize() override;
    HRESULT STDMETHODCALLTYPE GetFrameworkVersion(LONG* plVersion) override;
    HRESULT STDMETHODCALLTYPE ShowAboutBox(LONG hWndParent) override;
    HRESULT STDMETHODCALLTYPE ShowProperties(LONG hWndParent) override;

private:
    // The object's own IUnknown, which an aggregator holds.
    class Inner_t : public IUnknown {
    public:
        explicit Inner_t(COrvenAddin& owner) : owner_(owner) {}
        HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
        ULONG STDMETHODCALLTYPE AddRef() override;
        ULONG STDMETHODCALLTYPE Release() override;

    private:
        COrvenAddin& owner_;
    };

    explicit COrvenAddin(IUnknown* outer);
    ~COrvenAddin() override;

    // Registers the command with the host's command manager and, when the host accepts it with S_OK,
    // adds its menu entry. Host failures raise COM errors.
    HRESULT RegisterCommand(COrvenImportCommand* command, HINSTANCE module, const std::string& name,
                            const std::string& text, LONG resource, LONG flag);

    Inner_t inner_;
    IUnknown* outer_;  // the controlling unknown
    LONG m_dwCookie = 0;
    addin::ComPtr_t<IDispatch> m_spHost;
};
