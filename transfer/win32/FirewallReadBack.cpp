#include "transfer/win32/FirewallReadBack.h"

#include <windows.h>
#include <netfw.h>
#include <oleauto.h>

#include "transfer/FirewallRule.h"

namespace {

std::u16string textOf(BSTR text) {
    return text ? std::u16string(text, text + SysStringLen(text)) : std::u16string();
}

// Adds the program of `item` when it is a rule of the firewall step's name.
void readRule(IDispatch* item, const std::u16string& name, std::vector<std::u16string>& programs) {
    INetFwRule* rule = nullptr;
    if (FAILED(item->QueryInterface(__uuidof(INetFwRule), reinterpret_cast<void**>(&rule))))
        return;
    BSTR ruleName = nullptr;
    if (SUCCEEDED(rule->get_Name(&ruleName)) && textOf(ruleName) == name) {
        BSTR program = nullptr;
        if (SUCCEEDED(rule->get_ApplicationName(&program)))
            programs.push_back(textOf(program));
        SysFreeString(program);
    }
    SysFreeString(ruleName);
    rule->Release();
}

void readRules(INetFwRules* rules, std::vector<std::u16string>& programs) {
    IUnknown* enumerator = nullptr;
    if (FAILED(rules->get__NewEnum(&enumerator)))
        return;
    IEnumVARIANT* items = nullptr;
    if (SUCCEEDED(enumerator->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&items)))) {
        const std::string narrowName(kFirewallRuleName);
        const std::u16string name(narrowName.begin(), narrowName.end());
        VARIANT item;
        VariantInit(&item);
        while (items->Next(1, &item, nullptr) == S_OK) {
            if (item.vt == VT_DISPATCH && item.pdispVal)
                readRule(item.pdispVal, name, programs);
            VariantClear(&item);
        }
        items->Release();
    }
    enumerator->Release();
}

}  // namespace

std::vector<std::u16string> programsOfFirewallRule() {
    std::vector<std::u16string> programs;
    const HRESULT initialised = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    INetFwPolicy2* policy = nullptr;
    if (SUCCEEDED(CoCreateInstance(__uuidof(NetFwPolicy2), nullptr, CLSCTX_INPROC_SERVER, __uuidof(INetFwPolicy2),
                                   reinterpret_cast<void**>(&policy)))) {
        INetFwRules* rules = nullptr;
        if (SUCCEEDED(policy->get_Rules(&rules))) {
            readRules(rules, programs);
            rules->Release();
        }
        policy->Release();
    }
    if (SUCCEEDED(initialised))
        CoUninitialize();
    return programs;
}
