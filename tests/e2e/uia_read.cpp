// What a Windows screen reader reads of a window through UI Automation: the
// top-level window of that title, waited for until it shows, then each element
// of its tree, depth first, one to a line of tab-separated fields: depth,
// control type, name, description, and "disabled" or "focused" where either
// holds (CR LF in a text written as \r\n). With a DEPTH, no deeper element is
// read. A window that shows the walker no children, a plain Win32 box, is read
// through its child windows. Only calls that answer under Wine 10 are used. A
// call that fails, or a read not done within 60 s of the window showing, ends
// the run with status 2, naming the call and the element.
// Usage: uia_read.exe TITLE [DEPTH]
#include <uiautomation.h>
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <map>
#include <string>

namespace {

// Names the call before it is made, so that one that never answers is named.
#define CALL(expression) (call = #expression, check(expression))

struct Reader {
    int depthLimit = 9;
    HWND window = nullptr;
    std::atomic<const char*> call{"FindWindowW"};
    std::atomic<int> element{0};
    IUIAutomation* automation = nullptr;
    IUIAutomationTreeWalker* walker = nullptr;
    std::string lines;

    [[noreturn]] void stop(const char* why) const {
        std::fprintf(stderr, "uia_read: %s %s, at element %d\n", call.load(), why, element.load());
        std::fflush(stderr);
        ExitProcess(2);
    }
    void check(HRESULT result) const {
        if (FAILED(result)) stop("failed");
    }
    std::string property(IUIAutomationElement* of, PROPERTYID id) {
        VARIANT value;
        CALL(of->GetCurrentPropertyValueEx(id, TRUE, &value));
        std::string text = value.vt == VT_BSTR ? utf8(value.bstrVal) : "";
        if (value.vt == VT_BOOL) text = value.boolVal ? "true" : "false";
        VariantClear(&value);
        return text;
    }
    static std::string utf8(const wchar_t* text) {
        std::string out;
        for (const wchar_t* c = text; c != nullptr && *c != 0; ++c) {
            char bytes[8];
            if (c[0] == L'\r' && c[1] == L'\n')
                ++c, out += "\\r\\n";
            else
                out.append(bytes,
                           WideCharToMultiByte(CP_UTF8, 0, c, 1, bytes, 8, nullptr, nullptr));
        }
        return out;
    }

    void line(IUIAutomationElement* of, int depth) {
        ++element;
        CONTROLTYPEID type = 0;
        CALL(of->get_CurrentControlType(&type));
        BSTR name = nullptr;
        CALL(of->get_CurrentName(&name));
        const std::map<CONTROLTYPEID, const char*> types{
            {UIA_ButtonControlTypeId, "Button"}, {UIA_ComboBoxControlTypeId, "ComboBox"},
            {UIA_EditControlTypeId, "Edit"},     {UIA_GroupControlTypeId, "Group"},
            {UIA_PaneControlTypeId, "Pane"},     {UIA_TextControlTypeId, "Text"},
            {UIA_WindowControlTypeId, "Window"}};
        lines += std::to_string(depth) + '\t' + (types.contains(type) ? types.at(type) : "") +
                 '\t' + utf8(name) + '\t' + property(of, UIA_FullDescriptionPropertyId) + '\t' +
                 (property(of, UIA_IsEnabledPropertyId) == "false" ? "disabled" : "") +
                 (property(of, UIA_HasKeyboardFocusPropertyId) == "true" ? "focused" : "") + '\n';
        SysFreeString(name);
    }
    // Returns how many children the element showed.
    int walk(IUIAutomationElement* of, int depth) {
        line(of, depth);
        int children = 0;
        IUIAutomationElement* child = nullptr;
        if (depth < depthLimit) CALL(walker->GetFirstChildElement(of, &child));
        for (IUIAutomationElement* next = nullptr; child != nullptr;
             child->Release(), child = next) {
            walk(child, depth + 1), ++children;
            CALL(walker->GetNextSiblingElement(child, &next));
        }
        return children;
    }
    void read() {
        IUIAutomationCondition* everything = nullptr;
        IUIAutomationElement* root = nullptr;
        CALL(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
        CALL(CoCreateInstance(CLSID_CUIAutomation, nullptr, CLSCTX_INPROC_SERVER, IID_IUIAutomation,
                              reinterpret_cast<void**>(&automation)));
        CALL(automation->CreateTrueCondition(&everything));
        CALL(automation->CreateTreeWalker(everything, &walker));
        CALL(automation->ElementFromHandle(window, &root));
        if (walk(root, 0) > 0) return;
        for (HWND child = GetWindow(window, GW_CHILD); child;
             child = GetWindow(child, GW_HWNDNEXT)) {
            CALL(automation->ElementFromHandle(child, &root));
            line(root, 1);
        }
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) return std::fputs("usage: uia_read.exe TITLE [DEPTH]\n", stderr), 1;
    Reader reader;
    if (argc > 2) reader.depthLimit = _wtoi(argv[2]);
    // Found as soon as it is made, a window is read once it shows.
    for (int tries = 0;
         !((reader.window = FindWindowW(nullptr, argv[1])) && IsWindowVisible(reader.window));
         ++tries) {
        if (tries == 150) reader.stop("found no window of that title showing within 15 s");
        Sleep(100);
    }
    // The reading's own thread, so that a call that never answers is caught.
    HANDLE reading = CreateThread(
        nullptr, 0, [](void* it) -> DWORD { return static_cast<Reader*>(it)->read(), 0; }, &reader,
        0, nullptr);
    if (reading == nullptr || WaitForSingleObject(reading, 60000) != WAIT_OBJECT_0)
        reader.stop("did not answer within 60 s");
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), reader.lines.data(), reader.lines.size(), &written,
              nullptr);
    return 0;
}
